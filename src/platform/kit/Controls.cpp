#include "platform/kit/Controls.h"

#include "platform/dienste/Zwischenablage.h"

#include "platform/kit/Twips.h"
#include "platform/vb/Codec.h"
#include "platform/vb/Keys.h"
#include "platform/vb/Programm.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTextBlock>
#include <algorithm>

namespace vb {

void Move(QWidget* w, int left, int top, int width, int height) {
  const QRect r = Twips::rechteck(w);
  Twips::setzen(w, left, top, width < 0 ? r.width() : width, height < 0 ? r.height() : height);
}

int Left(const QWidget* w) { return Twips::rechteck(w).x(); }
int Top(const QWidget* w) { return Twips::rechteck(w).y(); }
int Width(const QWidget* w) { return Twips::rechteck(w).width(); }
int Height(const QWidget* w) { return Twips::rechteck(w).height(); }
void setLeft(QWidget* w, int twips) { Move(w, twips, Top(w)); }
void setTop(QWidget* w, int twips) { Move(w, Left(w), twips); }
bool setWidth(QWidget* w, int twips) {
  if (twips < 0) return false;
  Move(w, Left(w), Top(w), twips, Height(w));
  return true;
}
bool setHeight(QWidget* w, int twips) {
  if (twips < 0) return false;
  Move(w, Left(w), Top(w), Width(w), twips);
  return true;
}

namespace {

// A key that an action of the window uses as its shortcut belongs to that action, not to the text box:
// when the action is enabled its shortcut runs it, and when it is not, the key does nothing (it is
// neither typed nor used by the box's own editing: Ctrl+M is not Enter, Ctrl+Z not the box's undo).
bool istFensterKuerzel(QWidget* w, QKeyEvent* e) {
  const QKeySequence seq(e->keyCombination());
  for (QAction* a : w->window()->findChildren<QAction*>()) {
    for (const QKeySequence& k : a->shortcuts())
      if (k == seq) return true;
  }
  return false;
}

bool kannKuerzelSein(const QKeyEvent* ke) {
  return (ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) ||
         (ke->key() >= Qt::Key_F1 && ke->key() <= Qt::Key_F35);
}

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

// ---------------------------------------------------------------------------------------------------
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
      if (fe->reason() == Qt::ActiveWindowFocusReason || fe->reason() == Qt::PopupFocusReason) return false;
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
      if (fe->reason() == Qt::ActiveWindowFocusReason || fe->reason() == Qt::PopupFocusReason) return false;
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

// ---------------------------------------------------------------------------------------------------
void Label::setCaption(const QString& c) {
  caption_ = c;
  QString t = c;
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  t.replace(u'\r', u'\n');
  setText(t);
}
int Frame::RandOben() const { return fontMetrics().height() / 2; }

void Frame::paintEvent(QPaintEvent*) {
  QPainter p(this);
  // An etched border (a dark line and a light one beside it), drawn here: the styles' group box frame
  // keeps the whole caption height above its line.
  const QRectF rand(0.5, RandOben() + 0.5, width() - 2.0, height() - RandOben() - 2.0);
  p.setPen(palette().color(QPalette::Mid));
  p.drawRect(rand);
  p.setPen(palette().color(QPalette::Light));
  p.drawRect(rand.translated(1, 1));
  if (title().isEmpty()) return;
  const int abstand = fontMetrics().averageCharWidth();
  const QRect text(abstand, 0, fontMetrics().horizontalAdvance(QString(title()).remove(u'&')) + abstand,
                   fontMetrics().height());
  p.fillRect(text, palette().window());
  style()->drawItemText(&p, text, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(), title(),
                        QPalette::WindowText);
}

void Label::mousePressEvent(QMouseEvent* e) {
  QLabel::mousePressEvent(e);
  if (Click && e->button() == Qt::LeftButton) Click();
}
void Label::mouseDoubleClickEvent(QMouseEvent* e) {
  QLabel::mouseDoubleClickEvent(e);
  if (DblClick) DblClick();
}

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent) {
  setAutoDefault(false);
  connect(this, &QPushButton::clicked, this, [this] {
    if (Click) Click();
  });
}

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent) {
  connect(this, &QCheckBox::toggled, this, [this] {
    if (Click) Click();
  });
}

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent) {
  connect(this, &QRadioButton::toggled, this, [this](bool on) {
    if (on && Click) Click();
  });
}

