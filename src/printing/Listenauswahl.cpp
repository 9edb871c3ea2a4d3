#include "printing/Listenauswahl.h"

#include "common/Fehler.h"
#include "platform/vb/Codec.h"
#include "platform/vb/Dateirechte.h"
#include "platform/vb/ListModel.h"
#include "platform/vb/SicheresSchreiben.h"
#include "store/Adressdatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

// Only blanks, as the dialog's trimming of a typed text has always been (a TAB stays).
QString ohneRandBlanks(const QString& text) {
  qsizetype a = 0, e = text.size();
  while (a < e && text[a] == u' ') ++a;
  while (e > a && text[e - 1] == u' ') --e;
  return text.mid(a, e - a);
}

// Field 9 of a record line, as splitting the line gives it ("°°" back to a line break).
QString feld9(const QString& zeile) {
  qsizetype anfang = 0;
  for (int feld = 0; feld < 9; ++feld) {
    const qsizetype tab = zeile.indexOf(u'\t', anfang);
    if (tab < 0) return QString();
    anfang = tab + 1;
  }
  qsizetype ende = zeile.indexOf(u'\t', anfang);
  if (ende < 0) ende = zeile.size();
  QString wert = zeile.mid(anfang, ende - anfang);
  if (wert.contains(u"°°"_s)) wert.replace(u"°°"_s, u"\r\n"_s);
  return wert;
}

}  // namespace

Zeilenbereiche NeuwahlBereiche(const QStringList& zeilen, const QString& name, const QString& filter,
                               const std::function<void(int)>& fortschritt) {
  const QString gesucht = ohneRandBlanks(name);
  const QString text = ohneRandBlanks(filter).toLower();
  const int m = static_cast<int>(zeilen.size());
  Zeilenbereiche bereiche;
  int prozent = -1;
  for (int i = 0; i < m; ++i) {
    const QString& zeile = zeilen[i];
    const bool waehlen = (gesucht.isEmpty() || feld9(zeile).contains(gesucht)) &&
                         (text.isEmpty() || zeile.contains(text, Qt::CaseInsensitive));
    if (waehlen) {
      if (!bereiche.isEmpty() && bereiche.last().bis == i - 1)
        bereiche.last().bis = i;
      else
        bereiche.append({i, i});
    }
    if (fortschritt && m > 1) {
      const int jetzt = static_cast<int>(100LL * i / (m - 1));
      if (jetzt != prozent) fortschritt(prozent = jetzt);
    }
  }
  return bereiche;
}

QString AuswahlZaehltext(int ausgewaehlt, int zeilen) {
  return QString::number(ausgewaehlt) + u" von "_s + QString::number(zeilen) +
         u" Kartulon sind zum Drucken ausgewählt"_s;
}

QStringList MaskenNamen(const QString& ordner) {
  QStringList namen;
  for (const QString& datei : QDir(ordner).entryList(QDir::Files | QDir::Hidden))
    if (datei.size() > 4 && datei.endsWith(u".msk"_s, Qt::CaseInsensitive)) namen << datei.chopped(4);
  vb::ListModel::sortieren(namen);
  return namen;
}

int GespeicherteMaskeFinden(const QStringList& namen, const QString& gespeichert) {
  for (qsizetype i = 0; i < namen.size(); ++i)
    if (namen[i].compare(gespeichert, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
  return namen.isEmpty() ? -1 : 0;
}

QString MaskeZumSpeichern(const QString& eintrag) {
  return eintrag.endsWith(u".msk"_s, Qt::CaseInsensitive) ? eintrag.chopped(4) : eintrag;
}

QByteArray AuszugBauen(const std::optional<QByteArray>& bisher, const QString& beschreibung,
                       const QStringList& zeilen) {
  if (!bisher) return AdressdateiBauen(u".."_s + u"Auszug aus "_s + beschreibung, zeilen);
  QByteArray bytes = *bisher;
  if (!bytes.isEmpty() && !bytes.endsWith('\n') && !bytes.endsWith('\r')) bytes += "\r\n";
  bytes += DatensatzzeilenBauen(zeilen, Codec::erkennen(*bisher));
  return bytes;
}

int AuszugSchreiben(const QString& pfad, const QString& beschreibung, const QStringList& zeilen, QString* grund) {
  auto melden = [grund](int nummer, const QString& text) {
    if (grund) *grund = text;
    return nummer;
  };
  if (const Dateirechte::Hindernis h = Dateirechte::ersetzenVerwehrt(pfad))
    return melden(SystemFehlerNummer(h.fehler), Dateirechte::grund(h));
  std::optional<QByteArray> bisher;
  if (QFileInfo::exists(pfad)) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
      const int nummer = FehlerNummer(datei);
      return melden(nummer, FehlerText(nummer) + u'.');
    }
    bisher = datei.readAll();
    if (datei.error() != QFileDevice::NoError) {
      const int nummer = FehlerNummer(datei);
      return melden(nummer, FehlerText(nummer) + u'.');
    }
  }
  int systemFehler = 0;
  const int nummer = DateiSicherSchreiben(pfad, AuszugBauen(bisher, beschreibung, zeilen), &systemFehler);
  if (nummer != 0)
    return melden(nummer, systemFehler != 0 ? Dateirechte::systemGrund(systemFehler) : FehlerText(nummer) + u'.');
  return 0;
}
