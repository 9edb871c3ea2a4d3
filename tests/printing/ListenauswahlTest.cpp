// The list print's selection by name and filter, its count text and masks, and the extract file's bytes.
#include "platform/vb/Dateirechte.h"
#include "printing/Listenauswahl.h"
#include "support/kern/TestUmgebung.h"

#include <QDir>
#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace {

QList<int> zeilenDer(const Zeilenbereiche& bereiche) {
  QList<int> zeilen;
  for (const Zeilenbereich& b : bereiche)
    for (int i = b.von; i <= b.bis; ++i) zeilen << i;
  return zeilen;
}

}  // namespace

TEST(Neuwahl, NameRuleWithItsCaseFilterRuleInAnyCaseAndBothTogether) {
  const QStringList zeilen = {
      zeileAus({{0, u"Herr"_s}, {9, u"Müller"_s}, {6, u"Hamburg"_s}}),
      zeileAus({{0, u"Frau"_s}, {9, u"müller"_s}, {6, u"HAMBURG"_s}}),
      zeileAus({{0, u"Herr"_s}, {9, u"Müllermann"_s}, {6, u"Bremen"_s}}),
      zeileAus({{0, u"Firma"_s}, {6, u"Hamburg"_s}, {12, u"Müller"_s}}),  // Müller, but not in field 9
      zeileAus({{0, u"Herr"_s}, {9, u"Schmidt"_s}, {20, u"hamBurger Str."_s}}),
  };
  struct Fall {
    QString name, filter;
    QList<int> gewaehlt;
  };
  const Fall faelle[] = {
      {u""_s, u""_s, {0, 1, 2, 3, 4}},
      {u"  "_s, u"   "_s, {0, 1, 2, 3, 4}},
      {u"Müller"_s, u""_s, {0, 2}},
      {u"  Müller "_s, u""_s, {0, 2}},
      {u"müller"_s, u""_s, {1}},
      {u"Meier"_s, u""_s, {}},
      {u""_s, u"HAMBURG"_s, {0, 1, 3, 4}},
      {u""_s, u" hamburg "_s, {0, 1, 3, 4}},
      // The filter meets the TABs between the fields too.
      {u""_s, u"Herr\t"_s, {0, 2, 4}},
      {u"Müller"_s, u"hamburg"_s, {0}},
      {u"üller"_s, u"BREMEN"_s, {2}},
      {u"Schmidt"_s, u"bremen"_s, {}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE((f.name + u" / "_s + f.filter).toStdString());
    EXPECT_EQ(zeilenDer(NeuwahlBereiche(zeilen, f.name, f.filter)), f.gewaehlt);
  }
  // Neighbouring lines form one run.
  EXPECT_EQ(NeuwahlBereiche(zeilen, {}, u"hamburg"_s), (Zeilenbereiche{{0, 1}, {3, 4}}));
  EXPECT_TRUE(NeuwahlBereiche({}, u"x"_s, {}).isEmpty());
}

TEST(Neuwahl, ReportsEachPercentageOnceAndNothingForASingleLine) {
  const QString z = zeileAus({{9, u"A"_s}});
  QList<int> prozente;
  NeuwahlBereiche({z, z, z, z, z}, {}, {}, [&](int p) { prozente << p; });
  EXPECT_EQ(prozente, (QList<int>{0, 25, 50, 75, 100}));
  prozente.clear();
  NeuwahlBereiche(QStringList(1000, z), {}, {}, [&](int p) { prozente << p; });
  EXPECT_EQ(prozente.size(), 101);
  prozente.clear();
  NeuwahlBereiche({z}, {}, {}, [&](int p) { prozente << p; });
  EXPECT_TRUE(prozente.isEmpty());
}

TEST(Neuwahl, CountTextHasNoThousandsSeparator) {
  EXPECT_EQ(AuswahlZaehltext(0, 0), u"0 von 0 Kartulon sind zum Drucken ausgewählt"_s);
  EXPECT_EQ(AuswahlZaehltext(1, 32000), u"1 von 32000 Kartulon sind zum Drucken ausgewählt"_s);
}

class ListenMaskenTest : public KartulonTest {};

TEST_F(ListenMaskenTest, MaskFilesInAnyCaseSortedAndTheStoredOneFoundIgnoringCase) {
  const QString ordner = tempPfad(u"masken"_s);
  QDir().mkpath(ordner);
  for (const char* name : {"b.MSK", "Liste_Standard.Msk", "adressen.msk", "notiz.txt", "alt.msk.bak", ".msk"})
    dateiSchreiben(ordner + u'/' + QString::fromLatin1(name), "x");
  QDir().mkpath(ordner + u"/ordner.msk"_s);
  const QStringList namen = MaskenNamen(ordner);
  EXPECT_EQ(namen, (QStringList{u"adressen"_s, u"b"_s, u"Liste_Standard"_s}));
  EXPECT_TRUE(MaskenNamen(ordner + u"/fehlt"_s).isEmpty());

  struct Fall {
    QString gespeichert;
    int index;
  };
  for (const Fall& f : {Fall{u"liste_standard"_s, 2}, Fall{u"B"_s, 1}, Fall{u"weg"_s, 0}, Fall{u""_s, 0}}) {
    SCOPED_TRACE(f.gespeichert.toStdString());
    EXPECT_EQ(GespeicherteMaskeFinden(namen, f.gespeichert), f.index);
  }
  EXPECT_EQ(GespeicherteMaskeFinden({}, u"Liste_Standard"_s), -1);

  for (const auto& [eintrag, gespeichert] : {std::pair{u"Brief"_s, u"Brief"_s}, std::pair{u"Brief.MSK"_s, u"Brief"_s},
                                             std::pair{u"Brief.msk.txt"_s, u"Brief.msk.txt"_s}})
    EXPECT_EQ(MaskeZumSpeichern(eintrag), gespeichert);
}

TEST(Auszug, NewFileExistingFileAndItsEncodingByteForByte) {
  const QStringList zeilen = {zeileAus({{9, u"Müller"_s}}), zeileAus({{9, u"Zwei°°Zeilen"_s}})};
  const QByteArray z0 = QByteArray(9, '\t') + "M\xfcller" + QByteArray(15, '\t');
  const QByteArray z1 = QByteArray(9, '\t') + "Zwei\xb0\xb0Zeilen" + QByteArray(15, '\t');
  struct Fall {
    const char* name;
    std::optional<QByteArray> bisher;
    QByteArray erwartet;
  };
  const Fall faelle[] = {
      {"new", std::nullopt, "..Auszug aus Privat \xfc\r\n" + z0 + "\r\n" + z1 + "\r\n"},
      {"ended", QByteArray("..Alt\r\na\t\r\n"), "..Alt\r\na\t\r\n" + z0 + "\r\n" + z1 + "\r\n"},
      {"no line end", QByteArray("..Alt\r\na\t"), "..Alt\r\na\t\r\n" + z0 + "\r\n" + z1 + "\r\n"},
      {"lone CR", QByteArray("..Alt\r"), "..Alt\r" + z0 + "\r\n" + z1 + "\r\n"},
      {"empty", QByteArray(), z0 + "\r\n" + z1 + "\r\n"},
      // A UTF-8 file stays UTF-8, its byte-order mark included.
      {"utf-8", QByteArray("\xEF\xBB\xBF..\xC3\xA4\r\n"),
       "\xEF\xBB\xBF..\xC3\xA4\r\n" + QByteArray(9, '\t') + "M\xC3\xBCller" + QByteArray(15, '\t') + "\r\n" +
           QByteArray(9, '\t') + "Zwei\xC2\xB0\xC2\xB0Zeilen" + QByteArray(15, '\t') + "\r\n"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    EXPECT_EQ(AuszugBauen(f.bisher, u"Privat ü"_s, zeilen), f.erwartet);
  }
}

class AuszugDateiTest : public KartulonTest {
 protected:
  void TearDown() override {
    Dateirechte::ohneVorrecht(false);
    KartulonTest::TearDown();
  }
};

TEST_F(AuszugDateiTest, AFolderThatRefusesLeavesTheOldFileAndSaysWhy) {
  const QString ordner = tempPfad(u"gesperrt"_s);
  QDir().mkpath(ordner);
  const QString pfad = dateiSchreiben(ordner + u"/Auszug.Dat"_s, "..Alt\r\n");
  EXPECT_EQ(AuszugSchreiben(pfad, u"Privat"_s, {zeileAus({{9, u"A"_s}})}), 0);
  EXPECT_EQ(dateiLesen(pfad), QByteArray("..Alt\r\n") + QByteArray(9, '\t') + "A" + QByteArray(15, '\t') + "\r\n");

  Dateirechte::ohneVorrecht(true);
  QFile::setPermissions(ordner, QFile::ReadOwner | QFile::ExeOwner);
  const QByteArray vorher = dateiLesen(pfad);
  QString grund;
  EXPECT_NE(AuszugSchreiben(pfad, u"Privat"_s, {zeileAus({{9, u"B"_s}})}, &grund), 0);
  EXPECT_TRUE(grund.contains(ordner)) << grund.toStdString();
  QFile::setPermissions(ordner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_EQ(dateiLesen(pfad), vorher);
  EXPECT_EQ(QDir(ordner).entryList(QDir::Files), QStringList{u"Auszug.Dat"_s});
}
