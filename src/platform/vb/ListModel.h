#pragma once
// The lines of a list, kept in one list so that 32000 lines load at once; list boxes show it, and the
// record table is one.
#include <QAbstractListModel>
#include <QStringList>

namespace vb {

class ListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  using QAbstractListModel::QAbstractListModel;
  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  const QStringList& items() const { return items_; }
  void setItems(QStringList items);
  void insert(int row, const QString& text);
  // Appends the lines at the end in one step (one change announced, not one per line).
  void anhaengen(const QStringList& zeilen);
  void remove(int row);
  void set(int row, const QString& text);
  void clear();
  // Counts every change of the items, so that a long pass over them can tell that they changed.
  quint64 revision() const { return revision_; }
  // German, case-insensitive comparison, as a sorted list orders its lines.
  static int vergleichen(const QString& a, const QString& b);
  // Sorts the lines as a sorted list orders them: by vergleichen, lines that compare equal keep their
  // order (as if added one by one). Each distinct text is compared once, so 32000 lines with few
  // distinct values cost little more than a pass.
  static void sortieren(QStringList& zeilen);
 private:
  QStringList items_;
  quint64 revision_ = 0;
};

}  // namespace vb
