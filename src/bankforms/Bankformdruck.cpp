#include "bankforms/Bankformdruck.h"

#include "common/Fehler.h"
#include "common/TextAnDrucker.h"
#include "printing/Logo.h"

namespace Bankformdruck {

Posten Posten::schrift(double punkte, bool fett, bool kursiv) {
  return {.art = Schrift, .punkte = punkte, .fett = fett, .kursiv = kursiv};
}

Posten Posten::vordergrund(long farbe) { return {.art = Farbe, .farbe = farbe}; }

Posten Posten::text(double x, double y, const QString& text, bool zeilenende) {
  return {.art = Text, .x = x, .y = y, .inhalt = text, .zeilenende = zeilenende};
}

Posten Posten::zeile(double x, const QString& text, bool zeilenende) {
  return {.art = Zeile, .x = x, .inhalt = text, .zeilenende = zeilenende};
}

Posten Posten::name(const QString& schrift) { return {.art = SchriftName, .inhalt = schrift}; }

Posten Posten::rahmen(const QString& text, double links, double oben, double rechts, double unten) {
  return {.art = Rahmen, .x = links, .y = oben, .x2 = rechts, .y2 = unten, .inhalt = text};
}

Posten Posten::passend(double von, double bis, const QList<QPair<QString, double>>& breiten) {
  return {.art = Passend, .punkte = von, .bis = bis, .breiten = breiten};
}

Posten Posten::logo(double x, double abstand, double faktor) {
  return {.art = Logo, .x = x, .y = abstand, .punkte = faktor};
}

Posten Posten::linie(double x1, double y1, double x2, double y2, long farbe) {
  return {.art = Linie, .x = x1, .y = y1, .x2 = x2, .y2 = y2, .farbe = farbe};
}

QString Fehlertext() { return QStringLiteral("Es ist ein Fehler aufgetreten."); }

namespace {

// How a failed step goes on.
enum class Weiter { Ja, Abbruch };

struct Lauf {
  vb::PrinterObject& drucker;
  bool stumm;
  int* antwort;
};

Weiter melden(const Lauf& l, int nummer) {
  vb::PrinterObject& drucker = l.drucker;
  if (l.stumm && nummer != vb::FehlerDrucker) return Weiter::Ja;
  const int antwort = FehlerMelden(nummer, Fehlertext());
  if (l.antwort) *l.antwort = antwort;
  // A printer that failed once fails again at every further item: one report, and the job is dropped.
  if (nummer == vb::FehlerDrucker || antwort != 5) {
    drucker.KillDoc();
    return Weiter::Abbruch;
  }
  return Weiter::Ja;
}

// The step's result: on failure the printer's error number is reported.
bool schritt(const Lauf& l, bool ok) {
  return ok || melden(l, l.drucker.Fehler() ? l.drucker.Fehler() : vb::FehlerDrucker) == Weiter::Ja;
}

}  // namespace

bool SeiteDrucken(vb::PrinterObject& drucker, const Auftrag& a, int randX, int randY,
                  const std::function<int(QImage&)>& bild, int* antwort) {
  if (antwort) *antwort = 0;
  const Lauf l{drucker, a.stumm, antwort};
  const double rx = randX / 10.0, ry = randY / 10.0;
  // The shifted scale moves (0, 0) itself; the plain one leaves it at the printable corner, and every
  // position is moved here instead.
  const bool einfach = a.ursprung == Ursprung::Einfach;
  const double dx = einfach ? rx : 0, dy = einfach ? ry : 0;

  if (!schritt(l, drucker.setScaleMode(vb::vbCentimeters))) return false;
  if (!einfach) {
    drucker.setScaleTop(-ry);
    drucker.setScaleLeft(-rx);
  }
  if (a.anfang) {
    if (!schritt(l, drucker.setFontSize(1))) return false;
    // The first output starts the page.
    if (!schritt(l, drucker.Print(QStringLiteral(" ")))) return false;
  }
  if (!schritt(l, drucker.setFontName(QStringLiteral("Courier New")))) return false;
  if (!schritt(l, drucker.setFontName(a.schrift))) return false;

  if (!a.bild.isEmpty() && bild) {
    QImage b;
    const int fehler = bild(b);
    if (fehler != 0) {
      if (melden(l, fehler) == Weiter::Abbruch) return false;
    } else if (!schritt(l, drucker.PaintPicture(b, a.bildX + dx, a.bildY + dy, kBildBreite, kBildHoehe))) {
      return false;
    }
  }

  for (const Posten& p : a.posten) {
    bool ok = true;
    switch (p.art) {
      case Posten::Schrift:
        ok = drucker.setFontSize(p.punkte);
        drucker.setFontBold(p.fett);
        drucker.setFontItalic(p.kursiv);
        break;
      case Posten::Farbe:
        drucker.setForeColor(p.farbe);
        break;
      case Posten::Text:
        drucker.setCurrentX(p.x + dx);
        drucker.setCurrentY(p.y + dy);
        ok = drucker.Print(p.inhalt, p.zeilenende);
        break;
      case Posten::Zeile:
        drucker.setCurrentX(p.x + dx);
        ok = drucker.Print(p.inhalt, p.zeilenende);
        break;
      case Posten::SchriftName:
        ok = drucker.setFontName(p.inhalt);
        break;
      case Posten::Rahmen: {
        QString text = p.inhalt;
        double rechts = p.x2 < 0 ? p.x2 : p.x2 + dx;
        double unten = p.y2 < 0 ? p.y2 : p.y2 + dy;
        // An empty text first: a printer that fails is reported here once, not by the box print as well.
        ok = drucker.Print(QString(), false);
        if (ok) {
          drucker.FehlerLoeschen();
          TextImRahmenDrucken(text, p.x + dx, p.y + dy, rechts, unten);
          ok = drucker.Fehler() == 0;
        }
        break;
      }
      case Posten::Passend: {
        const auto passt = [&] {
          for (const auto& [text, breite] : p.breiten)
            if (drucker.TextWidth(text) > breite) return false;
          return true;
        };
        double groesse = p.punkte;
        ok = drucker.setFontSize(groesse);
        while (ok && groesse > p.bis && !passt()) ok = drucker.setFontSize(--groesse);
        break;
      }
      case Posten::Logo:
        // Decoration: its own failures pass silently.
        drucker.setCurrentY(drucker.CurrentY() + p.y);
        drucker.setCurrentX(p.x + dx);
        LogoDrucken(p.punkte);
        break;
      case Posten::Linie:
        ok = drucker.Line(p.x + dx, p.y + dy, p.x2 + dx, p.y2 + dy, p.farbe);
        break;
    }
    if (!schritt(l, ok)) return false;
  }
  return schritt(l, drucker.EndDoc());
}

}  // namespace Bankformdruck
