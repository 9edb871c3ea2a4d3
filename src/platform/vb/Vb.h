#pragma once
// The runtime semantics that the program's procedures rely on, written once.
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>
#include <optional>
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
  // The same, looking at every character through Klein: the plain form that passtKlein's faster scan for
  // the character after a "*" must always agree with.
  bool passtKleinZeichenweise(QStringView text) const;
  // A pattern that matches the text literally: every "*", "?", "#" and "[" in brackets.
  static QString woertlich(QStringView text);

 private:
  enum class Art : unsigned char { Stern, Eins, Ziffer, Liste, Zeichen };
  struct Element {
    Art art;
    bool nicht = false;
    char16_t zeichen = 0;
    // The Latin-1 characters whose lower case is zeichen (both the same when there is one, 0x100 when
    // there is none): with every character from 0x100 on, the candidates for a match under Klein.
    char16_t latein1 = 0x100, latein2 = 0x100;
    int von = 0, bis = 0;  // the list's ranges in bereiche_
  };
  // suche(t, i, n, e) gives the first position from i on whose character matches the element e (a
  // Zeichen) under abb, n when there is none.
  template <class Abbildung, class Suche>
  bool vergleichen(QStringView text, Abbildung abb, Suche suche) const;
  bool einsPasst(const Element& e, char16_t c) const;

  std::vector<Element> elemente_;
  std::vector<std::pair<char16_t, char16_t>> bereiche_;
  bool gueltig_ = true;
};

// The lower-case form of one character, as the runtime's LCase gives it. Inline, since the search calls
// it for every character of 32000 records: Latin-1 by rule, the rest through Qt's tables.
char16_t KleinUnicode(char16_t c);
inline char16_t Klein(char16_t c) {
  if (c < 128) return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
  if (c < 256) return c >= 0xC0 && c <= 0xDE && c != 0xD7 ? static_cast<char16_t>(c + 32) : c;
  return KleinUnicode(c);
}
// Format of a number, as the runtime does it under German settings. Sections "positive;negative;zero"; "0"
// a digit or 0, "#" a digit or nothing, "." the decimal comma (always shown when the pattern has one),
// "," between digit places groups thousands with ".", "," right before the decimal point divides by 1000,
// "%" multiplies by 100; "\x" and "text in quotes" are shown as they stand, other characters too.
// Rounds half away from zero on the number's first 15 significant digits. An empty pattern is CStr.
// Scientific patterns ("0E+00") are not supported (no caller uses them): "E" is shown as it stands.
QString Format(double zahl, const QString& muster);
// Format of a date and time: d dd ddd dddd, m mm mmm mmmm (minutes after h/hh or before s/ss), yy yyyy,
// h hh, n nn, s ss, ":" and "/" (shown as "."), German day and month names.
QString Format(const QDateTime& zeit, const QString& muster);
QString Format(const QDate& datum, const QString& muster);

// The text of a number as CStr gives it under German settings: decimal comma, at most 15 significant
// digits, no blank in front ("1,5", "-3", "1E+20").
QString CStr(double zahl);
// Str: "." as decimal point and a blank in front of a number that is not negative (" 42", "-1.5").
QString Str(double zahl);
// The strict conversion of CDbl under German settings: blanks around, a sign, digits with "." as
// grouping (ignored) and "," as decimal comma, an exponent, "&H"/"&O". No number (or anything after
// it): nothing.
std::optional<double> CDbl(const QString& text);
// CCur: CDbl rounded to four decimal places (half to even), as the fixed-point currency type holds it.
std::optional<double> CCur(const QString& text);

// String functions with the runtime's 1-based positions. Start positions below 1 count as 1.
QString Left(const QString& text, qsizetype anzahl);
QString Right(const QString& text, qsizetype anzahl);
// From position start (1-based), anzahl characters (-1: the rest).
QString Mid(const QString& text, qsizetype start, qsizetype anzahl = -1);
// Position (1-based) of the first occurrence from start on, 0 when none; an empty search text gives
// start (0 when start lies past the end).
qsizetype InStr(qsizetype start, const QString& text, const QString& such,
                Qt::CaseSensitivity vergleich = Qt::CaseSensitive);
qsizetype InStr(const QString& text, const QString& such, Qt::CaseSensitivity vergleich = Qt::CaseSensitive);
// Position (1-based) of the last occurrence that starts at or before start (-1: the end), 0 when none.
qsizetype InStrRev(const QString& text, const QString& such, qsizetype start = -1,
                   Qt::CaseSensitivity vergleich = Qt::CaseSensitive);
// The runtime trims blanks only (no TABs or line breaks).
QString LTrim(const QString& text);
QString RTrim(const QString& text);
QString Trim(const QString& text);
QString Space(qsizetype anzahl);

}  // namespace vb
