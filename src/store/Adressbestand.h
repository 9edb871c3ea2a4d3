#pragma once
// The record table: the record lines of the open address file in file order, at most kMaxDatensaetze.
// It is a list model, so that the main window's list shows it and every change is announced; search,
// sort, load, save, printing and the exports work on it without a window.
#include "platform/vb/ListModel.h"
#include "store/Datensatz.h"

class Adressbestand : public vb::ListModel {
  Q_OBJECT
 public:
  using vb::ListModel::ListModel;
  int Anzahl() const { return rowCount(); }
  // "" outside the table.
  QString Zeile(int i) const { return i >= 0 && i < Anzahl() ? items()[i] : QString(); }
  const QStringList& Zeilen() const { return items(); }
  bool voll() const { return Anzahl() >= kMaxDatensaetze; }
};
