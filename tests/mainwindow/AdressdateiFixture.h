#pragma once
// The fixture of the address-file tests: a data folder in the program folder, the open file
// "kunden.dat" there, the user "Maier", and the address files that tools/adressen.py writes.
#include "common/Global.h"
#include "common/GrossKlein.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "mainwindow/Main.h"
#include "support/kern/Adressgenerator.h"
#include "support/kern/TestUmgebung.h"

#include <QDir>

class AdressdateiTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    IniSchreiben(QString(), QStringLiteral("Allgemein"), QStringLiteral("User"), QStringLiteral("Maier"));
    // The window's start-up opens its own start file; the tests then work on theirs.
    Main::get();
    DatenOrdner = programmOrdner() + QStringLiteral("/daten");
    QDir().mkpath(DatenOrdner);
    MaskenOrdner = DatenOrdner;
    IniDatei = programmOrdner() + QStringLiteral("/Kartulon.Ini");
    AktuelleDatei = DatenOrdner + QStringLiteral("/kunden.dat");
  }

  Main& m() { return Main::get(); }
  QString panel(const char* key) { return m().StatusBar->PanelText(QString::fromLatin1(key)); }
  QString adressdatei(const QByteArray& bytes) { return dateiSchreiben(AktuelleDatei, bytes); }
  QString sicherung() const { return DatenOrdner + QStringLiteral("/kunden.BAK"); }
  QString reservierung(const char* key) {
    return IniLesen(programmOrdner() + QStringLiteral("/ZurIrada.ini"),
                    QStringLiteral("UserJetzt_") + WortAnfaengeGross(DateiTeil(AktuelleDatei, 3)),
                    QString::fromLatin1(key), QString());
  }
};
