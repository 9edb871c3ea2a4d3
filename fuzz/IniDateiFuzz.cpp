// The settings engine: any file, every key read, one key written. Every line but the written one keeps
// its bytes and its line end (a last line without one may get CR LF when a line follows it), every
// other key reads the same as before, and what the engine read after its write is what the disk holds.
#include "FuzzHilfe.h"
#include "platform/vb/Codec.h"
#include "platform/vb/IniDatei.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <QFile>
#include <QList>
#include <QPair>
#include <QSet>

namespace {

using Name = QPair<QString, QString>;

// The file's lines with their line ends.
QList<QByteArray> zeilen(const QByteArray& bytes) {
  QList<QByteArray> liste;
  qsizetype pos = 0;
  while (pos < bytes.size()) {
    qsizetype ende = pos;
    while (ende < bytes.size() && bytes[ende] != '\r' && bytes[ende] != '\n') ++ende;
    if (ende < bytes.size())
      ende += (bytes[ende] == '\r' && ende + 1 < bytes.size() && bytes[ende + 1] == '\n') ? 2 : 1;
    liste << bytes.mid(pos, ende - pos);
    pos = ende;
  }
  return liste;
}

QString blankFrei(const QString& s) {
  qsizetype a = 0, e = s.size();
  while (a < e && (s[a] == u' ' || s[a] == u'\t')) ++a;
  while (e > a && (s[e - 1] == u' ' || s[e - 1] == u'\t')) --e;
  return s.mid(a, e - a);
}

// Every section and key name the file may hold, read both ways (the engine decides the encoding).
QList<Name> namen(const QByteArray& bytes) {
  QList<Name> liste;
  QSet<Name> gesehen;
  for (const bool utf8 : {false, true}) {
    QString sektion;
    for (QByteArray z : zeilen(bytes)) {
      while (z.endsWith('\r') || z.endsWith('\n')) z.chop(1);
      if (z.startsWith("\xEF\xBB\xBF")) z.remove(0, 3);
      const QString t = blankFrei(utf8 ? QString::fromUtf8(z) : Codec::aus1252(z));
      if (t.startsWith(u'[')) {
        const qsizetype e = t.lastIndexOf(u']');
        if (e > 0) sektion = blankFrei(t.mid(1, e - 1));
        continue;
      }
      const qsizetype g = t.indexOf(u'=');
      if (g <= 0) continue;
      const Name n{sektion, blankFrei(t.left(g))};
      if (!gesehen.contains(n)) {
        gesehen.insert(n);
        liste << n;
      }
    }
  }
  return liste;
}

// A name as the engine writes it: a line break in it becomes a blank, so it stays on its line.
QString einzeilig(QString s) {
  for (QChar& c : s)
    if (c == u'\r' || c == u'\n') c = u' ';
  return s;
}

// Whether two names may name the same entry (line breaks, case, blanks, reduction to Windows-1252).
bool gleichBenannt(const QString& a, const QString& b) {
  const QString x = blankFrei(einzeilig(a)), y = blankFrei(einzeilig(b));
  return x.compare(y, Qt::CaseInsensitive) == 0 || x.toCaseFolded() == y.toCaseFolded() ||
         Codec::auf1252Reduzieren(x).toCaseFolded() == Codec::auf1252Reduzieren(y).toCaseFolded() ||
         Codec::nach1252(x.toCaseFolded()) == Codec::nach1252(y.toCaseFolded());
}

const QString kFehlt = QStringLiteral("\x01fehlt");

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzz::start(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 16384) return 0;
  FuzzedDataProvider fdp(data, size);
  const unsigned wahl = fdp.ConsumeIntegral<uint16_t>();
  const QString neueSektion = QString::fromUtf8(fdp.ConsumeRandomLengthString(16));
  const QString neuerSchluessel = QString::fromUtf8(fdp.ConsumeRandomLengthString(16));
  const QString wert = QString::fromUtf8(fdp.ConsumeRandomLengthString(48));
  const std::string rest = fdp.ConsumeRemainingBytesAsString();
  const QByteArray vorher(rest.data(), static_cast<qsizetype>(rest.size()));

