#include "common/Einstellungen.h"

#include "common/Ini.h"
#include "common/Pfade.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Vb.h"

#include <cmath>

namespace {

QString lesen(const char16_t* schluessel, const QString& standard) {
  return IniLesen(QString(), QString(), schluessel, standard);
}

int schalter(const char16_t* schluessel, const QString& standard) {
  return vb::Val(lesen(schluessel, standard)) != 0 ? 1 : 0;
}

// The number text with its sign position: " 1", " 0", "-1".
QString zahlText(int wert) { return vb::Str(static_cast<double>(wert)); }

}  // namespace

const QList<SortAmEnde>& SortAmEndeListe() {
  static const QList<SortAmEnde> liste = {
      {QStringLiteral("Keine Sortierung"), QStringLiteral("-1")},
      {QStringLiteral("Rubrik"), QStringLiteral("00")},
      {QStringLiteral("Nachname"), QStringLiteral("01")},
      {QStringLiteral("PLZ"), QStringLiteral("04")},
      {QStringLiteral("Land"), QStringLiteral("06")},
      {QStringLiteral("Telefon-Nr."), QStringLiteral("07")},
      {QStringLiteral("Zusatz"), QStringLiteral("10")},
      {QStringLiteral("Erstellungsdatum"), QStringLiteral("15")},
      {QString::fromUtf16(u"Änderungsdatum"), QStringLiteral("16")},
  };
  return liste;
}

QString SortAmEndeEintrag(const SortAmEnde& s) { return s.caption + QString(50, u' ') + s.code; }

const QStringList& AutoFormatCaseListe() {
  static const QStringList liste = {
      QString::fromUtf16(u"Unverändert"), QString::fromUtf16(u"Wortanfänge in Großschrift"),
      QString::fromUtf16(u"Feldanfänge in Großschrift"), QString::fromUtf16(u"Alles in Großschrift"),
      QStringLiteral("Alles in Kleinschrift")};
  return liste;
}

const QStringList& KatalogLaenderListe() {
  static const QStringList liste = {QStringLiteral("A-"), QStringLiteral("CH-"), QStringLiteral("D-")};
  return liste;
}

QString CallByCallIni() { return Paths::verbinden(ProgrammOrdner(), QStringLiteral("CallByCall.ini")); }

EinstellungsWerte EinstellungenLesen() {
  EinstellungsWerte w;
  const QString code = (QStringLiteral("   ") + lesen(u"SortAtClose", QStringLiteral("-1"))).right(2);
  w.sortGespeichert = code;
  w.sortAmEnde = 0;
  w.sortUnbekannt = true;
  const auto& sortListe = SortAmEndeListe();
  for (int i = 0; i < sortListe.size(); ++i)
    if (sortListe[i].code == code) {
      w.sortAmEnde = i;
      w.sortUnbekannt = false;
    }

  const double fall = vb::Val(lesen(u"AutoFormatUCase", QStringLiteral("0")));
  const double ganz = std::isfinite(fall) ? std::nearbyint(fall) : -1;
  w.autoFormatCase = ganz >= 0 && ganz < AutoFormatCaseListe().size() ? static_cast<int>(ganz) : -1;

  const QString land = lesen(u"KatalogStdLand", QStringLiteral("D-"));
  w.katalogGespeichert = land;
  w.katalogLand = 0;
  w.katalogUnbekannt = true;
  const QStringList& laender = KatalogLaenderListe();
  for (int i = 0; i < laender.size(); ++i)
    if (laender[i].compare(land, Qt::CaseInsensitive) == 0) {
      w.katalogLand = i;
      w.katalogUnbekannt = false;
    }

  w.auswahlOeffnen = schalter(u"AuswahlÖffnen", QStringLiteral("0"));
  w.ortAusPlz = schalter(u"OrtAusPlz", QStringLiteral("1"));
  w.autoFormatTrim = schalter(u"AutoFormatTrim", QStringLiteral("0"));
  w.autoNameDoppelt = schalter(u"AutoSucheDoppeltenNamen", QStringLiteral("0"));

  w.callByCallSichtbar =
      !IniLesen(CallByCallIni(), QStringLiteral("Allgemein"), QStringLiteral("aktiviert"), QString()).isEmpty();
  w.callByCall = vb::Val(IniLesen(CallByCallIni(), QStringLiteral("Allgemein"), QStringLiteral("aktiviert"),
                                  QStringLiteral("1"))) != 0
                     ? 1
                     : 0;
  return w;
}

void EinstellungenSchreiben(const EinstellungsWerte& w, bool sortGewaehlt, bool katalogGewaehlt) {
  auto schreiben = [](const char16_t* schluessel, const QString& wert) {
    IniSchreiben(QString(), QString(), schluessel, wert);
  };
  schreiben(u"AuswahlÖffnen", zahlText(w.auswahlOeffnen));
  schreiben(u"OrtAusPlz", zahlText(w.ortAusPlz));
  schreiben(u"AutoSucheDoppeltenNamen", zahlText(w.autoNameDoppelt));
  schreiben(u"AutoFormatUCase", zahlText(w.autoFormatCase));
  schreiben(u"AutoFormatTrim", zahlText(w.autoFormatTrim));
  // A hand-made value that the lists cannot show is not replaced by the fallback they show instead.
  if (!(w.sortUnbekannt && !sortGewaehlt)) {
    const auto& liste = SortAmEndeListe();
    if (w.sortAmEnde >= 0 && w.sortAmEnde < liste.size()) schreiben(u"SortAtClose", liste[w.sortAmEnde].code);
  }
  if (!(w.katalogUnbekannt && !katalogGewaehlt))
    schreiben(u"KatalogStdLand", KatalogLaenderListe().value(w.katalogLand));
  if (w.callByCallSichtbar)
    IniSchreiben(CallByCallIni(), QStringLiteral("Allgemein"), QStringLiteral("aktiviert"), zahlText(w.callByCall));
}
