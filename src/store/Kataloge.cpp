#include "store/Kataloge.h"

#include "common/Auswahldienst.h"
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "common/Token.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Vb.h"

#include <QDir>
#include <optional>

namespace {

// A country prefix is part of a file name in the catalogue folder: one that names other folders (from an
// imported record or a hand-edited setting) gives no catalogue at all.
bool LandGueltig(const QString& land) {
  return !land.contains(u'/') && !land.contains(u'\\') && !land.contains(QStringLiteral(".."));
}

struct PlzSchluessel {
  QString land;        // the country prefix ("D-")
  QString schluessel;  // the postcode without it
  QString datei(const char* art) const {
    if (!LandGueltig(land)) return {};
    // The first digit of the key splits the catalogue; any other first character goes to "9".
    QString d;
    if (!schluessel.isEmpty())
      d = schluessel[0].isDigit() && schluessel[0].unicode() < 128 ? schluessel.left(1) : QStringLiteral("9");
    return KatalogOrdner() + land + QString::fromLatin1(art) + d + QStringLiteral(".txt");
  }
};

// "A-1010" gives the prefix "A-" and the key "1010"; a postcode without a prefix of its own gets
// KatalogStdLand.
PlzSchluessel Zerlegen(const QString& plz) {
  const QString t = vb::Trim(plz);
  const qsizetype strich = t.indexOf(u'-');
  if (vb::Val(t) == 0 && strich >= 1) return {t.left(strich + 1).toUpper(), t.mid(strich + 1)};
  return {KatalogStdLand, t};
}

// Splits the entries at "," (empty pieces skipped).
QStringList Eintraege(const QString& wert) {
  QString text = vb::Trim(wert);
  QString trenner = QStringLiteral(",");
  const int n = TextZerlegen(text, trenner);
  QStringList stuecke;
  for (int i = 1; i <= n; ++i) stuecke << Token[i];
  return stuecke;
}

QString PlzLesen(const QString& plz, short& wahl, const char* art, bool vorwahl, const QString& bisher) {
  if (wahl != 0) wahl = 1;
  const PlzSchluessel s = Zerlegen(plz);
  if (vorwahl && vb::Val(s.schluessel) <= 0) return {};
  const QString name = s.datei(art);
  if (name.isEmpty() || s.schluessel.isEmpty()) return {};
  // A missing file reads as empty. No test for the file itself: that would first write out an entry
  // that waits in memory, once for every record of a take-over that reads and writes the catalogues.
  const QString wert = IniLesen(Paths::aufloesen(name), "PLZ", s.schluessel, "");
  const QStringList eintraege = Eintraege(wert);
  QString ergebnis = wert;
  if (wahl == 1 && eintraege.size() > 1) {
    const std::optional<QString> gewaehlt = EintragWaehlen(eintraege);
    if (gewaehlt)
      ergebnis = *gewaehlt;
    else
      ergebnis = vorwahl ? QString() : bisher;
  }
  if (ergebnis.startsWith(u',')) ergebnis = vb::Trim(ergebnis.mid(1));
  return ergebnis;
}

void PlzSchreiben(const QString& plz, QString& wert, const char* art) {
  const PlzSchluessel s = Zerlegen(plz);
  const QString datei = s.datei(art);
  if (datei.isEmpty()) {
    wert.clear();
    return;
  }
  QDir().mkpath(KatalogOrdner());
  wert = IniSchreiben(Paths::aufloesen(datei), "PLZ", s.schluessel, vb::Trim(wert));
}

}  // namespace

QString KatalogOrdner() { return Paths::aufloesen(ProgrammOrdner() + QStringLiteral("/Kataloge")) + u'/'; }

QString OrtZuPLZ(const QString& plz, short& wahl, const QString& bisher) {
  return PlzLesen(plz, wahl, "PLZ_Ort_", false, bisher);
}

QString VorwahlZuPLZ(const QString& plz, short& wahl) { return PlzLesen(plz, wahl, "PLZ_Vorwahl_", true, {}); }

QString BankZuBLZ(const QString& blz) {
  const QString code = vb::Trim(blz);
  if (code.isEmpty() || code.size() > 8) return {};
  for (QChar c : code)
    if (c < u'0' || c > u'9') return {};
  if (!LandGueltig(KatalogStdLand)) return {};
  const QString datei =
      Paths::aufloesen(KatalogOrdner() + KatalogStdLand + QStringLiteral("BLZ_") + code[0] + QStringLiteral(".Txt"));
  if (!DateiVorhanden(datei)) return {};
  const QString wert = IniLesen(datei, "BLZ", code.rightJustified(8, u'0'), "");
  const QStringList eintraege = Eintraege(wert);
  if (eintraege.size() >= 2) return EintragWaehlen(eintraege).value_or(QString());
  return wert;
}

void KatalogOrtSpeichern(const QString& plz, QString& ort) { PlzSchreiben(plz, ort, "PLZ_Ort_"); }

void KatalogVorwahlSpeichern(const QString& plz, QString& vorwahl) { PlzSchreiben(plz, vorwahl, "PLZ_Vorwahl_"); }