  const QString pfad = fuzz::ordner() + QStringLiteral("/Fuzz.ini");
  {
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(vorher) != vorher.size()) std::abort();
  }
  Profil::verwerfen();

  const QList<Name> alle = namen(vorher);
  QList<QString> werte;
  for (const Name& n : alle) werte << Profil::lesen(pfad, n.first, n.second, kFehlt);

  const bool neu = alle.isEmpty() || wahl % (alle.size() + 1) == static_cast<unsigned>(alle.size());
  const Name ziel = neu ? Name{neueSektion, neuerSchluessel} : alle[wahl % (alle.size() + 1)];
  const bool geschrieben = Profil::schreiben(pfad, ziel.first, ziel.second, wert);
  FUZZ_PRUEFEN(Profil::sichern(), QStringLiteral("sichern"));
  const QString gelesen = Profil::lesen(pfad, ziel.first, ziel.second, kFehlt);

  QFile f(pfad);
  if (!f.open(QIODevice::ReadOnly)) std::abort();
  const QByteArray nachher = f.readAll();
  if (!geschrieben) FUZZ_PRUEFEN(nachher == vorher, QStringLiteral("abgelehnt, aber geschrieben"));

  // Lines: a common start and a common end; between them at most one old line, and at most the new
  // entry with a blank line and its section header.
  const bool bom = vorher.startsWith("\xEF\xBB\xBF");
  FUZZ_PRUEFEN(nachher.startsWith("\xEF\xBB\xBF") == bom, QStringLiteral("Byte-Order-Mark"));
  const QList<QByteArray> alt = zeilen(vorher.mid(bom ? 3 : 0));
  const QList<QByteArray> jetzt = zeilen(nachher.mid(bom ? 3 : 0));
  qsizetype anfang = 0;
  while (anfang < alt.size() && anfang < jetzt.size() && alt[anfang] == jetzt[anfang]) ++anfang;
  // The old last line may have gained a CR LF.
  if (anfang == alt.size() - 1 && anfang < jetzt.size() && jetzt[anfang] == alt[anfang] + "\r\n" &&
      !alt[anfang].endsWith('\n') && !alt[anfang].endsWith('\r'))
    ++anfang;
  qsizetype ende = 0;
  while (ende < alt.size() - anfang && ende < jetzt.size() - anfang &&
         alt[alt.size() - 1 - ende] == jetzt[jetzt.size() - 1 - ende])
    ++ende;
  const qsizetype altMitte = alt.size() - anfang - ende;
  const qsizetype neuMitte = jetzt.size() - anfang - ende;
  FUZZ_PRUEFEN(
      altMitte <= 1 && neuMitte <= 3,
      QStringLiteral("%1 alte Zeilen durch %2 neue ersetzt, ab Zeile %3").arg(altMitte).arg(neuMitte).arg(anfang));

  // Read from the disk afresh (what the engine learned about the encoding stays).
  Profil::neuEinlesen();
  const QString vonPlatte = Profil::lesen(pfad, ziel.first, ziel.second, kFehlt);
  FUZZ_PRUEFEN(vonPlatte == gelesen,
               QStringLiteral("[%1] %2 = \"%3\" geschrieben, \"%4\" gelesen, \"%5\" von der Platte\n%6\n%7")
                   .arg(ziel.first, ziel.second, wert, gelesen, vonPlatte, QString::fromLatin1(vorher.toHex(' ')),
                        QString::fromLatin1(nachher.toHex(' '))));
  for (qsizetype i = 0; i < alle.size(); ++i) {
    const Name& n = alle[i];
    if (gleichBenannt(n.first, ziel.first) && gleichBenannt(n.second, ziel.second)) continue;
    const QString jetztGelesen = Profil::lesen(pfad, n.first, n.second, kFehlt);
    FUZZ_PRUEFEN(jetztGelesen == werte[i],
                 QStringLiteral("[%1] %2: \"%3\" wurde \"%4\"").arg(n.first, n.second, werte[i], jetztGelesen));
  }
  return 0;
}