// ---------------------------------------------------------------------------------------------------
namespace {
// Draws the TAB-separated parts of an item in columns at the list's tab stops.
class TabDelegate : public QStyledItemDelegate {
 public:
  TabDelegate(ListBox* list) : QStyledItemDelegate(list), list_(list) {}
  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const QString text = index.data().toString();
    if (!text.contains(u'\t')) {
      QStyledItemDelegate::paint(p, option, index);
      return;
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    opt.text.clear();
    opt.widget->style()->drawControl(QStyle::CE_ItemViewItem, &opt, p, opt.widget);
    p->save();
    p->setPen(opt.palette.color(opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    const QStringList teile = text.split(u'\t');
    // Dialog units: a quarter of the average character width.
    const double einheit = opt.fontMetrics.averageCharWidth() / 4.0;
    const QList<int>& stops = list_->tabStops();
    int x = opt.rect.left() + 2;
    for (qsizetype i = 0; i < teile.size(); ++i) {
      int next;
      if (i < stops.size())
        next = opt.rect.left() + 2 + static_cast<int>(stops[i] * einheit);
      else if (!stops.isEmpty())
        next =
            x + static_cast<int>((stops.size() > 1 ? stops.last() - stops[stops.size() - 2] : stops.last()) * einheit);
      else
        next = x + opt.fontMetrics.averageCharWidth() * 8;
      const QRect r(x, opt.rect.top(), std::max(0, next - x - 2), opt.rect.height());
      p->drawText(r, Qt::AlignLeft | Qt::AlignVCenter, opt.fontMetrics.elidedText(teile[i], Qt::ElideNone, r.width()));
      x = std::max(next, x);
    }
    p->restore();
  }

 private:
  ListBox* list_;
};
}  // namespace

ListBox::ListBox(QWidget* parent) : QListView(parent), model_(new ListModel(this)) {
  setModel(model_);
  modellVerbinden();
  setUniformItemSizes(true);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setItemDelegate(new TabDelegate(this));
  setTextElideMode(Qt::ElideNone);
  setWordWrap(false);
  // The runtime's list box has no horizontal scroll bar: long lines are cut at the right edge. (A low
  // list would otherwise lose most of its height to the bar.)
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void ListBox::modellVerbinden() {
  connect(model_, &ListModel::markeGeaendert, this, [this] {
    if (Click) Click();
  });
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
    // A user's click on the selected item or a key that moves the selection.
    if (settingIndex_ || selectionMode() == QAbstractItemView::SingleSelection) return;
    if (Click) Click();
  });
  // The lines replaced at once by their owner (a sort or load of the record table): no line is
  // selected any more, and Qt's own choice of a current row is no user's move.
  connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, [this] { settingIndex_ = true; });
  connect(model_, &QAbstractItemModel::modelReset, this, [this] {
    settingIndex_ = false;
    listIndex_ = -1;
    showIndex(-1);
  });
}

void ListBox::setBestand(ListModel* model) {
  settingIndex_ = true;
  QItemSelectionModel* alt = selectionModel();
  if (model_->parent() == this) model_->deleteLater();
  model_ = model;
  setModel(model_);
  delete alt;
  modellVerbinden();
  settingIndex_ = false;
  listIndex_ = -1;
  showIndex(-1);
}

int ListBox::compare(const QString& a, const QString& b) { return ListModel::vergleichen(a, b); }

int ListBox::ListCount() const { return model_->rowCount(); }
QString ListBox::List(int i) const { return (i >= 0 && i < model_->items().size()) ? model_->items()[i] : QString(); }
void ListBox::setList(int i, const QString& text) {
  if (i >= 0 && i < model_->items().size()) model_->set(i, text);
}

void ListBox::showIndex(int i) {
  settingIndex_ = true;
  if (i < 0) {
    selectionModel()->clearSelection();
    selectionModel()->setCurrentIndex({}, QItemSelectionModel::Clear);
  } else {
    const QModelIndex idx = model_->index(i);
    if (selectionMode() == QAbstractItemView::SingleSelection)
      selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect);
    else
      selectionModel()->setCurrentIndex(idx, QItemSelectionModel::NoUpdate);
    scrollTo(idx);
  }
  settingIndex_ = false;
}

void ListBox::setListIndex(int i) {
  if (i < -1 || i >= ListCount()) i = -1;
  listIndex_ = i;
  showIndex(i);
  if (Click) Click();
}

void ListBox::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QListView::currentChanged(current, previous);
  if (settingIndex_) return;
  // Qt makes a row current on its own (focus, model reset); only a real user move changes ListIndex.
  const int row = current.isValid() ? current.row() : -1;
  if (row == listIndex_) return;
  listIndex_ = row;
  if (Click) Click();
}

