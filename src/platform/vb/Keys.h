#pragma once
// The runtime's key codes and shift mask, from Qt key events.
#include <QKeyEvent>
#include <optional>

namespace vb {
enum KeyCodes : int {
  vbKeyBack = 8,
  vbKeyTab = 9,
  vbKeyReturn = 13,
  vbKeyShift = 16,
  vbKeyControl = 17,
  vbKeyMenu = 18,
  vbKeyEscape = 27,
  vbKeySpace = 32,
  vbKeyPageUp = 33,
  vbKeyPageDown = 34,
  vbKeyEnd = 35,
  vbKeyHome = 36,
  vbKeyLeft = 37,
  vbKeyUp = 38,
  vbKeyRight = 39,
  vbKeyDown = 40,
  vbKeyInsert = 45,
  vbKeyDelete = 46,
  vbKey0 = 48,
  vbKeyA = 65,
  vbKeyNumpad0 = 96,
  vbKeyMultiply = 106,
  vbKeyAdd = 107,
  vbKeySubtract = 109,
  vbKeyDecimal = 110,
  vbKeyDivide = 111,
  vbKeyF1 = 112,
  vbKeyF2 = 113,
  vbKeyRaute = 191  // the German "#" key
};
enum ShiftMask : int { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };

// 0 for keys that have no code.
int KeyCode(const QKeyEvent* e);
int ShiftState(Qt::KeyboardModifiers m);
// The character code (Windows-1252) that a key press types, 0 when it types nothing.
int KeyAscii(const QKeyEvent* e);

// The key states of the closed helper library: non-zero while a Shift (Ctrl) key is held down.
int ShiftKey();
int CtrlKey();
// Tests hold keys down without a keyboard; std::nullopt gives the real keyboard back.
void TastenHalten(std::optional<Qt::KeyboardModifiers> tasten);
}  // namespace vb
