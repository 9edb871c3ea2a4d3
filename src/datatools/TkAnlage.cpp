#include "datatools/TkAnlage.h"

#include "common/Ini.h"
#include "common/Pfade.h"
#include "common/Text.h"
#include "common/ZDos.h"
#include "datatools/Telefonlisten.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Codec.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Vb.h"
#include "store/CallByCall.h"
#include "store/Datensatz.h"

#include <QFile>
#include <QMap>
#include <algorithm>
#include <cmath>

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kFehler = QStringLiteral("Es ist ein Fehler beim Export des Tk-Anlagen-Kurzwahlspeichers aufgetreten.");
// A margin beyond this is a typing slip in the settings, not a layout: it would make every line huge.
constexpr int kHoechsterRand = 1000;

int ganzeZahl(const QString& text) {
  const double wert = std::nearbyint(vb::Val(text));
  return static_cast<int>(std::clamp(wert, -1e9, 1e9));
}

// Upper case letter by letter, as the runtime's UCase gives it ("ß" stays).
QString gross(const QString& text) {
  QString t = text;
  for (QChar& c : t) c = c.toUpper();
  return t;
}

QStringList includeZeilen(const QString& datei) {
  if (datei.isEmpty()) return {};
  const QString pfad = Paths::aufloesen(datei);
  if (!DateiVorhanden(pfad)) return {};
  QFile f(pfad);
  if (!f.open(QIODevice::ReadOnly)) return {};
  QStringList zeilen;
  for (const QString& z : Codec::zeilenTrennen(Codec::dekodieren(f.readAll())))
    if (!vb::Trim(z).isEmpty()) zeilen << z;
  return zeilen;
}

}  // namespace

QString TkAnlageTitel() { return QStringLiteral("Export des Tk-Anlagen-Kurzwahlspeichers"); }

TkAnlageEinstellungen TkAnlageEinstellungenLesen(const QString& ini) {
  const auto lesen = [&ini](const char* sektion, const QString& schluessel, const QString& standard = QString()) {
    return IniLesen(ini, QString::fromLatin1(sektion), schluessel, standard);
  };
  TkAnlageEinstellungen e;
  e.anlage = lesen("Allgemein", QStringLiteral("Tk-Anlage"));
  e.exportDatei = lesen("Export", QStringLiteral("Datei"));
  e.include = lesen("Export", QStringLiteral("DateiInclude"));
  e.kopf = lesen("Export", QStringLiteral("TextKopf"));
  e.datensatz = lesen("Export", QStringLiteral("Datensatz"));
  e.fuss = lesen("Export", QStringLiteral("TextFuss"));
  e.listeDatei = lesen("InfoText", QStringLiteral("Datei"));
  e.rand =
      std::clamp(ganzeZahl(lesen("InfoText", QStringLiteral("LinkerRand"), QStringLiteral("10"))), 0, kHoechsterRand);
  e.telInfo = lesen("InfoText", QStringLiteral("TelInfo"));
  e.faxInfo = lesen("InfoText", QStringLiteral("FaxInfo"));
  e.mobInfo = lesen("InfoText", QStringLiteral("MobInfo"));
  for (int n = 1; n <= 9; ++n) e.fusszeilen[n - 1] = lesen("InfoText", QStringLiteral("Fusszeile%1").arg(n));
  e.telOffset = ganzeZahl(lesen("Speicher", QStringLiteral("TelOffset")));
  e.mobOffset = ganzeZahl(lesen("Speicher", QStringLiteral("MobOffset")));
  e.faxOffset = ganzeZahl(lesen("Speicher", QStringLiteral("FaxOffset")));
  return e;
}

