#pragma once
// Splitting a text into the program-wide token table (Token(1) ... Token(TokenAnzahl), see Global.h),
// and reading a switch such as "Datei=" from it.
#include <QString>

// Blank, "/", ",", ";", "|", TAB, LF, CR: the set used when the caller passes none.
QString StandardTrenner();

// Splits the text at every character of the separator set; runs of separators count as one and empty
// pieces are skipped. Token(1) to Token(50) are emptied first; a 100th and every later piece overwrite
// Token(99). Returns the number of pieces (also in TokenAnzahl). The caller's text gets the first
// separator appended, and an empty separator variable of the caller gets the default set.
// With the default set, a "/" separates only at the start of the text or after a blank (it starts a
// switch there), so that "Datei=/home/anna/Kunden" stays one piece.
short TextZerlegen(QString& text, QString& trenner);
short TextZerlegen(QString& text, const QString& trenner = QString());
short TextZerlegen(const QString& text, const QString& trenner = QString());

// The value of the last token that begins with the prefix (compared without regard to case): the rest
// of the token, or "1" when nothing follows the prefix; "" when no token begins with it.
QString SchalterWert(const QString& prefix);
