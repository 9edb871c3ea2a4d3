// Mask filling. Placeholders name fields by the captions of the main window's labels:
//   {caption}   the field's value          {~caption}  CR LF + the value, when it holds more than blanks
//   {@Datum}    today, dd.mm.yyyy          {@Uhrzeit}  the time of day, hh:mm
//   ^t          a TAB                      ~ at the start of a line but the first: removed
// The replacements run in that order on the text as it stands, so a value's own placeholders of later
// fields are filled too. That lets a record chain them (a value holding a later placeholder five times,
// whose value holds the next one six times, ...), so the filling stops before the text would pass
// kMaskeHoechstens characters and returns what it had filled up to there.
#include "store/Maske.h"

#include "common/Global.h"
#include "common/Pfade.h"
#include "common/Text.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Codec.h"
#include "platform/vb/Paths.h"
#include "store/Datensatz.h"

#include "platform/vb/Vb.h"

#include <QFile>
#include <QRegularExpression>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The mask file: as named (relative to the current folder), else in the mask folder. A name with a
// drive or an absolute path from another machine is looked for there by its file name alone.
QString maskenDatei(const QString& maske) {
  QString name = maske;
  if (!name.toLower().endsWith(QStringLiteral(".msk"))) name += QStringLiteral(".msk");
  const QString direkt = Paths::aufloesen(name);
  if (DateiVorhanden(direkt)) return direkt;
  const QString normal = Paths::normalisieren(name);
  static const QRegularExpression laufwerk(QStringLiteral("^[A-Za-z]:"));
  const bool fremd = normal.startsWith(u'/') || laufwerk.match(normal).hasMatch();
  const QString imOrdner = Paths::aufloesen(Paths::verbinden(MaskenOrdner, fremd ? normal.section(u'/', -1) : normal));
  if (DateiVorhanden(imOrdner)) return imOrdner;
  if (!fremd && normal.contains(u'/')) {
    const QString nurName = Paths::aufloesen(Paths::verbinden(MaskenOrdner, normal.section(u'/', -1)));
    if (DateiVorhanden(nurName)) return nurName;
  }
  return {};
}

// Replaces every occurrence (case-insensitive), unless the result would pass the bound: then the text
// stays as it is and false is returned.
bool ersetzen(QString& text, const QString& suche, const QString& durch) {
  if (text.isEmpty() || suche.isEmpty()) return true;
  qsizetype pos = text.indexOf(suche, 0, Qt::CaseInsensitive);
  if (pos < 0) return true;
  QString aus;
  qsizetype von = 0;
  while (pos >= 0) {
    if (aus.size() + (pos - von) + durch.size() > kMaskeHoechstens) return false;
    aus.append(QStringView(text).mid(von, pos - von));
    aus.append(durch);
    von = pos + suche.size();
    pos = text.indexOf(suche, von, Qt::CaseInsensitive);
  }
  if (aus.size() + (text.size() - von) > kMaskeHoechstens) return false;
  aus.append(QStringView(text).mid(von));
  text = std::move(aus);
  return true;
}

}  // namespace

QString MaskeLaden(const QString& maske) {
  const QString datei = maskenDatei(maske);
  if (datei.isEmpty()) return {};
  QFile f(datei);
  if (!f.open(QIODevice::ReadOnly)) return {};
  QString text;
  for (const QString& z : Codec::zeilenTrennen(Codec::dekodieren(f.readAll()))) text += z + kCrLf;
  return text;
}

QString MaskentextFuellen(QString text, const QString& zeile, const Bezeichnungen& bezeichnungen) {
  if (text.isEmpty()) return {};
  const Felder werte = FelderAusZeile(zeile);
  bool imRahmen = true;
  for (int i = 0; i < kFeldAnzahl && imRahmen; ++i) {
    const QString& caption = bezeichnungen[i];
    const QString& wert = werte[i];
    imRahmen = ersetzen(text, u'{' + caption + u'}', wert) &&
               ersetzen(text, QStringLiteral("{~") + caption + u'}', vb::Trim(wert).isEmpty() ? wert : kCrLf + wert);
  }
  if (imRahmen) {
    const QDateTime jetzt = Clock::now();
    imRahmen = ersetzen(text, QStringLiteral("{@Datum}"), jetzt.date().toString(QStringLiteral("dd.MM.yyyy"))) &&
               ersetzen(text, QStringLiteral("{@Uhrzeit}"), jetzt.time().toString(QStringLiteral("hh:mm")));
  }
  if (imRahmen) ersetzen(text, QStringLiteral("^t"), QStringLiteral("\t"));
  while (text.endsWith(u'\r') || text.endsWith(u'\n')) text.chop(1);
  ersetzen(text, QStringLiteral("\n~"), QStringLiteral("\n"));
  return vb::Trim(text);
}

QString MaskeFuellen(const QString& maske, const QString& zeile, const Bezeichnungen& bezeichnungen) {
  return MaskentextFuellen(MaskeLaden(maske), zeile, bezeichnungen);
}
