// The data tools of the menus "Weiteres" and "Adresse": the e-mail check, the mail to the shown address,
// the two statistics and the take-overs into the pick list and the catalogues. The walks go through the
// frame of Satzgang.h.
#include "common/Email.h"
#include "common/Fehler.h"
#include "common/Global.h"
#include "common/Hilfe.h"
#include "common/Ini.h"
#include "common/Text.h"
#include "common/Ton.h"
#include "datatools/Statistiken.h"
#include "datatools/Uebernahmen.h"
#include "mainwindow/Main.h"
#include "mainwindow/Satzgang.h"
#include "platform/dienste/Dialogs.h"
#include "platform/vb/Keys.h"
#include "platform/vb/Vb.h"

#include <algorithm>

namespace {

QString zeilenumbrueche(const QString& text) { return Ersetzen(text, QStringLiteral("~"), QStringLiteral("\r\n")); }

std::function<void()> hilfeThema(int thema) {
  return [thema] { HilfeZeigen(QStringLiteral("Kartulon.Hlp"), thema); };
}

using Katalogwalk = int (*)(const Adressbestand&, const std::function<void(int)>&, const std::function<void(int)>&);

// The frame of the two catalogue take-overs: the question (with help), the walk, the report. Only OK
// takes over.
void KatalogUebernahme(Main& m, const QString& frage, const QString& frageTitel, const QString& status,
                       const QString& anzahlText, Katalogwalk walk, QString (*bericht)(int),
                       const QString& berichtTitel) {
  if (MsgBox(zeilenumbrueche(frage), vb::vbOKCancel | vb::vbQuestion | vb::vbMsgBoxHelpButton, frageTitel,
             hilfeThema(9911)) != vb::vbOK)
    return;
  int anzahl = 0;
  {
    Satzgang gang(m, status);
    const qsizetype saetze = m.Bestand->Anzahl();
    anzahl = walk(
        *m.Bestand, [&](int k) { gang.zufallsFortschritt(k, saetze); },
        [&](int n) { gang.status(QString::number(n) + anzahlText); });
  }
  MsgBox(bericht(anzahl), vb::vbOKOnly | vb::vbInformation, berichtTitel);
}

}  // namespace

void Main::mnuChkEmails_Click() {
  Satzgang gang(*this, QStringLiteral("Prüfe eMail-Kartulon"));
  const int anzahl = Liste->ListCount();
  // Without a record there is nothing to check; without a selection the check starts at the first.
  int n = std::max(Liste->ListIndex(), 0);
  for (int c = 0; anzahl > 0 && c <= anzahl; ++c) {
    gang.fortschritt(100.0 * c / anzahl);
    Liste->setListIndex(n);  // takes the undo copy and shows the record
    gang.satzGezeigt();
    gang.ereignisse();
    vb::TextBox& box = Feld(14);
    QString email = vb::Trim(box.Text());
    if (email == u"-") email.clear();  // "-" stands for a record without e-mail address
    if (box.Text() != email) box.setText(email);
    if (!email.isEmpty() && !EmailPruefen(email)) {
      // The record stays shown as it is, not stored, for the user to correct.
      const QString meldung = QStringLiteral("eMail »") + email + QStringLiteral("« ist ungültig");
      gang.status(meldung);
      gang.zeigerZurueck();
      MsgBox(meldung, vb::vbOKOnly, QStringLiteral("eMail-Kartulon prüfen"));
      break;
    }
    AdresseAktualisieren(1);
    gang.satzGezeigt();
    n = n + 1 > anzahl - 1 ? 0 : n + 1;
  }
  gang.beenden();
  TonAusgeben(u"#SystemExclamation");
}

void Main::mnueMailTo_Click() {
  const QString adresse = vb::Trim(Feld(14).Text());
  const int index = Feld.has(FeldIndex) ? FeldIndex : 14;
  QString betreff = Ersetzen(vb::Trim(Feld(index).SelText()), QStringLiteral("\r\n"), QStringLiteral(" "));
  if (betreff == adresse) betreff.clear();
  if (adresse.isEmpty()) {
    MsgBox(QStringLiteral("Keine eMail angegeben."), vb::vbOKOnly | vb::vbExclamation, QStringLiteral("eMail senden"));
    return;
  }
  LinkOeffnen(mailto(adresse, betreff));
}

