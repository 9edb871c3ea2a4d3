// The hand-over of prepared e-mails to the e-mail program, with the shell, clipboard and keystroke
// doubles and no pauses: what is asked, opened, pasted, typed and trashed, and how a batch ends early.
#include "common/Ini.h"
#include "exchange/ExterneProgramme.h"
#include "exchange/Serienmail.h"
#include "platform/vb/Laufzeitfehler.h"
#include "support/kern/TestUmgebung.h"

#include <QDir>
#include <QFile>
#include <QUrlQuery>

using namespace Qt::Literals::StringLiterals;

namespace {

// Keys in the notation, recorded with the clipboard's text at that moment into one log with the links
// the shell opened; from the `refusesAt`-th string on (counted from 1) every string is refused.
class ProtokollTastatur : public TastaturService {
 public:
  ProtokollTastatur(QStringList& log, TestZwischenablage& ablage, RecordingShell& shell)
      : log_(log), ablage_(ablage), shell_(shell) {}
  int bereitschaft() override { return bereit; }
  bool fremderFokus() override { return true; }
  int senden(const QString& folge) override {
    ++gesendet;
    if (!Tastenfolge::lesen(folge)) return vb::ErrUngueltigerAufruf;
    if (refusesAt > 0 && gesendet >= refusesAt) return vb::ErrTastenGescheitert;
    // The links opened since the last keys come first.
    for (; gemeldeteLinks < shell_.geoeffnet.size(); ++gemeldeteLinks)
      log_ << u"link:"_s + shell_.geoeffnet[gemeldeteLinks].toString(QUrl::FullyEncoded);
    log_ << u"keys:"_s + folge + u" clip:"_s + ablage_.inhalt.value_or(u"(none)"_s);
    return 0;
  }
  int tippen(const QString&) override { return vb::ErrUngueltigerAufruf; }
  int bereit = 0;
  int refusesAt = 0;
  int gesendet = 0;

 private:
  QStringList& log_;
  TestZwischenablage& ablage_;
  RecordingShell& shell_;
  qsizetype gemeldeteLinks = 0;
};

}  // namespace

class ExterneProgrammeTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    alt_ = ExterneProgramme::pausen();
    ExterneProgramme::pausen() = {0, 0, 0, 0, 0};
    auto t = std::make_unique<ProtokollTastatur>(log, zwischenablage(), shell());
    tasten = t.get();
    vorher_ = Tastatur::install(std::move(t));
    ordner = tempPfad(u"prog"_s);
    QDir().mkpath(ordner);
  }
  void TearDown() override {
    Tastatur::install(std::move(vorher_));
    ExterneProgramme::pausen() = alt_;
    KartulonTest::TearDown();
  }
  QString datei(int position, const QString& adresse, const QString& betreff, const QString& text) {
    const QString pfad = EmailDateiName(ordner, QDateTime(QDate(2026, 12, 10), QTime(12, 0)), position);
    EXPECT_EQ(EmailDateiSchreiben(pfad, adresse, betreff, text), 0);
    return pfad;
  }
  void uebergeben() { ExterneProgramme::EmailDateienAnOutlook(ordner + u'/', u"X-eMail-*.txt"_s); }
  QStringList vorhanden() const { return QDir(ordner).entryList(QDir::Files, QDir::Name); }
  // The error reports shown (the central handler's boxes).
  int berichte() {
    int n = 0;
    for (const auto& r : dialoge().requests()) n += r.title.startsWith(u"Fehler im Programm"_s) ? 1 : 0;
    return n;
  }

  QStringList log;
  ProtokollTastatur* tasten = nullptr;
  QString ordner;

 private:
  ExterneProgramme::Pausen alt_;
  std::unique_ptr<TastaturService> vorher_;
};

TEST_F(ExterneProgrammeTest, NoFileAsksNothing) {
  dateiSchreiben(ordner + u"/anderes.txt"_s, "x");
  uebergeben();
  EXPECT_TRUE(dialoge().requests().isEmpty());
  EXPECT_TRUE(shell().geoeffnet.isEmpty());
  EXPECT_TRUE(log.isEmpty());
}

