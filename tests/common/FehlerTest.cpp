#include "common/Fehler.h"

#include "common/Global.h"
#include "common/Ini.h"
#include "platform/vb/Clock.h"
#include "support/kern/TestUmgebung.h"

#include <QCursor>
#include <QGuiApplication>
#include <cerrno>

namespace {

class FehlerTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    FehlerBerichtDrucker() = [this](const QString& text) { gedruckt_.append(text); };
  }
  void TearDown() override {
    FehlerBerichtDrucker() = nullptr;
    KartulonTest::TearDown();
  }
  QString zedured() const {
    IniSichern();
    return QString::fromLatin1(dateiLesen(windowsOrdner() + QStringLiteral("/Zedured.ini")));
  }
  QString protokoll(const char* schluessel) const { return IniLesen("", "Fehler", schluessel, "<fehlt>"); }
  QStringList gedruckt_;
};

const QString kopf = QStringLiteral("Es ist ein Fehler im Programm Kartulon aufgetreten.\r\n\r\n");
const QString frage = QStringLiteral("Möchten Sie die Meldung ausdrucken?");

}  // namespace

TEST_F(FehlerTest, NummerNullZeigtUndSchreibtNichts) {
  EXPECT_EQ(FehlerMelden(0, QStringLiteral("Es ist ein Fehler aufgetreten.")), 0);
  EXPECT_TRUE(dialoge().requests().isEmpty());
  EXPECT_TRUE(toene().aufrufe().isEmpty());
  EXPECT_FALSE(QFile::exists(windowsOrdner() + QStringLiteral("/Zedured.ini")));
}

TEST_F(FehlerTest, DateiNichtGefundenMitTippUndProtokoll) {
  dialoge().answer(vb::vbNo);
  int klaengeVorDerMeldung = -1;
  dialoge().onRequest = [&](const ScriptedDialogs::Request&) { klaengeVorDerMeldung = int(toene().aufrufe().size()); };
  EXPECT_EQ(FehlerMelden(53, QStringLiteral("Es ist ein Fehler aufgetreten.")), 5);

  ASSERT_EQ(dialoge().requests().size(), 1);
  const auto& box = dialoge().requests()[0];
  EXPECT_EQ(box.text, kopf +
                          QStringLiteral("Es ist ein Fehler aufgetreten.\r\n\r\nDatei nicht gefunden (53).\r\n\r\n"
                                         "Tip: Ist der Dateiname in Ordnung?\r\n\r\n") +
                          frage);
  EXPECT_EQ(box.title, QStringLiteral("Fehler im Programm Kartulon"));
  EXPECT_EQ(box.style, 4371);  // Ja/Nein/Abbrechen, stop icon, Nein default, system-modal
  // The error sound comes before the box.
  EXPECT_EQ(klaengeVorDerMeldung, 2);
  EXPECT_EQ(toene().aufrufe().value(0).typ, 16);

  EXPECT_EQ(zedured(),
            QStringLiteral("[Fehler]\r\nProgramm=Kartulon\r\nWann=10.12.2026 12:00:00\r\n"
                           "Nummer=53, Datei nicht gefunden\r\nPos=0\r\n"
                           "Txt1=Es ist ein Fehler aufgetreten.~~\r\nTxt2=Datei nicht gefunden (53).~~\r\n"));
  EXPECT_TRUE(gedruckt_.isEmpty());
}

TEST_F(FehlerTest, TippsNachNummer) {
  const std::pair<int, const char*> faelle[] = {
      {482, "Druckerfehler (482).\r\n\r\nTip: Ist der Drucker angeschaltet?\r\n\r\n"},
      {52, "Dateiname oder -nummer falsch (52).\r\n\r\nTip: Ist der Dateiname in Ordnung?\r\n\r\n"},
      {64, "Dateiname falsch (64).\r\n\r\nTip: Ist der Dateiname in Ordnung?\r\n\r\n"},
      {75, "Fehler beim Zugriff auf Pfad/Datei (75).\r\n\r\nTip: Ist der Dateiname in Ordnung?\r\n\r\n"},
      {76, "Pfad nicht gefunden (76).\r\n\r\nTip: Ist der Dateiname in Ordnung?\r\n\r\n"},
      {70, "Zugriff verweigert (70).\r\n\r\nTip: Ist der Schreibschutz entfernt?\r\n\r\n"},
      {71, "Datenträger nicht bereit (71).\r\n\r\nTip: Ist eine Diskette eingelegt?\r\n\r\n"},
      {380, "Unzulässiger Eigenschaftswert (380).\r\n\r\nTip: Evtl. andere Schriftart wählen.\r\n\r\n"},
      {424, "Objekt erforderlich (424).\r\n\r\n"},
      {61, "Datenträger voll (61).\r\n\r\n"},
  };
  for (const auto& [nummer, teil] : faelle) {
    dialoge().clear();
    dialoge().answer(vb::vbNo);
    FehlerMelden(nummer, QStringLiteral("Beim Speichern."));
    ASSERT_EQ(dialoge().requests().size(), 1);
    EXPECT_EQ(dialoge().requests()[0].text,
              kopf + QStringLiteral("Beim Speichern.\r\n\r\n") + QString::fromUtf8(teil) + frage)
        << nummer;
  }
}

