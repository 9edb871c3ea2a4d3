// What the transfer form and the dialling dialog start with, taken from the shown record and the box
// that last had the focus, on the real main window.
#include "common/Global.h"
#include "mainwindow/HauptfensterFixture.h"
#include "mainwindow/Main.h"

#include <QApplication>
#include <QTest>

namespace {

class UebergabeTest : public HauptfensterTest {
 protected:
  void felder(const QList<std::pair<int, QString>>& werte) {
    for (int i = 0; i < 24; ++i) m().Feld(i).setText(QString());
    for (const auto& [i, t] : werte) m().Feld(i).setText(t);
  }
  // The box gets the focus by a click and the user selects from start to end (-1: to the text's end).
  void auswahl(int feld, int start, int laenge) {
    if (feld != 0) {
      QTest::mouseClick(m().Feld(feld).editor(), Qt::LeftButton, {}, QPoint(4, 4));
      QApplication::processEvents();
    }
    m().Feld(feld).setSelStart(start);
    m().Feld(feld).setSelLength(laenge < 0 ? static_cast<int>(m().Feld(feld).Text().size()) : laenge);
  }
};

TEST_F(UebergabeTest, TheTransferFormGetsTheRecipientAndTheSelection) {
  struct Fall {
    const char* name;
    QList<std::pair<int, QString>> werte;
    int feld, start, laenge;  // the selection; field 0 without a click: no box had the focus yet
    Empfaengervorgabe erwartet;
  };
  const QString lang = QStringLiteral("Rechnung 2026-0815 vom 01.12.2026");
  const Fall faelle[] = {
      {"surname only, no selection", {{1, "Meier"}}, 0, 0, 0, {QStringLiteral("Meier")}},
      {"no names", {{17, "12345"}}, 0, 0, 0, {QString(), QStringLiteral("12345")}},
      {"first name and surname, bank details",
       {{1, "Meier"}, {2, " Anna"}, {17, "1234567890"}, {18, "37050198"}, {19, "Sparkasse"}},
       0,
       0,
       0,
       {QStringLiteral("Anna Meier"), QStringLiteral("1234567890"), QStringLiteral("37050198"),
        QStringLiteral("Sparkasse")}},
      {"everything longer than its box",
       {{1, "Müller-Lüdenscheidt"},
        {2, "Hans-Hermann"},
        {17, "123456789012"},
        {18, "370501980"},
        {19, "Kreissparkasse Köln Zweigstelle"}},
       0,
       0,
       0,
       {QStringLiteral("Hans-Hermann Müller-Lüdensc"), QStringLiteral("1234567890"), QStringLiteral("37050198"),
        QStringLiteral("Kreissparkasse Köln Zweigst")}},
      {"a selection over two lines",
       {{11, " Rechnung 12\r\nvom 1.12. "}},
       11,
       0,
       -1,
       {QString(), QString(), QString(), QString(), QStringLiteral("Rechnung 12 vom 1.12.")}},
      {"a selection over 27 characters",
       {{3, lang}},
       3,
       0,
       -1,
       {QString(), QString(), QString(), QString(), lang.left(27)}},
      {"part of a box",
       {{5, "Köln-Deutz"}},
       5,
       5,
       5,
       {QString(), QString(), QString(), QString(), QStringLiteral("Deutz")}},
      {"no box had the focus: field 0's selection",
       {{0, "Lieferant"}},
       0,
       0,
       4,
       {QString(), QString(), QString(), QString(), QStringLiteral("Lief")}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    felder(f.werte);
    if (f.feld == 0) FeldIndex = 0;
    auswahl(f.feld, f.start, f.laenge);
    const Empfaengervorgabe v = m().UeberweisungsVorgabe();
    EXPECT_EQ(v.name, f.erwartet.name);
    EXPECT_EQ(v.kontoNr, f.erwartet.kontoNr);
    EXPECT_EQ(v.blz, f.erwartet.blz);
    EXPECT_EQ(v.bank, f.erwartet.bank);
    EXPECT_EQ(v.verwendung1, f.erwartet.verwendung1);
  }
}

TEST_F(UebergabeTest, TheDiallingDialogGetsTheNumberWithItsPrefix) {
  dateiSchreiben(programmOrdner() + QStringLiteral("/CallByCall.ini"),
                 "[Allgemein]\r\naktiviert=1\r\n[TeleNr]\r\n030=Berlin\r\n0171=Mobil\r\n[CallByCall]\r\n"
                 "Berlin=01088\r\n");
  struct Fall {
    const char* name;
    QString telefon, mobil;
    int fokus;  // the box that had the focus last; 0: none since the start
    QString erwartet;
  };
  const Fall faelle[] = {
      {"telephone with its zone's prefix", QStringLiteral("030 1234"), QStringLiteral("0171 99"), 7,
       QStringLiteral("01088 030 1234")},
      {"the mobile field had the focus", QStringLiteral("030 1234"), QStringLiteral("0171 99"), 12,
       QStringLiteral("0171 99")},
      {"the mobile field had the focus but is empty", QStringLiteral("030 1234"), QString(), 12,
       QStringLiteral("01088 030 1234")},
      {"a zone without a prefix", QStringLiteral("089 1"), QString(), 7, QStringLiteral("089 1")},
      {"telephone blank: the mobile number", QStringLiteral("  "), QStringLiteral("0171 99"), 5,
       QStringLiteral("0171 99")},
      {"telephone blank, no mobile number", QStringLiteral("  "), QString(), 7, QString()},
      {"no box had the focus", QStringLiteral("030 1234"), QStringLiteral("0171 99"), 0,
       QStringLiteral("01088 030 1234")},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    felder({{7, f.telefon}, {12, f.mobil}});
    FeldIndex = 0;
    if (f.fokus != 0) auswahl(f.fokus, 0, 0);
    EXPECT_EQ(m().TelewahlNummer(), f.erwartet);
  }
  // Switched off: the number alone.
  dateiSchreiben(programmOrdner() + QStringLiteral("/CallByCall.ini"),
                 "[Allgemein]\r\naktiviert=0\r\n[TeleNr]\r\n030=Berlin\r\n[CallByCall]\r\nBerlin=01088\r\n");
  felder({{7, "030 1234"}});
  EXPECT_EQ(m().TelewahlNummer(), QStringLiteral("030 1234"));
}

}  // namespace
