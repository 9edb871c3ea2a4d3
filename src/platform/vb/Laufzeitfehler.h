#pragma once
// The runtime's error numbers, which the error handler's tips and every error tail rely on, with their
// German descriptions, and the mapping of the errors that Qt and the C library report onto them.
#include <QFileDevice>
#include <QString>

namespace vb {

enum Laufzeitfehler : int {
  ErrUngueltigerAufruf = 5,
  ErrUeberlauf = 6,
  ErrSpeicher = 7,
  ErrIndex = 9,
  ErrDivisionDurchNull = 11,
  ErrTypen = 13,
  ErrAbbruchDurchBenutzer = 18,
  ErrInternerFehler = 51,
  ErrDateinameOderNummer = 52,
  ErrDateiNichtGefunden = 53,
  ErrDateimodus = 54,
  ErrDateiGeoeffnet = 55,
  ErrGeraeteEA = 57,
  ErrDateiExistiert = 58,
  ErrDatentraegerVoll = 61,
  ErrHinterDateiende = 62,
  ErrDateinameFalsch = 64,
  ErrZuVieleDateien = 67,
  ErrGeraetNichtVerfuegbar = 68,
  ErrZugriffVerweigert = 70,
  ErrDatentraegerNichtBereit = 71,
  ErrUmbenennenLaufwerke = 74,
  ErrPfadDateiZugriff = 75,
  ErrPfadNichtGefunden = 76,
  ErrEigenschaftswert = 380,
  ErrObjektErforderlich = 424,
  ErrUngueltigesBild = 481,
  ErrDrucker = 482,
  // Keystrokes into other programs (numbers of this program's own).
  ErrTastenNurX11 = 1001,
  ErrTastenOhneXdotool = 1002,
  ErrTastenOhneFokus = 1003,
  ErrTastenGescheitert = 1004,
};

// The German description of a runtime error number; a number without one gets the general text
// "Anwendungs- oder objektdefinierter Fehler".
QString FehlerBeschreibung(int nummer);

// The runtime error of a failed file operation. Qt's open error says nothing about the cause; the
// overload with the file looks at the file and its folder to tell "not found" from "denied".
int FehlerAusDatei(QFileDevice::FileError fehler);
int FehlerAusDatei(const QFileDevice& datei);

// The runtime error of a C library error code (errno); 0 stays 0.
int FehlerAusSystem(int errnoWert);

}  // namespace vb
