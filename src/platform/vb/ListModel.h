#pragma once
// The lines of a list, kept in one list so that 32000 lines load at once; list boxes show it, and the
// record table is one.
#include <QAbstractListModel>
#include <QCollator>
#include <QStringList>
#include <vector>

namespace vb {

class ListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  using QAbstractListModel::QAbstractListModel;
  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // A change of a check mark by the user's view; marks set through setMarkiert come here too.
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  // A check box in front of every line (the runtime's check-box style); off by default. Every line
  // starts unmarked; replacing the lines clears the marks.
  void setMitMarken(bool an);
  bool mitMarken() const { return mitMarken_; }
  bool markiert(int row) const;
  // No signal but dataChanged: setting marks by code is no user's click.
  void setMarkiert(int row, bool an);
  // The lines with their marks in one step (marks missing at the end count as unmarked).
  void setItemsMitMarken(QStringList items, std::vector<char> marken);
  int markenAnzahl() const;
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
  // A new collator that compares as vergleichen does, for a thread of its own (its sort keys order as
  // vergleichen; a collator is set up lazily and is not to be shared between threads).
  static QCollator neuerSammler();
  // Sorts the lines as a sorted list orders them: by vergleichen, lines that compare equal keep their
  // order (as if added one by one). Each distinct text is compared once, so 32000 lines with few
  // distinct values cost little more than a pass.
  static void sortieren(QStringList& zeilen);
 signals:
  // The user changed the mark of a line.
  void markeGeaendert(int row);

 private:
  QStringList items_;
  quint64 revision_ = 0;
  bool mitMarken_ = false;
  std::vector<char> marken_;  // one per line while mitMarken_
  bool markeVonCode_ = false;
};

}  // namespace vb
