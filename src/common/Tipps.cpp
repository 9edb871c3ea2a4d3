#include "common/Tipps.h"

#include "common/Ini.h"
#include "common/Pfade.h"
#include "platform/dienste/Zufall.h"
#include "platform/vb/Vb.h"

#include <cmath>

namespace {
const QString kSektion = QStringLiteral("Tips");

QString tippSchluessel(int n) { return QStringLiteral("Tip") + QStringLiteral("%1").arg(n, 4, 10, QChar(u'0')); }
}  // namespace

int TippAnzahl(const QString& text) {
  const double zahl = std::nearbyint(vb::Val(text));  // half to even, as the runtime rounds
  if (zahl < -32768 || zahl > 32767) return 0;
  return static_cast<int>(zahl);
}

QString TippMarke(int n) { return u'.' + QStringLiteral("%1").arg(n, 4, 10, QChar(u'0')); }

int TippWaehlen(int anzahl, const QString& zuletzt, const std::function<bool(int)>& vorhanden,
                const std::function<double()>& rnd) {
  int n = 0;
  for (int versuch = 1;; ++versuch) {
    // The last number has half the weight of the others.
    n = static_cast<int>(std::floor(rnd() * (anzahl - 1 + 0.5))) + 1;
    if (versuch > 999) return 1;
    if (!vorhanden(n)) n = 0;
    if (n > 0 && !zuletzt.contains(TippMarke(n))) return n;
  }
}

QString TippZuletzt(int n, const QString& zuletzt, int anzahl) {
  const int behalten = anzahl > 10 ? 10 : anzahl - 1;
  return (TippMarke(n) + zuletzt).left(5 * std::max(behalten, 0));
}

QString TippText(const QString& roh) {
  QString t = vb::Trim(roh);
  t.replace(u'~', QStringLiteral("\r\n\r\n"));
  t.replace(QStringLiteral("{URL}"), kTippHomepage);
  if (!t.isEmpty() && !t.endsWith(u'.') && !t.endsWith(u'!') && !t.endsWith(u'?')) t += u'.';
  return t;
}

QString TippKopf(const QString& header, int major) {
  QString k = header;
  return k.replace(QStringLiteral("{Major}"), QStringLiteral("%1").arg(major, 2, 10, QChar(u'0')), Qt::CaseInsensitive);
}

TippAnzeige NaechsterTipp(const QString& tipsDatei, int major) {
  TippAnzeige a;
  if (!DateiVorhanden(tipsDatei)) return a;
  const int anzahl = TippAnzahl(IniLesen(tipsDatei, kSektion, QStringLiteral("Anzahl"), QStringLiteral("0")));
  if (anzahl < 1) return a;
  a.gefunden = true;
  const QString zuletzt = IniLesen(tipsDatei, kSektion, QStringLiteral("Zuletzt"), QStringLiteral(".0000"));
  a.frage = IniLesen(tipsDatei, kSektion, QStringLiteral("Frage"), QStringLiteral("???"));
  a.kopf = TippKopf(IniLesen(tipsDatei, kSektion, QStringLiteral("Header"), QStringLiteral("Willkommen")), major);
  Zufall::Randomize();
  auto lesen = [&](int n) { return IniLesen(tipsDatei, kSektion, tippSchluessel(n), QString()); };
  a.nummer = TippWaehlen(
      anzahl, zuletzt, [&](int n) { return !lesen(n).isEmpty(); }, [] { return Zufall::Rnd(); });
  IniSchreiben(tipsDatei, kSektion, QStringLiteral("Zuletzt"), TippZuletzt(a.nummer, zuletzt, anzahl));
  a.text = TippText(lesen(a.nummer));
  return a;
}
