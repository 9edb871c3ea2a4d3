#include "platform/kit/Controls.h"

#include "platform/dienste/Zwischenablage.h"

#include "platform/kit/ControlsIntern.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Codec.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPointer>
#include <QTextBlock>
#include <algorithm>

namespace vb {

namespace {

// A one-line editor that keeps its caret when reached by Tab, as the runtime's boxes did: Qt selects the
// whole text then. A selection the box already holds (set by code before the focus came) stays.
class Zeileneditor : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

 protected:
  void focusInEvent(QFocusEvent* e) override {
    const bool perTaste = e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason ||
                          e->reason() == Qt::ShortcutFocusReason;
    const bool auswahl = hasSelectedText();
    const int pos = cursorPosition();
    QLineEdit::focusInEvent(e);
    if (perTaste && !auswahl) {
      deselect();
      setCursorPosition(pos);
    }
  }
};

}  // namespace

using steuerelemente::istFensterKuerzel;
using steuerelemente::kannKuerzelSein;

TextBox::TextBox(QWidget* parent, bool multiLine) : QWidget(parent), multi_(multiLine) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  if (multi_) {
    plain_ = new QPlainTextEdit(this);
    plain_->setTabChangesFocus(true);
    plain_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    plain_->setAcceptDrops(false);
    editor_ = plain_;
    connect(plain_, &QPlainTextEdit::textChanged, this, &TextBox::onTextChanged);
  } else {
    line_ = new Zeileneditor(this);
    line_->setAcceptDrops(false);
    line_->setFrame(true);
    editor_ = line_;
    connect(line_, &QLineEdit::textChanged, this, &TextBox::onTextChanged);
  }
  editor_->setContextMenuPolicy(Qt::NoContextMenu);
  layout->addWidget(editor_);
  setFocusProxy(editor_);
  setFocusPolicy(Qt::StrongFocus);
  editor_->installEventFilter(this);
  if (plain_) plain_->viewport()->installEventFilter(this);
}

void TextBox::resizeEvent(QResizeEvent* e) { QWidget::resizeEvent(e); }

QString TextBox::widgetText() const { return multi_ ? plain_->toPlainText() : line_->text(); }

int TextBox::vbLength(const QString& t) const { return static_cast<int>(t.size() + (multi_ ? t.count(u'\n') : 0)); }

QString TextBox::Text() const {
  if (!multi_) {
    const QString t = line_->text();
    // Unchanged since it was set: the whole text, not the part the line holds.
    if (!langText_.isNull() && QStringView(langText_).left(line_->maxLength()) == t) return langText_;
    return t;
  }
  QString t = plain_->toPlainText();
  t.replace(u'\n', QStringLiteral("\r\n"));
  return t;
}

QString TextBox::passend(const QString& t, int platz) const {
  int n = 0, laenge = 0;
  while (n < t.size()) {
    const int l = (multi_ && t[n] == u'\n') ? 2 : 1;
    if (laenge + l > platz) break;
    laenge += l;
    ++n;
  }
  return t.left(n);
}

void TextBox::setText(const QString& text) {
  const bool kuerzen = cutsCodeText_ && maxLength_ > 0;
  if (!multi_) {
    QString t = kuerzen ? passend(text, maxLength_) : text;
    // A single line holds at most maxLength characters and cuts the rest; the box keeps the whole text
    // and gives it back while nobody edits it, so that storing the boxes never shortens a field.
    langText_ = t.size() > line_->maxLength() ? t : QString();
    if (line_->text() == t) return;
    line_->blockSignals(true);
    line_->setText(t);
    line_->setCursorPosition(0);
    line_->blockSignals(false);
  } else {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    if (kuerzen) t = passend(t, maxLength_);
    if (plain_->toPlainText() == t) return;
    plain_->blockSignals(true);
    plain_->setPlainText(t);
    plain_->blockSignals(false);
  }
  onTextChanged();
}

void TextBox::UndoVerlaufLeeren() {
  if (multi_) {
    plain_->document()->clearUndoRedoStacks();
    return;
  }
  if (!line_->isUndoAvailable() && !line_->isRedoAvailable()) return;
  // Setting the text is the line edit's only way to clear its history.
  const int anfang = line_->selectionStart();
  const int laenge = line_->selectionLength();
  const int cursor = line_->cursorPosition();
  line_->blockSignals(true);
  line_->setText(line_->text());
  if (anfang >= 0 && laenge > 0) {
    if (cursor == anfang)
      line_->setSelection(anfang + laenge, -laenge);
    else
      line_->setSelection(anfang, laenge);
  } else {
    line_->setCursorPosition(cursor);
  }
  line_->blockSignals(false);
}

