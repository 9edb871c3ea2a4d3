#include "platform/vb/ListModel.h"

#include <QCollator>
#include <QLocale>

namespace vb {

int ListModel::vergleichen(const QString& a, const QString& b) {
  static const QCollator collator = [] {
    QCollator c{QLocale(QLocale::German, QLocale::Germany)};
    c.setCaseSensitivity(Qt::CaseInsensitive);
    return c;
  }();
  return collator.compare(a, b);
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
