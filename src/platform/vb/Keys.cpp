#include "platform/vb/Keys.h"

#include "platform/vb/Codec.h"

#include <QGuiApplication>

namespace vb {

int KeyCode(const QKeyEvent* e) {
  const int k = e->key();
  const bool keypad = e->modifiers() & Qt::KeypadModifier;
  if (keypad && k >= Qt::Key_0 && k <= Qt::Key_9) return vbKeyNumpad0 + (k - Qt::Key_0);
  if (k >= Qt::Key_A && k <= Qt::Key_Z) return k;  // Qt uses the same codes for letters
  if (k >= Qt::Key_0 && k <= Qt::Key_9) return k;
  if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return vbKeyF1 + (k - Qt::Key_F1);
  switch (k) {
    case Qt::Key_Backspace:
      return vbKeyBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return vbKeyTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return vbKeyReturn;
    case Qt::Key_Shift:
      return vbKeyShift;
    case Qt::Key_Control:
      return vbKeyControl;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
      return vbKeyMenu;
    case Qt::Key_Escape:
      return vbKeyEscape;
    case Qt::Key_Space:
      return vbKeySpace;
    case Qt::Key_PageUp:
      return vbKeyPageUp;
    case Qt::Key_PageDown:
      return vbKeyPageDown;
    case Qt::Key_End:
      return vbKeyEnd;
    case Qt::Key_Home:
      return vbKeyHome;
    case Qt::Key_Left:
      return vbKeyLeft;
    case Qt::Key_Up:
      return vbKeyUp;
    case Qt::Key_Right:
      return vbKeyRight;
    case Qt::Key_Down:
      return vbKeyDown;
    case Qt::Key_Insert:
      return vbKeyInsert;
    case Qt::Key_Delete:
      return vbKeyDelete;
    case Qt::Key_Pause:
      return 19;
    case Qt::Key_CapsLock:
      return 20;
    // Shifted digits of the German layout keep the digit's code.
    case Qt::Key_Equal:
      return keypad ? 0 : 48;
    case Qt::Key_Exclam:
      return 49;
    case Qt::Key_QuoteDbl:
      return 50;
    case Qt::Key_section:
      return 51;
    case Qt::Key_Dollar:
      return 52;
    case Qt::Key_Percent:
      return 53;
    case Qt::Key_Ampersand:
      return 54;
    case Qt::Key_Slash:
      return keypad ? vbKeyDivide : 55;
    case Qt::Key_ParenLeft:
      return 56;
    case Qt::Key_ParenRight:
      return 57;
    case Qt::Key_Asterisk:
      return keypad ? vbKeyMultiply : 187;
    case Qt::Key_Plus:
      return keypad ? vbKeyAdd : 187;
    case Qt::Key_Minus:
      return keypad ? vbKeySubtract : 189;
    case Qt::Key_Underscore:
      return 189;
    case Qt::Key_Comma:
      return keypad ? vbKeyDecimal : 188;
    case Qt::Key_Semicolon:
      return 188;
    case Qt::Key_Period:
      return keypad ? vbKeyDecimal : 190;
    case Qt::Key_Colon:
      return 190;
    case Qt::Key_NumberSign:
    case Qt::Key_Apostrophe:
      return vbKeyRaute;
    case Qt::Key_Odiaeresis:
      return 192;
    case Qt::Key_Udiaeresis:
      return 186;
    case Qt::Key_Adiaeresis:
      return 222;
    case Qt::Key_ssharp:
    case Qt::Key_Question:
    case Qt::Key_Backslash:
      return 219;
    case Qt::Key_AsciiCircum:
    case Qt::Key_Dead_Circumflex:
    case Qt::Key_degree:
      return 220;
    case Qt::Key_Dead_Acute:
    case Qt::Key_Dead_Grave:
    case Qt::Key_acute:
    case Qt::Key_QuoteLeft:
      return 221;
    case Qt::Key_Less:
    case Qt::Key_Greater:
    case Qt::Key_Bar:
      return 226;
    default:
      return 0;
  }
}

int ShiftState(Qt::KeyboardModifiers m) {
  int s = 0;
  if (m & Qt::ShiftModifier) s |= vbShiftMask;
  if (m & Qt::ControlModifier) s |= vbCtrlMask;
  if (m & Qt::AltModifier) s |= vbAltMask;
  return s;
}

int KeyAscii(const QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Tab:
      return 9;
    default:
      break;
  }
  if ((e->modifiers() & Qt::ControlModifier) && !(e->modifiers() & Qt::AltModifier) && e->key() >= Qt::Key_A &&
      e->key() <= Qt::Key_Z)
    return e->key() - Qt::Key_A + 1;
  // Ctrl with any other key types nothing (Ctrl+Shift+# is a command, not a "'").
  if ((e->modifiers() & Qt::ControlModifier) && !(e->modifiers() & Qt::AltModifier)) return 0;
  const QString t = e->text();
  if (t.size() != 1 || t[0].unicode() < 32 || t[0].unicode() == 127) return 0;
  const QByteArray b = Codec::nach1252(Codec::auf1252Reduzieren(t));
  return b.isEmpty() ? 0 : static_cast<unsigned char>(b[0]);
}

namespace {
std::optional<Qt::KeyboardModifiers> gehalteneTasten;

Qt::KeyboardModifiers tasten() {
  if (gehalteneTasten) return *gehalteneTasten;
  // The keyboard's state now, not that of the last event handled.
  return QGuiApplication::queryKeyboardModifiers();
}
}  // namespace

int ShiftKey() { return (tasten() & Qt::ShiftModifier) ? 1 : 0; }
int CtrlKey() { return (tasten() & Qt::ControlModifier) ? 1 : 0; }
void TastenHalten(std::optional<Qt::KeyboardModifiers> t) { gehalteneTasten = t; }

}  // namespace vb
