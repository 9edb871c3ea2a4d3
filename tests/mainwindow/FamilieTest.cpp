#include "common/Familie.h"
#include "common/Ini.h"
#include "common/formen/Formular.h"
#include "mainwindow/Instanzpruefung.h"
#include "mainwindow/Main.h"
#include "mainwindow/MainFamilie.h"
#include "mainwindow/MainFelder.h"
#include "platform/vb/Clock.h"
#include "support/kern/TestUmgebung.h"

#include <QApplication>
#include <QDir>
#include <QFile>

class FamilieTest : public KartulonTest {
 protected:
  QByteArray zedured() {
    IniSichern();
    return dateiLesen(windowsOrdner() + "/Zedured.ini");
  }
  void stempel(const QByteArray& wert) {
    dateiSchreiben(windowsOrdner() + "/Zedured.ini", "[Fragen]\r\nTest=" + wert + "\r\n");
  }
  // Installs a program of the family: its file in a folder, the folder in its section's "Dir".
  QString installieren(const QByteArray& sektion, const QString& ordner, const QString& datei) {
    QDir().mkpath(ordner);
    const QString pfad = dateiSchreiben(ordner + u'/' + datei, "#!/bin/sh\n");
    QFile::setPermissions(pfad, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // Into the section as the program writes it (the start-up may have written that section already).
    IniSchreiben(QString(), QString::fromUtf8(sektion), QStringLiteral("Dir"), ordner);
    IniSichern();
    return pfad;
  }
};

TEST_F(FamilieTest, DueQuestionsCountCalendarDays) {
  // The fixed clock says 10.12.2026 12:00.
  struct Fall {
    QByteArray stempel;  // "" = none
    short tage;
    bool faellig;
  };
  const Fall faelle[] = {
      {"", 60, true},
      {"11.10.2026 08:00:00", 60, false},  // 60 days back
      {"10.10.2026 23:59:59", 60, true},   // 61 days back
      {"09.12.2026 23:59:00", 0, true},    // yesterday: one day
      {"10.12.2026 00:01:00", 0, false},   // today: none
      {"11.12.2026 00:00:00", 60, true},   // in the future
      {"kein Datum", 60, true},            // counts as 01.01.1970
  };
  for (const Fall& f : faelle) {
    if (f.stempel.isEmpty())
      QFile::remove(windowsOrdner() + "/Zedured.ini");
    else
      stempel(f.stempel);
    EXPECT_EQ(FrageFaellig(QStringLiteral("Test"), f.tage), f.faellig) << f.stempel.toStdString();
    const QByteArray erwartet = f.faellig ? QByteArray("Test=10.12.2026 12:00:00") : "Test=" + f.stempel;
    EXPECT_TRUE(zedured().contains(erwartet)) << f.stempel.toStdString() << " / " << zedured().toStdString();
  }
}

TEST_F(FamilieTest, ANegativeIntervalStampsTheQuestionBack) {
  EXPECT_TRUE(FrageFaellig(QStringLiteral("Test"), -5));
  EXPECT_TRUE(zedured().contains("Test=05.12.2026 12:00:00"));
  EXPECT_FALSE(FrageFaellig(QStringLiteral("Test"), 60));
  Clock::setFixed(QDateTime(QDate(2027, 2, 4), QTime(9, 0)));  // 61 days after the stamp
  EXPECT_TRUE(FrageFaellig(QStringLiteral("Test"), 60));
}

TEST_F(FamilieTest, WebPagesAskAtMostOnceIn60Days) {
  EXPECT_EQ(InternetSeitePfad(QStringLiteral("HOMEPAGE")), InternetSeitePfad(kSeiteHomepage));
  EXPECT_EQ(InternetSeitePfad(QStringLiteral("gibt es nicht")), QStringLiteral("index.html"));
  EXPECT_NE(InternetSeitePfad(kSeiteUpdate), QStringLiteral("index.html"));

  dialoge().answer(vb::vbCancel);
  InternetSeite(QStringLiteral("homepage"));
  EXPECT_TRUE(shell().geoeffnet.isEmpty());
  ASSERT_EQ(dialoge().requests().size(), 1);
  const auto& frage = dialoge().requests()[0];
  EXPECT_EQ(frage.title, QStringLiteral("Internet-Seite aufrufen"));
  EXPECT_EQ(frage.style, vb::vbOKCancel);
  EXPECT_EQ(frage.text,
            QStringLiteral("Es wird jetzt versucht die Seite »https://www.sorveks.de/index.html« im Internet "
                           "aufzurufen.\r\rFalls Ihr System die Verbindung zum Internet nicht automatisch "
                           "herstellt, so sollten Sie dies zuvor manuell erledigen.\r\rMöchten Sie fortfahren?"));
  EXPECT_TRUE(toene().aufrufe().isEmpty());

  // Declined, but asked: the next call within 60 days opens without asking.
  InternetSeite(kSeiteUpdate);
  EXPECT_EQ(dialoge().requests().size(), 1);
  ASSERT_EQ(shell().geoeffnet.size(), 1);
  EXPECT_EQ(shell().geoeffnet[0].toString(), kFamilienSeite + InternetSeitePfad(kSeiteUpdate));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(FamilieTest, AdvertisingHelp) {
  WerbungInhalt();
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_EQ(dialoge().requests()[0].text, QStringLiteral("Kann leider keine Werbung finden!"));
  EXPECT_EQ(dialoge().requests()[0].style, vb::vbOKOnly + vb::vbExclamation);
  ASSERT_FALSE(toene().aufrufe().isEmpty());
  EXPECT_EQ(toene().aufrufe()[0].typ, 48);
  WerbungZeigen();
  EXPECT_EQ(dialoge().requests()[1].text, QStringLiteral("Kann die Hilfe »werbung.hlp« nicht finden."));

  const QString inhalt = dateiSchreiben(programmOrdner() + "/Werbung.html", "<html/>");
  const QString thema = dateiSchreiben(programmOrdner() + "/Werbung_1002.html", "<html/>");
  WerbungInhalt();
  WerbungZeigen();
  EXPECT_EQ(hilfe().gezeigt, QStringList({inhalt, thema}));
  EXPECT_EQ(dialoge().requests().size(), 2);
}

TEST_F(FamilieTest, FindsTheFamilysPrograms) {
  EXPECT_EQ(PrgPfad(1), QString());
  const QString spindra = installieren("spindra", tempPfad("Spindra Programm"), "spindra");
  EXPECT_EQ(PrgPfad(1), spindra);
  // The old name with ".exe" counts too; a folder without the program does not.
  const QString kelvor = installieren("Kelvor", tempPfad("kelvor"), "kelvorin.exe");
  EXPECT_EQ(PrgPfad(2), kelvor);
  QDir().mkpath(tempPfad("leer"));
  dateiSchreiben(windowsOrdner() + "/Zedured.ini",
                 zedured() + "[murelkan]\r\ndir=" + tempPfad("leer").toUtf8() + "\r\n");
  EXPECT_EQ(PrgPfad(3), QString());
  dateiSchreiben(windowsOrdner() + "/Zedured.ini", "[kartulon]\r\nDir=A:\\kartulon\r\n");
  EXPECT_EQ(PrgPfad(0), QString());
  EXPECT_EQ(PrgPfad(7), QString());
}

TEST_F(FamilieTest, StartingAProgramThatIsNotInstalledSaysWhereToGetIt) {
  bool zeigerNormal = false;
  dialoge().onRequest = [&](const ScriptedDialogs::Request&) {
    zeigerNormal = QApplication::overrideCursor() == nullptr;
  };
  PrgStarten(1);
  EXPECT_TRUE(shell().gestartet.isEmpty());
  ASSERT_EQ(dialoge().requests().size(), 1);
  const auto& m = dialoge().requests()[0];
  EXPECT_TRUE(zeigerNormal);
  EXPECT_EQ(m.title, QStringLiteral("Spindra nicht installiert."));
  EXPECT_EQ(m.style, vb::vbOKOnly + vb::vbExclamation + vb::vbMsgBoxHelpButton);
  EXPECT_EQ(m.text,
            QStringLiteral("Das Programm Spindra ist auf diesem System nicht installiert.\r\n\r\nSie können die "
                           "aktuelle Version kostenlos aus dem Internet unter der URL https://www.sorveks.de/ "
                           "laden.\r\n\r\nStarten Sie Spindra bitte nach der Installation einmal manuell, damit "
                           "Kartulon es auf Ihrem System finden kann."));
  EXPECT_TRUE(toene().aufrufe().isEmpty());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(FamilieTest, StartsAnInstalledProgramInItsFolder) {
  const QString ordner = tempPfad("murelkan");
  const QString pfad = installieren("murelkan", ordner, "murelkan");
  const QString vorher = QDir::currentPath();
  shell().echtStarten = false;
  PrgStarten(3);
  ASSERT_EQ(shell().gestartet.size(), 1);
  EXPECT_EQ(shell().gestartet[0].programm, pfad);
  EXPECT_EQ(shell().gestartet[0].ordner, ordner);
  EXPECT_EQ(QDir::currentPath(), vorher);
  EXPECT_TRUE(dialoge().requests().isEmpty());

  // A start that fails goes to the error handler.
  shell().naechsteId = 0;
  PrgStarten(3);
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_TRUE(dialoge().requests()[0].text.contains(
      QStringLiteral("Es ist ein Fehler beim Starten des Sorveks-Programms aufgetreten.")));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(FamilieTest, TheMenuHidesOnlyThisProgramsOwnEntry) {
  Main& fenster = Main::get();
  // Before this program ever recorded its folder: every entry stays.
  PrgMenuePruefen();
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(fenster.mnuPrg(i).Visible()) << i;
  EXPECT_EQ(fenster.StatusBar->PanelText(QStringLiteral("Status")), QStringLiteral("Bereit"));

  installieren("kartulon", tempPfad("bin"), "kartulon");
  // Another program of the family in a folder whose path holds this program's name.
  installieren("spindra", tempPfad("kartulon-werkzeuge"), "spindra");
  PrgMenuePruefen();
  EXPECT_FALSE(fenster.mnuPrg(0).Visible());
  EXPECT_TRUE(fenster.mnuPrg(1).Visible());
  EXPECT_TRUE(fenster.mnuPrg(2).Visible());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
