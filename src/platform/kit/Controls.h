#pragma once
// A thin layer of the runtime's controls over Qt widgets: the properties, methods and events that the
// forms use, with geometry in twips.
#include "platform/vb/ListModel.h"

#include <QAbstractListModel>
#include <QAction>
#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QWidget>
#include <functional>
#include <map>

namespace vb {

// Moves a control in twips.
void Move(QWidget* w, int left, int top, int width = -1, int height = -1);
// A control's Left, Top, Width and Height in twips, one at a time. A negative width or height is
// refused, as the runtime refused it with an error: the control keeps its size and the result is false.
int Left(const QWidget* w);
int Top(const QWidget* w);
int Width(const QWidget* w);
int Height(const QWidget* w);
void setLeft(QWidget* w, int twips);
void setTop(QWidget* w, int twips);
bool setWidth(QWidget* w, int twips);
bool setHeight(QWidget* w, int twips);

// ---------------------------------------------------------------------------------------------------
// TextBox: one line or several. Text uses CR LF for line breaks; positions count CR LF as two.
class TextBox : public QWidget {
  Q_OBJECT
 public:
  explicit TextBox(QWidget* parent = nullptr, bool multiLine = false);

  QString Text() const;
  void setText(const QString& text);  // raises Change when the text differs
  // Forgets the box's own undo and redo steps; text, cursor and selection stay.
  void UndoVerlaufLeeren();
  int SelStart() const;
  void setSelStart(int pos);
  int SelLength() const;
  void setSelLength(int len);
  QString SelText() const;
  void setSelText(const QString& text);  // replaces the selection; the typing limit does not apply
  // A typing limit: 0 none; text already longer is kept. A negative value is refused (false).
  int MaxLength() const { return maxLength_; }
  bool setMaxLength(int n);
  bool Locked() const { return locked_; }
  void setLocked(bool locked);
  // Refuses every further character typed or pasted, whatever MaxLength says (text is kept).
  void setTypingBlocked(bool on) { typingBlocked_ = on; }
  bool TypingBlocked() const { return typingBlocked_; }
  // Off by default: MaxLength limits typing only. On: text that code puts in (Text, SelText) is cut to
  // MaxLength as well, for boxes whose width on paper depends on it.
  void setCutsCodeText(bool on) { cutsCodeText_ = on; }
  bool CutsCodeText() const { return cutsCodeText_; }
  bool MultiLine() const { return multi_; }
  bool TabStop() const;
  void setTabStop(bool on);
  void SetFocus();
  bool hasFocusNow() const;
  QColor ForeColor() const;
  void setForeColor(const QColor& c);
  QColor BackColor() const;
  void setBackColor(const QColor& c);
  void setAlignment(Qt::Alignment a);
  void setPasswordChar(bool on);
  // Scroll bars of a box of several lines: 0 none, 1 horizontal, 2 vertical, 3 both. With a horizontal
  // bar the lines are not wrapped.
  void setScrollBars(int mode);
  // The widget that takes the keys.
  QWidget* editor() const { return editor_; }

  // Events. KeyDown and KeyPress may change the code: 0 swallows the key, another character is typed
  // in place of the one pressed.
  std::function<void()> Change, GotFocus, LostFocus, DblClick;
  std::function<void(int&keyCode, int shift)> KeyDown, KeyUp;
  std::function<void(int& keyAscii)> KeyPress;
  // A right click raises MouseDown before GotFocus (Qt gives the focus before the press arrives), so that
  // the owner knows the click when the box's focus-entry handling runs.
  std::function<void(int button, int shift, int x, int y)> MouseDown;

  // Inserts typed or pasted text at the cursor as the user would: reduced to what the files can hold,
  // TAB as a blank, cut to the typing limit.
  void typeText(const QString& text);

 protected:
  bool eventFilter(QObject* obj, QEvent* ev) override;
  void resizeEvent(QResizeEvent*) override;

 private:
  QString widgetText() const;
  int vbLength(const QString& widgetText) const;
  int toWidgetPos(int vbPos) const;
  int toVbPos(int widgetPos) const;
  void selection(int& start, int& end) const;  // widget positions
  void setSelectionWidget(int start, int end);
  void insertRaw(const QString& widgetText);
  void onTextChanged();
  QString sanitize(const QString& text) const;
  // The longest start of a widget text that fits into `platz` characters (a line break counts two).
  QString passend(const QString& widgetText, int platz) const;
  // After a double-click: widens the selection to the word between blanks, TABs and line breaks.
  void wortAuswaehlen();
  bool inDoppelklick_ = false;
  // The focus came by a mouse press whose MouseDown has not run yet: GotFocus waits for it.
  bool gotFocusWartet_ = false;
  void gotFocusNachholen();

