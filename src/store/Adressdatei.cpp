#include "store/Adressdatei.h"

#include "store/Datensatz.h"

#include <cstring>

namespace {

const QString kGrad2 = QStringLiteral("°°");
const QString kCrLf = QStringLiteral("\r\n");

// The end of the line that starts at pos: the first CR or LF, or n.
qsizetype zeilenEnde(const char* p, qsizetype pos, qsizetype n) {
  const void* lf = std::memchr(p + pos, '\n', static_cast<size_t>(n - pos));
  const qsizetype bis = lf ? static_cast<const char*>(lf) - p : n;
  const void* cr = std::memchr(p + pos, '\r', static_cast<size_t>(bis - pos));
  return cr ? static_cast<const char*>(cr) - p : bis;
}


}  // namespace

bool DatensatzZeileVerwerfen(const QString& zeile) {
  if (zeile.isEmpty()) return true;
  // Fields 0 to 14 empty: the line, without blanks at its start, begins with 15 TABs.
  qsizetype i = 0;
  const qsizetype n = zeile.size();
  while (i < n && zeile[i] == u' ') ++i;
  if (n - i < 15) return false;
  for (qsizetype k = i; k < i + 15; ++k)
    if (zeile[k] != u'\t') return false;
  // Account, bank code, bank, birthday, salutation or web address still make it a user's record.
  const Felder felder = FelderAusZeile(zeile);
  for (int f = 17; f <= 22; ++f)
    if (!felder[f].trimmed().isEmpty()) return false;
  return true;
}

AdressdateiInhalt AdressdateiZerlegen(const QByteArray& bytes, const QString& standardBeschreibung,
                                      const AdressdateiMeldungen& meldungen) {
  AdressdateiInhalt inhalt;
  inhalt.kodierung = Codec::erkennen(bytes);
  const bool utf8 = inhalt.kodierung == Codec::Kodierung::Utf8;
  const char* p = bytes.constData();
  const qsizetype n = bytes.size();
  qsizetype pos = 0;
  if (utf8 && n >= 3 && std::memcmp(p, "\xEF\xBB\xBF", 3) == 0) {
    inhalt.mitBom = true;
    pos = 3;
  }
  inhalt.datensaetze.reserve(std::min<qsizetype>(n / 64 + 16, kMaxDatensaetze));

  while (pos < n) {
    const qsizetype ende = zeilenEnde(p, pos, n);
    const qsizetype laenge = ende - pos;
    QString zeile = utf8 ? QString::fromUtf8(p + pos, laenge)
                         : Codec::aus1252(QByteArray::fromRawData(p + pos, laenge));
    pos = ende;
    if (pos < n) pos += (p[pos] == '\r' && pos + 1 < n && p[pos + 1] == '\n') ? 2 : 1;

    // Header lines count only while the description is still empty (a bare ".." leaves it so).
    if (inhalt.beschreibung.isEmpty()) {
      inhalt.beschreibung = standardBeschreibung;
      if (zeile.startsWith(QLatin1String(".."))) {
        if (!zeile.contains(u'\t')) inhalt.beschreibung = zeile.mid(2);
        zeile.clear();
      }
      if (meldungen.beschreibungGesetzt) meldungen.beschreibungGesetzt(inhalt.beschreibung);
    }
    if (zeile.startsWith(u'\t')) zeile.prepend(u' ');
    if (DatensatzZeileVerwerfen(zeile)) continue;
    if (inhalt.datensaetze.size() >= kMaxDatensaetze) {
      inhalt.abgeschnitten = true;
      break;
    }
    inhalt.datensaetze.append(std::move(zeile));
    if (meldungen.datensatzGelesen) meldungen.datensatzGelesen(static_cast<int>(inhalt.datensaetze.size()));
  }
  return inhalt;
}

QString KopfzeileBilden(const QString& text) {
  return text.startsWith(QLatin1String("..")) ? text : QStringLiteral("..") + text;
}

QByteArray AdressdateiBauen(const QString& kopfzeile, const QStringList& datensaetze, Codec::Kodierung kodierung,
                            bool mitBom) {
  qsizetype groesse = kopfzeile.size() + 2;
  for (const QString& z : datensaetze) groesse += z.size() + 2;
  QString text;
  text.reserve(groesse);
  text += ZeilenumbruchErsetzen(kopfzeile, QStringLiteral(" "));
  text += kCrLf;
  for (const QString& z : datensaetze) {
    text += ZeilenumbruchErsetzen(z, kGrad2);
    text += kCrLf;
  }
  QByteArray bytes = Codec::kodieren(text, kodierung);
  if (kodierung == Codec::Kodierung::Utf8 && mitBom) bytes.prepend("\xEF\xBB\xBF");
  return bytes;
}