TEST_F(FehlerTest, NegativeNummerOhneBeschreibungUndOhneText) {
  dialoge().answer(vb::vbNo);
  EXPECT_EQ(FehlerMelden(-3), 5);
  EXPECT_EQ(dialoge().requests().value(0).text, kopf + frage);
  EXPECT_EQ(protokoll("Nummer"), QStringLiteral("-3, Anwendungs- oder objektdefinierter Fehler"));
  EXPECT_EQ(protokoll("Txt1"), QString());
  EXPECT_EQ(protokoll("Txt2"), QString());
}

TEST_F(FehlerTest, AntwortenEntscheidenObDerAufruferWeitermacht) {
  struct Fall {
    int antwort;
    int ergebnis;
    int drucke;
  };
  const Fall faelle[] = {{vb::vbNo, 5, 0}, {vb::vbCancel, 2, 0}, {vb::vbYes, 5, 1}};
  for (const Fall& f : faelle) {
    gedruckt_.clear();
    dialoge().clear();
    dialoge().answer(f.antwort);
    EXPECT_EQ(FehlerMelden(70, QStringLiteral("Es ist ein Fehler beim Speichern aufgetreten.")), f.ergebnis)
        << f.antwort;
    EXPECT_EQ(gedruckt_.size(), f.drucke) << f.antwort;
  }
  // The report gets the error text as shown, with its placeholders and without the question.
  EXPECT_EQ(gedruckt_.value(0), QStringLiteral("Es ist ein Fehler im Programm Kartulon aufgetreten.~~"
                                               "Es ist ein Fehler beim Speichern aufgetreten.~~"
                                               "Zugriff verweigert (70).~~Tip: Ist der Schreibschutz entfernt?~~"));
  // A box closed without a button (Esc) leaves the procedure.
  dialoge().clear();
  EXPECT_EQ(FehlerMelden(70), 2);
}

TEST_F(FehlerTest, ZeilenumbruchImTextUndNurDerLetzteFehlerImProtokoll) {
  dialoge().answer(vb::vbNo);
  dialoge().answer(vb::vbNo);
  FehlerMelden(53, QStringLiteral("Erste Zeile\r\nzweite Zeile~dritte"));
  EXPECT_EQ(dialoge().requests().value(0).text,
            kopf +
                QStringLiteral("Erste Zeile\r\nzweite Zeile\r\ndritte\r\n\r\nDatei nicht gefunden (53).\r\n\r\n"
                               "Tip: Ist der Dateiname in Ordnung?\r\n\r\n") +
                frage);
  EXPECT_TRUE(zedured().contains(QStringLiteral("Txt1=Erste Zeile**zweite Zeile~dritte~~\r\n")));

  Clock::setFixed(QDateTime(QDate(2026, 12, 11), QTime(8, 5, 9)));
  FehlerMelden(482, QString());
  EXPECT_EQ(protokoll("Wann"), QStringLiteral("11.12.2026 08:05:09"));
  EXPECT_EQ(protokoll("Nummer"), QStringLiteral("482, Druckerfehler"));
  EXPECT_EQ(protokoll("Txt1"), QString());
  EXPECT_EQ(protokoll("Txt2"), QStringLiteral("Druckerfehler (482).~~"));
  EXPECT_EQ(zedured().count(QStringLiteral("Nummer=")), 1);
}

TEST_F(FehlerTest, DieSanduhrVerschwindet) {
  QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  dialoge().answer(vb::vbNo);
  FehlerMelden(53);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(FehlerTest, EinFehlerDesEigenenKlangsWirdUebersprungen) {
  toene().fehler = [](const RecordingSound::Aufruf&) { return 57; };
  dialoge().answer(vb::vbCancel);
  EXPECT_EQ(FehlerMelden(53, QStringLiteral("Beim Laden.")), 2);
  EXPECT_EQ(dialoge().requests().size(), 1);
  EXPECT_EQ(protokoll("Nummer"), QStringLiteral("53, Datei nicht gefunden"));
}

TEST_F(FehlerTest, InEntwicklungIstImFertigenProgrammFalsch) {
  EXPECT_EQ(EntwicklungsStatus, 0);
  EXPECT_FALSE(InEntwicklung());
  EXPECT_EQ(EntwicklungsStatus, 1);
  EXPECT_FALSE(InEntwicklung());
}

TEST(Fehlernummern, DateiUndSystemfehler) {
  EXPECT_EQ(FehlerNummer(QFileDevice::PermissionsError), 70);
  EXPECT_EQ(SystemFehlerNummer(ENOSPC), 61);
  EXPECT_EQ(FehlerText(53), QStringLiteral("Datei nicht gefunden"));
}

TEST_F(FehlerTest, JaDrucktDenBerichtUndEinDruckerfehlerAendertDieAntwortNicht) {
  FehlerBerichtDrucker() = nullptr;  // the real report, on the recording printer
  dialoge().answer(vb::vbYes);
  EXPECT_EQ(FehlerMelden(53, QStringLiteral("Beim Laden.")), 5);
  EXPECT_EQ(drucker().jobsEnded(), 1);

  drucker().clear();
  drucker().setFailing(true);
  dialoge().answer(vb::vbYes);
  EXPECT_EQ(FehlerMelden(482, QStringLiteral("Beim Drucken.")), 5);
  EXPECT_EQ(dialoge().requests().size(), 2);  // no further box for the failed report
}
