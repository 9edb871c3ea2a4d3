#include "platform/kit/Controls.h"

#include "platform/kit/ControlsIntern.h"

#include <QLineEdit>
#include <QStyledItemDelegate>
#include <algorithm>

namespace vb {

using steuerelemente::istFensterKuerzel;
using steuerelemente::kannKuerzelSein;
using steuerelemente::tastenVorlauf;

ComboBox::ComboBox(QWidget* parent, int style) : QComboBox(parent), style_(style) {
  setEditable(style_ == 0);
  setInsertPolicy(QComboBox::NoInsert);
  setMaxVisibleItems(8);
  // A long item is cut at the list's edge, as the runtime's list did (the style's own delegate elides).
  setItemDelegate(new QStyledItemDelegate(this));
  view()->setTextElideMode(Qt::ElideNone);
  connect(this, &QComboBox::activated, this, [this] {
    if (Click) Click();
  });
  if (style_ == 0)
    connect(this, &QComboBox::editTextChanged, this, [this] {
      if (Change) Change();
    });
}
QString ComboBox::List(int i) const { return (i >= 0 && i < count()) ? itemText(i) : QString(); }
void ComboBox::setList(int i, const QString& text) {
  if (i >= 0 && i < count()) setItemText(i, text);
}
void ComboBox::setListIndex(int i) {
  setCurrentIndex(i >= 0 && i < count() ? i : -1);
  if (Click) Click();
}
void ComboBox::AddItem(const QString& text, int index) {
  int row = (index < 0 || index > count()) ? count() : index;
  if (sorted_) {
    row = 0;
    while (row < count() && ListBox::compare(itemText(row), text) <= 0) ++row;
  }
  const QString typed = style_ == 0 ? currentText() : QString();
  const bool leer = currentIndex() < 0;
  insertItem(row, text);
  // Adding an item never chooses one, nor changes what was typed.
  if (leer) setCurrentIndex(-1);
  if (style_ == 0) setEditText(typed);
}
void ComboBox::RemoveItem(int i) {
  if (i >= 0 && i < count()) removeItem(i);
}
void ComboBox::Clear() {
  clear();
  if (style_ == 0) clearEditText();
}
void ComboBox::setText(const QString& text) {
  if (style_ == 0) {
    setEditText(text);
    return;
  }
  const int i = findText(text, Qt::MatchFixedString);
  if (i >= 0) setCurrentIndex(i);
}
void ComboBox::showPopup() {
  QComboBox::showPopup();
  QWidget* liste = view()->window();
  if (liste != window()) liste->setGeometry(mapToGlobal(QPoint(0, 0)).x(), liste->y(), width(), liste->height());
}
bool ComboBox::event(QEvent* e) {
  if (e->type() == QEvent::ShortcutOverride) {
    auto* ke = static_cast<QKeyEvent*>(e);
    if (kannKuerzelSein(ke) && istFensterKuerzel(this, ke)) {
      ke->ignore();
      return true;
    }
  }
  return QComboBox::event(e);
}
void ComboBox::keyPressEvent(QKeyEvent* e) {
  if (tastenVorlauf(*this, e)) return;
  QComboBox::keyPressEvent(e);  // arrow keys choose another item and raise Click (activated)
}
void ComboBox::focusInEvent(QFocusEvent* e) {
  QComboBox::focusInEvent(e);
  if (steuerelemente::fokusKommt(e, fokusDrin_) && GotFocus) GotFocus();
}
void ComboBox::focusOutEvent(QFocusEvent* e) {
  QComboBox::focusOutEvent(e);
  if (steuerelemente::fokusGeht(e, fokusDrin_) && LostFocus) LostFocus();
}

int ComboBox::SelStart() const {
  if (style_ != 0) return 0;
  const QLineEdit* e = lineEdit();
  return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
}
void ComboBox::setSelStart(int pos) {
  if (style_ == 0) lineEdit()->setCursorPosition(std::clamp(pos, 0, static_cast<int>(lineEdit()->text().size())));
}
int ComboBox::SelLength() const { return style_ == 0 ? static_cast<int>(lineEdit()->selectedText().size()) : 0; }
void ComboBox::setSelLength(int len) {
  if (style_ == 0) lineEdit()->setSelection(SelStart(), std::max(0, len));
}

}  // namespace vb
