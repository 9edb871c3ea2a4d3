#include "bankforms/Empfaengervorgabe.h"

#include "common/Text.h"
#include "platform/vb/Vb.h"

Empfaengervorgabe EmpfaengerAusAdresse(const QString& vorname, const QString& nachname, const QString& kontoNr,
                                       const QString& blz, const QString& bank, const QString& auswahl) {
  Empfaengervorgabe v;
  v.name = vb::Trim(vorname + u' ' + nachname).left(kEmpfaengerNameLaenge);
  v.kontoNr = kontoNr.left(kEmpfaengerKontoLaenge);
  v.blz = blz.left(kEmpfaengerBlzLaenge);
  v.bank = bank.left(kEmpfaengerBankLaenge);
  v.verwendung1 = Ersetzen(vb::Trim(auswahl), QStringLiteral("\r\n"), QStringLiteral(" ")).left(kVerwendungLaenge);
  return v;
}
