#pragma once
// The amount box of the bank forms as text: how its value is read, what leaving the box makes of it, and
// the check before a form is printed.
#include <QString>
#include <functional>

namespace Betragsregeln {

// The amount's value: every "," read as "." and the leading number taken ("12,50" is 12.5, "19,99*3" is
// 19.99, "(1+2)*3", "PI*2" and "" are 0). A number too large for a double reads as infinite.
double BetragLesen(const QString& betrag);

// What the box shows after leaving it. An amount that reads as more than 0 is evaluated and written with
// two decimals and a decimal comma ("19,99*3" gives "59,97", "12,5" gives "12,50"); anything else stays as
// typed. A failed evaluation gives "0,00", and so does a result that would not fit into maxLength
// characters (0: no limit), since a cut amount would be a different amount.
QString BetragVerlassen(const QString& betrag, int maxLength);

// Before a form is printed: the amount box is left once more (so an expression is evaluated even when the
// print is started from inside the box), then an amount of 0 or less asks whether to print without one.
// fokus runs just before the question (it puts the focus into the amount box). True when printing goes
// on: the amount is above 0, or the user answered OK.
bool BetragVorDemDruck(QString& betrag, int maxLength, const std::function<void()>& fokus = {});
// The question alone, for a box that is not left once more: true when the amount is above 0 or the user
// answered OK.
bool BetragFragen(const QString& betrag, const std::function<void()>& fokus = {});

}  // namespace Betragsregeln
