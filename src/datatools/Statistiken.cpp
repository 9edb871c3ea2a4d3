#include "datatools/Statistiken.h"

#include "platform/vb/Vb.h"
#include "store/Suchen.h"

WortZaehlung KartulonMitZaehlen(const Adressbestand& bestand, const QString& suchtext, bool ohneTrenner,
                                const std::function<void(int k)>& jeSatz) {
  const SatzSuche suche(suchtext, ohneTrenner);
  const QStringList zeilen = bestand.Zeilen();  // shares the lines
  WortZaehlung z;
  for (int k = 0; k < zeilen.size(); ++k) {
    if (jeSatz) jeSatz(k);
    ++z.gesamt;
    if (suche.passt(zeilen[k])) ++z.treffer;
  }
  return z;
}

QString KartulonMitBericht(const QString& suchtext, const WortZaehlung& z) {
  QString t = QStringLiteral("Gesucht wurden Kartulon mit folgendem Inhalt:~~»") + suchtext + QStringLiteral("«~~") +
              QString::number(z.treffer) + QStringLiteral(" / ") + QString::number(z.gesamt) +
              QStringLiteral(" Kartulon enthalten den Suchtext.~~");
  if (z.gesamt > 0)
    t += QStringLiteral("Das entspricht ") + vb::Format(100.0 * z.treffer / z.gesamt, QStringLiteral("0.0")) +
         QStringLiteral("%.~");
  return t;
}

bool PlzVerteilung::zaehlen(const QString& plz) {
  bool ziffern = plz.size() == 5;
  for (const QChar c : plz)
    if (c < u'0' || c > u'9') ziffern = false;
  if (!ziffern) {
    ++zaehler[10];
    return false;
  }
  const int wert = plz.toInt();
  if (wert <= 0 || wert >= 99999) return false;
  ++gezaehlt;
  ++zaehler[plz[0].unicode() - u'0'];
  return true;
}

QString PlzVerteilungBericht(const PlzVerteilung& v, const QString& beschreibung) {
  QString t = QStringLiteral("Verteilung der Postleitzahlen innerhalb der Adressdatei »") + beschreibung +
              QStringLiteral("«.~~");
  if (v.gezaehlt > 0)
    for (int i = 0; i <= 9; ++i)
      t += QString::number(i) + QStringLiteral("....   ") +
           vb::Format(100.0 * v.zaehler[i] / v.gezaehlt, QStringLiteral("00.0")) + QStringLiteral(" %   ") +
           vb::Format(v.zaehler[i], QStringLiteral("#,##0")) + QStringLiteral(" x~");
  t += QStringLiteral("~Erfasst sind ") + vb::Format(v.gezaehlt, QStringLiteral("#,##0")) +
       QStringLiteral(" Kartulon mit Postleitzahl.~") + vb::Format(v.zaehler[10], QStringLiteral("#,##0")) +
       QStringLiteral(" entsprechen nicht dem 5-stelligen Ziffernschema.");
  return t;
}
