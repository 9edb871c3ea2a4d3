#pragma once
// Text search across the record lines: every blank-separated term of the search text must occur in the
// line, without regard to case; a double quote stands for a field boundary; the terms are patterns of
// the runtime's Like ("?", "#", "*", "[list]").
#include "platform/vb/Vb.h"
#include "store/Adressbestand.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// The terms of a search text: blanks at both ends removed, each double quote a TAB, split at blanks
// (empty pieces skipped; at most 99, the 99th being the last piece as the token table keeps it).
QStringList SuchBegriffe(const QString& suchtext);

class SatzSuche {
 public:
  // ohneTrenner: blanks, "/" and "-" in the lines are ignored (the terms keep theirs).
  SatzSuche(const QString& suchtext, bool ohneTrenner);
  int anzahl() const { return static_cast<int>(muster_.size()); }
  // Every term occurs in the line (true for no terms).
  bool passt(QStringView zeile) const;

 private:
  std::vector<vb::LikeMuster> muster_;
  bool ohneTrenner_;
  mutable QString puffer_;
};

// Looks for the next record, after position ab and wrapping round, that holds every term; ab -1 starts
// at the first record. zwischendurch, when given, is called every few thousand records with the count
// looked at and the table's size; it may let waiting events run, and false from it stops the search.
// Returns the position found, -1 when no record matches, -2 when stopped or when the table changed
// under the search.
constexpr int kSucheAbgebrochen = -2;
int AdresseSuchen(const Adressbestand& bestand, const SatzSuche& suche, int ab,
                  const std::function<bool(qsizetype gesehen, qsizetype anzahl)>& zwischendurch = {});
