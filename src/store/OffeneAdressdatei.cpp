#include "store/OffeneAdressdatei.h"

#include "common/Fehler.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "common/Text.h"
#include "platform/vb/Dateirechte.h"
#include "platform/vb/Laufzeitfehler.h"
#include "platform/vb/SicheresSchreiben.h"
#include "store/DateiEinstellung.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <limits>

namespace {

int fehlerNummer(const QFileDevice& datei) {
  const int n = vb::FehlerAusDatei(datei);
  return n != 0 ? n : vb::ErrPfadDateiZugriff;
}

// The bytes just written would be read with another encoding than the file has (a Windows-1252 file
// whose last byte invalid in UTF-8 went, a UTF-8 file that lost its last multi-byte character): the
// per-file settings keep the encoding, so that the next load reads the file as it was written.
// gelesen is how the bytes alone would be read (Codec::erkennen).
void KodierungMerken(Codec::Kodierung gelesen, Codec::Kodierung kodierung, const QString& iniDatei,
                     const QString& abschnitt) {
  const QString gemerkt = IniLesen(iniDatei, abschnitt, kZeichensatzSchluessel, QString());
  if (gemerkt.isEmpty() && gelesen == kodierung) return;
  const QString wert = KodierungsName(kodierung);
  if (gemerkt != wert) IniSchreiben(iniDatei, abschnitt, kZeichensatzSchluessel, wert);
}

}  // namespace

void OffeneAdressdatei::zuruecksetzen() {
  kodierung = Codec::Kodierung::Windows1252;
  mitBom = false;
  unvollstaendig = false;
}

namespace {

// The piece read at a time: few calls for a large file, and little beside its lines (below the size at
// which the allocator maps memory of its own, so that the next piece reuses the same).
constexpr qint64 kStueck = 64 * 1024;

// Reads up to laenge bytes of the open file piece by piece (the file's end stops it earlier) and hands
// each piece on until nehmen says false; false when the file could not be read.
template <typename Nehmen>
bool stueckweiseLesen(QFile& datei, qint64 laenge, Nehmen nehmen) {
  QByteArray puffer(static_cast<qsizetype>(std::min(laenge, kStueck)), Qt::Uninitialized);
  while (laenge > 0) {
    const qint64 n = datei.read(puffer.data(), std::min(laenge, kStueck));
    if (n < 0) return false;
    if (n == 0) break;
    laenge -= n;
    if (!nehmen(QByteArrayView(puffer.constData(), n))) break;
  }
  return datei.error() == QFileDevice::NoError;
}

}  // namespace

AdressdateiLesung OffeneAdressdatei::lesen(const QString& pfad) {
  AdressdateiLesung lesung;
  auto datei = std::make_unique<QFile>(pfad);
  if (!QFileInfo::exists(pfad)) {
    // Opened for reading as well: the load reads what was written.
    const QByteArray leer = QByteArray(23, '\t') + "\r\n";
    if (!datei->open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered) ||
        datei->write(leer) != leer.size() || !datei->flush() || !datei->seek(0)) {
      lesung.fehler = fehlerNummer(*datei);
      return lesung;
    }
  } else {
    lesung.ordner = QFileInfo(pfad).isDir();
    if (lesung.ordner || !datei->open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
      lesung.fehler = fehlerNummer(*datei);
      return lesung;
    }
  }
  if (!stueckweiseLesen(*datei, std::numeric_limits<qint64>::max(), [&](QByteArrayView stueck) {
        lesung.art.weiter(stueck);
        return true;
      })) {
    lesung.fehler = fehlerNummer(*datei);
    lesung.art = AdressdateiArt();
    return lesung;
  }
  lesung.datei = std::move(datei);
  return lesung;
}

