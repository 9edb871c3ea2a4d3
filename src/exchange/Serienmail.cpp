#include "exchange/Serienmail.h"

#include "common/Email.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "common/Text.h"
#include "platform/vb/Codec.h"
#include "platform/vb/SicheresSchreiben.h"
#include "platform/vb/Vb.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kPunkt = u" · "_s;

vb::LikeMuster markierungsMuster(const QString& markierung) {
  const QString klein = markierung.toLower();
  vb::LikeMuster m(QString(u'*' + klein + u'*'));
  if (!m.gueltig()) m = vb::LikeMuster(QString(u'*' + vb::LikeMuster::woertlich(klein) + u'*'));
  return m;
}

}  // namespace

QString EmailEintrag(const QString& zeile, int position) {
  QString t = zeile;
  t.replace(u'\t', kPunkt);
  t = vb::Trim(t) + kPunkt + vb::Format(position, u"000000"_s);
  if (t.startsWith(u"· "_s)) t.remove(0, 2);
  return t;
}

int EmailEintragPosition(const QString& eintrag) { return static_cast<int>(vb::Val(vb::Right(eintrag, 6))); }

QString EmailFeld(const QString& zeile) {
  qsizetype anfang = 0;
  for (int feld = 0; feld < 14; ++feld) {
    anfang = zeile.indexOf(u'\t', anfang);
    if (anfang < 0) return {};
    ++anfang;
  }
  const qsizetype ende = zeile.indexOf(u'\t', anfang);
  return zeile.mid(anfang, ende < 0 ? -1 : ende - anfang);
}

bool EmailListenfaehig(const QString& zeile) {
  const QString feld = EmailFeld(zeile);
  // A line break would push the rest of the address into the mail's subject line.
  return !feld.contains(u"°°"_s) && !feld.contains(u'\r') && !feld.contains(u'\n') && EmailPruefen(feld);
}

EmailListe EmailListeBauen(const QStringList& zeilen, const QString& markierung0, const QString& markierung1,
                           const std::function<void(int prozent)>& fortschritt) {
  EmailListe liste;
  const vb::LikeMuster m0 = markierungsMuster(markierung0);
  const vb::LikeMuster m1 = markierungsMuster(markierung1);
  const bool alle0 = markierung0.isEmpty();
  const bool alle1 = markierung1.isEmpty();
  const qsizetype n = zeilen.size();
  int zuletzt = -1;
  for (qsizetype i = 0; i < n; ++i) {
    if (fortschritt && n >= 2) {
      const int prozent = static_cast<int>(i * 100 / (n - 1));
      if (prozent != zuletzt) fortschritt(zuletzt = prozent);
    }
    const QString& zeile = zeilen[i];
    if (!EmailListenfaehig(zeile)) continue;
    liste.eintraege << EmailEintrag(zeile, static_cast<int>(i));
    liste.markiert.push_back((alle0 || m0.passtKlein(zeile)) && (alle1 || m1.passtKlein(zeile)) ? 1 : 0);
  }
  return liste;
}

QString EmailVorlageSchluessel(const QString& aktuelleDatei, int index) {
  return DateiTeil(aktuelleDatei, 1) + u"_eMail"_s + QString::number(index);
}

QString EmailVorlageLesen(const QString& aktuelleDatei, int index) {
  const QString standard = index == 0 ? u"{Vorname} {Nachname}°°{Straße} °°{PLZ} {Ort}"_s : u"Betrifft"_s;
  return IniLesen(QString(), QString(), EmailVorlageSchluessel(aktuelleDatei, index), standard)
      .replace(u"°°"_s, u"\r\n"_s);
}

void EmailVorlageSpeichern(const QString& aktuelleDatei, int index, const QString& text) {
  IniSchreiben(QString(), QString(), EmailVorlageSchluessel(aktuelleDatei, index),
               vb::RTrim(text).replace(u"\r\n"_s, u"°°"_s));
}

QString EmailVorschau(const QString& vorlage, const Felder& felder, const Bezeichnungen& bezeichnungen, int index) {
  QString t = vorlage;
  for (int i = 0; i < kFeldAnzahl; ++i) t = Ersetzen(t, u'{' + bezeichnungen[i] + u'}', felder[i]);
  while (t.endsWith(u'\r') || t.endsWith(u'\n')) t.chop(1);
  t.replace(u'\t', u' ');
  if (index == 1) t = ZeilenumbruchErsetzen(t, u" "_s);
  return Ansi2Ascii(t);
}

QString EmailDateiName(const QString& ordner, const QDateTime& zeit, int position) {
  return ordner + u"/X-eMail-"_s + vb::Format(zeit, u"yyyymmddhhnnss"_s) + u'-' + vb::Format(position, u"00000"_s) +
         u".txt"_s;
}

QByteArray EmailDateiInhalt(const QString& adresse, const QString& betreff, const QString& text) {
  return Codec::nach1252(adresse + u"\r\n"_s + betreff + u"\r\n"_s + text + u"\r\n"_s);
}

int EmailDateiSchreiben(const QString& pfad, const QString& adresse, const QString& betreff, const QString& text) {
  return DateiSicherSchreiben(pfad, EmailDateiInhalt(adresse, betreff, text));
}
