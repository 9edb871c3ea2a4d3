#include "store/Adressdatei.h"

#include "store/Datensatz.h"

#include <QStringDecoder>
#include <cstring>

namespace {

const QString kGrad2 = QStringLiteral("°°");
const QString kCrLf = QStringLiteral("\r\n");


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
                                      const AdressdateiMeldungen& meldungen,
                                      std::optional<Codec::Kodierung> bekannt) {
  AdressdateiInhalt inhalt;
  inhalt.keinText = bytes.contains('\0');
  if (bekannt == Codec::Kodierung::Windows1252)
    inhalt.kodierung = Codec::Kodierung::Windows1252;
  else if (bekannt == Codec::Kodierung::Utf8)
    inhalt.kodierung = Codec::istUtf8(bytes) ? Codec::Kodierung::Utf8 : Codec::Kodierung::Windows1252;
  else
    inhalt.kodierung = Codec::erkennen(bytes);
  const bool utf8 = inhalt.kodierung == Codec::Kodierung::Utf8;
  qsizetype start = 0;
  if (utf8 && bytes.startsWith("\xEF\xBB\xBF")) {
    inhalt.mitBom = true;
    start = 3;
  }
  // The whole file at once: a U+FEFF at the start of a later line is text, not a byte-order mark.
  const QByteArrayView rumpf(bytes.constData() + start, bytes.size() - start);
  QString text;
  if (utf8) {
    QStringDecoder dekoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    text = dekoder.decode(rumpf);
  } else {
    text = Codec::aus1252(rumpf.toByteArray());
  }
  const QChar* p = text.constData();
  const qsizetype n = text.size();
  qsizetype pos = 0;
  inhalt.datensaetze.reserve(std::min<qsizetype>(n / 64 + 16, kMaxDatensaetze));

  bool ersteZeile = true;
  while (pos < n) {
    qsizetype ende = pos;
    while (ende < n && p[ende] != u'\r' && p[ende] != u'\n') ++ende;
    QString zeile(p + pos, ende - pos);
    pos = ende;
    if (pos < n) pos += (p[pos] == u'\r' && pos + 1 < n && p[pos + 1] == u'\n') ? 2 : 1;

    // Only the first line can be the header, even when it leaves the description empty.
    if (ersteZeile) {
      ersteZeile = false;
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

QString KopfzeileBilden(const QString& text, const QString& ersatz) {
  const QString kopf = text.startsWith(QLatin1String("..")) ? text : QStringLiteral("..") + text;
  if (kopf.size() > 2) return kopf;
  return QStringLiteral("..") + (ersatz.isEmpty() ? QStringLiteral("Adressen") : ersatz);
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
