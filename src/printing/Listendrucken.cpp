#include "printing/Listendrucken.h"

#include "common/Fehler.h"
#include "common/Ini.h"
#include "common/Schrift.h"
#include "common/Text.h"
#include "common/TextAnDrucker.h"
#include "platform/dienste/Dialogs.h"
#include "platform/dienste/Printer.h"
#include "platform/vb/Dezu.h"
#include "platform/vb/Vb.h"
#include "printing/Druckausgabe.h"
#include "printing/Masken.h"

namespace {

const QString kFehlertext = QStringLiteral("Es ist ein Fehler beim Drucken aufgetreten.");
// The runtime's "Überlauf": a block that not even a fresh page can take a line of.
constexpr int kUeberlauf = 6;

class Lauf {
 public:
  Lauf(const Listendruckauftrag& a, vb::FontObject& traeger, Listendruckstand& s)
      : a_(a), traeger_(traeger), s_(s), p_(vb::Printer()) {}

  bool kopieDrucken() {
    s_.SeitenNummer = 0;
    if (a_.fortschritt) a_.fortschritt(0);
    p_.setScaleMode(vb::vbCentimeters);
    p_.setScaleLeft(-a_.randX / 10.0);
    p_.setScaleTop(-a_.randY / 10.0);
    SchriftSetzen(traeger_, IniLesen(MaskenIni(), QStringLiteral("MaskenFonts"), a_.maske, SchriftAlsText(traeger_)),
                  QStringLiteral("Alles"));
    seiteOffen_ = false;
    // The mask is read once for all its addresses.
    maskentext_ = MaskeLaden(a_.maske);

    const qsizetype anzahl = a_.zeilen.size();
    qsizetype naechste = 0;  // into the selected lines
    int prozent = -1;
    for (qsizetype i = 0; i < anzahl; ++i) {
      if (anzahl > 1 && a_.fortschritt) {
        const int jetzt = static_cast<int>(100 * i / (anzahl - 1));
        if (jetzt != prozent) a_.fortschritt(prozent = jetzt);
      }
      while (naechste < a_.gewaehlt.size() && a_.gewaehlt.at(naechste) < i) ++naechste;
      if (naechste >= a_.gewaehlt.size() || a_.gewaehlt.at(naechste) != i) continue;
      if (!seiteOffen_) SeiteBeginnen();
      if (!ende_) adresseDrucken(a_.zeilen.at(i));
      if (ende_) return false;
      // Abbrechen at the confirmation: the address of the page just begun was the last.
      if (s_.DruckAbbrechen == 1) break;
    }
    if (seiteOffen_) seiteBeenden();
    return !ende_;
  }

 private:
  // A failed step: reported, and true when the run goes on.
  bool weiter() {
    if (DruckfehlerMelden(p_, p_.Fehler(), kFehlertext)) return true;
    ende_ = true;
    return false;
  }
  // The step's result: true when it worked; a failed one is reported (the run may go on without it).
  bool gelungen(bool ok) {
    if (!ok) weiter();
    return ok;
  }

  // Starts a page: the confirmation, the job, the print font, the extra top distance and the title
  // line. A failed step ends the page start.
  void SeiteBeginnen() {
    seiteOffen_ = true;
    adresseAufSeite_ = false;
    if (a_.seitenBestaetigen) {
      const QString frage = QStringLiteral("Drucke jetzt Seite ") + QString::number(s_.SeitenNummer + 1) +
                            QStringLiteral(" von »") + a_.ueberschrift + QStringLiteral("«.");
      if (MsgBox(frage, vb::vbOKCancel | vb::vbInformation, QStringLiteral("Kartulon-Ausdruck")) == vb::vbCancel)
        s_.DruckAbbrechen = 1;
    }
    if (!gelungen(p_.setFontSize(1)) || !gelungen(p_.Print(QStringLiteral(" ")))) return;
    if (!gelungen(DruckschriftUebernehmen(p_, traeger_))) return;
    p_.setCurrentY(
        vb::Val(IniLesen(QString(), QStringLiteral("Drucker"), QStringLiteral("RandOben"), QStringLiteral("0"))) / 10);
    if (a_.seiteProAdresse || a_.ueberschrift.isEmpty()) return;
    ++s_.SeitenNummer;
    const double groesse = traeger_.fontSize().value_or(p_.FontSize());
    if (!gelungen(p_.setFontSize(groesse + 2))) return;
    p_.setCurrentX(0);
    if (!gelungen(p_.Print(a_.ueberschrift + QStringLiteral(", Seite ") + QString::number(s_.SeitenNummer)))) return;
    if (!gelungen(p_.setFontSize(groesse))) return;
    gelungen(p_.Print());
  }

