#pragma once
// German telephone numbers as users type them ("089/123456", "0221-12345", "(089) 12 34 56").
#include <QString>

// The area code (3 to 5 digits, with a 0, not beginning with "01") before the first of "/-+._([", or "".
QString VorwahlAusTelefon(const QString& nummer);
// The house style: area code, " / " and the subscriber number, each in pairs of digits from the right
// (a leading group of three when the count is odd): "089/123456" -> "089 / 12 34 56".
QString TelefonFormatieren(const QString& nummer);
