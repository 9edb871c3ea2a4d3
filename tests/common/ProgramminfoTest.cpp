// The facts of the about box, gathered from the settings and the system, and their lines.
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Programminfo.h"
#include "support/kern/TestUmgebung.h"

#include <QFile>

namespace {

class ProgramminfoTest : public KartulonTest {};

TEST_F(ProgramminfoTest, CaptionWithTheVersion) {
  EXPECT_EQ(InfoUeberschrift({7, 2, 15}), QStringLiteral("Infos über Kartulon · Version 7.02.0015"));
  EXPECT_EQ(InfoUeberschrift({12, 10, 12345}), QStringLiteral("Infos über Kartulon · Version 12.10.12345"));
}

TEST_F(ProgramminfoTest, LinesOfTheFacts) {
  InstallationsFakten voll;
  voll.benutzer = QStringLiteral("Anna Maier");
  voll.datenOrdner = QStringLiteral("/home/anna/Adressen/Privat");
  voll.programmOrdner = QStringLiteral("/opt/kartulon");
  voll.modulPaket = QStringLiteral("e");
  voll.version = {7, 2, 15};
  voll.freigabe = QDate(2026, 3, 4);
  InstallationsFakten leer = voll;
  leer.benutzer.clear();
  leer.datenOrdner.clear();
  leer.modulPaket = QStringLiteral("?");
  leer.freigabe.reset();
  struct Fall {
    InstallationsFakten fakten;
    QString text;
  };
  const Fall faelle[] = {
      {voll, QStringLiteral("Benutzername / Rechnerstation: Anna Maier\r\n"
                            "Daten-Ordner: /home/anna/Adressen/Privat\r\n"
                            "Modul-Paket: Installiert ist e und benötigt wird e\r\n"
                            "Version 32-Bit 7.02.0015\r\n"
                            "Freigabe-Datum: 04.03.2026")},
      {leer, QStringLiteral("Ordner: /opt/kartulon\r\n"
                            "Modul-Paket: Installiert ist ? und benötigt wird e\r\n"
                            "Version 32-Bit 7.02.0015")},
  };
  for (const Fall& f : faelle) EXPECT_EQ(InstallationsText(f.fakten), f.text);
}

TEST_F(ProgramminfoTest, FactsFromSettingsAndSystem) {
  const QString programm = dateiSchreiben(tempPfad(QStringLiteral("bin/kartulon")), "ELF");
  {
    QFile f(programm);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QDateTime(QDate(2025, 11, 30), QTime(23, 0)), QFileDevice::FileModificationTime));
  }
  sysInfo().datei = programm;
  sysInfo().anmeldung = QStringLiteral("anna");
  DatenOrdner = QStringLiteral("/Daten/MeineAdressen");
  EXPECT_EQ(InstallationsFaktenSammeln().modulPaket, QStringLiteral("?"));
  IniSchreiben(QString(), QStringLiteral("Allgemein"), QStringLiteral("ModulPaket32"), QStringLiteral("d"));
  InstallationsFakten f = InstallationsFaktenSammeln();
  EXPECT_EQ(f.benutzer, QStringLiteral("Anna"));  // the user name as BenutzerName gives it
  EXPECT_EQ(f.datenOrdner, QStringLiteral("/Daten/MeineAdressen"));
  EXPECT_EQ(f.modulPaket, QStringLiteral("d"));
  ASSERT_TRUE(f.freigabe.has_value());
  EXPECT_EQ(*f.freigabe, QDate(2025, 11, 30));

  // No program file, or one that cannot be read.
  sysInfo().datei = tempPfad(QStringLiteral("gibtsnicht"));
  EXPECT_FALSE(InstallationsFaktenSammeln().freigabe.has_value());
  // A folder in its place exists but is no file to read.
  sysInfo().datei = tempPfad(QStringLiteral("bin"));
  EXPECT_FALSE(InstallationsFaktenSammeln().freigabe.has_value());
}

}  // namespace