void ListBox::AddItem(const QString& text, int index) {
  int row;
  if (sorted_) {
    const auto& it = model_->items();
    row = static_cast<int>(std::upper_bound(it.begin(), it.end(), text,
                                            [](const QString& a, const QString& b) { return compare(a, b) < 0; }) -
                           it.begin());
  } else {
    row = (index < 0 || index > ListCount()) ? ListCount() : index;
  }
  model_->insert(row, text);
  if (listIndex_ >= row) {
    ++listIndex_;
    showIndex(listIndex_);
  }
}

void ListBox::RemoveItem(int i) {
  if (i < 0 || i >= ListCount()) return;
  settingIndex_ = true;
  model_->remove(i);
  settingIndex_ = false;
  if (listIndex_ == i)
    listIndex_ = -1;
  else if (listIndex_ > i)
    --listIndex_;
  showIndex(listIndex_);
}

void ListBox::Clear() {
  settingIndex_ = true;
  model_->clear();
  settingIndex_ = false;
  listIndex_ = -1;
  showIndex(-1);
}

void ListBox::setItems(const QStringList& items) {
  settingIndex_ = true;
  if (sorted_) {
    QStringList s = items;
    ListModel::sortieren(s);
    model_->setItems(std::move(s));
  } else {
    model_->setItems(items);
  }
  settingIndex_ = false;
  listIndex_ = -1;
  showIndex(-1);
}

void ListBox::setMitMarken(bool an) {
  settingIndex_ = true;
  model_->setMitMarken(an);
  settingIndex_ = false;
  listIndex_ = -1;
  showIndex(-1);
}
void ListBox::setItemsMitMarken(const QStringList& items, std::vector<char> marken) {
  settingIndex_ = true;
  model_->setItemsMitMarken(items, std::move(marken));
  settingIndex_ = false;
  listIndex_ = -1;
  showIndex(-1);
}

