#include "platform/vb/IniDatei.h"

#include "platform/vb/Codec.h"
#include "platform/vb/IniText.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Programm.h"
#include "platform/vb/SicheresSchreiben.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QList>
#include <QSet>
#include <QThread>
#include <QTimer>
#include <QtGlobal>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <iterator>
#include <memory>

namespace Profil {
namespace {

using namespace text;

// A run of writes to one file, each less than kFolgeMs after the one before, is gathered after the
// first kDirekt writes: each direct write costs a sync to disk, and a loop over 32000 records must not
// pay that 32000 times.
constexpr qint64 kFolgeMs = 50;
constexpr int kDirekt = 16;
// Gathered changes wait at most this long (checked at every call).
constexpr qint64 kHoechstensMs = 200;

qint64 monotonMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

struct Kennung {
  dev_t geraet = 0;
  ino_t inode = 0;
  off_t groesse = 0;
  timespec geaendert{};
  timespec status{};
  bool operator==(const Kennung& o) const {
    return geraet == o.geraet && inode == o.inode && groesse == o.groesse && geaendert.tv_sec == o.geaendert.tv_sec &&
           geaendert.tv_nsec == o.geaendert.tv_nsec && status.tv_sec == o.status.tv_sec &&
           status.tv_nsec == o.status.tv_nsec;
  }
};

Kennung kennung(const struct stat& st) {
  Kennung k;
  k.geraet = st.st_dev;
  k.inode = st.st_ino;
  k.groesse = st.st_size;
  k.geaendert = st.st_mtim;
  k.status = st.st_ctim;
  return k;
}

// A change stamped this close to now may be followed by another change with the same stamp: the kernel
// stamps files with a clock that ticks every few milliseconds, and a file system without fractions of
// seconds counts whole seconds. Until the stamp is older than that, the bytes are compared as well.
bool nochUnsicher(const Kennung& k) {
  timespec jetzt{};
  clock_gettime(CLOCK_REALTIME, &jetzt);
  const double alter = static_cast<double>(jetzt.tv_sec - k.geaendert.tv_sec) +
                       static_cast<double>(jetzt.tv_nsec - k.geaendert.tv_nsec) / 1e9;
  const double fenster = k.geaendert.tv_nsec == 0 ? 2.5 : 0.03;
  return alter < fenster;
}

struct Datei : text::Text {
  QString angefragt;  // the absolute path as asked for
  QString pfad;       // the path found on disk (the spelling asked for when the file is missing)
  bool vorhanden = false;
  bool unsicher = false;
  Kennung kennung;
  Kennung ordnerKennung;  // of the folder when the file was last not found
  bool ordnerGeprueft = false;
  QByteArray inhalt;  // the bytes on disk as last read or written
  QList<Aenderung> ausstehend;
  qint64 ersteAusstehend = 0;
  qint64 letzteSchreibung = -1000000;
  int folge = 0;
};

// Files that once held a byte invalid in UTF-8 are Windows-1252 for the rest of the run, even when a
// write took that byte away and left bytes that read as UTF-8 (other lines would change their meaning).
QSet<QString>& bekannt1252() {
  static QSet<QString> pfade;
  return pfade;
}

void textEinlesen(Datei& d, const QByteArray& bytes) {
  d.inhalt = bytes;
  if (!text::textEinlesen(d, bytes, bekannt1252().contains(d.pfad))) bekannt1252().insert(d.pfad);
}

QByteArray bytesLesen(const QString& pfad, bool* ok) {
  *ok = false;
  const int fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {};
  struct stat st {};
  QByteArray bytes;
  if (::fstat(fd, &st) == 0 && !S_ISDIR(st.st_mode)) {
    // The size is a hint only: the file may grow while it is read.
    bytes.resize(static_cast<qsizetype>(st.st_size) + 1);
    qsizetype gelesen = 0;
    for (;;) {
      if (gelesen == bytes.size()) bytes.resize(bytes.size() * 2 + 4096);
      const ssize_t n = ::read(fd, bytes.data() + gelesen, static_cast<size_t>(bytes.size() - gelesen));
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) break;
      if (n == 0) {
        *ok = true;
        break;
      }
      gelesen += n;
    }
    bytes.resize(gelesen);
  }
  ::close(fd);
  return *ok ? bytes : QByteArray();
}

void leeren(Datei& d) {
  d.vorhanden = false;
  d.unsicher = false;
  d.inhalt.clear();
  d.kodierung = Codec::Kodierung::Windows1252;
  d.bom = false;
  d.zeilen.clear();
  d.index.clear();
}

void ausstehendeAnwenden(Datei& d) {
  for (const Aenderung& a : std::as_const(d.ausstehend)) anwenden(d, a);
}

// Brings the parsed copy up to what is on disk (with the gathered changes on top).
void abgleichen(Datei& d) {
  struct stat st {};
  if (::stat(QFile::encodeName(d.pfad).constData(), &st) != 0) {
    // Not there under the spelling used so far: look for it without regard to case, but only when the
    // folder has changed since the last look.
    QString ordner = d.angefragt.left(d.angefragt.lastIndexOf(u'/'));
    if (ordner.isEmpty()) ordner = QStringLiteral("/");
    struct stat ost {};
    const bool ordnerDa = ::stat(QFile::encodeName(Paths::aufloesen(ordner)).constData(), &ost) == 0;
    const Kennung ok = ordnerDa ? kennung(ost) : Kennung{};
    if (!d.ordnerGeprueft || !(ok == d.ordnerKennung)) {
      d.ordnerGeprueft = true;
      d.ordnerKennung = ok;
      d.pfad = Paths::aufloesen(d.angefragt);
    }
    if (::stat(QFile::encodeName(d.pfad).constData(), &st) != 0) {
      // A file that was not there before either holds just the gathered changes: building them up again
      // at every call would make a long run of writes to a new file quadratic.
      if (d.vorhanden) {
        leeren(d);
        ausstehendeAnwenden(d);
      }
      return;
    }
  }
  if (S_ISDIR(st.st_mode)) {
    if (d.vorhanden || !d.zeilen.isEmpty()) {
      leeren(d);
      ausstehendeAnwenden(d);
    }
    return;
  }
  const Kennung neu = kennung(st);
  if (d.vorhanden && neu == d.kennung) {
    if (!d.unsicher) return;
    bool ok = false;
    const QByteArray bytes = bytesLesen(d.pfad, &ok);
    if (ok && bytes == d.inhalt) {
      d.unsicher = nochUnsicher(neu);
      return;
    }
    if (!ok) {
      leeren(d);
      ausstehendeAnwenden(d);
      return;
    }
    textEinlesen(d, bytes);
    d.unsicher = true;
    ausstehendeAnwenden(d);
    return;
  }
  bool ok = false;
  const QByteArray bytes = bytesLesen(d.pfad, &ok);
  if (!ok) {
    leeren(d);
    ausstehendeAnwenden(d);
    return;
  }
  textEinlesen(d, bytes);
  d.vorhanden = true;
  d.kennung = neu;
  d.unsicher = nochUnsicher(neu);
  ausstehendeAnwenden(d);
}

struct Speicher {
  QHash<QString, std::shared_ptr<Datei>> dateien;
  QList<std::shared_ptr<Datei>> mitAusstehenden;
  bool geplant = false;
  bool amEndeEingerichtet = false;
  bool immerSammeln = false;
  int stapel = 0;  // open Stapel objects
  bool sammeln() const { return immerSammeln || stapel > 0; }
};

Speicher& speicher() {
  static Speicher s;
  return s;
}

bool aufPlatte(Datei& d) {
  abgleichen(d);
  const QByteArray bytes = textAusgeben(d);
  d.ausstehend.clear();
  d.ersteAusstehend = 0;
  for (qsizetype i = speicher().mitAusstehenden.size() - 1; i >= 0; --i)
    if (speicher().mitAusstehenden[i].get() == &d) speicher().mitAusstehenden.removeAt(i);
  if (d.vorhanden && bytes == d.inhalt) return true;
  bool geschrieben = false;
  // A file that may not be written keeps its content, as with the original functions.
  if (!d.vorhanden || ::access(QFile::encodeName(d.pfad).constData(), W_OK) == 0) {
    geschrieben = DateiSicherSchreiben(d.pfad, bytes) == 0;
  }
  // Written as Windows-1252 with bytes beyond ASCII: it stays so, even if those bytes happen to be
  // valid UTF-8.
  if (geschrieben && d.kodierung == Codec::Kodierung::Windows1252 &&
      std::any_of(bytes.cbegin(), bytes.cend(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
    bekannt1252().insert(d.pfad);
  if (!geschrieben) {
    qWarning("Einstellungen konnten nicht geschrieben werden: %s", qPrintable(d.pfad));
    // The parsed copy goes back to what the disk holds.
    leeren(d);
    d.kennung = Kennung{};
    abgleichen(d);
    return false;
  }
  struct stat st {};
  if (::stat(QFile::encodeName(d.pfad).constData(), &st) == 0) {
    d.kennung = kennung(st);
    d.vorhanden = true;
    d.inhalt = bytes;
    d.unsicher = true;
    d.ordnerGeprueft = false;
  } else {
    d.vorhanden = false;
  }
  return true;
}

bool allesSichern() {
  bool ok = true;
  const QList<std::shared_ptr<Datei>> liste = speicher().mitAusstehenden;
  for (const auto& d : liste)
    if (!d->ausstehend.isEmpty()) ok = aufPlatte(*d) && ok;
  speicher().mitAusstehenden.clear();
  return ok;
}

void amEndeSichern() { allesSichern(); }

// Gathered changes older than the limit go to disk now.
void faelligeSichern() {
  Speicher& s = speicher();
  if (s.mitAusstehenden.isEmpty()) return;
  const qint64 jetzt = monotonMs();
  const QList<std::shared_ptr<Datei>> liste = s.mitAusstehenden;
  for (const auto& d : liste)
    if (!d->ausstehend.isEmpty() && jetzt - d->ersteAusstehend >= kHoechstensMs && !s.sammeln()) aufPlatte(*d);
}

void planen() {
  Speicher& s = speicher();
  // Every way out of the program writes what waits: the runtime's End (no destructors run there), the
  // application's end, and the process's.
  vb::Programm::beimEnde(QStringLiteral("Einstellungsdateien"), [] { allesSichern(); });
  if (!s.amEndeEingerichtet) {
    s.amEndeEingerichtet = true;
    std::atexit(amEndeSichern);
    qAddPostRoutine(amEndeSichern);
  }
  QCoreApplication* app = QCoreApplication::instance();
  if (!s.geplant && app && QThread::currentThread() == app->thread()) {
    s.geplant = true;
    QTimer::singleShot(0, app, [] {
      speicher().geplant = false;
      allesSichern();
    });
  }
}

QString absolut(const QString& datei) {
  QString p = Paths::normalisieren(datei);
  if (!p.contains(u'/')) return Paths::verbinden(Paths::windowsOrdner(), p);
  if (!p.startsWith(u'/')) p = QDir::current().absoluteFilePath(p);
  return p;
}

Datei& eintrag(const QString& datei) {
  const QString p = absolut(datei);
  Speicher& s = speicher();
  auto it = s.dateien.find(p);
  if (it == s.dateien.end()) {
    // Parsed copies of many files are not kept for ever; a copy is only a shortcut.
    if (s.dateien.size() >= 64) {
      for (auto k = s.dateien.begin(); k != s.dateien.end();)
        k = (*k)->ausstehend.isEmpty() ? s.dateien.erase(k) : std::next(k);
    }
    auto d = std::make_shared<Datei>();
    d->angefragt = p;
    d->pfad = p;
    it = s.dateien.insert(p, d);
  }
  return **it;
}

std::shared_ptr<Datei> geteilt(const Datei& d) {
  for (const auto& p : std::as_const(speicher().dateien))
    if (p.get() == &d) return p;
  return {};
}

}  // namespace

QString pfad(const QString& datei) {
  Datei& d = eintrag(datei);
  abgleichen(d);
  return d.pfad;
}

QString lesen(const QString& datei, const QString& sektion, const QString& schluessel, const QString& standard) {
  faelligeSichern();
  Datei& d = eintrag(datei);
  abgleichen(d);
  const qsizetype i = eintragsZeile(d, nameBilden(d, sektion).toCaseFolded(), nameBilden(d, schluessel).toCaseFolded());
  if (i < 0) return standard;
  return eintragsWert(d.zeilen[i]);
}

Sektion sektionLesen(const QString& datei, const QString& sektion) {
  faelligeSichern();
  Datei& d = eintrag(datei);
  abgleichen(d);
  Sektion ergebnis;
  ergebnis.windows1252 = d.kodierung != Codec::Kodierung::Utf8;
  const qsizetype kopf = sektionsZeile(d, nameBilden(d, sektion).toCaseFolded());
  if (kopf < 0) return ergebnis;
  for (qsizetype i = kopf + 1; i < d.zeilen.size() && !d.zeilen[i].kopf; ++i) {
    const Zeile& z = d.zeilen[i];
    if (!z.name.isEmpty() && !ergebnis.werte.contains(z.name)) ergebnis.werte.insert(z.name, eintragsWert(z));
  }
  return ergebnis;
}

QString Sektion::lesen(const QString& schluessel, const QString& standard) const {
  const Codec::Kodierung k = windows1252 ? Codec::Kodierung::Windows1252 : Codec::Kodierung::Utf8;
  return werte.value(nameBilden(k, schluessel).toCaseFolded(), standard);
}

bool schreiben(const QString& datei, const QString& sektion, const QString& schluessel, const QString& wert) {
  faelligeSichern();
  Datei& d = eintrag(datei);
  abgleichen(d);
  // A key that would not read back as itself is not written: one beginning with "[" would even read as
  // a section header and move every entry after it into another section.
  if (!lesbar(d, sektion, schluessel)) return false;
  const Aenderung a{sektion, schluessel, wert};
  if (!anwenden(d, a)) return true;
  d.ausstehend.append(a);
  const qint64 jetzt = monotonMs();
  d.folge = jetzt - d.letzteSchreibung < kFolgeMs ? d.folge + 1 : 0;
  d.letzteSchreibung = jetzt;
  if (d.folge < kDirekt && !speicher().sammeln()) return aufPlatte(d);
  if (d.ersteAusstehend == 0) {
    d.ersteAusstehend = jetzt;
    speicher().mitAusstehenden.append(geteilt(d));
    planen();
  }
  return true;
}

bool sichern() { return allesSichern(); }

bool sichern(const QString& datei) {
  Speicher& s = speicher();
  auto it = s.dateien.find(absolut(datei));
  if (it == s.dateien.end() || (*it)->ausstehend.isEmpty()) return true;
  return aufPlatte(**it);
}

bool sichernFallsAusstehend(const QString& vollerPfad) {
  const QList<std::shared_ptr<Datei>> liste = speicher().mitAusstehenden;
  bool ok = true;
  for (const auto& d : liste)
    // Without regard to case: a file that is not on disk yet may be asked for in any case.
    if (!d->ausstehend.isEmpty() && (d->pfad.compare(vollerPfad, Qt::CaseInsensitive) == 0 ||
                                     d->angefragt.compare(vollerPfad, Qt::CaseInsensitive) == 0))
      ok = aufPlatte(*d) && ok;
  return ok;
}

bool ausstehend() {
  for (const auto& d : std::as_const(speicher().mitAusstehenden))
    if (!d->ausstehend.isEmpty()) return true;
  return false;
}

void immerSammeln(bool ja) { speicher().immerSammeln = ja; }

Stapel::Stapel() { ++speicher().stapel; }
Stapel::~Stapel() {
  if (--speicher().stapel == 0) allesSichern();
}

void neuEinlesen() {
  Speicher& s = speicher();
  s.dateien.clear();
  s.mitAusstehenden.clear();
}

void verwerfen() {
  Speicher& s = speicher();
  s.immerSammeln = false;
  s.dateien.clear();
  s.mitAusstehenden.clear();
  bekannt1252().clear();
}

}  // namespace Profil
