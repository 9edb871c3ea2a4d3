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

struct Anfuegeergebnis {
  int angefuegt = 0;  // lines taken into the table
  bool voll = false;  // the table became full before the file's end
};

// Appends the lines of another address file's bytes (merging): a ".." header line without a TAB is
// skipped, a line without a TAB is taken as semicolon-separated, a line that begins with a TAB gets
// the blank of an empty first field, empty lines are dropped; at most up to kMaxDatensaetze.
Anfuegeergebnis ZeilenAnfuegen(Adressbestand& bestand, const QByteArray& bytes);
