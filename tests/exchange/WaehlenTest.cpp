// What the dialling makes of the dialog's texts: the dial command, the dialled characters, the device
// of a port text, the dialler program and the "tel:" link.
#include "exchange/Waehlen.h"
#include "platform/vb/Laufzeitfehler.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;

TEST(WaehlenTest, TheModemCommandFromTheDialStringAndTheNumber) {
  struct Fall {
    QString eintrag;
    QString nummer;
    QByteArray erwartet;
  };
  const QStringList liste = WaehlStringEintraege();
  const Fall faelle[] = {
      {liste[0], u"030 / 123 45-67"_s, "AT DT0301234567;\r"},
      {liste[3], u"030 / 123 45-67"_s, "AT X3 DT0,0301234567;\r"},
      {liste[1], u"(0 89) +49-1"_s, "AT DP089491;\r"},
      {liste[6], u"030 1"_s, "AT&F1 AT DT0301;\r"},
      // A call-by-call prefix, a blank and the number: one digit string.
      {liste[0], u"01013 030 1234567"_s, "AT DT010130301234567;\r"},
      // The letters A to F survive in either case, other letters go.
      {liste[0], u"Tel. 030"_s, "AT DTE030;\r"},
      {liste[0], u"Fax 089"_s, "AT DTFA089;\r"},
      {liste[0], u"*31#,1$^ äöüß xyz"_s, "AT DT*31#,1$^;\r"},
      // Without ";" the whole text, trimmed; only the first ";" starts the comment.
      {u"  ATDT  "_s, u"1"_s, "ATDT1;\r"},
      {u" AT DT ; eins ; zwei"_s, u"1"_s, "AT DT1;\r"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE((f.eintrag + u" | "_s + f.nummer).toStdString());
    EXPECT_EQ(ModemBefehl(WaehlBefehl(f.eintrag), WaehlZeichen(f.nummer)), f.erwartet);
  }
  // The empty entries and a comment alone give no dial command.
  EXPECT_EQ(WaehlBefehl(liste[2]), QString());
  EXPECT_EQ(WaehlBefehl(liste[5]), QString());
  EXPECT_EQ(WaehlBefehl(u"  ; nur ein Kommentar"_s), QString());
  EXPECT_EQ(WaehlZeichen(u"Herr Müller / -()+"_s), u"EE"_s);
  EXPECT_EQ(WaehlZeichen(u"--- / ()"_s), QString());
}

TEST(WaehlenTest, TheListsInTheirOrder) {
  EXPECT_EQ(ModemEintraege(),
            QStringList({"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8", u"Windows-Wählhilfe"_s, ""}));
  EXPECT_EQ(WaehlStringEintraege(),
            QStringList({"AT DT ; Tonwahl", "AT DP ; Pulswahl", "", u"AT X3 DT0, ; Tonwahl mit einer 0 fürs Amt"_s,
                         u"AT X3 DP0, ; Pulswahl mit einer 0 fürs Amt"_s, "",
                         "AT&F1 AT DT ; Tonwahl US-Robotics 56K Prof Message"}));
}

TEST(WaehlenTest, ThePortTextNamesTheDevice) {
  struct Fall {
    QString text;
    QString geraet;
    int fehler;
  };
  const Fall faelle[] = {
      {u"COM1"_s, u"/dev/ttyS0"_s, 0},
      {u"COM2"_s, u"/dev/ttyS1"_s, 0},
      {u"2"_s, u"/dev/ttyS1"_s, 0},
      {u"COM9"_s, u"/dev/ttyS8"_s, 0},
      {u"Modem 3"_s, u"/dev/ttyS2"_s, 0},
      // The last digit counts: COM10 is port 0, which does not exist.
      {u"COM10"_s, QString(), vb::ErrEigenschaftswert},
      {u"COM"_s, QString(), vb::ErrEigenschaftswert},
      {u"windows-wählhilfe"_s, QString(), vb::ErrEigenschaftswert},
      {u"/dev/ttyUSB0"_s, u"/dev/ttyUSB0"_s, 0},
      {u"/dev/ttyACM1"_s, u"/dev/ttyACM1"_s, 0},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.text.toStdString());
    const Anschluss a = AnschlussAusText(f.text);
    EXPECT_EQ(a.geraet, f.geraet);
    EXPECT_EQ(a.fehler, f.fehler);
  }
}

TEST(WaehlenTest, TheDiallerIsAProgramThatExistsAndMayRun) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString programm = dir.filePath(u"waehler"_s);
  const QString text = dir.filePath(u"liesmich.txt"_s);
  for (const QString& p : {programm, text}) {
    QFile f(p);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n");
  }
  QFile::setPermissions(programm, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_EQ(WaehlProgramm(programm), programm);
  EXPECT_EQ(WaehlProgramm(u"  "_s + QString(programm).replace(u'/', u'\\') + u" "_s), programm);
  EXPECT_EQ(WaehlProgramm(text), QString());
  EXPECT_EQ(WaehlProgramm(dir.path()), QString());
  EXPECT_EQ(WaehlProgramm(dir.filePath(u"Dialer.exe"_s)), QString());
  EXPECT_EQ(WaehlProgramm(QString()), QString());
  EXPECT_EQ(WaehlProgramm(u"sh"_s), QStandardPaths::findExecutable(u"sh"_s));
  EXPECT_FALSE(WaehlProgramm(u"sh"_s).isEmpty());
}

TEST(WaehlenTest, TheTelLinkCarriesTheCharactersAsTheyAre) {
  EXPECT_EQ(TelLink(u"0301234567"_s).toString(), u"tel:0301234567"_s);
  EXPECT_EQ(TelLink(u"*31#0301"_s).toEncoded(), "tel:*31%230301");
  EXPECT_EQ(TelLink(u"*31#0301"_s).path(), u"*31#0301"_s);
}
