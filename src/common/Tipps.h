#pragma once
// The tip of the day: the tips file Tips.Bot (an INI file in the program folder, section "Tips"), the
// choice of the next tip at random among those not shown recently, and its text as the dialog shows it.
#include <QString>
#include <functional>

// The address that stands in place of "{URL}" in a tip.
inline const QString kTippHomepage = QStringLiteral("https://www.sorveks.de/kartulon/");

// What the dialog shows after a choice.
struct TippAnzeige {
  bool gefunden = false;  // false: no file, or "Anzahl" below 1 (nothing below is set then)
  QString frage;          // the line above the tip
  QString kopf;           // the window caption
  QString text;           // the tip, ready to show (CR LF line breaks)
  int nummer = 0;         // the tip's number
};

// Reads the file, chooses the next tip, writes the list of recent tips back to "Zuletzt" at once and
// returns what to show. major is the program's major version ("{Major}" in the caption).
TippAnzeige NaechsterTipp(const QString& tipsDatei, int major);

// The number of tips in "Anzahl": the text's numeric prefix rounded to a whole number as a 16-bit
// integer; 0 when it does not fit.
int TippAnzahl(const QString& text);
// Chooses a tip number from 1 to anzahl with rnd (0 <= r < 1): a number that exists and is not among
// the recent ones; after 999 tries tip 1.
int TippWaehlen(int anzahl, const QString& zuletzt, const std::function<bool(int)>& vorhanden,
                const std::function<double()>& rnd);
// The recent list after showing tip n: n in front, cut to the last min(10, anzahl - 1) entries.
QString TippZuletzt(int n, const QString& zuletzt, int anzahl);
// "." and the number as four digits (".0007").
QString TippMarke(int n);
// A stored tip as shown: trimmed, "~" a paragraph break, "{URL}" the home page, a full stop at the end
// unless it ends with ".", "!" or "?".
QString TippText(const QString& roh);
// The caption: "{Major}" (any case) becomes the major version with at least two digits.
QString TippKopf(const QString& header, int major);
