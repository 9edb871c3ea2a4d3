// 32000 reads and 32000 writes of one key in a settings file of 200 lines, as a loop over the records
// of a full address file does it (the running index, the counters).
#include "common/Ini.h"
#include "platform/vb/IniDatei.h"

#include <benchmark/benchmark.h>
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

namespace {

void IniLesenUndSchreiben32000(benchmark::State& state) {
  // The settings of this benchmark's own folder; the program's folder is put back at the end, so that the
  // benchmarks after it find their settings (a folder that is gone would leave them without a user).
  const QByteArray vorherigerOrdner = qgetenv("KARTULON_WINDIR");
  Profil::sichern();
  Profil::verwerfen();
  QTemporaryDir ordner;
  qputenv("KARTULON_WINDIR", ordner.path().toLocal8Bit());
  QByteArray text;
  for (int s = 0; s < 5; ++s) {
    text += "[Abschnitt" + QByteArray::number(s) + "]\r\n";
    for (int k = 0; k < 38; ++k)
      text += "Schluessel" + QByteArray::number(k) + "=ein Wert von mittlerer Laenge " + QByteArray::number(k) + "\r\n";
    text += "\r\n";
  }
  text += "[Kartulon]\r\nAdressIndex=0\r\n";
  for (int k = 0; k < 3; ++k) text += "Rest" + QByteArray::number(k) + "=x\r\n";
  QFile f(ordner.path() + "/Zedured.ini");
  f.open(QIODevice::WriteOnly);
  f.write(text);
  f.close();

  int n = 0;
  for (auto _ : state) {
    for (int i = 0; i < 32000; ++i) {
      const QString wert = IniLesen("", "", "AdressIndex", "0");
      IniSchreiben("", "", "AdressIndex", wert.toInt() + 1);
      ++n;
    }
    IniSichern();
  }
  const bool gezaehlt = IniLesen("", "", "AdressIndex", "0").toInt() == n;
  Profil::verwerfen();
  qputenv("KARTULON_WINDIR", vorherigerOrdner);
  if (!gezaehlt) state.SkipWithError("counter lost");
}

}  // namespace

BENCHMARK(IniLesenUndSchreiben32000)->Unit(benchmark::kMillisecond)->Iterations(5);