void ListBox::setMultiSelect(int mode) {
  setSelectionMode(mode == 0   ? QAbstractItemView::SingleSelection
                   : mode == 1 ? QAbstractItemView::MultiSelection
                               : QAbstractItemView::ExtendedSelection);
}
bool ListBox::Selected(int i) const {
  if (i < 0 || i >= ListCount()) return false;
  if (model_->mitMarken()) return model_->markiert(i);
  if (selectionMode() == QAbstractItemView::SingleSelection) return i == listIndex_;
  return selectionModel()->isRowSelected(i, {});
}
void ListBox::setSelected(int i, bool on) {
  if (i < 0 || i >= ListCount()) return;
  if (model_->mitMarken()) {
    model_->setMarkiert(i, on);
    return;
  }
  if (selectionMode() == QAbstractItemView::SingleSelection) {
    if (on) setListIndex(i);
    return;
  }
  settingIndex_ = true;
  selectionModel()->select(model_->index(i), on ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
  settingIndex_ = false;
}
int ListBox::SelCount() const {
  if (model_->mitMarken()) return model_->markenAnzahl();
  if (selectionMode() == QAbstractItemView::SingleSelection) return listIndex_ >= 0 ? 1 : 0;
  // The ranges of a one-column list do not overlap: their heights add up without a list of every row.
  int n = 0;
  for (const QItemSelectionRange& r : selectionModel()->selection()) n += r.height();
  return n;
}
void ListBox::setAuswahlBereiche(const QList<std::pair<int, int>>& bereiche) {
  if (selectionMode() == QAbstractItemView::SingleSelection) return;
  QItemSelection auswahl;
  const int letzte = ListCount() - 1;
  for (auto [von, bis] : bereiche) {
    von = std::max(von, 0);
    bis = std::min(bis, letzte);
    if (von <= bis) auswahl.append(QItemSelectionRange(model_->index(von), model_->index(bis)));
  }
  settingIndex_ = true;
  selectionModel()->select(auswahl, QItemSelectionModel::ClearAndSelect);
  settingIndex_ = false;
}
void ListBox::alleWaehlen(bool an) {
  if (an && ListCount() > 0)
    setAuswahlBereiche({{0, ListCount() - 1}});
  else
    setAuswahlBereiche({});
}
QList<int> ListBox::ausgewaehlteZeilen() const {
  QList<int> zeilen;
  if (selectionMode() == QAbstractItemView::SingleSelection) {
    if (listIndex_ >= 0) zeilen << listIndex_;
    return zeilen;
  }
  for (const QItemSelectionRange& r : selectionModel()->selection())
    for (int i = r.top(); i <= r.bottom(); ++i) zeilen << i;
  std::sort(zeilen.begin(), zeilen.end());
  return zeilen;
}
int ListBox::TopIndex() const {
  const QModelIndex i = indexAt(QPoint(2, 2));
  return i.isValid() ? i.row() : 0;
}
void ListBox::setTopIndex(int i) {
  if (i >= 0 && i < ListCount()) scrollTo(model_->index(i), QAbstractItemView::PositionAtTop);
}
void ListBox::setTabStops(const QList<int>& dialogUnits) {
  tabStops_ = dialogUnits;
  viewport()->update();
}

void ListBox::setColumns(int n) {
  columns_ = std::max(0, n);
  if (columns_ > 0) {
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  } else {
    setFlow(QListView::TopToBottom);
    setWrapping(false);
    setGridSize({});
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  }
  updateColumns();
}
void ListBox::updateColumns() {
  if (columns_ <= 0) return;
  const int h = fontMetrics().height() + 2;
  setGridSize(QSize(std::max(1, viewport()->width() / columns_), h));
}
void ListBox::resizeEvent(QResizeEvent* e) {
  QListView::resizeEvent(e);
  updateColumns();
}

namespace {
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
}  // namespace

void ListBox::keyPressEvent(QKeyEvent* e) {
  if (tastenVorlauf(*this, e)) return;
  QListView::keyPressEvent(e);
}
void ListBox::keyReleaseEvent(QKeyEvent* e) {
  int code = KeyCode(e);
  if (KeyUp && code && !e->isAutoRepeat()) KeyUp(code, ShiftState(e->modifiers()));
  QListView::keyReleaseEvent(e);
}
void ListBox::mouseDoubleClickEvent(QMouseEvent* e) {
  QListView::mouseDoubleClickEvent(e);
  if (DblClick && indexAt(e->position().toPoint()).isValid()) DblClick();
}
void ListBox::mousePressEvent(QMouseEvent* e) {
  QListView::mousePressEvent(e);
  // Qt may have made the clicked row current already (on focus), so no currentChanged comes: a click
  // on it still chooses it.
  const QModelIndex idx = indexAt(e->position().toPoint());
  if (e->button() == Qt::LeftButton && idx.isValid() && idx.row() != listIndex_ && idx == currentIndex()) {
    listIndex_ = idx.row();
    if (selectionMode() == QAbstractItemView::SingleSelection) showIndex(listIndex_);
    if (Click) Click();
  }
  if (MouseDown) {
    const int button = e->button() == Qt::LeftButton ? 1 : e->button() == Qt::RightButton ? 2 : 4;
    MouseDown(button, ShiftState(e->modifiers()), Twips::ausPixel(static_cast<int>(e->position().x())),
              Twips::ausPixel(static_cast<int>(e->position().y())));
  }
}
void ListBox::focusInEvent(QFocusEvent* e) {
  settingIndex_ = true;
  QListView::focusInEvent(e);
  settingIndex_ = false;
  if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason && GotFocus) GotFocus();
}
void ListBox::focusOutEvent(QFocusEvent* e) {
  QListView::focusOutEvent(e);
  if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason && LostFocus) LostFocus();
}

// ---------------------------------------------------------------------------------------------------
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
  if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason && GotFocus) GotFocus();
}
void ComboBox::focusOutEvent(QFocusEvent* e) {
  QComboBox::focusOutEvent(e);
  if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason && LostFocus) LostFocus();
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

// ---------------------------------------------------------------------------------------------------
Timer::Timer(QObject* parent) : QObject(parent) {
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (Tick) Tick();
  });
}
void Timer::setInterval(int ms) {
  interval_ = ms;
  update();
}
void Timer::setEnabled(bool on) {
  enabled_ = on;
  update();
}
void Timer::update() {
  // Setting Enabled or Interval restarts the count, as the runtime did.
  if (enabled_ && interval_ > 0)
    timer_.start(interval_);
  else
    timer_.stop();
}

ProgressBar::ProgressBar(QWidget* parent) : QProgressBar(parent) {
  setRange(0, 100);
  setTextVisible(false);
}

// ---------------------------------------------------------------------------------------------------
namespace {

// A status bar panel: its width is its own, never its text's. A text longer than the panel is cut with
// "…" instead of widening the status bar and with it the window.
class PanelFeld : public QLabel {
 public:
  using QLabel::QLabel;
  QSize sizeHint() const override { return {minimumWidth(), QLabel::sizeHint().height()}; }
  QSize minimumSizeHint() const override { return {minimumWidth(), QLabel::minimumSizeHint().height()}; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    drawFrame(&p);
    const QRect r = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    p.setPen(palette().color(foregroundRole()));
    p.drawText(r, static_cast<int>(alignment()), fontMetrics().elidedText(text(), Qt::ElideRight, r.width()));
  }
};

}  // namespace

