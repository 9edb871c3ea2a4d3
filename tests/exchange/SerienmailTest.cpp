// Serial e-mails without a window: the list items and their marks, the templates, the preview and the
// hand-over file.
#include "common/Ini.h"
#include "exchange/Serienmail.h"
#include "support/kern/TestUmgebung.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

TEST(SerienmailTest, ItemsLinkToTheirRecord) {
  const QString meier = zeileAus({{0, u"Privat"_s}, {1, u"Meier"_s}, {14, u"m@x.de"_s}, {23, u"7"_s}});
  const QString ohneRubrik = zeileAus({{0, u" "_s}, {1, u"Kunz"_s}, {14, u"k@x.de"_s}});
  struct Fall {
    QString zeile;
    int position;
    QString eintrag;
  };
  const Fall faelle[] = {
      {meier, 3,
       u"Privat · Meier ·  ·  ·  ·  ·  ·  ·  ·  ·  ·  ·  ·  · m@x.de ·  ·  ·  ·  ·  ·  ·  ·  · 7 · · 000003"_s},
      {ohneRubrik, 31999, u"Kunz ·  ·  ·  ·  ·  ·  ·  ·  ·  ·  ·  ·  · k@x.de ·  ·  ·  ·  ·  ·  ·  ·  ·  · · 031999"_s},
  };
  for (const Fall& f : faelle) {
    EXPECT_EQ(EmailEintrag(f.zeile, f.position), f.eintrag);
    EXPECT_EQ(EmailEintragPosition(f.eintrag), f.position);
  }
  EXPECT_EQ(EmailEintragPosition(QString()), 0);
}

TEST(SerienmailTest, TheListAndItsMarks) {
  const QStringList zeilen = {
      zeileAus({{1, u"Meier"_s}, {14, u"otto@meier.de"_s}}),              // 0
      zeileAus({{1, u"Schulz"_s}, {14, u"kein-at.de"_s}}),                // 1 no plausible address
      zeileAus({{1, u"MEIERHOF"_s}, {5, u"Köln"_s}, {14, u"a@b.de"_s}}),  // 2
      zeileAus({{1, u"Bruch"_s}, {14, u"a@b.de°°Musterweg 1"_s}}),        // 3 a line break in the address
      zeileAus({{1, u"Klammer [a"_s}, {14, u"k@l.de"_s}}),                // 4
      zeileAus({{1, u"Lehmann"_s}, {14, u"l@m.de"_s}, {11, u"meier°°ist ein Freund"_s}}),  // 5
      QString(),                                                                           // 6 an empty line
  };
  struct Fall {
    const char* m0;
    const char* m1;
    std::vector<char> markiert;
  };
  const Fall faelle[] = {
      {"", "", {1, 1, 1, 1}},          {"meier", "", {1, 1, 0, 1}},  {"", "MEIER", {1, 1, 0, 1}},
      {"meier", "köln", {0, 1, 0, 0}}, {"[a", "", {0, 0, 1, 0}},  // no valid pattern: looked for as it stands
      {"[ou]tto", "", {1, 0, 0, 0}},   {"m?ier", "#", {0, 0, 0, 0}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::string(f.m0) + "|" + f.m1);
    QList<int> fortschritt;
    const EmailListe l =
        EmailListeBauen(zeilen, QString::fromUtf8(f.m0), QString::fromUtf8(f.m1), [&](int p) { fortschritt << p; });
    ASSERT_EQ(l.eintraege.size(), 4);
    QList<int> positionen;
    for (const QString& e : l.eintraege) positionen << EmailEintragPosition(e);
    EXPECT_EQ(positionen, (QList<int>{0, 2, 4, 5}));
    EXPECT_EQ(l.markiert, f.markiert);
    EXPECT_EQ(fortschritt.front(), 0);
    EXPECT_EQ(fortschritt.back(), 100);
  }
  EXPECT_TRUE(EmailListeBauen({}, QString(), QString()).eintraege.isEmpty());
}