int TextBox::toVbPos(int widgetPos) const {
  if (!multi_) return widgetPos;
  const QString t = widgetText();
  return widgetPos + static_cast<int>(QStringView(t).left(widgetPos).count(u'\n'));
}

int TextBox::toWidgetPos(int vbPos) const {
  if (!multi_) return std::clamp(vbPos, 0, static_cast<int>(line_->text().size()));
  const QString t = widgetText();
  int vb = 0;
  int i = 0;
  for (; i < t.size() && vb < vbPos; ++i) vb += (t[i] == u'\n') ? 2 : 1;
  return i;
}

void TextBox::selection(int& start, int& end) const {
  if (!multi_) {
    if (line_->hasSelectedText()) {
      start = line_->selectionStart();
      end = line_->selectionEnd();
    } else {
      start = end = line_->cursorPosition();
    }
    return;
  }
  const QTextCursor c = plain_->textCursor();
  start = c.selectionStart();
  end = c.selectionEnd();
}

void TextBox::setSelectionWidget(int start, int end) {
  if (!multi_) {
    if (start == end) {
      line_->deselect();
      line_->setCursorPosition(start);
    } else {
      line_->setSelection(start, end - start);
    }
    return;
  }
  QTextCursor c = plain_->textCursor();
  c.setPosition(start);
  c.setPosition(end, QTextCursor::KeepAnchor);
  plain_->setTextCursor(c);
}

int TextBox::SelStart() const {
  int s, e;
  selection(s, e);
  return toVbPos(s);
}

void TextBox::setSelStart(int pos) {
  const int p = toWidgetPos(std::max(0, pos));
  setSelectionWidget(p, p);
}

int TextBox::SelLength() const {
  int s, e;
  selection(s, e);
  return toVbPos(e) - toVbPos(s);
}

void TextBox::setSelLength(int len) {
  int s, e;
  selection(s, e);
  const int start = toVbPos(s);
  setSelectionWidget(s, toWidgetPos(start + std::max(0, len)));
}

QString TextBox::SelText() const {
  int s, e;
  selection(s, e);
  QString t = widgetText().mid(s, e - s);
  if (multi_) t.replace(u'\n', QStringLiteral("\r\n"));
  return t;
}

void TextBox::insertRaw(const QString& t) {
  if (!multi_) {
    line_->insert(t);
  } else {
    plain_->insertPlainText(t);
  }
}

void TextBox::setSelText(const QString& text) {
  QString t = text;
  if (multi_) {
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
  } else {
    t.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  }
  if (cutsCodeText_ && maxLength_ > 0) {
    int s, e;
    selection(s, e);
    const QString w = widgetText();
    const int platz = maxLength_ - (vbLength(w) - vbLength(w.mid(s, e - s)));
    t = platz > 0 ? passend(t, platz) : QString();
  }
  insertRaw(t);
}

bool TextBox::setMaxLength(int n) {
  if (n < 0) return false;
  maxLength_ = n;
  return true;
}

void TextBox::setLocked(bool locked) {
  locked_ = locked;
  if (multi_)
    plain_->setReadOnly(locked);
  else
    line_->setReadOnly(locked);
}

