#include "printing/Umschlagdruck.h"

#include "common/Text.h"
#include "common/TextAnDrucker.h"
#include "platform/dienste/Printer.h"
#include "platform/vb/Vb.h"
#include "printing/Druckausgabe.h"
#include "printing/Logo.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kUmschlagFehler = u"Es ist ein Fehler beim Umschlag drucken aufgetreten."_s;
const QString kFensterFehler = u"Es ist ein Fehler beim Drucken für das Umschlagsfenster aufgetreten."_s;

// A page of one fixed size: what lies below the printable area is lost at the paper edge rather than
// starting a second page.
class EineSeite {
 public:
  explicit EineSeite(vb::PrinterObject& p) : p_(p), vorher_(p.Seitenwechsel()) { p_.setSeitenwechsel(false); }
  ~EineSeite() { p_.setSeitenwechsel(vorher_); }

 private:
  vb::PrinterObject& p_;
  bool vorher_;
};

// The steps of one job: a failed one is reported once; the job ends after a printer error or Abbrechen.
class Lauf {
 public:
  Lauf(vb::PrinterObject& p, const QString& text) : p_(p), text_(text) { p_.FehlerLoeschen(); }
  bool ende() const { return ende_; }
  // The step's result; false when it failed (the run may go on without it, see ende()).
  bool schritt(bool ok) {
    if (ok || ende_) return ok;
    if (!DruckfehlerMelden(p_, p_.Fehler(), text_)) ende_ = true;
    p_.FehlerLoeschen();
    return false;
  }
  // The word-wrap reports its own failures: one of them ends the run without a second report.
  void rahmen(QString text, double links, double oben, double rechts, double unten) {
    if (ende_) return;
    p_.FehlerLoeschen();
    TextImRahmenDrucken(text, links, oben, rechts, unten);
    if (p_.Fehler() != 0) {
      p_.KillDoc();
      ende_ = true;
    }
  }

 private:
  vb::PrinterObject& p_;
  QString text_;
  bool ende_ = false;
};

}  // namespace

QStringList UmschlagFormate() {
  return {u"22.0 x 11.0 cm Umschlag DL (breit)"_s, u"16.2 x 11.4 cm Umschlag C6 (Standard)"_s,
          u"22.9 x 16.2 cm Umschlag C5"_s,         u"32.4 x 22.9 cm Umschlag C4"_s,
          u"22.9 x 11.4 cm Umschlag C65"_s,        u"17.6 x 12.5 cm Umschlag B6"_s,
          u"25.0 x 17.6 cm Umschlag B5"_s,         u"35.3 x 25.0 cm Umschlag B4"_s};
}

Umschlagmass UmschlagMass(const QString& format) { return {vb::Val(format.mid(0, 4)), vb::Val(format.mid(7, 4))}; }

bool UmschlagDrucken(const Umschlagauftrag& a, const vb::FontObject& absenderSchrift,
                     const vb::FontObject& anschriftSchrift) {
  vb::PrinterObject& p = vb::Printer();
  EineSeite eineSeite(p);
  Lauf lauf(p, kUmschlagFehler);
  const Umschlagmass m = UmschlagMass(a.format);
  const double w = m.breite, h = m.hoehe;
  const double mx = a.randX / 10.0, my = a.randY / 10.0;

  lauf.schritt(p.setScaleMode(vb::vbCentimeters));
  if (!lauf.ende()) lauf.schritt(p.setOrientation(a.quer ? vb::vbPRORLandscape : vb::vbPRORPortrait));
  if (lauf.ende()) return false;
  // In landscape the envelope lies at the bottom of the printable area, the top margin above it.
  p.setScaleTop(a.quer ? h - p.ScaleHeight() - my : -my);
  p.setScaleLeft(-mx);

  // The blank starts the job (and shows a printer that cannot print before anything else).
  lauf.schritt(p.setFontSize(1));
  if (!lauf.ende()) lauf.schritt(p.Print(u" "_s));
  if (lauf.ende()) return false;

  if (!lauf.schritt(DruckschriftUebernehmen(p, absenderSchrift)) && lauf.ende()) return false;
  // Underline and strikethrough of the box stay on the screen.
  p.setFontUnderline(false);
  lauf.rahmen(a.absender, 0, 0, w * 0.5, h * 0.8);
  // The end of the last sender line and two empty lines, then the logo.
  for (int i = 0; i < 3 && !lauf.ende(); ++i) lauf.schritt(p.Print());
  if (lauf.ende()) return false;
  if (a.logo) {
    p.setCurrentX(0);
    LogoDrucken(1.1);
    p.FehlerLoeschen();
  }

  if (!lauf.schritt(DruckschriftUebernehmen(p, anschriftSchrift)) && lauf.ende()) return false;
  // The address always prints black: a coloured address may not be read by the post's machines.
  p.setForeColor(0);
  p.setFontUnderline(false);
  lauf.rahmen(a.anschrift + u"\r\n"_s, w / 2.5, h / 2.5, w - 2 * mx, h - 2 * my);
  if (lauf.ende()) return false;
  lauf.schritt(p.EndDoc());
  return !lauf.ende() && !p.InJob();
}

QString UmschlagLogEintrag(const QDateTime& jetzt, const QString& anschrift, const QString& absender,
                           const QString& benutzer) {
  QString text = u"·Am        "_s + vb::Format(jetzt, u"dd.mm.yyyy hh:mm"_s) + u"·Anschrift "_s + anschrift +
                 u"·Absender  "_s + absender + u"·User      "_s + benutzer;
  text = Ersetzen(text, u"\n"_s, QString());
  text = Ersetzen(text, u"\r"_s, u" ~ "_s);
  text = Ersetzen(text, u"·"_s, u"\r\n"_s);
  return text + u"\r\n"_s;
}

bool UmschlagsfensterDrucken(const QString& absenderzeile, const QString& anschrift) {
  vb::PrinterObject& p = vb::Printer();
  Lauf lauf(p, kFensterFehler);
  lauf.schritt(p.setScaleMode(vb::vbCentimeters));
  p.setScaleTop(0);
  p.setScaleLeft(0);
  if (!lauf.ende()) lauf.schritt(p.setFontName(u"Arial"_s));
  if (!lauf.ende()) lauf.schritt(p.setFontSize(8));
  if (lauf.ende()) return false;
  p.setFontUnderline(true);
  // Plain Arial: bold or italic of an earlier job must not carry over.
  p.setFontBold(false);
  p.setFontItalic(false);
  p.setFontStrikethru(false);
  // A bottom above the top: the texts run down to the page's own bottom.
  lauf.rahmen(absenderzeile, 2, 4.9, 10, 0);
  if (!lauf.ende()) lauf.schritt(p.setFontSize(14));
  if (lauf.ende()) return false;
  p.setFontUnderline(false);
  lauf.rahmen(anschrift, 2, 5.5, 8.5, 0);
  if (lauf.ende()) return false;
  lauf.schritt(p.Line(p.ScaleLeft(), 9.9, p.ScaleLeft() + 0.2, 9.9));
  if (!lauf.ende()) lauf.schritt(p.EndDoc());
  return !lauf.ende() && !p.InJob();
}