TEST_F(ExterneProgrammeTest, NoLeavesEveryFile) {
  datei(3, u"a@b.de"_s, u"Eins"_s, u"Text"_s);
  datei(17, u"c@d.de"_s, u"Zwei"_s, u"Text"_s);
  const QStringList vorher = vorhanden();
  dialoge().answer(vb::vbNo);
  uebergeben();
  ASSERT_EQ(dialoge().requests().size(), 1);
  const auto& frage = dialoge().requests()[0];
  EXPECT_EQ(frage.text, u"Sollen jetzt 2 eMails an Outlook Express übertragen werden?"_s);
  EXPECT_EQ(frage.title, u"2 eMails an Outlook"_s);
  EXPECT_EQ(frage.style, vb::vbYesNo + vb::vbQuestion);
  EXPECT_TRUE(toene().aufrufe().isEmpty());
  EXPECT_TRUE(shell().geoeffnet.isEmpty());
  EXPECT_TRUE(shell().papierkorb.isEmpty());
  EXPECT_EQ(vorhanden(), vorher);
}

TEST_F(ExterneProgrammeTest, YesHandsEveryMailOverAndTrashesTheFilesAfterTheLast) {
  struct Mail {
    QString adresse, betreff, text;
    QString link;  // as the shell got it
    QString clip;  // the clipboard at the paste
  };
  const Mail mails[] = {
      {u"otto@meier.de"_s, u"Grüße"_s, u"Hallo Otto,\r\nZeile 2\r\nZeile 3"_s,
       u"mailto:otto@meier.de?subject=Gruesse"_s, u"Hallo Otto,\nZeile 2\nZeile 3\n"_s},
      {u"x@y.de?bcc=z@w.de"_s, u"A & B #1 100%"_s, QString(),
       u"mailto:x@y.de%3Fbcc=z@w.de?subject=A%20%26%20B%20%231%20100%25"_s, u"\n"_s},
  };
  QStringList dateien;
  for (int i = 0; i < 2; ++i) dateien << datei(i * 5, mails[i].adresse, mails[i].betreff, mails[i].text);
  dialoge().answer(vb::vbYes);
  uebergeben();

  QStringList erwartet;
  for (const Mail& m : mails)
    erwartet << u"link:"_s + m.link << u"keys:{Tab 4}^v clip:"_s + m.clip << u"keys:%s clip:"_s + m.clip;
  EXPECT_EQ(log, erwartet);
  // The link carries address and subject whole: nothing in them adds a recipient or a header.
  ASSERT_EQ(shell().geoeffnet.size(), 2);
  for (int i = 0; i < 2; ++i) {
    const QUrl& url = shell().geoeffnet[i];
    EXPECT_EQ(url.scheme(), u"mailto"_s);
    EXPECT_EQ(url.path(QUrl::FullyDecoded), mails[i].adresse);
    const QUrlQuery q(url);
    EXPECT_EQ(q.queryItems(QUrl::FullyDecoded).size(), 1);
    EXPECT_EQ(q.queryItemValue(u"subject"_s, QUrl::FullyDecoded), i == 0 ? u"Gruesse"_s : mails[1].betreff);
  }
  EXPECT_EQ(shell().papierkorb, dateien);
  EXPECT_EQ(berichte(), 0);
}

TEST_F(ExterneProgrammeTest, ConfiguredKeyStringsReplaceTheDefaults) {
  IniSchreiben(QString(), QString(), u"eMailTastenEinfügen"_s, u"{Tab 2}+{Insert}"_s);
  IniSchreiben(QString(), QString(), u"eMailTastenSenden"_s, u"^~"_s);
  datei(0, u"a@b.de"_s, u"x"_s, u"y"_s);
  dialoge().answer(vb::vbYes);
  uebergeben();
  EXPECT_EQ(log.filter(u"keys:"_s), (QStringList{u"keys:{Tab 2}+{Insert} clip:y\n"_s, u"keys:^~ clip:y\n"_s}));
}

TEST_F(ExterneProgrammeTest, EveryFileGoesInNameOrderWithoutALimit) {
  QStringList dateien;
  for (int i = 119; i >= 0; --i) dateien.prepend(datei(i, u"n%1@x.de"_s.arg(i), u"S"_s, u"T"_s));
  dialoge().answer(vb::vbYes);
  uebergeben();
  EXPECT_EQ(dialoge().requests()[0].text, u"Sollen jetzt 120 eMails an Outlook Express übertragen werden?"_s);
  ASSERT_EQ(shell().geoeffnet.size(), 120);
  for (int i = 0; i < 120; ++i) EXPECT_EQ(shell().geoeffnet[i].path(), u"n%1@x.de"_s.arg(i));
  EXPECT_EQ(shell().papierkorb, dateien);
}

