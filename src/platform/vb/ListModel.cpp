#include "platform/vb/ListModel.h"

#include <QHash>
#include <algorithm>
#include <numeric>
#include <vector>

#include <QCollator>
#include <QLocale>

namespace vb {

namespace {
const QCollator& sammler() {
  static const QCollator collator = [] {
    QCollator c{QLocale(QLocale::German, QLocale::Germany)};
    c.setCaseSensitivity(Qt::CaseInsensitive);
    return c;
  }();
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
  return {};
}
void ListModel::setItems(QStringList items) {
  beginResetModel();
  ++revision_;
  items_ = std::move(items);
  endResetModel();
}
void ListModel::insert(int row, const QString& text) {
  beginInsertRows({}, row, row);
  ++revision_;
  items_.insert(row, text);
  endInsertRows();
}
void ListModel::anhaengen(const QStringList& zeilen) {
  if (zeilen.isEmpty()) return;
  const int anfang = static_cast<int>(items_.size());
  beginInsertRows({}, anfang, anfang + static_cast<int>(zeilen.size()) - 1);
  ++revision_;
  items_.append(zeilen);
  endInsertRows();
}
void ListModel::remove(int row) {
  beginRemoveRows({}, row, row);
  ++revision_;
  items_.removeAt(row);
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
