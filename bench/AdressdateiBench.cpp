// Loading a full address file (32000 records) into the record table and saving it back, by the same core
// steps as the main window's load and save (reading, splitting, the per-file settings; the permission
// check, backup copy, header, every record, the safe write, the encoding note and the reservation), without
// a window. Judge them beside Boden_LesenUndTrennen and Boden_SchreibenUndSync.
#include "BenchUmgebung.h"
#include "common/Global.h"
#include "common/GrossKlein.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "common/Reservierung.h"
#include "store/Adressbestand.h"
#include "store/Adressdatei.h"
#include "store/DateiEinstellung.h"
#include "store/OffeneAdressdatei.h"

#include <benchmark/benchmark.h>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// A program folder with the user set and the 32000-record file "kunden.dat", reserved by this user. The
// program's state and the user setting are put back afterwards, so that the benchmarks that run later (or
// between two runs of this one) find them as they were.
struct Umgebung {
  const ProgrammZustand vorher = programmZustand();
  const QString vorherigerBenutzer =
      IniLesen(QString(), QStringLiteral("Allgemein"), QStringLiteral("User"), QString());
  QTemporaryDir ordner;
  QString datei;
  Umgebung() {
    BenchUmgebung();
    GlobaleZuruecksetzen();
    IniSchreiben(QString(), QStringLiteral("Allgemein"), QStringLiteral("User"), QStringLiteral("Maier"));
    DatenOrdner = ordner.path();
    IniDatei = ordner.path() + QStringLiteral("/Kartulon.Ini");
    AktuelleDatei = ordner.path() + QStringLiteral("/kunden.dat");
    QFile f(AktuelleDatei);
    if (f.open(QIODevice::WriteOnly) && f.write(Adressdatei32000()) == Adressdatei32000().size()) datei = AktuelleDatei;
    NetzReservierung(1, DateiTeil(AktuelleDatei, 3));
  }
  ~Umgebung() {
    NetzReservierung(0, DateiTeil(AktuelleDatei, 3));
    IniSchreiben(QString(), QStringLiteral("Allgemein"), QStringLiteral("User"), vorherigerBenutzer);
    IniSichern();
    programmZustand() = vorher;
  }
};

void DateiLaden32000(benchmark::State& state) {
  Umgebung u;
  if (u.datei.isEmpty()) return state.SkipWithError("the address file cannot be written");
  Adressbestand bestand;
  OffeneAdressdatei offen;
  for (auto _ : state) {
    bestand.setItems({});
    offen.zuruecksetzen();
    AdressdateiLesung lesung = OffeneAdressdatei::lesen(u.datei);
    AdressdateiInhalt inhalt = offen.zerlegen(lesung, GrossKlein(DateiTeil(AktuelleDatei, 1)),
                                              GespeicherteKodierung(DateiEinstellung(kZeichensatzSchluessel)));
    bestand.setItems(std::move(inhalt.datensaetze));
  }
  if (bestand.Anzahl() != 32000 || offen.unvollstaendig) state.SkipWithError("the file did not load whole");
  state.SetBytesProcessed(state.iterations() * QFileInfo(u.datei).size());
}
BENCHMARK(DateiLaden32000)->Unit(benchmark::kMillisecond)->UseRealTime();

void DateiSpeichern32000(benchmark::State& state) {
  Umgebung u;
  if (u.datei.isEmpty()) return state.SkipWithError("the address file cannot be written");
  OffeneAdressdatei offen;
  const AdressdateiInhalt inhalt = offen.zerlegen(Adressdatei32000(), GrossKlein(DateiTeil(AktuelleDatei, 1)), {});
  DateiBeschreibung = inhalt.beschreibung;
  for (auto _ : state) {
    // What the window gathers for a save, and the reservation it renews after one.
    Speicherauftrag auftrag;
    auftrag.pfad = AktuelleDatei;
    auftrag.name = AktuelleDatei;
    auftrag.kopf = IniLesen(QString(), QString(), QStringLiteral("FirstDataLine"), QString());
    if (auftrag.kopf.isEmpty()) auftrag.kopf = DateiBeschreibung;
    auftrag.standardBeschreibung = GrossKlein(DateiTeil(AktuelleDatei, 1));
    auftrag.zeilen = inhalt.datensaetze;
    auftrag.iniDatei = IniDatei;
    auftrag.abschnitt = DateiTeil(AktuelleDatei, 3);
    if (!offen.speichern(auftrag).gespeichert) state.SkipWithError("the save failed");
    ReservierungErneuern(DateiTeil(AktuelleDatei, 3));
  }
  QFile f(u.datei);
  f.open(QIODevice::ReadOnly);
  if (f.readAll() != Adressdatei32000()) state.SkipWithError("the saved file differs from the loaded one");
  state.SetBytesProcessed(state.iterations() * Adressdatei32000().size());
}
BENCHMARK(DateiSpeichern32000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The format alone: splitting the file's bytes into record lines, and building the bytes again.
void AdressdateiZerlegenUndBauen(benchmark::State& state) {
  BenchUmgebung();
  const QByteArray& bytes = Adressdatei32000();
  for (auto _ : state) {
    const AdressdateiInhalt inhalt = AdressdateiZerlegen(bytes, QStringLiteral("Kunden"));
    benchmark::DoNotOptimize(AdressdateiBauen(KopfzeileBilden(inhalt.beschreibung, QString()), inhalt.datensaetze));
  }
  state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(AdressdateiZerlegenUndBauen)->Unit(benchmark::kMillisecond);

}  // namespace
