#include "common/ZahlTexte.h"

#include "common/Ini.h"
#include "platform/vb/Vb.h"

#include <QStringList>
#include <array>
#include <cmath>

namespace {

struct NamensListe {
  const char* art;
  QStringList eintraege;  // the last one is the fallback
};

const std::array<NamensListe, 4>& namensListen() {
  static const std::array<NamensListe, 4> listen = {{
      {"wt",
       {QStringLiteral("Sonntag"), QStringLiteral("Montag"), QStringLiteral("Dienstag"), QStringLiteral("Mittwoch"),
        QStringLiteral("Donnerstag"), QStringLiteral("Freitag"), QStringLiteral("Samstag"), QStringLiteral("Tag???")}},
      {"wt2",
       {QStringLiteral("So"), QStringLiteral("Mo"), QStringLiteral("Di"), QStringLiteral("Mi"), QStringLiteral("Do"),
        QStringLiteral("Fr"), QStringLiteral("Sa"), QStringLiteral("??")}},
      {"mo",
       {QStringLiteral("Januar"), QStringLiteral("Februar"), QStringLiteral("März"), QStringLiteral("April"),
        QStringLiteral("Mai"), QStringLiteral("Juni"), QStringLiteral("Juli"), QStringLiteral("August"),
        QStringLiteral("September"), QStringLiteral("Oktober"), QStringLiteral("November"), QStringLiteral("Dezember"),
        QStringLiteral("Monat???")}},
      {"mo3",
       {QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mär"), QStringLiteral("Apr"),
        QStringLiteral("Mai"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Aug"),
        QStringLiteral("Sep"), QStringLiteral("Okt"), QStringLiteral("Nov"), QStringLiteral("Dez"),
        QStringLiteral("???")}},
  }};
  return listen;
}

// Half to even, as the runtime rounds.
double gerundet(double x) { return std::nearbyint(x); }

}  // namespace

QString DatumName(int& nummer, const QString& art) {
  for (const NamensListe& liste : namensListen()) {
    if (art.compare(QLatin1String(liste.art), Qt::CaseInsensitive) != 0) continue;
    const int anzahl = static_cast<int>(liste.eintraege.size());
    if (nummer < 1 || nummer > anzahl) nummer = anzahl;
    return liste.eintraege[nummer - 1];
  }
  return {};
}
QString DatumName(int&& nummer, const QString& art) { return DatumName(nummer, art); }

QString DauerText(double& sekunden) {
  const double wert = gerundet(std::fabs(sekunden));
  sekunden = wert;
  QString text = wert == 1 ? QStringLiteral("1 Sekunde") : vb::Format(wert, "0") + QStringLiteral(" Sekunden");
  struct Stufe {
    double ab;
    double teiler;
    const char* wort;
  };
  static const Stufe stufen[] = {
      {61, 60, " Minuten"}, {3600, 3600, " Stunden"}, {129600, 86400, " Tagen"}, {31557600, 31557600, " Jahren"}};
  for (const Stufe& s : stufen)
    if (wert >= s.ab) text = vb::Format(wert / s.teiler, "#.0") + QLatin1String(s.wort);
  return text;
}
QString DauerText(double&& sekunden) { return DauerText(sekunden); }

QString TageText(double tage) {
  const double d = gerundet(tage);
  const double betrag = std::fabs(d);
  QString vorsilbe = d > 0 ? QStringLiteral("in ") : QStringLiteral("vor ");
  QString text;
  if (betrag <= 2) {
    static const QString nah[] = {QStringLiteral("vorgestern"), QStringLiteral("gestern"), QStringLiteral("heute"),
                                  QStringLiteral("morgen"), QStringLiteral("übermorgen")};
    text = nah[static_cast<int>(d) + 2];
    vorsilbe.clear();
  } else {
    text = vb::Format(betrag, "0") + QStringLiteral(" Tagen");
  }
  struct Stufe {
    const char* schluessel;
    const char* standard;
    double teiler;
    const char* wort;
  };
  static const Stufe stufen[] = {{"TageInWochen", "31", 7, " Wochen"},
                                 {"TageInMonaten", "170", 30.436875, " Monaten"},
                                 {"TageInJahren", "438", 365.2425, " Jahren"}};
  for (const Stufe& s : stufen) {
    const double grenze = vb::Val(IniLesen("", "Skalierung", s.schluessel, s.standard));
    if (betrag > grenze) text = vb::Format(betrag / s.teiler, "#.0") + QLatin1String(s.wort);
  }
  return vorsilbe + text;
}

QString GroesseText(double& menge) {
  menge = std::fabs(menge);
  const double m = menge;
  if (m >= 1000) {
    // Base 1000; "Z" beyond the exa range, where the list of prefixes ended.
    static const char* vorsaetze[] = {"k", "M", "G", "T", "P", "E", "Z"};
    QString text;
    double potenz = 1000;
    for (const char* vorsatz : vorsaetze) {
      if (m >= potenz) text = vb::Format(m / potenz, "0.0") + u' ' + QLatin1String(vorsatz);
      potenz *= 1000;
    }
    return text;
  }
  const char* muster = m < 0.1 ? "0.000" : m < 1 ? "0.00" : m < 10 ? "0.0" : "0";
  return vb::Format(m, muster) + u' ';
}
QString GroesseText(double&& menge) { return GroesseText(menge); }

QString ZahlKuerzen(double zahl, const QString& muster) {
  QString text = vb::Format(zahl, muster);
  const qsizetype breite = text.size();
  bool entfernt = true;
  while (entfernt && text.size() >= 2) {
    entfernt = false;
    if (text.startsWith(u'0')) {
      text.remove(0, 1);
      entfernt = true;
    }
    if (text.startsWith(u'.')) {
      text.remove(0, 1);
      entfernt = true;
    }
  }
  return text.rightJustified(breite, u' ');
}

QString ZahlKuerzen(const QString& zahl, const QString& muster) {
  return ZahlKuerzen(vb::Val(QString(zahl).replace(u',', u'.')), muster);
}