AdressdateiInhalt OffeneAdressdatei::zerlegen(AdressdateiLesung& lesung, const QString& standardBeschreibung,
                                              std::optional<Codec::Kodierung> bekannt,
                                              const AdressdateiMeldungen& meldungen) {
  if (!lesung.datei) return zerlegen(QByteArray(), standardBeschreibung, bekannt, meldungen);
  const std::unique_ptr<QFile> datei = std::move(lesung.datei);
  AdressdateiLeser leser(lesung.art, standardBeschreibung, meldungen, bekannt);
  // Only the bytes looked at: what was appended to the file since then is not part of this load.
  qint64 gelesen = 0;
  if (!datei->seek(0) || !stueckweiseLesen(*datei, lesung.art.groesse(), [&](QByteArrayView stueck) {
        gelesen += stueck.size();
        return leser.weiter(stueck);
      })) {
    // As when the first reading fails: no lines, and the file worked on read-only.
    lesung.fehler = fehlerNummer(*datei);
    zuruecksetzen();
    unvollstaendig = true;
    return AdressdateiInhalt();
  }
  AdressdateiInhalt inhalt = behalten(leser.ende());
  // The file was cut short between the two readings (another program writing it in place): what is shown
  // is only a part of it and must not be saved over the whole.
  if (gelesen < lesung.art.groesse()) unvollstaendig = true;
  return inhalt;
}

AdressdateiInhalt OffeneAdressdatei::zerlegen(const QByteArray& bytes, const QString& standardBeschreibung,
                                              std::optional<Codec::Kodierung> bekannt,
                                              const AdressdateiMeldungen& meldungen) {
  return behalten(AdressdateiZerlegen(bytes, standardBeschreibung, meldungen, bekannt));
}

AdressdateiInhalt OffeneAdressdatei::behalten(AdressdateiInhalt inhalt) {
  kodierung = inhalt.kodierung;
  mitBom = inhalt.mitBom;
  // One keystroke must not cut the file short or rewrite some other file as an address file.
  if (inhalt.abgeschnitten || inhalt.keinText) unvollstaendig = true;
  return inhalt;
}

Speicherergebnis OffeneAdressdatei::speichern(const Speicherauftrag& auftrag) {
  Speicherergebnis ergebnis;
  // A file this user may no longer replace (its folder or the file itself changed since the load) is
  // not tried: that would report the same cause twice, for the backup copy and for the file.
  if (const Dateirechte::Hindernis hindernis = Dateirechte::ersetzenVerwehrt(auftrag.pfad)) {
    ergebnis.nummer = SystemFehlerNummer(hindernis.fehler);
    ergebnis.grund = Dateirechte::grund(hindernis);
  } else if (!SicherungAnlegen(auftrag.pfad, 1) && auftrag.ohneSicherungWeiter && !auftrag.ohneSicherungWeiter()) {
    // Without a backup copy the save goes on only when the caller says so: the new file is written beside
    // the old one and replaces it only when complete.
    ergebnis.gespeichert = false;
  } else {
    const QString kopf = KopfzeileBilden(Ersetzen(auftrag.kopf, QStringLiteral("^t"), QStringLiteral("\t")),
                                         auftrag.standardBeschreibung);
    // Encoded and written a piece at a time through the buffer kept from the last save: no buffer of the
    // whole file to allocate and fault in, and each piece is still in the cache when it is written.
    SichererSchreiber datei(auftrag.pfad);
    Codec::Utf8Pruefung gelesen;
    AdressdateiSchreiben(kopf, auftrag.zeilen, kodierung, mitBom, puffer_, kAdressdateiStueck,
                         [&](QByteArrayView teil) {
                           gelesen.weiter(teil.data(), teil.size());
                           return datei.schreiben(teil);
                         });
    int systemFehler = 0;
    ergebnis.nummer = datei.abschliessen(&systemFehler);
    if (ergebnis.nummer == 0) {
      // The backup goes only now that the new file is complete.
      SicherungAnlegen(auftrag.pfad, 0);
      KodierungMerken(gelesen.kodierung(), kodierung, auftrag.iniDatei, auftrag.abschnitt);
    } else {
      ergebnis.grund = systemFehler != 0 ? Dateirechte::systemGrund(systemFehler) : FehlerText(ergebnis.nummer) + u'.';
    }
  }
  if (ergebnis.nummer != 0) ergebnis.gespeichert = false;
  speicherFehler.clear();
  if (!ergebnis.gespeichert) {
    speicherFehler = QString::fromUtf16(u"Die Adressdatei »") + auftrag.name +
                     QString::fromUtf16(u"« konnte nicht gespeichert werden.");
    if (!ergebnis.grund.isEmpty()) speicherFehler += QStringLiteral("\r\n") + ergebnis.grund;
  }
  return ergebnis;
}
