// Serial e-mails and a letter from the real program under a virtual X server, tried as a new user would:
// the shipped templates, a small test program as the desktop's e-mail program and word processor (a
// .desktop file in the test's own XDG folders), keys typed with xdotool.
#include "EndeZuEnde.h"

#include <QDate>
#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace {

// Waits until the text holds `anzahl` times `teil` (or the limit passes) and returns the text.
QString abwarten(const QString& datei, const QString& teil, int anzahl, int ms) {
  QString text;
  WartenBis(
      [&] {
        QFile f(datei);
        if (f.open(QIODevice::ReadOnly)) text = QString::fromUtf8(f.readAll());
        return text.count(teil) >= anzahl;
      },
      ms, 200);
  return text;
}

}  // namespace

class SerienpostEndeZuEndeTest : public EndeZuEndeTest {};

TEST_F(SerienpostEndeZuEndeTest, SerialEmailsReachTheMailProgramAndALetterOpens) {
  if (QStandardPaths::findExecutable(u"xdg-open"_s).isEmpty()) GTEST_SKIP() << "xdg-utils are needed (tools/deps.sh)";
  // The desktop: one program for "mailto:" links and letters, nothing else.
  const QString xdg = tempPfad(u"xdg"_s);
  QDir().mkpath(xdg + u"/daten/applications"_s);
  QDir().mkpath(xdg + u"/konfig"_s);
  dateiSchreiben(xdg + u"/daten/applications/kartulon-testpost.desktop"_s,
                 "[Desktop Entry]\nType=Application\nName=Testpost\nExec=" KARTULON_MAIL_HELFER
                 " %u\n"
                 "MimeType=x-scheme-handler/mailto;text/rtf;application/rtf;application/msword;\n");
  dateiSchreiben(xdg + u"/konfig/mimeapps.list"_s,
                 "[Default Applications]\nx-scheme-handler/mailto=kartulon-testpost.desktop\n"
                 "text/rtf=kartulon-testpost.desktop\napplication/rtf=kartulon-testpost.desktop\n"
                 "application/msword=kartulon-testpost.desktop\n");
  const QString log = tempPfad(u"post.log"_s);

  dateiSchreiben(windowsOrdner() + u"/Zedured.ini"_s,
                 "[Allgemein]\r\nL\xE4nderHinweis=0\r\n[Kartulon]\r\nTitelAus=1\r\nAutoTip=0\r\n");
  Felder schulz = {{u"Privat"_s, u"Schulz"_s, u"Eva"_s, u"Weg 2"_s, u"54321"_s, u"Bonn"_s}};
  Felder ohne = {{u"Privat"_s, u"Ohne"_s, u"Paul"_s}};
  Felder m = {{u"Privat"_s, u"Meier"_s, u"Otto"_s, u"Hauptstr. 1"_s, u"12345"_s, u"Berlin"_s}};
  m[14] = u"otto@meier.de"_s;
  schulz[14] = u"eva@schulz.de"_s;
  dateiSchreiben(programmOrdner() + u"/kartulon.dat"_s,
                 ("..Testadressen\r\n" + DatensatzBauen(m) + "\r\n" + DatensatzBauen(schulz) + "\r\n" +
                  DatensatzBauen(ohne) + "\r\n")
                     .toLatin1());

  QProcess kartulon;
  QProcessEnvironment env = umgebung();
  env.insert(u"XDG_DATA_HOME"_s, xdg + u"/daten"_s);
  env.insert(u"XDG_CONFIG_HOME"_s, xdg + u"/konfig"_s);
  env.insert(u"XDG_DATA_DIRS"_s, xdg + u"/keine"_s);
  env.insert(u"XDG_SESSION_TYPE"_s, u"x11"_s);
  env.remove(u"XDG_CURRENT_DESKTOP"_s);
  env.insert(u"KARTULON_MAIL_LOG"_s, log);
  kartulon.setProcessEnvironment(env);
  kartulon.start(QStringLiteral(KARTULON_BINARY), {});
  ASSERT_TRUE(kartulon.waitForStarted());
  Aufraeumen aufraeumen{kartulon};
  const QString haupt = fensterWarten(kartulon, u"Testadressen"_s);
  ASSERT_FALSE(haupt.isEmpty()) << kartulon.readAllStandardError().toStdString();

  // "Adresse", "Exportieren", "eMails versenden...": every address with an e-mail address is marked.
  tastenAn(haupt, {u"alt+a"_s, u"e"_s, u"e"_s});
  const QString dialog = fensterWarten(kartulon, u"eMails versenden"_s);
  ASSERT_FALSE(dialog.isEmpty());
  // The list is built a moment after the dialog shows; F5 does nothing before it (and under the question).
  const QString frage = tasteBisFenster(kartulon, dialog, u"F5"_s, u"2 eMails an Outlook"_s);
  ASSERT_FALSE(frage.isEmpty());
  tastenAn(frage, {u"Return"_s});
  const QString post = abwarten(log, u"\nend\n"_s, 2, 60000);
  const QString erwartet =
      u"link:mailto:otto@meier.de?subject=Betrifft\nkeys:<Tab><Tab><Tab><Tab><Ctrl+V>\nto:otto@meier.de\ncc:\nbcc:\n"
      u"subject:Betrifft\ntext:Otto Meier\nHauptstr. 1 \n12345 Berlin\n\nend\n"
      u"link:mailto:eva@schulz.de?subject=Betrifft\nkeys:<Tab><Tab><Tab><Tab><Ctrl+V>\nto:eva@schulz.de\ncc:\nbcc:\n"
      u"subject:Betrifft\ntext:Eva Schulz\nWeg 2 \n54321 Bonn\n\nend\n"_s;
  EXPECT_EQ(post.toStdString(), erwartet.toStdString());
  const QString weitere = fensterWarten(kartulon, u"Weitere eMails?"_s);
  ASSERT_FALSE(weitere.isEmpty());
  tastenAn(weitere, {u"Return"_s});  // "Nein" is the default
  // The handed files went to the trash.
  WartenBis(
      [&] {
        return QDir(programmOrdner()).entryList({u"X-eMail-*"_s}, QDir::Files).isEmpty() &&
               QDir(xdg + u"/daten/Trash/files"_s).entryList({u"X-eMail-*"_s}, QDir::Files).size() == 2;
      },
      10000, 100);
  EXPECT_TRUE(QDir(programmOrdner()).entryList({u"X-eMail-*"_s}, QDir::Files).isEmpty());
  EXPECT_EQ(QDir(xdg + u"/daten/Trash/files"_s).entryList({u"X-eMail-*"_s}, QDir::Files).size(), 2);

  // Ctrl+B and "Erstellen": the shipped template becomes the letter, and the word processor gets it.
  ASSERT_TRUE(fensterZu(u"eMails versenden"_s)) << "the serial e-mails stayed open after \"Nein\"";
  tastenAn(haupt, {u"ctrl+b"_s});
  const QString brief = fensterWarten(kartulon, u"Brief an Word"_s);
  ASSERT_FALSE(brief.isEmpty());
  tastenAn(brief, {u"Return"_s});
  const QString dokument = programmOrdner() + u"/WordPost/%1_00000_Meier.Doc"_s.arg(QDate::currentDate().year());
  const QString geoeffnet = abwarten(log, u"open:"_s, 1, 20000);
  EXPECT_TRUE(geoeffnet.contains(u"open:"_s + dokument + u'\n')) << geoeffnet.toStdString();
  QFile vorlage(QStringLiteral(KARTULON_DATA_DIR) + u"/WordPost/_Brief.doc"_s);
  ASSERT_TRUE(vorlage.open(QIODevice::ReadOnly));
  EXPECT_EQ(dateiLesen(dokument), vorlage.readAll());

  tastenAn(haupt, {u"F12"_s});
  ASSERT_TRUE(kartulon.waitForFinished(30000));
  EXPECT_EQ(kartulon.exitCode(), 0);
}
