#pragma once
// Read-only mode and the reservation of address files in a shared folder (ZurIrada.ini in the program
// folder: one section "UserJetzt_" + file name with User and Seit).
#include <QDateTime>
#include <QString>

// Sets NurLesen afresh from the command line ("readonly"), a write-protected first *.dat file in the
// program folder and the marker file READONLY.TXT (whose text is shown).
void NurLesenPruefen();

// mode 1 reserves the file for this user (or asks what to do when another user holds it), mode 0
// releases it when this user holds it. file: the address file's name with extension, no folder.
void NetzReservierung(int mode, QString file);

// Renews the time of this program's reservation of the file (on every save and from a timer), so that
// a second user does not take over a file that is in use. Does nothing when the file is not held here.
void ReservierungErneuern(const QString& file);

// The time a reservation was taken: a date and time text as the regional settings accept it, else
// 01.01.1970 00:00.
QDateTime ReservierungsZeit(const QString& seit);
// Whole minutes between two local times, counted as minute boundaries passed.
qint64 MinutenGrenzen(const QDateTime& von, const QDateTime& bis);
// A reservation older (or more in the future) than five hours no longer holds.
bool ReservierungVeraltet(const QDateTime& seit, const QDateTime& jetzt);

// A reservation is renewed at least this often while the program holds the file.
constexpr int kReservierungErneuernMs = 25 * 60 * 1000;
