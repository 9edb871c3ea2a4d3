#include "platform/vb/Laufzeitfehler.h"

#include "support/kern/TestUmgebung.h"

#include <QDir>
#include <QFile>
#include <cerrno>

TEST(Laufzeitfehler, BeschreibungenDerNummernDieDieTippsBrauchen) {
  const std::pair<int, const char*> faelle[] = {
      {52, "Dateiname oder -nummer falsch"},
      {53, "Datei nicht gefunden"},
      {61, "Datenträger voll"},
      {64, "Dateiname falsch"},
      {70, "Zugriff verweigert"},
      {71, "Datenträger nicht bereit"},
      {75, "Fehler beim Zugriff auf Pfad/Datei"},
      {76, "Pfad nicht gefunden"},
      {380, "Unzulässiger Eigenschaftswert"},
      {424, "Objekt erforderlich"},
      {482, "Druckerfehler"},
      {12345, "Anwendungs- oder objektdefinierter Fehler"},
      {-7, "Anwendungs- oder objektdefinierter Fehler"},
  };
  for (const auto& [nummer, text] : faelle)
    EXPECT_EQ(vb::FehlerBeschreibung(nummer), QString::fromUtf8(text)) << nummer;
}

TEST(Laufzeitfehler, SystemfehlerWerdenDenLaufzeitnummernZugeordnet) {
  const std::pair<int, int> faelle[] = {
      {0, 0},       {ENOENT, 53}, {ENOTDIR, 76}, {EACCES, 70},       {EROFS, 70},     {ENOSPC, 61}, {EEXIST, 58},
      {EMFILE, 67}, {EIO, 57},    {EXDEV, 74},   {ENAMETOOLONG, 64}, {ENOMEDIUM, 68}, {EISDIR, 75}};
  for (const auto& [e, nummer] : faelle) EXPECT_EQ(vb::FehlerAusSystem(e), nummer) << e;
}

TEST(Laufzeitfehler, QtDateifehler) {
  EXPECT_EQ(vb::FehlerAusDatei(QFileDevice::NoError), 0);
  EXPECT_EQ(vb::FehlerAusDatei(QFileDevice::PermissionsError), 70);
  EXPECT_EQ(vb::FehlerAusDatei(QFileDevice::ResourceError), 61);
  EXPECT_EQ(vb::FehlerAusDatei(QFileDevice::ReadError), 57);
}

TEST_F(KartulonTest, EinFehlgeschlagenesOeffnenNenntSeineUrsache) {
  QFile fehlt(programmOrdner() + QStringLiteral("/fehlt.dat"));
  ASSERT_FALSE(fehlt.open(QIODevice::ReadOnly));
  EXPECT_EQ(vb::FehlerAusDatei(fehlt), 53);

  QFile ohneOrdner(programmOrdner() + QStringLiteral("/gibtsnicht/a.dat"));
  ASSERT_FALSE(ohneOrdner.open(QIODevice::WriteOnly));
  EXPECT_EQ(vb::FehlerAusDatei(ohneOrdner), 76);
}

TEST_F(KartulonTest, EineGesperrteDateiIstZugriffVerweigert) {
  const QString pfad = dateiSchreiben(programmOrdner() + QStringLiteral("/gesperrt.dat"), "x");
  QFile::setPermissions(pfad, QFileDevice::Permissions());
  QFile gesperrt(pfad);
  if (gesperrt.open(QIODevice::ReadOnly)) GTEST_SKIP() << "running with rights that ignore file modes";
  EXPECT_EQ(vb::FehlerAusDatei(gesperrt), 70);
}