void Main::mnuPopeMailTo_Click() { mnueMailTo_Click(); }

void Main::mnuStatistikFeldSuche_Click() {
  const QString titel = QStringLiteral("Statistik, Kartulon mit...");
  Satzgang gang(*this);
  for (;;) {
    const QString antwort =
        InputBox(QStringLiteral("Geben Sie bitte den gewünschten Suchtext ein, der in jeder Adresse enthalten sein "
                                "muss. Platzhalter sind erlaubt."),
                 titel, IniLesen("", "", "StatAMLast", ""), hilfeThema(4002));
    if (antwort.isEmpty()) return;
    const QString suchtext = IniSchreiben("", "", "StatAMLast", antwort);
    const bool ohneTrenner = vb::ShiftKey() != 0;
    gang.beginnen(titel);
    const qsizetype anzahl = Bestand->Anzahl();
    const WortZaehlung z = KartulonMitZaehlen(*Bestand, suchtext, ohneTrenner, [&](int k) {
      gang.fortschritt(k, anzahl);
      gang.ereignisse();
    });
    gang.zeigerZurueck();
    TonAusgeben(u"#SystemExclamation");
    const int wahl = MsgBox(zeilenumbrueche(KartulonMitBericht(suchtext, z)),
                            vb::vbOKCancel | vb::vbInformation | vb::vbDefaultButton2, titel);
    if (wahl != vb::vbOK) return;
  }
}

void Main::mnuStatistikPLZ_Click() {
  Satzgang gang(*this, QStringLiteral("Statistik, PLZ-Verteilung..."));
  PlzVerteilung verteilung;
  const int anzahl = Liste->ListCount();
  for (int k = 0; k < anzahl; ++k) {
    gang.fortschritt(k, anzahl);
    Liste->setListIndex(k);
    gang.satzGezeigt();
    gang.ereignisse();
    if (verteilung.zaehlen(Feld(4).Text()))
      gang.status(QString::number(verteilung.gezaehlt) + QStringLiteral(" PLZ statistisch ausgewertet..."));
  }
  gang.zeigerZurueck();
  TonAusgeben(u"#SystemExclamation");
  MsgBox(zeilenumbrueche(PlzVerteilungBericht(verteilung, DateiBeschreibung)), vb::vbOKOnly | vb::vbInformation,
         QStringLiteral("Statistik, Verteilung der 5-stelligen Postleitzahlen"));
}

void Main::mnuUebernahmeEmail_Click() {
  int fehler = 0;
  {
    Satzgang gang(*this, QStringLiteral("eMail-Domain-Übernahme..."));
    const qsizetype anzahl = Bestand->Anzahl();
    fehler = DomainsUebernehmen(*Bestand, [&](int k) { gang.zufallsFortschritt(k, anzahl); });
  }
  // A pick list that could not be read is not rewritten; one that could not be written stays as it was.
  if (fehler) FehlerMelden(fehler, QStringLiteral("Die eMail-Domains konnten nicht in Liste14.txt übernommen werden."));
}

void Main::mnuUebernahmePlzOrt_Click() {
  KatalogUebernahme(*this, OrteFrage(KatalogStdLand), QStringLiteral("Ortsnamen übernehmen"),
                    QStringLiteral("PLZ-Ortsnamen-Übernahme..."), QStringLiteral(" PLZ-Ortsnamen übernommen..."),
                    &OrteUebernehmen, &OrteBericht, QStringLiteral("PLZ-Ortsnamen Übernahme"));
}

void Main::mnuUebernahmePlzVorwahl_Click() {
  KatalogUebernahme(*this, VorwahlenFrage(KatalogStdLand), QStringLiteral("Vorwahlen übernehmen"),
                    QStringLiteral("PLZ-Vorwahlen-Übernahme..."), QStringLiteral(" PLZ-Vorwahlen übernommen..."),
                    &VorwahlenUebernehmen, &VorwahlenBericht, QStringLiteral("PLZ-Vorwahlen-Übernahme"));
}
