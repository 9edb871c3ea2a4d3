// Serial e-mails at 32000 addresses (every one with an e-mail address in tools/adressen.py's file or
// not): building the list in the core and through the dialog, and writing the hand-over files for 1000
// marked records through the dialog's send (the hand-over itself left out).
#include "BenchUmgebung.h"
#include "common/Global.h"
#include "exchange/ExterneProgramme.h"
#include "exchange/Serienmail.h"
#include "exchange/formen/expEMAIL.h"
#include "mainwindow/Main.h"
#include "platform/dienste/Dialogs.h"
#include "support/kern/Attrappen.h"

#include <benchmark/benchmark.h>
#include <QDir>

namespace {

void Kern_EmailListe32000(benchmark::State& state) {
  const QStringList& zeilen = Adressen32000();
  qsizetype eintraege = 0;
  for (auto _ : state) {
    const EmailListe l = EmailListeBauen(zeilen, QStringLiteral("ma"), QString());
    eintraege = l.eintraege.size();
    benchmark::DoNotOptimize(eintraege);
  }
  state.counters["eintraege"] = static_cast<double>(eintraege);
  state.SetItemsProcessed(state.iterations() * zeilen.size());
}
BENCHMARK(Kern_EmailListe32000)->Unit(benchmark::kMillisecond);

void Serienmail_ListeImDialog32000(benchmark::State& state) {
  BenchUmgebung();
  Main& m = Main::get();
  m.Liste->setItems(Adressen32000());
  expEMAIL& d = expEMAIL::get();
  // As the menu command hands them over: the table's lines and the captions.
  d.DatenUebernehmen(m.Liste->items(), m.FeldBezeichnungen());
  d.ZeitInit->setEnabled(false);
  for (auto _ : state) d.befGetEmailList_Click();
  state.counters["eintraege"] = d.Liste->ListCount();
  if (d.Liste->ListCount() == 0) state.SkipWithError("the list is empty");
  expEMAIL::Unload();
  state.SetItemsProcessed(state.iterations() * Adressen32000().size());
}
BENCHMARK(Serienmail_ListeImDialog32000)->Unit(benchmark::kMillisecond);

void Serienmail_Dateien1000(benchmark::State& state) {
  const QString ordner = BenchUmgebung();
  Main& m = Main::get();
  m.Liste->setItems(Adressen32000());
  ExterneProgramme::pausen().vorFrage = 0;
  const auto uebergabe = expEMAIL::Uebergabe;
  expEMAIL::Uebergabe = {};
  expEMAIL& d = expEMAIL::get();
  d.DatenUebernehmen(m.Liste->items(), m.FeldBezeichnungen());
  d.ZeitInit->setEnabled(false);
  d.txtSuch(0).setText(QStringLiteral("@"));
  d.befGetEmailList_Click();
  // 1000 marks, spread over the list.
  const int n = d.Liste->ListCount();
  if (n < 1000) state.SkipWithError("fewer than 1000 addresses with an e-mail address");
  for (int i = 0; i < n; ++i) d.Liste->setSelected(i, n >= 1000 && i % (n / 1000) == 0 && i / (n / 1000) < 1000);
  auto& dialoge = dynamic_cast<ScriptedDialogs&>(Dialogs::service());
  for (auto _ : state) {
    dialoge.answer(vb::vbYes);  // more mails: the dialog stays
    d.mnuEmailSend_Click();
    state.PauseTiming();
    for (const QString& datei : QDir(ordner).entryList({QStringLiteral("X-eMail-*.txt")}, QDir::Files))
      QFile::remove(ordner + u'/' + datei);
    state.ResumeTiming();
  }
  state.counters["dateien"] = d.Liste->SelCount();
  expEMAIL::Unload();
  expEMAIL::Uebergabe = uebergabe;
  state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(Serienmail_Dateien1000)->Unit(benchmark::kMillisecond);

}  // namespace
