// A new user with the planner installed sends the birthdays to it with Ctrl+F5, then makes the
// serial-letter file from the menu "Adresse" › "Exportieren", taking the proposed file with Enter; both
// files come out byte for byte in the Windows code page.
#include "EndeZuEnde.h"

#include "platform/vb/Codec.h"

#include <QDateTime>
#include <QRegularExpression>

TEST_F(EndeZuEndeTest, BirthdaysToThePlannerAndTheSerialLetterFile) {
  const QString planer = tempPfad(QStringLiteral("Kelvor"));
  QDir().mkpath(planer);
  einstellungenSchreiben("[Kelvor]\r\nDir=" + planer.toUtf8() + "\\\r\n");
  const QByteArray meier = zeileAus({{0, "Privat"},
                                     {1, "Meier"},
                                     {2, "Hans"},
                                     {11, QString::fromUtf8("Zeile 1°°Zeile 2")},
                                     {15, "01.01.2020"},
                                     {16, "01.01.2020"},
                                     {20, "05.03.1961"},
                                     {23, "1"}})
                               .toLatin1();
  const QByteArray mueller = zeileAus({{0, "Privat"},
                                       {1, QString::fromUtf8("Müller")},
                                       {2, "Eva"},
                                       {15, "01.01.2020"},
                                       {16, "01.01.2020"},
                                       {20, "12.05."},
                                       {23, "2"}})
                                 .toLatin1();
  const QString adressen = programmOrdner() + QStringLiteral("/kartulon.dat");
  dateiSchreiben(adressen, "..Kunden\r\n" + meier + "\r\n" + mueller + "\r\n");
  const QString haupt = hauptfensterStarten(QStringLiteral("Kunden"));
  ASSERT_FALSE(haupt.isEmpty()) << kartulon.readAllStandardError().toStdString();
  const QDateTime beginn = QDateTime::currentDateTime().addSecs(-1);

  tastenAn(haupt, {QStringLiteral("ctrl+F5")});
  const QString bericht = warten("Geburtstage an Kelvor");
  ASSERT_FALSE(bericht.isEmpty()) << "Ctrl+F5 did not report";
  tastenAn(bericht, {QStringLiteral("Return")});

  // Adresse › Exportieren › Seriendruck-Datei erstellen..., the proposed file taken with Enter.
  const QString seriendruck = programmOrdner() + QStringLiteral("/Seriendruck.Txt");
  tastenAn(haupt, {QStringLiteral("alt+a"), QStringLiteral("e"), QStringLiteral("s")});
  const QString dialog = warten("Seriendruck-Datei erstellen");
  ASSERT_FALSE(dialog.isEmpty()) << "the menu item opened no save dialog";
  tastenAn(dialog, {QStringLiteral("Return")});
  WartenBis([&] { return QFile::exists(seriendruck); }, 20000, 100);
  ASSERT_TRUE(QFile::exists(seriendruck)) << "Enter in the save dialog wrote nothing";
  const QString meldung = warten("Seriendruck-Datei erstellen");
  ASSERT_FALSE(meldung.isEmpty()) << "no closing message";
  tastenAn(meldung, {QStringLiteral("Return")});

  tastenAn(haupt, {QStringLiteral("F12")});
  ASSERT_TRUE(kartulon.waitForFinished(30000)) << "F12 did not end the program";
  const QDateTime ende = QDateTime::currentDateTime().addSecs(1);

  // The date file: both templates, the time of the run, the planner's keys, one entry for each day.
  const QByteArray dci = dateiLesen(planer + QStringLiteral("/Geburtstage.dci"));
  const QRegularExpressionMatch zuletzt =
      QRegularExpression(QStringLiteral("Zuletzt=(\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d)\r\n"))
          .match(QString::fromLatin1(dci));
  ASSERT_TRUE(zuletzt.hasMatch()) << dci.toStdString();
  const QDateTime zeit = QDateTime::fromString(zuletzt.captured(1), QStringLiteral("dd.MM.yyyy hh:mm:ss"));
  EXPECT_TRUE(zeit >= beginn && zeit <= ende) << zuletzt.captured(1).toStdString();
  EXPECT_EQ(dci,
            "[Kartulon_Daten]\r\n"
            "Maske0=Geburtstag: {Vorname} {Nachname} wird {DiffJa:{Geburtstag}} alt\r\n"
            "Maske1=Geburtstag: {Vorname} {Nachname}\r\n"
            "Zuletzt=" +
                zuletzt.captured(1).toLatin1() +
                "\r\n\r\n"
                "[Allgemein]\r\nBeschreibung=Geburtstage\r\nDruckFarbe=Blau\r\n\r\n"
                "[Zyklisch]\r\n"
                "05.03=Geburtstag: Hans Meier wird {DiffJa:05.03.1961} alt\r\n"
                "12.05=Geburtstag: Eva M\xfcller\r\n");
  EXPECT_TRUE(dateiLesen(windowsOrdner() + QStringLiteral("/Zedured.ini")).contains("DCIout=Geburtstage.dci*\r\n"));

  // The serial-letter file: the captions each followed by a TAB, then the record lines as they stand.
  QByteArray kopf;
  for (const char16_t* b : kFeldBezeichnung) kopf += Codec::nach1252(QString::fromUtf16(b)) + '\t';
  EXPECT_EQ(dateiLesen(seriendruck), kopf + "\r\n" + meier + "\r\n" + mueller + "\r\n");
  // The address file is still the open one: F12 saved it, unchanged.
  EXPECT_EQ(dateiLesen(adressen), "..Kunden\r\n" + meier + "\r\n" + mueller + "\r\n");
}
