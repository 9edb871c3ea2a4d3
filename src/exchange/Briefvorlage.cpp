#include "exchange/Briefvorlage.h"

#include "common/Ini.h"
#include "common/Pfade.h"
#include "common/Text.h"
#include "common/ZDos.h"
#include "platform/vb/Laufzeitfehler.h"
#include "platform/vb/Paths.h"
#include "platform/vb/SicheresSchreiben.h"
#include "platform/vb/Vb.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

QString VorlagenSektion(const QString& vorlagenIni, const QString& benutzer) {
  if (!benutzer.isEmpty() && !IniLesen(vorlagenIni, benutzer, u"DocName1"_s, QString()).isEmpty()) return benutzer;
  return u"def"_s;
}

VorlagenOrt VorlagenOrtAus(const QString& wordVorlagen) {
  return {Paths::normalisieren(DateiTeil(wordVorlagen, -1)), DateiTeil(wordVorlagen, 3)};
}

QString DokumentVorschlag(const QString& docName1, const QString& docNummer, const QString& docName2,
                          const QString& docName3, const QString& nachname, const QDate& heute, int* anfangNachname) {
  QString name = Ersetzen(docName1, u"{jj}"_s, vb::Format(heute, u"yy"_s));
  name = Ersetzen(name, u"{jjjj}"_s, vb::Format(heute, u"yyyy"_s));
  name += vb::Format(vb::Val(docNummer), docName2) + docName3;
  if (anfangNachname) *anfangNachname = static_cast<int>(name.size());
  return name + Z_DOS::DateinameBereinigen(vb::Trim(nachname));
}

QChar DokumentzeichenFiltern(QChar c) {
  static const QString verboten = uR"(*?:\/_,;.~^" )"_s;
  if (c.unicode() < 32 || c.unicode() == 127 || verboten.contains(c)) return u'_';
  return c;
}

QString DokumentnameFiltern(const QString& text) {
  QString t = text;
  for (QChar& c : t) c = DokumentzeichenFiltern(c);
  return t;
}

QString AustauschWert(const QString& wert) {
  QString v = wert;
  v.replace(u'\r', u'~');
  v.replace(u'\n', u'~');
  v = Ersetzen(v, u"~~"_s, u"~"_s);
  if (v.endsWith(u'~')) v.chop(1);
  v.replace(u"~"_s, u"^a"_s);
  return v;
}

void AdressParaSet(const QString& name, const QString& wert) {
  const QString datei = IniLesen(QString(), QString(), u"Adr_IniSpeichern_In"_s, QString());
  const QString v = AustauschWert(wert);
  if (datei.isEmpty()) return;
  const double nummer = vb::Val(name);
  if (nummer > 0)
    IniSchreiben(datei, u"Zuletztnr"_s, vb::Format(nummer, u"00"_s), v);
  else
    IniSchreiben(datei, u"Zuletztbez"_s, name, v);
}

bool GleicheDatei(const QString& a, const QString& b) {
  const QFileInfo fa(Paths::aufloesen(Paths::normalisieren(a)));
  const QFileInfo fb(Paths::aufloesen(Paths::normalisieren(b)));
  if (!fa.exists() || !fb.exists()) return false;
  return fa.canonicalFilePath() == fb.canonicalFilePath();
}

KopieErgebnis VorlageKopieren(const QString& quelle, const QString& ziel, int* fehler) {
  auto misslungen = [fehler](int nummer) {
    if (fehler) *fehler = nummer;
    return KopieErgebnis::Fehler;
  };
  if (fehler) *fehler = 0;
  if (GleicheDatei(quelle, ziel)) return KopieErgebnis::Gleich;
  const QString von = Paths::aufloesen(Paths::normalisieren(quelle));
  if (vb::Trim(DateiTeil(quelle, 3)).isEmpty() || QFileInfo(von).isDir()) return misslungen(vb::ErrDateiNichtGefunden);
  QFile q(von);
  if (!q.open(QIODevice::ReadOnly))
    return misslungen(q.exists() ? vb::ErrZugriffVerweigert : vb::ErrDateiNichtGefunden);
  const QByteArray bytes = q.readAll();
  if (q.error() != QFileDevice::NoError) return misslungen(vb::ErrGeraeteEA);
  q.close();
  // An existing target of another spelling is the file the original's file system would have written.
  const int nummer = DateiSicherSchreiben(Paths::aufloesen(Paths::normalisieren(ziel)), bytes);
  if (nummer != 0) return misslungen(nummer);
  return KopieErgebnis::Kopiert;
}