  bool multi_;
  QLineEdit* line_ = nullptr;
  QPlainTextEdit* plain_ = nullptr;
  QWidget* editor_ = nullptr;
  int maxLength_ = 0;
  bool locked_ = false;
  bool typingBlocked_ = false;
  bool cutsCodeText_ = false;
  QString lastText_;
  QString langText_;        // a text set longer than a single line holds (null otherwise)
  bool fokusDrin_ = false;  // the focused control of its window
};

// ---------------------------------------------------------------------------------------------------
class Label : public QLabel {
  Q_OBJECT
 public:
  explicit Label(QWidget* parent = nullptr) : QLabel(parent) { setTextFormat(Qt::PlainText); }
  QString Caption() const { return caption_; }
  void setCaption(const QString& c);  // CR LF shows as a line break
  std::function<void()> Click, DblClick;

 protected:
  QString caption_;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
};

// A frame with its caption in the border line, so that the controls placed just below the caption in
// twips stay clear of the border.
class Frame : public QGroupBox {
  Q_OBJECT
 public:
  explicit Frame(QWidget* parent = nullptr) : QGroupBox(parent) {}
  QString Caption() const { return title(); }
  void setCaption(const QString& c) { setTitle(c); }
  // Where the border's top line runs (pixels from the frame's top).
  int RandOben() const;

 protected:
  void paintEvent(QPaintEvent* e) override;
};

class CommandButton : public QPushButton {
  Q_OBJECT
 public:
  explicit CommandButton(QWidget* parent = nullptr);
  QString Caption() const { return text(); }
  void setCaption(const QString& c) { setText(c); }
  void setCancel(bool on) { cancel_ = on; }
  bool Cancel() const { return cancel_; }
  std::function<void()> Click;
  void Value() {
    if (Click) Click();
  }  // pressing it from code

 protected:
  // Enter presses the button that has the focus, as the space bar does; the form's default button is
  // pressed only when the focus is elsewhere.
  void keyPressEvent(QKeyEvent* e) override;

 private:
  bool cancel_ = false;
};

class CheckBox : public QCheckBox {
  Q_OBJECT
 public:
  explicit CheckBox(QWidget* parent = nullptr);
  int Value() const { return isChecked() ? 1 : 0; }
  void setValue(int v) { setChecked(v != 0); }  // raises Click on a real change
  QString Caption() const { return text(); }
  void setCaption(const QString& c) { setText(c); }
  std::function<void()> Click;
};

class OptionButton : public QRadioButton {
  Q_OBJECT
 public:
  explicit OptionButton(QWidget* parent = nullptr);
  bool Value() const { return isChecked(); }
  void setValue(bool v) { setChecked(v); }
  QString Caption() const { return text(); }
  void setCaption(const QString& c) { setText(c); }
  std::function<void()> Click;
};

// ---------------------------------------------------------------------------------------------------
class ListBox : public QListView {
  Q_OBJECT
 public:
  explicit ListBox(QWidget* parent = nullptr);

