// The data-folder move from the settings dialog while an address file with unsaved changes is open.
#include "common/Global.h"
#include "common/Ini.h"
#include "mainwindow/AdressdateiFixture.h"
#include "mainwindow/Main.h"
#include "mainwindow/Setup.h"

#include <QFile>

// gtest's Test has a member of that name.
using SetupForm = ::Setup;

class DatenOrdnerVerlegenTest : public AdressdateiTest {};

TEST_F(DatenOrdnerVerlegenTest, TheOpenFileIsSavedFirstFollowsItsCopyAndTheNextStartUsesTheNewFolder) {
  adressdatei("..Privat\r\n" + zeileAus({{1, "Meier"}, {23, "1"}}).toLatin1() + "\r\n");
  m().DatenLaden();
  ASSERT_EQ(NurLesen, 0);
  m().Feld(1).setText(QStringLiteral("Meyer"));
  m().AdresseAktualisieren(0);
  ASSERT_EQ(Geaendert, 1);
  const QString alt = DatenOrdner;
  dateiSchreiben(alt + QStringLiteral("/brief.Msk"), "Maske");
  dateiSchreiben(alt + QStringLiteral("/Masken.Ini"), "[MaskenFonts]\r\n");
  const QString neu = tempPfad(QStringLiteral("neu"));

  dialoge().answer(vb::vbOK);
  dialoge().answerText(neu);
  dialoge().answer(vb::vbOK);
  SetupForm::get().befDatenOrdnerFestlegen_Click();

  // Saved before the copy: the change travelled with the file.
  EXPECT_EQ(Geaendert, 0);
  EXPECT_TRUE(dateiLesen(neu + QStringLiteral("/kunden.dat")).contains("Meyer"));
  EXPECT_FALSE(QFile::exists(alt + QStringLiteral("/kunden.dat")));
  EXPECT_TRUE(QFile::exists(alt + QStringLiteral("/Masken.Ini")));
  EXPECT_FALSE(QFile::exists(neu + QStringLiteral("/Masken.Ini")));
  EXPECT_EQ(AktuelleDatei, neu + QStringLiteral("/kunden.dat"));

  // A later save writes into the new folder, never into the old one.
  m().Feld(1).setText(QStringLiteral("Mayer"));
  m().AdresseAktualisieren(0);
  EXPECT_TRUE(m().DatenSpeichern());
  EXPECT_TRUE(dateiLesen(neu + QStringLiteral("/kunden.dat")).contains("Mayer"));
  EXPECT_FALSE(QFile::exists(alt + QStringLiteral("/kunden.dat")));

  // The next start opens the new folder.
  vb::DefaultInstance<SetupForm>::Unload();
  vb::Forms::UnloadAll();
  DatenOrdner = QStringLiteral("/nirgends");
  Main::get();
  EXPECT_EQ(DatenOrdner, neu);
  EXPECT_EQ(MaskenOrdner, neu);
}
