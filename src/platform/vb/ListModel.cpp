#include "platform/vb/ListModel.h"

#include <QHash>
#include <algorithm>
#include <numeric>
#include <vector>

#include <QCollator>
#include <QLocale>

namespace vb {

QCollator ListModel::neuerSammler() {
  QCollator c{QLocale(QLocale::German, QLocale::Germany)};
  c.setCaseSensitivity(Qt::CaseInsensitive);
  return c;
}

namespace {
const QCollator& sammler() {
  static const QCollator collator = ListModel::neuerSammler();
  return collator;
}
}  // namespace

int ListModel::vergleichen(const QString& a, const QString& b) { return sammler().compare(a, b); }

void ListModel::sortieren(QStringList& zeilen) {
  if (zeilen.size() < 2) return;
  // The distinct texts, each with the position of its first line.
  QHash<QString, int> nummer;
  QStringList verschieden;
  std::vector<int> nr(zeilen.size());
  for (qsizetype i = 0; i < zeilen.size(); ++i) {
    auto it = nummer.constFind(zeilen[i]);
    if (it == nummer.cend()) {
      it = nummer.insert(zeilen[i], static_cast<int>(verschieden.size()));
      verschieden << zeilen[i];
    }
    nr[i] = *it;
  }
  // Their order, and one rank for texts that compare equal. The collator's sort keys order exactly as
  // its comparison does, and comparing them is much cheaper.
  std::vector<QCollatorSortKey> schluessel;
  schluessel.reserve(verschieden.size());
  for (const QString& t : verschieden) schluessel.push_back(sammler().sortKey(t));
  std::vector<int> folge(verschieden.size());
  std::iota(folge.begin(), folge.end(), 0);
  std::stable_sort(folge.begin(), folge.end(), [&](int a, int b) { return schluessel[a].compare(schluessel[b]) < 0; });
  std::vector<int> rang(verschieden.size());
  int r = 0;
  for (size_t k = 0; k < folge.size(); ++k) {
    if (k > 0 && schluessel[folge[k - 1]].compare(schluessel[folge[k]]) != 0) ++r;
    rang[folge[k]] = r;
  }
  // The lines by rank, equal ranks in their order (a counting sort).
  std::vector<qsizetype> anfang(r + 2, 0);
  for (const int n : nr) ++anfang[rang[n] + 1];
  for (size_t k = 1; k < anfang.size(); ++k) anfang[k] += anfang[k - 1];
  QStringList sortiert(zeilen.size());
  for (qsizetype i = 0; i < zeilen.size(); ++i) sortiert[anfang[rang[nr[i]]]++] = std::move(zeilen[i]);
  zeilen = std::move(sortiert);
}

int ListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(items_.size());
}
QVariant ListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= items_.size()) return {};
  if (role == Qt::DisplayRole || role == Qt::EditRole) return items_[index.row()];
  if (role == Qt::CheckStateRole && mitMarken_) return marken_[index.row()] ? Qt::Checked : Qt::Unchecked;
  return {};
}
Qt::ItemFlags ListModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = QAbstractListModel::flags(index);
  if (mitMarken_ && index.isValid()) f |= Qt::ItemIsUserCheckable;
  return f;
}
bool ListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!mitMarken_ || role != Qt::CheckStateRole || !index.isValid() || index.row() >= items_.size()) return false;
  const char an = value.toInt() == Qt::Checked ? 1 : 0;
  if (marken_[index.row()] == an) return true;
  marken_[index.row()] = an;
  emit dataChanged(index, index, {Qt::CheckStateRole});
  if (!markeVonCode_) emit markeGeaendert(index.row());
  return true;
}
void ListModel::setMitMarken(bool an) {
  beginResetModel();
  mitMarken_ = an;
  marken_.assign(an ? items_.size() : 0, 0);
  endResetModel();
}
bool ListModel::markiert(int row) const {
  return mitMarken_ && row >= 0 && row < static_cast<int>(marken_.size()) && marken_[row];
}
void ListModel::setMarkiert(int row, bool an) {
  if (!mitMarken_ || row < 0 || row >= items_.size()) return;
  markeVonCode_ = true;
  setData(index(row), an ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
  markeVonCode_ = false;
}
void ListModel::setItemsMitMarken(QStringList items, std::vector<char> marken) {
  beginResetModel();
  ++revision_;
  items_ = std::move(items);
  if (mitMarken_) {
    marken_ = std::move(marken);
    marken_.resize(items_.size(), 0);
  }
  endResetModel();
}
int ListModel::markenAnzahl() const {
  int n = 0;
  for (const char m : marken_) n += m ? 1 : 0;
  return n;
}
void ListModel::setItems(QStringList items) {
  beginResetModel();
  ++revision_;
  items_ = std::move(items);
  if (mitMarken_) marken_.assign(items_.size(), 0);
  endResetModel();
}
void ListModel::insert(int row, const QString& text) {
  beginInsertRows({}, row, row);
  ++revision_;
  items_.insert(row, text);
  if (mitMarken_) marken_.insert(marken_.begin() + row, 0);
  endInsertRows();
}
void ListModel::anhaengen(const QStringList& zeilen) {
  if (zeilen.isEmpty()) return;
  const int anfang = static_cast<int>(items_.size());
  beginInsertRows({}, anfang, anfang + static_cast<int>(zeilen.size()) - 1);
  ++revision_;
  items_.append(zeilen);
  if (mitMarken_) marken_.resize(items_.size(), 0);
  endInsertRows();
}
void ListModel::remove(int row) {
  beginRemoveRows({}, row, row);
  ++revision_;
  items_.removeAt(row);
  if (mitMarken_) marken_.erase(marken_.begin() + row);
  endRemoveRows();
}
void ListModel::set(int row, const QString& text) {
  items_[row] = text;
  ++revision_;
  const QModelIndex i = index(row);
  emit dataChanged(i, i, {Qt::DisplayRole});
}
void ListModel::clear() { setItems({}); }

}  // namespace vb
