#include "support/kern/TestUmgebung.h"
#include "support/kern/Attrappen.h"

#include "common/Global.h"
#include "common/Ini.h"
#include "platform/vb/Clock.h"
#include "platform/vb/IniDatei.h"
#include "platform/vb/Keys.h"
#include "platform/vb/Programm.h"
#include "store/Datensatz.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>

void KartulonTest::SetUp() {
  dir_ = std::make_unique<QTemporaryDir>();
  ASSERT_TRUE(dir_->isValid());
  QDir(dir_->path()).mkpath(QStringLiteral("programm"));
  QDir(dir_->path()).mkpath(QStringLiteral("windows"));
  qputenv("KARTULON_HOME", programmOrdner().toLocal8Bit());
  qputenv("KARTULON_WINDIR", windowsOrdner().toLocal8Bit());
  Clock::setFixed(standardZeit());
  auto d = std::make_unique<ScriptedDialogs>();
  dialoge_ = d.get();
  Dialogs::install(std::move(d));
  auto sh = std::make_unique<RecordingShell>();
  shell_ = sh.get();
  Shell::install(std::move(sh));
  auto h = std::make_unique<RecordingHelp>();
  hilfe_ = h.get();
  Help::install(std::move(h));
  auto si = std::make_unique<FesteSysInfo>();
  sysInfo_ = si.get();
  SysInfo::install(std::move(si));
  enden_.clear();
  vb::Programm::setEndeHandler([this](int code) { enden_.append(code); });
  auto t = std::make_unique<RecordingSound>();
  toene_ = t.get();
  Sound::install(std::move(t));
  auto ta = std::make_unique<RecordingTastatur>();
  tastatur_ = ta.get();
  Tastatur::install(std::move(ta));
  auto za = std::make_unique<TestZwischenablage>();
  zwischenablage_ = za.get();
  Zwischenablage::install(std::move(za));
  auto p = std::make_unique<vb::RecordingPrinter>();
  drucker_ = p.get();
  vb::installPrinterBackend(std::move(p));
  GlobaleZuruecksetzen();
  if (KartulonTest::fensterVorbereiten) KartulonTest::fensterVorbereiten(windowsOrdner());
}

void KartulonTest::TearDown() {
  // The window tests unload every form and end the single-instance guard first.
  if (KartulonTest::fensterAufraeumen) KartulonTest::fensterAufraeumen();
  Dialogs::install(nullptr);
  dialoge_ = nullptr;
  vb::Programm::beimEndeAlleEntfernen();
  vb::Programm::setEndeHandler({});
  Shell::install(nullptr);
  shell_ = nullptr;
  Help::install(nullptr);
  hilfe_ = nullptr;
  SysInfo::install(nullptr);
  sysInfo_ = nullptr;
  Zufall::install(nullptr);
  Sound::install(nullptr);
  toene_ = nullptr;
  Zwischenablage::install(nullptr);
  zwischenablage_ = nullptr;
  Tastatur::install(nullptr);
  tastatur_ = nullptr;
  // A test never leaves a printer behind that could reach a real one.
  vb::installPrinterBackend(std::make_unique<vb::RecordingPrinter>());
  drucker_ = nullptr;
  Clock::reset();
  vb::TastenHalten(std::nullopt);
  GlobaleZuruecksetzen();
  // Settings of this test's folders are forgotten, not written after the folders are gone.
  Profil::verwerfen();
  IniFehlerMeldungSetzen({});
  dir_.reset();
}

std::function<void()> KartulonTest::fensterAufraeumen;
std::function<void(const QString&)> KartulonTest::fensterVorbereiten;

QString KartulonTest::programmOrdner() const { return dir_->path() + QStringLiteral("/programm"); }
QString KartulonTest::windowsOrdner() const { return dir_->path() + QStringLiteral("/windows"); }
QString KartulonTest::tempPfad(const QString& name) const { return dir_->path() + u'/' + name; }

QString KartulonTest::dateiSchreiben(const QString& pfad, const QByteArray& bytes) const {
  QDir().mkpath(QFileInfo(pfad).absolutePath());
  QFile f(pfad);
  EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << pfad.toStdString();
  f.write(bytes);
  return pfad;
}

QByteArray KartulonTest::dateiLesen(const QString& pfad) {
  QFile f(pfad);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

QDateTime KartulonTest::standardZeit() { return QDateTime(QDate(2026, 12, 10), QTime(12, 0)); }

Bezeichnungen standardBezeichnungen() {
  Bezeichnungen b;
  for (int i = 0; i < kFeldAnzahl; ++i) b[i] = QString::fromUtf16(kFeldBezeichnung[i]);
  return b;
}

void adressdateiOrdnerEinrichten(const QString& programmOrdner) {
  IniSchreiben(QString(), QStringLiteral("Allgemein"), QStringLiteral("User"), QStringLiteral("Maier"));
  DatenOrdner = programmOrdner + QStringLiteral("/daten");
  QDir().mkpath(DatenOrdner);
  MaskenOrdner = DatenOrdner;
  IniDatei = programmOrdner + QStringLiteral("/Kartulon.Ini");
  AktuelleDatei = DatenOrdner + QStringLiteral("/kunden.dat");
}

QString zeileAus(std::initializer_list<std::pair<int, QString>> felder) {
  std::array<QString, 24> f;
  for (const auto& [i, t] : felder) f[i] = t;
  QString z;
  for (const QString& t : f) z += t + u'\t';
  return z;
}
