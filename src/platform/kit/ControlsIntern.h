#pragma once
// The key handling that several controls of the kit share (not for the forms).
#include "platform/vb/Keys.h"

#include <QKeyEvent>
#include <QWidget>

namespace vb::steuerelemente {

// A key that an action of the window uses as its shortcut belongs to that action, not to the text box:
// when the action is enabled its shortcut runs it, and when it is not, the key does nothing (it is
// neither typed nor used by the box's own editing: Ctrl+M is not Enter, Ctrl+Z not the box's undo).
bool istFensterKuerzel(QWidget* w, QKeyEvent* e);
// Whether a key can be a shortcut at all (Ctrl, Alt or a function key).
bool kannKuerzelSein(const QKeyEvent* ke);

// Whether a focus change raises the control's GotFocus or LostFocus; `drin` is the control's own note of
// being the focused control of its window. The focus that goes with the window or comes back with it is
// no change of control, nor is a pop-up's; but the focus that a window gives its first control when it
// is shown enters that control.
bool fokusKommt(const QFocusEvent* e, bool& drin);
bool fokusGeht(const QFocusEvent* e, bool& drin);

// KeyDown and KeyPress of a list or combo box before its own handling: true when a handler swallowed the
// key, or when it is Enter or Esc, which go on to the form's default and cancel buttons.
template <class Box>
bool tastenVorlauf(Box& box, QKeyEvent* e) {
  int code = KeyCode(e);
  if (box.KeyDown && code) {
    box.KeyDown(code, ShiftState(e->modifiers()));
    if (code == 0) return true;
  }
  int ascii = KeyAscii(e);
  if (box.KeyPress && ascii) {
    box.KeyPress(ascii);
    if (ascii == 0) return true;
  }
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Escape) {
    e->ignore();
    return true;
  }
  return false;
}
}  // namespace vb::steuerelemente