  int ListCount() const;
  QString List(int i) const;  // "" outside the list (List(-1) too)
  void setList(int i, const QString& text);
  int ListIndex() const { return listIndex_; }
  void setListIndex(int i);  // raises Click; -1 clears the selection
  void AddItem(const QString& text, int index = -1);
  void RemoveItem(int i);
  void Clear();
  // Replaces all items at once (no Click).
  void setItems(const QStringList& items);
  const QStringList& items() const { return model_->items(); }
  // Shows the lines of a model that lives elsewhere (the record table) instead of its own; the model
  // must outlive the list.
  void setBestand(ListModel* model);
  ListModel* bestand() const { return model_; }
  quint64 revision() const { return model_->revision(); }
  bool Sorted() const { return sorted_; }
  void setSorted(bool on) { sorted_ = on; }
  // A check box in front of every item (the runtime's check-box style): Selected(i) is then the item's
  // mark, and a mark the user changes raises Click; ListIndex stays the highlighted item.
  void setMitMarken(bool an);
  bool MitMarken() const { return model_->mitMarken(); }
  // Replaces all items and their marks at once (no Click).
  void setItemsMitMarken(const QStringList& items, std::vector<char> marken);
  // Multi-selection (0 none, 1 simple, 2 extended).
  void setMultiSelect(int mode);
  bool Selected(int i) const;
  void setSelected(int i, bool on);
  int SelCount() const;
  // Multi-selection in one step, however many lines: the selection becomes exactly these runs of lines
  // (first and last included), or every line, or none. No Click is raised.
  void setAuswahlBereiche(const QList<std::pair<int, int>>& bereiche);
  void alleWaehlen(bool an);
  // The selected lines in list order.
  QList<int> ausgewaehlteZeilen() const;
  int TopIndex() const;
  void setTopIndex(int i);
  // Character positions of the tab stops used to show TAB-separated items as columns (empty: none).
  void setTabStops(const QList<int>& dialogUnits);
  const QList<int>& tabStops() const { return tabStops_; }
  // Items flow down and on into this many visible columns, with a horizontal scroll bar (0: one column).
  void setColumns(int n);
  int Columns() const { return columns_; }
  // Lines wider than the list: on, a horizontal scroll bar reaches their ends; off (the runtime's list
  // box), they are cut at the right edge.
  void setHorizontalScrollen(bool an);
  bool HorizontalScrollen() const { return horizontalScrollen_; }
  // The pixels that the widest line takes as the list draws it, its columns at the tab stops included.
  int breitesteZeile() const;

  std::function<void()> Click, DblClick, GotFocus, LostFocus;
  std::function<void(int&keyCode, int shift)> KeyDown, KeyUp;
  std::function<void(int& keyAscii)> KeyPress;
  // Raised after the list has handled the press (button 1 left, 2 right, 4 middle; x, y in twips).
  std::function<void(int button, int shift, int x, int y)> MouseDown;

  // German, case-insensitive comparison as the sorted list orders its items.
  static int compare(const QString& a, const QString& b);

 protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  void showIndex(int i);
  void updateColumns();
  void modellVerbinden();
  ListModel* model_;
  int listIndex_ = -1;
  bool sorted_ = false;
  bool settingIndex_ = false;
  QList<int> tabStops_;
  int columns_ = 0;
  bool fokusDrin_ = false;  // the focused control of its window
  bool horizontalScrollen_ = false;
  mutable int breitesteZeile_ = -1;  // -1: to be measured again
};

// ---------------------------------------------------------------------------------------------------
// ComboBox: style 0 a box to type in with a drop-down list, style 2 a drop-down list only.
class ComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit ComboBox(QWidget* parent = nullptr, int style = 0);
  int Style() const { return style_; }
  int ListCount() const { return count(); }
  QString List(int i) const;  // "" outside the list
  void setList(int i, const QString& text);
  int ListIndex() const { return currentIndex(); }
  void setListIndex(int i);                           // raises Click; -1 selects nothing
  void AddItem(const QString& text, int index = -1);  // sorted lists place it in order
  void RemoveItem(int i);
  void Clear();
  // The shown text: the chosen item's, or what was typed in style 0.
  QString Text() const { return currentText(); }
  void setText(const QString& text);  // style 2 selects the item of that text, if any
  bool Sorted() const { return sorted_; }
  void setSorted(bool on) { sorted_ = on; }
  void SetFocus() { setFocus(Qt::OtherFocusReason); }
  // The selection in the text of style 0 (style 2: none).
  int SelStart() const;
  void setSelStart(int pos);
  int SelLength() const;
  void setSelLength(int len);
  // The drop-down list is as wide as the box, however long its items are.
  void showPopup() override;

  // Click: an item chosen by the user or ListIndex set by code.
  std::function<void()> Click, Change, GotFocus, LostFocus;
  std::function<void(int& keyCode, int shift)> KeyDown;
  std::function<void(int& keyAscii)> KeyPress;

 protected:
  // A key that is a menu shortcut of the form belongs to the menu, not to the box's own editing.
  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  int style_;
  bool sorted_ = false;
  bool fokusDrin_ = false;  // the focused control of its window
};

// ---------------------------------------------------------------------------------------------------
class Timer : public QObject {
  Q_OBJECT
 public:
  explicit Timer(QObject* parent = nullptr);
  int Interval() const { return interval_; }
  void setInterval(int ms);
  bool Enabled() const { return enabled_; }
  void setEnabled(bool on);
  std::function<void()> Tick;  // the Timer event
 private:
  void update();
  QTimer timer_;
  int interval_ = 0;
  bool enabled_ = true;
};

