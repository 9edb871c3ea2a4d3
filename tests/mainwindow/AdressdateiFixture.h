#pragma once
// The fixture of the address-file tests: a data folder in the program folder, the open file
// "kunden.dat" there, the user "Maier", and the address files that make-addresses.py writes.
#include "common/Global.h"
#include "common/GrossKlein.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "mainwindow/Main.h"
#include "support/kern/TestUmgebung.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

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

  // Writes an address file of anzahl records with the project's generator; "" when the generator is not
  // there (the caller skips).
  static QString beispieldatei(int anzahl, const QString& pfad) {
    // The tools beside the source tree; a checkout elsewhere names them in KARTULON_TOOLS_DIR.
    QString skript = QStringLiteral(KARTULON_TOOLS_DIR "/make-addresses.py");
    if (!QFileInfo::exists(skript) && !qEnvironmentVariableIsEmpty("KARTULON_TOOLS_DIR"))
      skript = qEnvironmentVariable("KARTULON_TOOLS_DIR") + QStringLiteral("/make-addresses.py");
    if (!QFileInfo::exists(skript)) return {};
    QProcess p;
    p.start(QStringLiteral("python3"), {skript, QString::number(anzahl), pfad});
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return {};
    return pfad;
  }
};