  void seiteBeenden() {
    seiteOffen_ = false;
    p_.FehlerLoeschen();
    FusszeileDrucken(0);
    if (p_.Fehler() != 0 && !weiter()) return;
    gelungen(p_.EndDoc());
  }

  // One block of the word-wrap from the current position, between the left margin and the page's
  // right and bottom edges: what did not fit. A report of the word-wrap's own ends the run.
  QString block(const QString& text) {
    QString t = text;
    double rechts = -1, unten = -1;
    p_.FehlerLoeschen();
    QString rest = TextImRahmenDrucken(t, 0, -1, rechts, unten);
    if (p_.Fehler() != 0) {
      p_.KillDoc();
      ende_ = true;
    }
    return rest;
  }

  void adresseDrucken(const QString& zeile) {
    // The word-wrap drops line feeds anyway; without them a rest equal to the text means nothing printed.
    QString text = KommasVerdichten(MaskentextFuellen(maskentext_, zeile, a_.bezeichnungen));
    text.remove(u'\n');
    if (adresseAufSeite_ && !TextImRahmenMessen(text, 0, -1, -1, -1).isEmpty()) {
      seiteBeenden();
      if (ende_) return;
      SeiteBeginnen();
      if (ende_) return;
    }
    QString rest = block(text);
    while (!ende_ && !rest.isEmpty()) {
      // Only a block taller than a fresh page gets here: it runs on over the next pages.
      if (!adresseAufSeite_ && rest == text) {
        FehlerMelden(kUeberlauf, kFehlertext);
        p_.KillDoc();
        ende_ = true;
        return;
      }
      seiteBeenden();
      if (ende_) return;
      SeiteBeginnen();
      if (ende_) return;
      text = rest;
      rest = block(text);
    }
    if (ende_) return;
    adresseAufSeite_ = true;
    if (!gelungen(p_.Print()) && ende_) return;
    const double n = InCount(rest, QStringLiteral("\r")) + 2;
    if (p_.CurrentY() + n * p_.TextHeight(QStringLiteral("Ay")) + 0.5 >= p_.ScaleTop() + p_.ScaleHeight() ||
        a_.seiteProAdresse)
      seiteBeenden();
  }

  const Listendruckauftrag& a_;
  vb::FontObject& traeger_;
  Listendruckstand& s_;
  vb::PrinterObject& p_;
  QString maskentext_;
  bool seiteOffen_ = false;
  bool adresseAufSeite_ = false;
  bool ende_ = false;
};

}  // namespace

QString KommasVerdichten(QString text) {
  for (int i = 0; i < 9; ++i) {
    text = Ersetzen(text, QStringLiteral(",  "), QStringLiteral(", "));
    text = Ersetzen(text, QStringLiteral(", , "), QStringLiteral(", "));
  }
  return text;
}

bool ListeDrucken(const Listendruckauftrag& auftrag, vb::FontTarget traeger, Listendruckstand& stand) {
  Lauf lauf(auftrag, *traeger, stand);
  stand.DruckAbbrechen = 0;
  for (int k = 1; k <= auftrag.kopien; ++k) {
    if (!lauf.kopieDrucken()) return false;
    // Abbrechen at a page confirmation stops every further copy too.
    if (stand.DruckAbbrechen == 1) break;
  }
  return true;
}