class ProgressBar : public QProgressBar {
  Q_OBJECT
 public:
  explicit ProgressBar(QWidget* parent = nullptr);
  int Value() const { return value(); }
  void setValue(int v) { QProgressBar::setValue(std::clamp(v, minimum(), maximum())); }
  void Refresh() { repaint(); }
};

// Status bar with panels addressed by key.
class StatusBar : public QStatusBar {
  Q_OBJECT
 public:
  explicit StatusBar(QWidget* parent = nullptr) : QStatusBar(parent) {}
  QLabel* addPanel(const QString& key, int widthTwips = 0, bool stretch = false);
  QLabel* Panel(const QString& key) const;
  QString PanelText(const QString& key) const;
  void setPanelText(const QString& key, const QString& text);
  void setPanelToolTip(const QString& key, const QString& tip);
  void Refresh();
  // The height in twips that shows the panels whole in the bar's font, and at least `mindestens`.
  int HoeheFuerSchrift(int mindestens) const;

 private:
  std::map<QString, QLabel*> panels_;
};

// Toolbar with buttons addressed by key.
class Toolbar : public QToolBar {
  Q_OBJECT
 public:
  explicit Toolbar(QWidget* parent = nullptr);
  QAction* addButton(const QString& key, const QString& toolTip, const QIcon& icon = {});
  void addSeparatorButton() { addSeparator(); }
  QAction* Button(const QString& key) const;
  bool hasButton(const QString& key) const { return buttons_.count(key) > 0; }
  void setButtonEnabled(const QString& key, bool on);
  void setButtonToolTip(const QString& key, const QString& tip);
  std::function<void(const QString& key)> ButtonClick;
  void Refresh() { repaint(); }

 private:
  std::map<QString, QAction*> buttons_;
};

// A menu item; with children it is a menu of its own. Enabled and Visible are the item's own
// properties; an item whose command is not there yet (Wartend) stays unusable whatever they say.
class MenuItem : public QObject {
  Q_OBJECT
 public:
  // A top menu in a menu bar, or a sub-menu / item of a parent menu item.
  MenuItem(const QString& name, const QString& caption, QObject* owner);
  QString Caption() const;
  void setCaption(const QString& c);
  bool Enabled() const { return enabled_; }
  void setEnabled(bool on);
  bool Visible() const { return action_->isVisible(); }
  void setVisible(bool on) { action_->setVisible(on); }
  bool Checked() const { return action_->isChecked(); }
  void setChecked(bool on);
  void setShortcut(const QKeySequence& k) { action_->setShortcut(k); }
  QKeySequence Shortcut() const { return action_->shortcut(); }
  QAction* action() const { return action_; }
  // The sub-menu, created on first use (owned by the parent widget given then).
  QMenu* menu(QWidget* eltern = nullptr);
  bool hatMenu() const { return menu_ != nullptr; }
  // The menu item above (nullptr for a top menu) and the index in a menu array (-1: none).
  MenuItem* Parent() const { return parent_; }
  void setParent(MenuItem* p) { parent_ = p; }
  int Index() const { return index_; }
  void setIndex(int i) { index_ = i; }
  // The command behind the item is built later: the item shows but cannot be chosen.
  bool Wartend() const { return wartend_; }
  void setWartend(bool on);
  // The item and every menu above it are visible and enabled, and its command is there: only then
  // do a choice and a shortcut run it.
  bool Bereit() const;
  std::function<void()> Click;
  // While a menu is open as a pop-up its items can be chosen, although the menu itself is hidden.
  void setPopupOffen(bool on) { popupOffen_ = on; }

 private:
  void zustandSetzen();
  QAction* action_;
  QMenu* menu_ = nullptr;
  MenuItem* parent_ = nullptr;
  int index_ = -1;
  bool enabled_ = true;
  bool wartend_ = false;
  bool popupOffen_ = false;
};

// Control arrays: indexable, with gaps.
template <class T>
class ControlArray {
 public:
  T& operator()(int i) const { return *items_.at(i); }
  T* at(int i) const {
    auto it = items_.find(i);
    return it == items_.end() ? nullptr : it->second;
  }
  void set(int i, T* c) { items_[i] = c; }
  bool has(int i) const { return items_.count(i) > 0; }
  int LBound() const { return items_.empty() ? 0 : items_.begin()->first; }
  int UBound() const { return items_.empty() ? -1 : items_.rbegin()->first; }
  int Count() const { return static_cast<int>(items_.size()); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  std::map<int, T*> items_;
};

}  // namespace vb
