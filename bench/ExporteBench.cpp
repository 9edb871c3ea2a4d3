// The record walks of the data tools over 32000 addresses: the birthday, card-server, register,
// short-dial and serial-letter exports, each with its file written, and the index renumbering. Field 9
// reads "Mob S" and a number in every record, so that every record takes part in the card-server and the
// short-dial export; a CallByCall.ini with a few zones makes the prefix look-ups real.
#include "BenchUmgebung.h"
#include "common/Global.h"
#include "common/Ini.h"
#include "datatools/Geburtstagsexport.h"
#include "datatools/Indexvergabe.h"
#include "datatools/Seriendruck.h"
#include "datatools/Telefonlisten.h"
#include "datatools/TkAnlage.h"
#include "platform/dienste/Shell.h"
#include "store/Datensatz.h"
#include "support/kern/Attrappen.h"

#include <benchmark/benchmark.h>
#include <QDir>
#include <QFile>

namespace {

const QStringList& Exportadressen() {
  static const QStringList zeilen = [] {
    QStringList z;
    z.reserve(Adressen32000().size());
    int i = 0;
    for (const QString& zeile : Adressen32000()) {
      Felder f = FelderAusZeile(zeile);
      f[9] = QStringLiteral("Mob S%1").arg(i++ % 99 + 1);
      z << DatensatzBauen(f);
    }
    return z;
  }();
  return zeilen;
}

// The export folder (and the addresses, made before any timing starts).
QString Ordner() {
  static const QString ordner = [] {
    Exportadressen();
    const QString o = BenchUmgebung() + QStringLiteral("/exporte");
    QDir().mkpath(o);
    QFile cbc(BenchUmgebung() + QStringLiteral("/CallByCall.ini"));
    if (cbc.open(QIODevice::WriteOnly))
      cbc.write(
          "[TeleNr]\r\n030=Berlin\r\n040=Hamburg\r\n089=Muenchen\r\n0171=D1\r\n0172=D2\r\n"
          "[CallByCall]\r\nBerlin=01013\r\nHamburg=01088\r\nMuenchen=01070\r\n");
    return o;
  }();
  return ordner;
}

void Fehlschlag(benchmark::State& state, const Exportergebnis& e) {
  if (e.stand != Exportstand::Geschrieben) state.SkipWithError("the export was not written");
}

Bezeichnungen Standardbezeichnungen() {
  Bezeichnungen b;
  for (int i = 0; i < kFeldAnzahl; ++i) b[i] = QString::fromUtf16(kFeldBezeichnung[i]);
  return b;
}

// neu: the date file removed before each run (the first run); else it holds the last run's days.
void Geburtstage(benchmark::State& state, bool neu) {
  IniSchreiben(QString(), QStringLiteral("Kelvor"), QStringLiteral("Dir"), Ordner());
  const QStringList& zeilen = Exportadressen();
  const Bezeichnungen b = Standardbezeichnungen();
  GeburtstageExportieren(zeilen, b);
  for (auto _ : state) {
    if (neu) {
      state.PauseTiming();
      QFile::remove(Ordner() + QStringLiteral("/Geburtstage.dci"));
      state.ResumeTiming();
    }
    Fehlschlag(state, GeburtstageExportieren(zeilen, b));
  }
  state.SetItemsProcessed(state.iterations() * zeilen.size());
}
void Kern_Geburtstage32000(benchmark::State& state) { Geburtstage(state, false); }
BENCHMARK(Kern_Geburtstage32000)->Unit(benchmark::kMillisecond);
void Kern_GeburtstageNeueDatei32000(benchmark::State& state) { Geburtstage(state, true); }
BENCHMARK(Kern_GeburtstageNeueDatei32000)->Unit(benchmark::kMillisecond);

void Kern_D2Liste32000(benchmark::State& state) {
  const QString datei = Ordner() + QStringLiteral("/ExpD2Card.txt");
  for (auto _ : state) Fehlschlag(state, D2ListeExportieren(Exportadressen(), datei));
  state.SetItemsProcessed(state.iterations() * Exportadressen().size());
}
BENCHMARK(Kern_D2Liste32000)->Unit(benchmark::kMillisecond);

void Kern_TiptelRegister32000(benchmark::State& state) {
  const QString datei = Ordner() + QStringLiteral("/Tiptel.txt");
  for (auto _ : state) Fehlschlag(state, TiptelRegisterExportieren(Exportadressen(), datei));
  state.SetItemsProcessed(state.iterations() * Exportadressen().size());
}
BENCHMARK(Kern_TiptelRegister32000)->Unit(benchmark::kMillisecond);

void Kern_TkAnlage32000(benchmark::State& state) {
  const QString ini = Ordner() + QStringLiteral("/Export_Tk-Anlage.ini");
  QFile f(ini);
  if (f.open(QIODevice::WriteOnly))
    f.write(("[Allgemein]\r\nTk-Anlage=Haus\r\n[Export]\r\nDatei=" + Ordner() +
             "/tk.txt\r\nTextKopf=KOPF\r\n"
             "Datensatz=KW {Speicher};{Nummer};{Name}\r\nTextFuss=ENDE\r\n[InfoText]\r\nDatei=" +
             Ordner() +
             "/tkliste.txt\r\nTelInfo=Telefon\r\nFaxInfo=Telefax\r\nMobInfo=Mobil\r\nFusszeile1=Stand~heute\r\n"
             "[Speicher]\r\nTelOffset=100\r\nMobOffset=150\r\nFaxOffset=200\r\n")
                .toUtf8());
  f.close();
  // The list goes to a recorded shell, not to the desktop's editor.
  auto alt = Shell::install(std::make_unique<RecordingShell>());
  for (auto _ : state) Fehlschlag(state, TkAnlageExportieren(Exportadressen(), ini));
  Shell::install(std::move(alt));
  state.SetItemsProcessed(state.iterations() * Exportadressen().size());
}
BENCHMARK(Kern_TkAnlage32000)->Unit(benchmark::kMillisecond);

void Kern_Seriendruck32000(benchmark::State& state) {
  const QString datei = Ordner() + QStringLiteral("/Seriendruck.Txt");
  const Bezeichnungen b = Standardbezeichnungen();
  for (auto _ : state) Fehlschlag(state, SeriendruckExportieren(Exportadressen(), b, datei));
  state.SetItemsProcessed(state.iterations() * Exportadressen().size());
}
BENCHMARK(Kern_Seriendruck32000)->Unit(benchmark::kMillisecond);

// Every record without an index: 32000 numbers handed out and 32000 lines rewritten.
void Kern_Indexvergabe32000(benchmark::State& state) {
  Ordner();
  IniDatei = BenchUmgebung() + QStringLiteral("/Kartulon.Ini");
  QStringList ohneIndex;
  for (const QString& zeile : Exportadressen()) {
    Felder f = FelderAusZeile(zeile);
    f[23].clear();
    ohneIndex << DatensatzBauen(f);
  }
  for (auto _ : state) {
    state.PauseTiming();
    Adressbestand bestand;
    bestand.setItems(ohneIndex);
    state.ResumeTiming();
    const Indexvergabe v = IndizesNeuSetzen(bestand, [](int) {});
    if (v.vergeben != ohneIndex.size()) state.SkipWithError("not every record got an index");
  }
  state.SetItemsProcessed(state.iterations() * ohneIndex.size());
}
BENCHMARK(Kern_Indexvergabe32000)->Unit(benchmark::kMillisecond);

}  // namespace
