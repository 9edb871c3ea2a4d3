#include "common/Global.h"
#include "common/formen/Formular.h"
#include "mainwindow/Instanzpruefung.h"
#include "mainwindow/Main.h"
#include "mainwindow/MainFamilie.h"
#include "mainwindow/MainFelder.h"
#include "platform/vb/Codec.h"
#include "store/Maske.h"
#include "support/kern/TestUmgebung.h"

#include <QDir>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

class MaskeTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    Main::get();  // its start-up sets the mask folder
    MaskenOrdner = tempPfad(QStringLiteral("daten"));
    QDir().mkpath(MaskenOrdner);
  }
  // Writes a mask into the mask folder as Windows-1252.
  void maske(const QString& name, const QString& text) {
    dateiSchreiben(MaskenOrdner + u'/' + name, Codec::nach1252(text));
  }
  const QString hans = zeileAus({{0, " "}, {1, "Meier"}, {2, "Hans"}, {3, "Hauptstr. 1"}, {5, "Berlin"}});
};

TEST_F(MaskeTest, PlaceholdersAndMarkers) {
  struct Fall {
    const char* maske;
    QString zeile;
    const char* erwartet;
  };
  const QString mitZusatz = zeileAus({{1, "Meier"}, {2, "Hans"}, {3, "Hauptstr. 1"}, {10, "c/o Schulz"}});
  const QString blankZusatz = zeileAus({{1, "Meier"}, {2, "Hans"}, {3, "Hauptstr. 1"}, {10, "  "}});
  const Fall faelle[] = {
      {"{Vorname} {Nachname}\r\n{Straße}\r\n", hans, "Hans Meier\r\nHauptstr. 1"},
      {"{nachname}/{NACHNAME}/{NachName}", hans, "Meier/Meier/Meier"},
      {"{Vorname} {Nachname}{~Zusatz}\r\n{Straße}", mitZusatz, "Hans Meier\r\nc/o Schulz\r\nHauptstr. 1"},
      {"{Vorname} {Nachname}{~Zusatz}\r\n{Straße}", hans, "Hans Meier\r\nHauptstr. 1"},
      {"{Vorname} {Nachname}{~zusatz}\r\n{Straße}", blankZusatz, "Hans Meier  \r\nHauptstr. 1"},
      {"[{Rubrik zum Einsortieren}]", hans, "[ ]"},  // the stored blank of an empty field 0
      {"<{Zusatzbemerkung}>", zeileAus({{11, "erste°°zweite"}}), "<erste\r\nzweite>"},
      // A value that is itself a placeholder: later fields and markers are filled, earlier ones stay.
      {"{Nachname}|{Ort}", zeileAus({{1, "{Ort}"}, {5, "Berlin"}}), "Berlin|Berlin"},
      {"{Vorname}|{Ort}", zeileAus({{2, "Hans"}, {5, "{Vorname}"}}), "Hans|{Vorname}"},
      {"{Nachname}", zeileAus({{1, "am {@Datum}^tum {@Uhrzeit}"}}), "am 10.12.2026\tum 12:00"},
      {"{Zusatzbemerkung}", zeileAus({{11, "a°°~b"}}), "a\r\nb"},
      {"{@Datum} {@uhrzeit}", hans, "10.12.2026 12:00"},
      {"a^tb^Tc", hans, "a\tb\tc"},
      {"{Unbekannt} {Nachname}", hans, "{Unbekannt} Meier"},
      {"x\r\n\r\n\r\n\r\n", hans, "x"},  // three empty lines at the end
      {"~a\r\n~b\r\n c~", hans, "~a\r\nb\r\n c~"},
      {"   vorn\r\nhinten   \r\n", hans, "vorn\r\nhinten"},
  };
  for (const Fall& f : faelle) {
    const QString text = QString::fromUtf8(f.maske);
    maske(QStringLiteral("Test.msk"), text);
    EXPECT_EQ(MaskeFuellen(QStringLiteral("Test"), f.zeile), QString::fromUtf8(f.erwartet)) << f.maske;
  }
}

TEST_F(MaskeTest, CaptionsAreTheCurrentOnes) {
  maske(QStringLiteral("Tel.msk"), QStringLiteral("{Telefon}|{Tel. privat}"));
  const QString zeile = zeileAus({{7, "030 1234"}, {8, "030 9999"}});
  EXPECT_EQ(MaskeFuellen(QStringLiteral("Tel"), zeile), QStringLiteral("030 1234|{Tel. privat}"));
  Main::get().Bezeichnung1(7).setCaption(QStringLiteral("Tel. privat"));
  EXPECT_EQ(MaskeFuellen(QStringLiteral("Tel"), zeile), QStringLiteral("{Telefon}|030 1234"));
  // Two fields with one caption: the lower number fills it.
  Main::get().Bezeichnung1(8).setCaption(QStringLiteral("Tel. privat"));
  EXPECT_EQ(MaskeFuellen(QStringLiteral("Tel"), zeile), QStringLiteral("{Telefon}|030 1234"));
}

TEST_F(MaskeTest, FindingTheMaskFile) {
  maske(QStringLiteral("Brief.msk"), QStringLiteral("Brief {Nachname}"));
  maske(QStringLiteral("Privat/Karte.msk"), QStringLiteral("Karte {Nachname}"));
  const QString fremd = dateiSchreiben(tempPfad(QStringLiteral("anderswo/Fremd.msk")), "Fremd {Nachname}");
  dateiSchreiben(tempPfad(QStringLiteral("hier/Lokal.msk")), "Lokal {Nachname}");
  const QString vorher = QDir::currentPath();
  QDir::setCurrent(tempPfad(QStringLiteral("hier")));
  struct Fall {
    QString name;
    const char* erwartet;
  };
  const Fall faelle[] = {
      {"Brief", "Brief Meier"},
      {"BRIEF.MSK", "Brief Meier"},  // no second ending; found whatever its case
      {"brief.Msk", "Brief Meier"},
      {"C:\\Masken\\Brief.msk", "Brief Meier"},  // a Windows path: by its name in the mask folder
      {"\\\\server\\masken\\Brief", "Brief Meier"},
      {"Privat\\Karte", "Karte Meier"},  // a folder below the mask folder
      {"Privat/Karte.msk", "Karte Meier"},
      {fremd, "Fremd Meier"},    // a path that exists
      {"Lokal", "Lokal Meier"},  // the current folder first
      {"Fehlt", ""},
      {"C:\\Masken\\Fehlt.msk", ""},
  };
  for (const Fall& f : faelle)
    EXPECT_EQ(MaskeFuellen(f.name, hans), QString::fromUtf8(f.erwartet)) << f.name.toStdString();
  QDir::setCurrent(vorher);
}

TEST_F(MaskeTest, MaskFilesInEitherEncoding) {
  dateiSchreiben(MaskenOrdner + QStringLiteral("/Ansi.msk"),
                 "{Stra\xdf"
                 "e} \xe4");
  dateiSchreiben(MaskenOrdner + QStringLiteral("/Utf8.msk"),
                 "{Stra\xc3\x9f"
                 "e} \xc3\xa4");
  EXPECT_EQ(MaskeFuellen(QStringLiteral("Ansi"), hans), QStringLiteral("Hauptstr. 1 ä"));
  EXPECT_EQ(MaskeFuellen(QStringLiteral("Utf8"), hans), QStringLiteral("Hauptstr. 1 ä"));
}