TEST_F(ExterneProgrammeTest, ABatchThatEndsEarlyIsReportedOnceAndKeepsWhatWasNotSent) {
  struct Fall {
    const char* name;
    std::function<void()> stoeren;
    int uebergeben;  // files handed over before the end
    int links;
  };
  const Fall faelle[] = {
      {"the second mail's paste refused", [this] { tasten->refusesAt = 3; }, 1, 2},
      {"no e-mail program", [this] { shell().oeffnenGelingt = false; }, 0, 1},
      {"an unreadable file",
       [this] { dateiSchreiben(ordner + u"/X-eMail-20261210120000-00001.txt"_s, "nur eine Zeile"); }, 1, 1},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    for (const QString& n : vorhanden()) QFile::remove(ordner + u'/' + n);
    shell().geoeffnet.clear();
    shell().papierkorb.clear();
    shell().oeffnenGelingt = true;
    dialoge().clear();
    tasten->refusesAt = 0;
    tasten->gesendet = 0;
    const QStringList dateien = {datei(0, u"a@b.de"_s, u"1"_s, u"x"_s), datei(2, u"c@d.de"_s, u"2"_s, u"x"_s),
                                 datei(3, u"e@f.de"_s, u"3"_s, u"x"_s)};
    f.stoeren();
    dialoge().answer(vb::vbYes);
    uebergeben();
    EXPECT_EQ(shell().papierkorb, dateien.mid(0, f.uebergeben));
    EXPECT_EQ(shell().geoeffnet.size(), f.links);
    EXPECT_EQ(berichte(), 1);
    const auto& bericht = dialoge().requests().back();
    EXPECT_TRUE(bericht.text.contains(u"Es ist ein Fehler beim Übertragen der eMails aufgetreten."_s));
  }
}

TEST_F(ExterneProgrammeTest, NoProgramForTheLinkIsSaidSo) {
  shell().oeffnenGelingt = false;
  datei(0, u"a@b.de"_s, u"1"_s, u"x"_s);
  dialoge().answer(vb::vbYes);
  uebergeben();
  ASSERT_GE(dialoge().requests().size(), 2);
  EXPECT_EQ(dialoge().requests()[1].text, u"Es ist kein Programm eingerichtet, das »mailto:a@b.de« öffnen kann."_s);
  EXPECT_TRUE(log.isEmpty());
  EXPECT_EQ(vorhanden().size(), 1);
}

TEST_F(ExterneProgrammeTest, FilesTheTrashRefusesAreDeletedSoThatTheyAreNotSentTwice) {
  shell().papierkorbGelingt = false;
  datei(0, u"a@b.de"_s, u"1"_s, u"x"_s);
  datei(1, u"c@d.de"_s, u"2"_s, u"x"_s);
  dialoge().answer(vb::vbYes);
  uebergeben();
  EXPECT_EQ(shell().papierkorb.size(), 2);
  EXPECT_TRUE(vorhanden().isEmpty());
  EXPECT_EQ(berichte(), 0);
}

TEST_F(ExterneProgrammeTest, WithoutKeysToOtherProgramsNothingIsAskedOrOpened) {
  datei(0, u"a@b.de"_s, u"1"_s, u"x"_s);
  struct Fall {
    const char* name;
    std::function<void()> setzen;
  };
  const Fall faelle[] = {
      {"no X11", [this] { tasten->bereit = vb::ErrTastenNurX11; }},
      {"an unreadable key string",
       [this] {
         tasten->bereit = 0;
         IniSchreiben(QString(), QString(), u"eMailTastenSenden"_s, u"{Gibtsnicht}"_s);
       }},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    dialoge().clear();
    f.setzen();
    uebergeben();
    ASSERT_EQ(dialoge().requests().size(), 1);
    EXPECT_EQ(berichte(), 1);
    EXPECT_TRUE(shell().geoeffnet.isEmpty());
    EXPECT_EQ(vorhanden().size(), 1);
  }
}
