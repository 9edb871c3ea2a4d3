#include "store/Auswahllisten.h"

#include "common/Global.h"
#include "common/Pfade.h"
#include "common/Text.h"
#include "common/Token.h"
#include "platform/vb/Codec.h"
#include "platform/vb/Laufzeitfehler.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Vb.h"

#include <QFile>

namespace {

// Blanks at both ends cut, without copying when there are none.
QString ohneRandBlanks(QStringView t) {
  qsizetype a = 0, e = t.size();
  while (a < e && t[a] == u' ') ++a;
  while (e > a && t[e - 1] == u' ') --e;
  return t.mid(a, e - a).toString();
}

}  // namespace

QString AuswahlDateiName(const QString& ordner, int index) {
  return Paths::aufloesen(Paths::verbinden(ordner, QStringLiteral("Liste%1.txt").arg(index, 2, 10, QLatin1Char('0'))));
}

int AuswahlDateiLesen(const QString& ordner, int index, QStringList& eintraege) {
  const QString datei = AuswahlDateiName(ordner, index);
  if (!DateiVorhanden(datei)) return 0;
  QFile f(datei);
  if (!f.open(QIODevice::ReadOnly)) return vb::FehlerAusDatei(f);
  const QByteArray bytes = f.readAll();
  if (f.error() != QFileDevice::NoError) return vb::FehlerAusDatei(f.error());
  for (const QString& zeile : Codec::zeilenTrennen(Codec::dekodieren(bytes))) eintraege << vb::RTrim(zeile);
  return 0;
}

QStringList Feldwerte(const Adressbestand& bestand, int index, const std::function<void(int zeile)>& fortschritt) {
  QStringList werte;
  if (index < 0) return werte;
  const QString& trenner = Feldtrenner;
  const QStringList& zeilen = bestand.Zeilen();
  werte.reserve(zeilen.size());
  for (qsizetype r = 0; r < zeilen.size(); ++r) {
    if (fortschritt) fortschritt(static_cast<int>(r));
    const QStringView zeile(zeilen[r]);
    // The field is taken when the separator after it is there.
    qsizetype anfang = 0;
    bool da = true;
    for (int k = 0; k < index && da; ++k) {
      const qsizetype p = zeile.indexOf(trenner, anfang);
      if (p < 0)
        da = false;
      else
        anfang = p + trenner.size();
    }
    if (!da) continue;
    const qsizetype ende = zeile.indexOf(trenner, anfang);
    if (ende < 0) continue;
    werte << ohneRandBlanks(zeile.mid(anfang, ende - anfang));
  }
  return werte;
}

QStringList TelefonAuswahl(const std::array<QString, 4>& nummern, const QString& vorwahlen) {
  QStringList eintraege(nummern.begin(), nummern.end());
  if (vorwahlen.isEmpty()) return eintraege;
  const int n = TextZerlegen(vorwahlen, QStringLiteral(","));
  for (int k = 1; k <= n; ++k) {
    const QString vorwahl = Token[k];
    eintraege << vorwahl << vb::Trim(vorwahl) + QStringLiteral(" - ");
  }
  return eintraege;
}

int AuswahlVorbelegung(const QStringList& eintraege, const QString& text) {
  if (eintraege.isEmpty()) return -1;
  const QString gesucht = vb::Trim(text);
  int vorbelegt = 0;
  for (qsizetype i = 0; i < eintraege.size(); ++i)
    if (eintraege[i].compare(gesucht, Qt::CaseInsensitive) == 0) vorbelegt = static_cast<int>(i);
  return vorbelegt;
}

QStringList EmailVorschlaege(const QString& nachname, const QString& vorname, const QString& telefon) {
  const QString n = Ansi2Ascii(nachname);
  const QString v = Ansi2Ascii(vorname);
  const QString v1 = v.left(1);
  QStringList vorschlaege = {n,     n + v,        n + u'_' + v, n + u'.' + v, v,
                             v + n, v + u'.' + n, v + u'_' + n, v1 + n,       v1 + u'.' + n};
  if (!telefon.isEmpty()) {
    static const QString ziffern = QStringLiteral("0123456789");
    vorschlaege << NurZeichen(telefon, ziffern) << NurZeichen(telefon + QStringLiteral("001"), ziffern);
  }
  for (QString& s : vorschlaege) s = vb::Trim(s);
  return vorschlaege;
}
