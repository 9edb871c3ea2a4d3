#pragma once
// The reference catalogues in the folder "Kataloge" of the program folder: postcode to town, postcode
// to area code, bank code to bank name. Small INI files split by country prefix and the key's first
// digit; a value may list several entries separated by ",", offered in the pick list.
#include <QString>

// wahl: 1 lets the user choose when several towns are listed, 0 returns the stored list whole. The
// caller's variable is normalised (0 stays 0, anything else becomes 1). "" when nothing is found;
// when the user picks nothing, bisher (the current text of the town box).
QString OrtZuPLZ(const QString& plz, short& wahl, const QString& bisher = {});
inline QString OrtZuPLZ(const QString& plz, short&& wahl, const QString& bisher = {}) {
  return OrtZuPLZ(plz, wahl, bisher);
}
// As OrtZuPLZ; a postcode whose key is no number above 0 gives "" at once, and so does a choice
// offered and nothing picked.
QString VorwahlZuPLZ(const QString& plz, short& wahl);
inline QString VorwahlZuPLZ(const QString& plz, short&& wahl) { return VorwahlZuPLZ(plz, wahl); }
// The bank of a bank code of at most 8 digits (blanks around it allowed); several names are always
// offered in the pick list. "" for anything else, when nothing is found or when nothing is picked.
QString BankZuBLZ(const QString& blz);

// Store the value (without blanks at both ends) for the postcode, replacing the whole entry; the
// caller's variable receives the value as stored. The folder "Kataloge" is created when missing.
void KatalogOrtSpeichern(const QString& plz, QString& ort);
void KatalogVorwahlSpeichern(const QString& plz, QString& vorwahl);

// The folder of the catalogues, with a trailing "/".
QString KatalogOrdner();