TkAnlageTexte TkAnlageTexteBauen(const QStringList& zeilen, const TkAnlageEinstellungen& e,
                                 const Satzfortschritt& fortschritt) {
  struct Nummer {
    int feld;
    QString zusatz;
    int versatz;
  };
  const Nummer nummern[] = {
      {7, QString(), 100}, {8, QStringLiteral(" (Fax)"), 200}, {12, QStringLiteral(" (Mobil)"), 150}};
  const CallByCallTabelle callByCall;
  TkAnlageTexte t;
  t.exportText = e.kopf + kCrLf;
  QMap<int, QString> kurzwahl;  // by memory place; a later record takes the place of an earlier one
  int zaehler = 19;
  const int n = static_cast<int>(zeilen.size());
  for (int i = 0; i < n; ++i) {
    if (fortschritt) fortschritt(i);
    const Felder feld = FelderAusZeile(Auf1252(zeilen[i]));
    if (!feld[9].contains(u'S', Qt::CaseInsensitive)) continue;
    QString name = vb::Trim(feld[1] + QStringLiteral(", ") + feld[2]);
    if (!vb::Trim(feld[10]).isEmpty()) name += QStringLiteral(" (") + feld[10] + u')';
    int platz = Speicherplatz(feld[9]);
    if (platz <= 0) platz = ++zaehler;
    for (const Nummer& nr : nummern) {
      const QString& wert = feld[nr.feld];
      if (wert.isEmpty()) continue;
      const QString text = Ersetzen(name + nr.zusatz, QStringLiteral(") ("), QStringLiteral(", "));
      const QString ziffern = NurZeichen(wert, QStringLiteral("0123456789"));
      const QString nummer = callByCall.vorwahl(ziffern, 0) + ziffern;
      const int position = platz + nr.versatz;
      QString zeile = Ersetzen(e.datensatz, QStringLiteral("{Name}"), text.left(25));
      zeile = Ersetzen(zeile, QStringLiteral("{Nummer}"), nummer);
      zeile = Ersetzen(zeile, QStringLiteral("{Speicher}"), QString::number(position));
      t.exportText += zeile + kCrLf;
      kurzwahl.insert(position, text + callByCall.vorwahl(wert, 2));
    }
  }
  for (const QString& z : includeZeilen(e.include)) t.exportText += z + kCrLf;
  t.exportText += e.fuss + kCrLf;

  const QString rand = vb::Space(e.rand);
  t.listeText = rand + gross(e.anlage + QStringLiteral("-Kurzwahlliste")) + QStringLiteral(" vom ") +
                vb::Format(Clock::today(), QStringLiteral("dd.mm.yyyy")) + kCrLf;
  // The list runs to 999 + TelOffset, or further when a memory place lies beyond; only the places with a
  // heading or an entry give lines, so they alone are visited.
  const int ende = std::max(999 + e.telOffset, kurzwahl.isEmpty() ? 0 : kurzwahl.lastKey());
  QList<int> plaetze = kurzwahl.keys();
  for (int p : {e.telOffset, e.faxOffset, e.mobOffset})
    if (p >= 0 && p <= ende && !kurzwahl.contains(p)) plaetze << p;
  std::sort(plaetze.begin(), plaetze.end());
  plaetze.erase(std::unique(plaetze.begin(), plaetze.end()), plaetze.end());
  for (int p : std::as_const(plaetze)) {
    if (p < 0 || p > ende) continue;
    const std::pair<int, const QString*> ueberschriften[] = {
        {e.telOffset, &e.telInfo}, {e.faxOffset, &e.faxInfo}, {e.mobOffset, &e.mobInfo}};
    for (const auto& [offset, info] : ueberschriften)
      if (p == offset) t.listeText += kCrLf + rand + *info + kCrLf + kCrLf;
    const QString eintrag = kurzwahl.value(p);
    if (!eintrag.isEmpty()) t.listeText += rand + vb::Format(p, QStringLiteral(" 000 ")) + eintrag + kCrLf;
  }
  t.listeText += kCrLf;
  for (int k = 0; k < 9; ++k) {
    if (e.fusszeilen[k].isEmpty()) continue;
    t.listeText += rand + (k >= 1 ? QStringLiteral(" ") : QString()) +
                   Ersetzen(e.fusszeilen[k], QStringLiteral("~"), kCrLf) + kCrLf;
  }
  return t;
}

Exportergebnis TkAnlageExportieren(const QStringList& zeilen, const QString& tkAnlageIni,
                                   const Satzfortschritt& fortschritt) {
  const TkAnlageEinstellungen e = TkAnlageEinstellungenLesen(tkAnlageIni);
  for (const auto& [wert, eintrag] :
       {std::pair{&e.exportDatei, "[Export] Datei"}, std::pair{&e.listeDatei, "[InfoText] Datei"}})
    if (wert->isEmpty())
      return Abweisung(QStringLiteral("In der Datei »") + tkAnlageIni + QStringLiteral("« fehlt der Eintrag ") +
                           QString::fromLatin1(eintrag) + u'.',
                       TkAnlageTitel());
  for (const QString* datei : {&e.exportDatei, &e.listeDatei})
    if (const QString nein = ExportzielAbweisung(*datei); !nein.isEmpty()) return Abweisung(nein, TkAnlageTitel());

  const TkAnlageTexte t = TkAnlageTexteBauen(zeilen, e, fortschritt);
  const QString exportPfad = Exportpfad(e.exportDatei), listePfad = Exportpfad(e.listeDatei);
  // Both targets are checked first, so that a refused list does not leave a new export file beside an
  // old list.
  const bool geschrieben = ExportzielBeschreibbar(exportPfad, kFehler) && ExportzielBeschreibbar(listePfad, kFehler) &&
                           ExportSchreiben(exportPfad, Exportbytes(t.exportText), kFehler) &&
                           ExportSchreiben(listePfad, Exportbytes(t.listeText), kFehler);
  if (!geschrieben) return {Exportstand::Fehlgeschlagen, 0, {}, TkAnlageTitel()};
  Z_DOS::TextDateiBearbeiten(listePfad, false);
  return {Exportstand::Geschrieben, 0, {}, TkAnlageTitel()};
}
