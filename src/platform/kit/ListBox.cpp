#include "platform/kit/Controls.h"

#include "platform/kit/ControlsIntern.h"
#include "platform/kit/Twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

namespace vb {

using steuerelemente::tastenVorlauf;

namespace {
// Where the column after part i of a TAB-separated line starts, for a part that started at x (pixels
// from the item's left edge): the tab stops in dialog units, a quarter of the average character width.
int naechsteSpalte(int x, qsizetype i, const QList<int>& stops, const QFontMetrics& fm) {
  const double einheit = fm.averageCharWidth() / 4.0;
  if (i < stops.size()) return 2 + static_cast<int>(stops[i] * einheit);
  if (!stops.isEmpty())
    return x + static_cast<int>((stops.size() > 1 ? stops.last() - stops[stops.size() - 2] : stops.last()) * einheit);
  return x + fm.averageCharWidth() * 8;
}

// Draws the TAB-separated parts of an item in columns at the list's tab stops.
class TabDelegate : public QStyledItemDelegate {
 public:
  TabDelegate(ListBox* list) : QStyledItemDelegate(list), list_(list) {}
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize s = QStyledItemDelegate::sizeHint(option, index);
    if (list_->HorizontalScrollen()) s.setWidth(std::max(s.width(), list_->breitesteZeile()));
    return s;
  }
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
    const QList<int>& stops = list_->tabStops();
    const int links = opt.rect.left();
    int x = 2;
    for (qsizetype i = 0; i < teile.size(); ++i) {
      const int next = naechsteSpalte(x, i, stops, opt.fontMetrics);
      const QRect r(links + x, opt.rect.top(), std::max(0, next - x - 2), opt.rect.height());
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
  // Lines that change may change the widest one.
  const auto neuMessen = [this] { breitesteZeile_ = -1; };
  connect(model_, &QAbstractItemModel::modelReset, this, neuMessen);
  connect(model_, &QAbstractItemModel::layoutChanged, this, neuMessen);
  connect(model_, &QAbstractItemModel::rowsInserted, this, neuMessen);
  connect(model_, &QAbstractItemModel::rowsRemoved, this, neuMessen);
  connect(model_, &QAbstractItemModel::dataChanged, this, neuMessen);
}

void ListBox::setHorizontalScrollen(bool an) {
  horizontalScrollen_ = an;
  breitesteZeile_ = -1;
  if (columns_ <= 0) setHorizontalScrollBarPolicy(an ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  scheduleDelayedItemsLayout();
}

int ListBox::breitesteZeile() const {
  if (breitesteZeile_ >= 0) return breitesteZeile_;
  const QFontMetrics fm(font());
  int breite = 0;
  for (const QString& zeile : model_->items()) {
    // Only the last part that shows anything can reach further than the others.
    qsizetype ende = zeile.size();
    while (ende > 0 && zeile.at(ende - 1) == u'\t') --ende;
    if (ende == 0) continue;
    const qsizetype anfang = zeile.lastIndexOf(u'\t', ende - 1) + 1;
    const qsizetype teil = QStringView(zeile).left(anfang).count(u'\t');
    int x = 2;
    for (qsizetype i = 0; i < teil; ++i) x = std::max(naechsteSpalte(x, i, tabStops_, fm), x);
    breite = std::max(breite, x + fm.horizontalAdvance(zeile.mid(anfang, ende - anfang)) + 4);
  }
  breitesteZeile_ = breite;
  return breite;
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
  breitesteZeile_ = -1;
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
    setHorizontalScrollBarPolicy(horizontalScrollen_ ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
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
  if (steuerelemente::fokusKommt(e, fokusDrin_) && GotFocus) GotFocus();
}
void ListBox::focusOutEvent(QFocusEvent* e) {
  QListView::focusOutEvent(e);
  if (steuerelemente::fokusGeht(e, fokusDrin_) && LostFocus) LostFocus();
}

}  // namespace vb
