#pragma once
// The arithmetic of the amount boxes: a text such as "19,99*3" or "(12,50+7,30)*2" is rewritten pass by
// pass, one operation at a time, until a single number is left. Operator precedence comes from the order
// of the passes; bracket groups are evaluated by nested calls.
#include <QString>
#include <QStringView>

namespace Z_Evaluate2 {

// Evaluates the expression. On success the text is left as it is; on failure the result is 0 and the text
// becomes "%" followed by the text as passed. Every result is a finite number, and no input crashes or
// hangs: a text of more than 1024 characters or with brackets nested more than 64 deep fails. "@TODAY" is the
// day number (counted from 30.12.1899) of the program's clock at the first evaluation of the run.
double Auswerten(QString& text);

// The leading number of a text: blanks, TABs and line feeds are skipped, then an optional sign, digits
// with at most one "." as decimal point and an optional exponent ("E" or "D", either case, an optional
// sign and digits). Reading stops at the first other character; a text without a number reads as 0.
// A number too large for a double is reported, with an infinite value of its sign.
struct Zahl {
  double wert = 0;
  bool ueberlauf = false;
};
Zahl ZahlLesen(QStringView text);

// A value as the evaluator writes it back into its text: at most 15 significant digits, "." as decimal
// point, no zero before it (".5", "-.25"), exponent form for very large and very small magnitudes
// ("1E+20", "1.5E-07"). ZahlLesen reads every such text back to a value with the same text.
QString Zahltext(double wert);

}  // namespace Z_Evaluate2