TEST(SerienmailTest, ThePreview) {
  Felder felder;
  felder[1] = u"Müller"_s;
  felder[2] = u"Hans"_s;
  felder[3] = u"Weg\t1"_s;
  felder[5] = u"Köln"_s;
  felder[11] = u"Zeile eins\r\nZeile zwei"_s;
  Bezeichnungen bez = standardBezeichnungen();
  bez[5] = u"Wohnort"_s;  // renamed: only the new caption is filled
  struct Fall {
    QString vorlage;
    int index;
    QString vorschau;
  };
  const Fall faelle[] = {
      {u"{vorname} {NACHNAME}"_s, 0, u"Hans Mueller"_s},
      {u"Hallo {Vorname},\r\n\r\n\r\n"_s, 0, u"Hallo Hans,"_s},
      {u"{Straße} in {Ort}/{Wohnort}"_s, 0, u"Weg 1 in {Ort}/Koeln"_s},
      {u"[x] (y) +z ^ 100% ~ {Unbekannt}"_s, 0, u"[x] (y) +z ^ 100% ~ {Unbekannt}"_s},
      {u"{Zusatzbemerkung}"_s, 0, u"Zeile eins\r\nZeile zwei"_s},
      {u"Betr.: {Zusatzbemerkung}"_s, 1, u"Betr.: Zeile eins Zeile zwei"_s},
      {u"Grüße\r\n"_s, 1, u"Gruesse"_s},
  };
  for (const Fall& f : faelle) EXPECT_EQ(EmailVorschau(f.vorlage, felder, bez, f.index), f.vorschau);
  EXPECT_EQ(EmailVorschau(u"{Vorname}"_s, Felder{}, standardBezeichnungen(), 0), QString());
}

TEST(SerienmailTest, TheHandOverFile) {
  EXPECT_EQ(EmailDateiName(u"/p"_s, QDateTime(QDate(2026, 12, 10), QTime(9, 5, 7)), 17),
            u"/p/X-eMail-20261210090507-00017.txt"_s);
  EXPECT_EQ(EmailDateiInhalt(u"a@b.de"_s, u"Betrifft"_s, u"Zeile 1\r\nZeile 2 €"_s),
            QByteArray("a@b.de\r\nBetrifft\r\nZeile 1\r\nZeile 2 \x80\r\n"));
  EXPECT_EQ(EmailDateiInhalt(u"a@b.de"_s, QString(), QString()), QByteArray("a@b.de\r\n\r\n\r\n"));
}

class SerienmailVorlagenTest : public KartulonTest {};

TEST_F(SerienmailVorlagenTest, TemplatesPerAddressFile) {
  const QString datei = tempPfad(u"daten/kartulon.dat"_s);
  EXPECT_EQ(EmailVorlageSchluessel(datei, 0), u"kartulon_eMail0"_s);
  EXPECT_EQ(EmailVorlageSchluessel(u"/d/Kunden.alt.Dat"_s, 1), u"Kunden_eMail1"_s);
  EXPECT_EQ(EmailVorlageLesen(datei, 0), u"{Vorname} {Nachname}\r\n{Straße} \r\n{PLZ} {Ort}"_s);
  EXPECT_EQ(EmailVorlageLesen(datei, 1), u"Betrifft"_s);
  EmailVorlageSpeichern(datei, 0, u"Hallo {Vorname},\r\n\r\nbis bald  "_s);
  EmailVorlageSpeichern(datei, 1, u"Grüße "_s);
  IniSichern();
  QList<QByteArray> zeilen;
  for (const QByteArray& z : dateiLesen(windowsOrdner() + u"/Zedured.ini"_s).split('\n'))
    if (z.contains("_eMail")) zeilen << z;
  EXPECT_EQ(zeilen, (QList<QByteArray>{"kartulon_eMail0=Hallo {Vorname},\xb0\xb0\xb0\xb0"
                                       "bis bald\r",
                                       "kartulon_eMail1=Gr\xfc\xdf"
                                       "e\r"}));
  EXPECT_EQ(EmailVorlageLesen(datei, 0), u"Hallo {Vorname},\r\n\r\nbis bald"_s);
  EXPECT_EQ(EmailVorlageLesen(datei, 1), u"Grüße"_s);
}
