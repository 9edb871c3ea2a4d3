#pragma once
// Call-by-call prefixes: the tariff zone of a telephone number from its longest listed leading digits
// (CallByCall.ini [TeleNr]) and the dial prefix set for that zone ([CallByCall]).
#include "platform/vb/IniDatei.h"

#include <QString>

// modus 1: the zone's name; 2: " [" + name + "]"; anything else: the zone's dial prefix. "" when the
// function is switched off ([Allgemein] aktiviert = 0), no zone matches or the zone has no prefix.
QString CallByCallVorwahl(const QString& nummer, unsigned char modus);

// The same look-up for a walk over many numbers: CallByCall.ini is read once, when the table is made.
class CallByCallTabelle {
 public:
  CallByCallTabelle();
  QString vorwahl(const QString& nummer, unsigned char modus) const;

 private:
  bool aktiv_ = true;
  Profil::Sektion zonen_;      // [TeleNr]: leading digits -> zone
  Profil::Sektion vorwahlen_;  // [CallByCall]: zone -> dial prefix
};

// The number the dialling dialog starts with: the mobile number when the mobile field had the focus
// last (feldIndex 12) and holds more than blanks, or when the telephone number is blank; otherwise the
// telephone number. The zone's dial prefix and one blank go in front; the result is trimmed.
QString WahlNummer(const QString& telefon, const QString& mobil, int feldIndex);
