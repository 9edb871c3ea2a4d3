#include "bankforms/Bankformdruck.h"

#include "common/Fehler.h"

namespace Bankformdruck {

Posten Posten::schrift(double punkte, bool fett, bool kursiv) {
  Posten p;
  p.art = Schrift;
  p.punkte = punkte;
  p.fett = fett;
  p.kursiv = kursiv;
  return p;
}

Posten Posten::vordergrund(long farbe) {
  Posten p;
  p.art = Farbe;
  p.farbe = farbe;
  return p;
}

Posten Posten::text(double x, double y, const QString& text) {
  Posten p;
  p.art = Text;
  p.x = x;
  p.y = y;
  p.inhalt = text;
  return p;
}

Posten Posten::zeile(double x, const QString& text) {
  Posten p;
  p.art = Zeile;
  p.x = x;
  p.inhalt = text;
  return p;
}

Posten Posten::linie(double x1, double y1, double x2, double y2, long farbe) {
  Posten p;
  p.art = Linie;
  p.x = x1;
  p.y = y1;
  p.x2 = x2;
  p.y2 = y2;
  p.farbe = farbe;
  return p;
}

QString Fehlertext() { return QStringLiteral("Es ist ein Fehler aufgetreten."); }

namespace {

// How a failed step goes on.
enum class Weiter { Ja, Abbruch };

Weiter melden(vb::PrinterObject& drucker, int nummer) {
  const int antwort = FehlerMelden(nummer, Fehlertext());
  // A printer that failed once fails again at every further item: one report, and the job is dropped.
  if (nummer == vb::FehlerDrucker || antwort != 5) {
    drucker.KillDoc();
    return Weiter::Abbruch;
  }
  return Weiter::Ja;
}

// The step's result: on failure the printer's error number is reported.
bool schritt(vb::PrinterObject& drucker, bool ok) {
  return ok || melden(drucker, drucker.Fehler() ? drucker.Fehler() : vb::FehlerDrucker) == Weiter::Ja;
}

}  // namespace

bool SeiteDrucken(vb::PrinterObject& drucker, const Auftrag& a, int randX, int randY,
                  const std::function<int(QImage&)>& bild) {
  const double rx = randX / 10.0, ry = randY / 10.0;
  // The shifted scale moves (0, 0) itself; the plain one leaves it at the printable corner, and every
  // position is moved here instead.
  const bool einfach = a.ursprung == Ursprung::Einfach;
  const double dx = einfach ? rx : 0, dy = einfach ? ry : 0;

  if (!schritt(drucker, drucker.setScaleMode(vb::vbCentimeters))) return false;
  if (!einfach) {
    drucker.setScaleTop(-ry);
    drucker.setScaleLeft(-rx);
  }
  if (!schritt(drucker, drucker.setFontSize(1))) return false;
  // The first output starts the page.
  if (!schritt(drucker, drucker.Print(QStringLiteral(" ")))) return false;
  if (!schritt(drucker, drucker.setFontName(QStringLiteral("Courier New")))) return false;
  if (!schritt(drucker, drucker.setFontName(a.schrift))) return false;

  if (!a.bild.isEmpty() && bild) {
    QImage b;
    const int fehler = bild(b);
    if (fehler != 0) {
      if (melden(drucker, fehler) == Weiter::Abbruch) return false;
    } else if (!schritt(drucker, drucker.PaintPicture(b, a.bildX + dx, a.bildY + dy, kBildBreite, kBildHoehe))) {
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
        ok = drucker.Print(p.inhalt);
        break;
      case Posten::Zeile:
        drucker.setCurrentX(p.x + dx);
        ok = drucker.Print(p.inhalt);
        break;
      case Posten::Linie:
        ok = drucker.Line(p.x + dx, p.y + dy, p.x2 + dx, p.y2 + dy, p.farbe);
        break;
    }
    if (!schritt(drucker, ok)) return false;
  }
  return schritt(drucker, drucker.EndDoc());
}

}  // namespace Bankformdruck
