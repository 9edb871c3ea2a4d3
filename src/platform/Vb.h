#pragma once
// The runtime semantics that the program's procedures rely on, written once.
#include <QDate>
#include <QString>
#include <QStringView>
#include <vector>

namespace vb {

// The leading number of a text: blanks, TABs and line feeds are skipped anywhere, a sign, digits,
// one decimal point "." and an exponent are read; "&H" and "&O" give hex and octal. No number gives 0.
double Val(const QString& text);

// An existing calendar date in one of the forms a German user types: "1.2.1999", "01.02.99",
// "1 2 1999", "1/2/1999", "1-2-99", "1. Februar 1999", "1.2." (this year), "1999-02-01".
// Two-digit years 00-29 are 2000-2029, 30-99 are 1930-1999. An optional time after the date is allowed.
bool IsDate(const QString& text);
// The date of such a text, or an invalid QDate.
QDate CDate(const QString& text);

// "dd.mm.yyyy".
QString DatumText(const QDate& d);

// VB's DateDiff("m", a, b): months between, ignoring days.
int MonateZwischen(const QDate& von, const QDate& bis);

// The runtime's pattern matching (Like, binary comparison): "*" any run of characters, "?" any one
// character, "#" one digit 0-9, "[list]" one character of the list ("a-e" a range), "[!list]" one
// character not in it, "[]" nothing. A pattern the runtime rejects ("[" without "]", a range from high
// to low) matches nothing. Time is at most text length x pattern length: no exponential backtracking.
bool Like(QStringView text, QStringView pattern);

// A pattern compiled once for matching many texts.
class LikeMuster {
 public:
  LikeMuster() = default;
  explicit LikeMuster(QStringView pattern);
  // false for a pattern the runtime rejects; it then matches nothing.
  bool gueltig() const { return gueltig_; }
  bool passt(QStringView text) const;
  // Matches the text as if it were lower-cased first, without building the lower-case copy.
  bool passtKlein(QStringView text) const;
  // A pattern that matches the text literally: every "*", "?", "#" and "[" in brackets.
  static QString woertlich(QStringView text);

 private:
  enum class Art : unsigned char { Stern, Eins, Ziffer, Liste, Zeichen };
  struct Element {
    Art art;
    bool nicht = false;
    char16_t zeichen = 0;
    int von = 0, bis = 0;  // the list's ranges in bereiche_
  };
  template <class Abbildung>
  bool vergleichen(QStringView text, Abbildung abb) const;
  bool einsPasst(const Element& e, char16_t c) const;

  std::vector<Element> elemente_;
  std::vector<std::pair<char16_t, char16_t>> bereiche_;
  bool gueltig_ = true;
};

// The lower-case form of one character, as the runtime's LCase gives it.
char16_t Klein(char16_t c);

}  // namespace vb
