#include "datatools/Nachschlagen.h"

#include "common/Telefon.h"
#include "store/Anschrift.h"

#include <QStringList>

namespace Nachschlagen {

namespace {

Teil tasten(const QString& folge) { return {false, folge}; }

// Empty texts are left out: they type nothing.
Tastenstring folge(std::initializer_list<Teil> teile) {
  Tastenstring f;
  for (const Teil& t : teile)
    if (!t.text.isEmpty()) f.append(t);
  return f;
}
Teil text(const QString& t) { return {true, t}; }

Schritt senden(const Tastenstring& f) { return {Schritt::Senden, f}; }
const Schritt ereignisse{Schritt::Ereignisse, {}};
const Schritt pause{Schritt::Pause, {}};

QString ziffern(const QString& feld) { return NurZiffern(feld.trimmed()); }

// "Not empty" means any text, blanks included.
bool gefuellt(const QString& feld) { return !feld.isEmpty(); }

// The search by postcode or town and name that D-Info 97 and KlickTel 98 share; the last row that holds
// wins, and when none holds both strings stay empty.
void ortUndName(const Felder& feld, int feldIndex, Tastenstring& s1, Tastenstring& s2) {
  const bool nachname = gefuellt(feld[1]);
  if (gefuellt(feld[4]) && feldIndex == 4 && nachname) {
    s1 = folge({tasten(QStringLiteral("^p")), text(feld[4].trimmed()), tasten(QStringLiteral("~"))});
    s2 = folge({text(Name(feld))});
  }
  if (gefuellt(feld[5]) && feldIndex == 5 && nachname) {
    s1 = folge({tasten(QStringLiteral("^o")), text(feld[5].trimmed()), tasten(QStringLiteral("~"))});
    s2 = folge({text(Name(feld))});
  }
}

Tastenstring nummernsuche(const QString& nummer) {
  return folge({tasten(QStringLiteral("{F4}")), text(ziffern(nummer)), tasten(QStringLiteral("~"))});
}

Ablauf zweiSchritte(const Tastenstring& s1, const Tastenstring& s2) {
  return {ereignisse, senden(s1), pause, senden(s2)};
}

}  // namespace

QString Name(const Felder& feld) { return (feld[1].trimmed() + u' ' + feld[2].trimmed()).trimmed(); }

Ablauf DInfo3(const Felder& feld, int feldIndex) {
  const bool nachname = gefuellt(feld[1]);
  const QString name = Name(feld);
  Tastenstring s;
  if (nachname) s = folge({tasten(QStringLiteral("%4{Home}")), text(name)});
  if (gefuellt(feld[4]) && feldIndex == 4 && nachname)
    s = folge({tasten(QStringLiteral("%2{Home}")), text(feld[4].trimmed()), tasten(QStringLiteral("~")), text(name)});
  if (gefuellt(feld[5]) && feldIndex == 5 && nachname)
    s = folge({tasten(QStringLiteral("%1{Home}")), text(feld[5].trimmed()), tasten(QStringLiteral("~")), text(name)});
  if (gefuellt(feld[7]) && feldIndex == 7) s = nummernsuche(feld[7]);
  if (gefuellt(feld[12]) && feldIndex == 12) s = nummernsuche(feld[12]);
  return {senden({tasten(QStringLiteral(" "))}), ereignisse, senden({tasten(QStringLiteral("{Esc 1}"))}), ereignisse,
          senden(s)};
}

Ablauf DInfo97(const Felder& feld, int feldIndex) {
  Tastenstring s1, s2;
  if (gefuellt(feld[1])) s1 = folge({tasten(QStringLiteral("{F5}")), text(Name(feld))});
  ortUndName(feld, feldIndex, s1, s2);
  for (const int nummer : {7, 12}) {
    if (gefuellt(feld[nummer]) && feldIndex == nummer) {
      s1 = nummernsuche(feld[nummer]);
      s2.clear();
    }
  }
  return zweiSchritte(s1, s2);
}

Ablauf KlickTel98(const Felder& feld, int feldIndex) {
  Tastenstring s1, s2;
  if (gefuellt(feld[1])) {
    s1 = folge({tasten(QStringLiteral("{F5}"))});
    s2 = folge({tasten(QStringLiteral(" ")), text(Name(feld).toLower())});
  }
  ortUndName(feld, feldIndex, s1, s2);
  for (const int nummer : {7, 8, 12, 13}) {
    if (feldIndex == nummer && gefuellt(feld[nummer])) {
      s1 = nummernsuche(feld[nummer]);
      s2.clear();
    }
  }
  return zweiSchritte(s1, s2);
}

Ablauf DInfo99(const Felder& feld) {
  const QString vorwahl = gefuellt(feld[7]) ? VorwahlAusTelefon(feld[7]) : QString();
  const QString suchfelder[10] = {feld[5], feld[1], feld[4], feld[3], vorwahl, {}, feld[2], {}, {}, {}};
  Ablauf a{ereignisse, pause, senden({tasten(QStringLiteral("{Esc 2}"))}), pause,
           senden({tasten(QStringLiteral("{F2}"))})};
  for (const QString& s : suchfelder) a.append(senden(folge({text(s.trimmed()), tasten(QStringLiteral("{Tab 2}"))})));
  return a;
}

QString Darstellung(const Tastenstring& folge) {
  QString d;
  for (const Teil& t : folge) d += t.woertlich ? u'«' + t.text + u'»' : t.text;
  return d;
}

QStringList Darstellung(const Ablauf& ablauf) {
  QStringList d;
  for (const Schritt& s : ablauf) {
    switch (s.art) {
      case Schritt::Senden:
        d.append(QStringLiteral("senden:") + Darstellung(s.folge));
        break;
      case Schritt::Ereignisse:
        d.append(QStringLiteral("ereignisse"));
        break;
      case Schritt::Pause:
        d.append(QStringLiteral("pause"));
        break;
    }
  }
  return d;
}

}  // namespace Nachschlagen