QLabel* StatusBar::addPanel(const QString& key, int widthTwips, bool stretch) {
  auto* l = new PanelFeld(this);
  l->setObjectName(key);
  l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  if (widthTwips > 0) l->setMinimumWidth(Twips::zuPixel(widthTwips));
  addPermanentWidget(l, stretch ? 1 : 0);
  panels_[key] = l;
  return l;
}
QLabel* StatusBar::Panel(const QString& key) const {
  auto it = panels_.find(key);
  return it == panels_.end() ? nullptr : it->second;
}
QString StatusBar::PanelText(const QString& key) const {
  const QLabel* l = Panel(key);
  return l ? l->text() : QString();
}
void StatusBar::setPanelText(const QString& key, const QString& text) {
  if (QLabel* l = Panel(key)) l->setText(text);
}
void StatusBar::setPanelToolTip(const QString& key, const QString& tip) {
  if (QLabel* l = Panel(key)) l->setToolTip(tip);
}
void StatusBar::Refresh() { repaint(); }

Toolbar::Toolbar(QWidget* parent) : QToolBar(parent) {
  setMovable(false);
  setFloatable(false);
}
QAction* Toolbar::addButton(const QString& key, const QString& toolTip, const QIcon& icon) {
  QAction* a = icon.isNull() ? addAction(key) : addAction(icon, key);
  a->setObjectName(key);
  a->setToolTip(toolTip);
  buttons_[key] = a;
  connect(a, &QAction::triggered, this, [this, key] {
    if (ButtonClick) Programm::ausQtAufrufen([&] { ButtonClick(key); });
  });
  return a;
}
QAction* Toolbar::Button(const QString& key) const {
  auto it = buttons_.find(key);
  return it == buttons_.end() ? nullptr : it->second;
}
void Toolbar::setButtonEnabled(const QString& key, bool on) {
  if (QAction* a = Button(key)) a->setEnabled(on);
}
void Toolbar::setButtonToolTip(const QString& key, const QString& tip) {
  if (QAction* a = Button(key)) a->setToolTip(tip);
}

// ---------------------------------------------------------------------------------------------------
MenuItem::MenuItem(const QString& name, const QString& caption, QObject* owner) : QObject(owner) {
  setObjectName(name);
  // A separator carries no text: some styles would draw it as a section title.
  const bool strich = caption == u"-";
  action_ = new QAction(strich ? QString() : caption, this);
  action_->setObjectName(name);
  action_->setSeparator(strich);
  connect(action_, &QAction::triggered, this, [this] {
    if (Click && Bereit()) Programm::ausQtAufrufen(Click);
  });
}
QString MenuItem::Caption() const { return action_->isSeparator() ? QStringLiteral("-") : action_->text(); }
void MenuItem::setCaption(const QString& c) {
  action_->setText(c);
  if (menu_) menu_->setTitle(c);
}
void MenuItem::setEnabled(bool on) {
  enabled_ = on;
  zustandSetzen();
}
void MenuItem::setWartend(bool on) {
  wartend_ = on;
  zustandSetzen();
}
void MenuItem::zustandSetzen() { action_->setEnabled(enabled_ && !wartend_); }
bool MenuItem::Bereit() const {
  if (wartend_) return false;
  for (const MenuItem* m = this; m; m = m->parent_) {
    // A hidden menu that is open as a pop-up lets its items be chosen.
    const bool offen = m->popupOffen_ || (m->menu_ && m->menu_->isVisible());
    if (!m->enabled_ || (!m->Visible() && !offen)) return false;
  }
  return true;
}
void MenuItem::setChecked(bool on) {
  action_->setCheckable(true);
  action_->setChecked(on);
}
QMenu* MenuItem::menu(QWidget* eltern) {
  if (!menu_) {
    menu_ = new QMenu(action_->text(), eltern);
    // A menu without a parent widget (a form's own pop-up) belongs to the item: the action does not own
    // it, so it goes with the item.
    if (!eltern) connect(this, &QObject::destroyed, menu_, [m = menu_] { delete m; });
    menu_->setObjectName(objectName());
    action_->setMenu(menu_);
    connect(menu_, &QMenu::aboutToShow, this, [this] {
      if (Click) Click();
    });
  }
  return menu_;
}

}  // namespace vb
