#pragma once
// What the transfer form starts with for the shown address: the recipient's name and bank details and
// the text the user selected as the first purpose line, each cut to what the form's box holds.
#include <QString>

struct Empfaengervorgabe {
  QString name{};         // recipient's name
  QString kontoNr{};      // account number
  QString blz{};          // bank code
  QString bank{};         // bank's name
  QString verwendung1{};  // first purpose line
};

// The boxes' limits on the form (characters).
constexpr int kEmpfaengerNameLaenge = 27;
constexpr int kEmpfaengerKontoLaenge = 10;
constexpr int kEmpfaengerBlzLaenge = 8;
constexpr int kEmpfaengerBankLaenge = 27;
constexpr int kVerwendungLaenge = 27;

// First name and surname joined by one blank and trimmed; the selection trimmed, with each CR LF as one
// blank; account, bank code and bank as they stand. Every value keeps only as many leading characters
// as its box holds.
Empfaengervorgabe EmpfaengerAusAdresse(const QString& vorname, const QString& nachname, const QString& kontoNr,
                                       const QString& blz, const QString& bank, const QString& auswahl);