bool TextBox::TabStop() const { return editor_->focusPolicy() & Qt::TabFocus; }
void TextBox::setTabStop(bool on) {
  editor_->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
  setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

void TextBox::SetFocus() {
  editor_->setFocus(Qt::OtherFocusReason);
  // Already focused by the press of a right click: its focus-entry handling runs now.
  if (editor_->hasFocus()) gotFocusNachholen();
}

void TextBox::gotFocusNachholen() {
  if (!gotFocusWartet_) return;
  gotFocusWartet_ = false;
  if (editor_->hasFocus() && GotFocus) GotFocus();
}
bool TextBox::hasFocusNow() const { return editor_->hasFocus(); }

// The colour as set, whether the box is enabled or not (a disabled box only draws it greyed).
QColor TextBox::ForeColor() const { return editor_->palette().color(QPalette::Active, QPalette::Text); }
void TextBox::setForeColor(const QColor& c) {
  QPalette p = editor_->palette();
  p.setColor(QPalette::Text, c);
  editor_->setPalette(p);
}
QColor TextBox::BackColor() const { return editor_->palette().color(QPalette::Base); }
void TextBox::setBackColor(const QColor& c) {
  QPalette p = editor_->palette();
  p.setColor(QPalette::Base, c);
  editor_->setPalette(p);
}
void TextBox::setAlignment(Qt::Alignment a) {
  if (line_) line_->setAlignment(a);
}
void TextBox::setPasswordChar(bool on) {
  if (line_) line_->setEchoMode(on ? QLineEdit::Password : QLineEdit::Normal);
}
void TextBox::setScrollBars(int mode) {
  if (!plain_) return;
  const bool h = mode & 1, v = mode & 2;
  plain_->setLineWrapMode(h ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
  plain_->setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  plain_->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TextBox::onTextChanged() {
  const QString t = multi_ ? widgetText() : Text();
  if (t == lastText_) return;
  lastText_ = t;
  if (Change) Change();
}

QString TextBox::sanitize(const QString& text) const {
  QString t = Codec::auf1252Reduzieren(text);
  t.replace(u'\t', u' ');
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  t.replace(u'\r', u'\n');
  if (!multi_) t.replace(u'\n', u' ');
  return t;
}

void TextBox::typeText(const QString& text) {
  if (locked_) return;
  QString t = sanitize(text);
  if (typingBlocked_) {
    QApplication::beep();
    return;
  }
  if (maxLength_ > 0) {
    int s, e;
    selection(s, e);
    const QString w = widgetText();
    const int uebrig = maxLength_ - (vbLength(w) - vbLength(w.mid(s, e - s)));
    if (uebrig <= 0) {
      QApplication::beep();
      return;
    }
    int n = 0, laenge = 0;
    while (n < t.size()) {
      const int l = (multi_ && t[n] == u'\n') ? 2 : 1;
      if (laenge + l > uebrig) break;
      laenge += l;
      ++n;
    }
    t.truncate(n);
  }
  if (!t.isEmpty()) insertRaw(t);
}

bool TextBox::eventFilter(QObject* obj, QEvent* ev) {
  if (obj != editor_ && !(plain_ && obj == plain_->viewport())) return QWidget::eventFilter(obj, ev);
  switch (ev->type()) {
    case QEvent::ShortcutOverride: {
      auto* ke = static_cast<QKeyEvent*>(ev);
      if (kannKuerzelSein(ke)) {
        if (istFensterKuerzel(this, ke)) {
          ke->ignore();
          return true;
        }
      }
      return false;
    }
    case QEvent::KeyPress: {
      auto* ke = static_cast<QKeyEvent*>(ev);
      // A shortcut whose action is disabled or hidden arrives here: it does nothing.
      if (kannKuerzelSein(ke) && istFensterKuerzel(this, ke)) return true;
      int code = KeyCode(ke);
      const int shift = ShiftState(ke->modifiers());
      if (KeyDown && code) {
        KeyDown(code, shift);
        if (code == 0 && ke->text().isEmpty()) return true;
      }
      // Alt+Enter is a command of the box's owner: it types nothing and raises no KeyPress.
      if ((ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) && shift == vbAltMask) return true;
      if (ke->matches(QKeySequence::Paste)) {
        if (!locked_) typeText(Zwischenablage::text().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        return true;
      }
      // Tab and Shift+Tab move the focus; the form handles Escape and the default button.
      if (ke->key() == Qt::Key_Tab || ke->key() == Qt::Key_Backtab) return false;
      int ascii = KeyAscii(ke);
      if (ascii == 0) {
        // Editing keys (Delete, cursor keys, Ctrl+X/C/Z) as the editor does them.
        if (ke->key() == Qt::Key_Delete && locked_) return true;
        return false;
      }
      if (ascii == 9) return false;
      const int vorher = ascii;
      if (KeyPress) KeyPress(ascii);
      if (ascii == 0) return true;
      if (ascii == 27) return false;  // Escape goes on to the form
      if (ascii < 32 && ascii != 13 && ascii != 8) {
        // Ctrl+letter without a typed character: the editor's own command (copy, cut, undo ...).
        return false;
      }
      if (locked_) return ascii != 8 && ascii != 13 ? true : (ascii == 13 && !multi_ ? false : true);
      if (ascii == 8) {
        if (vorher == 8) return false;
        return true;
      }
      if (ascii == 13) {
        if (!multi_) return false;  // a one-line box passes Enter on (default button)
        typeText(QStringLiteral("\n"));
        return true;
      }
      const QByteArray b(1, static_cast<char>(ascii));
      typeText(Codec::aus1252(b));
      return true;
    }
    case QEvent::KeyRelease: {
      auto* ke = static_cast<QKeyEvent*>(ev);
      if (ke->isAutoRepeat()) return false;
      // Every release reaches the box that has the focus now, also a key without a code of its own.
      int code = KeyCode(ke);
      if (KeyUp) KeyUp(code, ShiftState(ke->modifiers()));
      return false;
    }
    case QEvent::FocusIn: {
      auto* fe = static_cast<QFocusEvent*>(ev);
      if (!steuerelemente::fokusKommt(fe, fokusDrin_)) return false;
      if (fe->reason() == Qt::MouseFocusReason && (QGuiApplication::mouseButtons() & Qt::RightButton) && MouseDown) {
        // The right press that brought the focus follows at once: MouseDown runs first. Should no press
        // follow, GotFocus still runs once the events of this moment are done.
        gotFocusWartet_ = true;
        QMetaObject::invokeMethod(
            this, [this] { gotFocusNachholen(); }, Qt::QueuedConnection);
        return false;
      }
      if (GotFocus) GotFocus();
      return false;
    }
    case QEvent::FocusOut: {
      auto* fe = static_cast<QFocusEvent*>(ev);
      if (!steuerelemente::fokusGeht(fe, fokusDrin_)) return false;
      if (LostFocus) LostFocus();
      return false;
    }
    case QEvent::MouseButtonDblClick: {
      if (inDoppelklick_) return false;
      // The editor handles the double-click first, so that the event sees the word it selected.
      inDoppelklick_ = true;
      QCoreApplication::sendEvent(obj, ev);
      inDoppelklick_ = false;
      if (static_cast<QMouseEvent*>(ev)->button() == Qt::LeftButton) wortAuswaehlen();
      if (DblClick) DblClick();
      return true;
    }
    case QEvent::MouseButtonPress: {
      // A press that the text area of a box of several lines leaves comes up to the box itself: it was
      // raised there already.
      if (plain_ && obj == plain_) return false;
      auto* me = static_cast<QMouseEvent*>(ev);
      const int button = me->button() == Qt::LeftButton ? 1 : me->button() == Qt::RightButton ? 2 : 4;
      if (MouseDown) {
        QPointer<TextBox> box(this);
        MouseDown(button, ShiftState(me->modifiers()), Twips::ausPixel(static_cast<int>(me->position().x())),
                  Twips::ausPixel(static_cast<int>(me->position().y())));
        if (!box) return true;
      }
      gotFocusNachholen();
      return false;
    }
    case QEvent::MouseButtonRelease: {
      auto* me = static_cast<QMouseEvent*>(ev);
      if (me->button() == Qt::MiddleButton) {
        // No selection paste by the middle button: text that arrives without a key release would never
        // be stored by the forms, which store on every key release.
        return true;
      }
      return false;
    }
    default:
      return false;
  }
}

void TextBox::wortAuswaehlen() {
  // The word is the run of characters between blanks, TABs and line breaks, so that a mail or web
  // address is taken whole (Qt's words end at "@", "." and "/").
  const QString t = widgetText();
  auto trennt = [&t](int i) { return t[i] == u' ' || t[i] == u'\t' || t[i] == u'\n' || t[i] == u'\r'; };
  int s, e;
  selection(s, e);
  if (s < e) {
    // Qt's word lies under the mouse; a selection of separators only stays as it is.
    bool nurTrenner = true;
    for (int i = s; i < e && nurTrenner; ++i) nurTrenner = trennt(i);
    if (nurTrenner) return;
  }
  const int n = static_cast<int>(t.size());
  while (s > 0 && !trennt(s - 1)) --s;
  while (e < n && !trennt(e)) ++e;
  if (s < e) setSelectionWidget(s, e);
}

}  // namespace vb
