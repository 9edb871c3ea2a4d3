#pragma once
// The transfer order over four records (the main window's address file for its command's tests), the
// user "Maier", the dialog opened by the menu command or loaded directly, and the print-options dialog
// answered by the modal interceptor with margins or a cancel.
#include "bankforms/formen/BankformFixture.h"
#include "bankforms/formen/FormPrnUeberweisung.h"

#include <QDir>

class UeberweisungTest : public BankformTest {
 protected:
  void SetUp() override {
    BankformTest::SetUp();
    ASSERT_NO_FATAL_FAILURE(saetzeLaden(saetze));
  }

  FormPrnUeberweisung& d() {
    return geladen<FormPrnUeberweisung>([this](FormPrnUeberweisung& u) { u.KundenNr = gezeigteAdresse().felder[23]; });
  }
  // The dialog as the user sees it half a second after it opened: fonts listed, buttons enabled.
  FormPrnUeberweisung& bereit() {
    d().TimerInit_Timer();
    return d();
  }

  // One order in every box: Eva Wolf at the Volksbank gets the amount from Hans Maier at the Postbank.
  static void ausfuellen(FormPrnUeberweisung& u, const QString& betrag = QStringLiteral("12,50"),
                         const QString& waehrung = QStringLiteral("EUR")) {
    u.TxtEmpfängerName->setText(QStringLiteral("Eva Wolf"));
    u.TxtEmpfängerKontoNr->setText(QStringLiteral("12345"));
    u.TxtEmpfängerBLZ->setText(QStringLiteral("10020030"));
    u.TxtEmpfängerBank->setText(QStringLiteral("Volksbank"));
    u.TxtWährung->setText(waehrung);
    u.TxtBetrag->setText(betrag);
    u.TxtVerwendung1->setText(QStringLiteral("Rechnung 12"));
    u.TxtVerwendung2->setText(QStringLiteral("Kunde 7"));
    u.TxtAuftraggeberName->setText(QStringLiteral("Hans Maier"));
    u.TxtAuftraggeberKontoNr->setText(QStringLiteral("4711"));
    u.TxtAuftraggeberBLZ->setText(QStringLiteral("10010010"));
    u.TxtAuftraggeberBank->setText(QStringLiteral("Postbank"));
  }

  // What the print-options dialog showed.
  struct Gezeigt {
    QString titel;
    QString job;
    bool anzahlGesperrt = false, ausrichtungGesperrt = false;
    bool frisch = false;  // loaded afresh for this print
  };
  QList<Gezeigt> gezeigt;
  // Answers every print-options dialog from now on; the transfer dialog itself, when the menu command
  // shows it, is handed to `imDialog`.
  void druckoptionen(Druckoptionen o, std::function<void(FormPrnUeberweisung&)> imDialog = {}) {
    vb::Forms::setModalInterceptor([this, o, imDialog](vb::FormBase& f) {
      if (auto* u = dynamic_cast<FormPrnUeberweisung*>(&f)) {
        if (imDialog) imDialog(*u);
        return;
      }
      auto* p = dynamic_cast<PrinterSet*>(&f);
      if (!p) return;
      Gezeigt g;
      g.titel = p->Caption();
      g.job = PresetName;
      g.frisch = !p->property("schonGezeigt").toBool();
      p->setProperty("schonGezeigt", true);
      p->Form_Paint();
      g.anzahlGesperrt = !p->ComboAnzahl->isEnabled();
      g.ausrichtungGesperrt = !p->optAusrichtung(0).isEnabled() && !p->optAusrichtung(1).isEnabled();
      gezeigt << g;
      beantworten(*p, o);
    });
  }

  // Runs the menu command on the shown record; `imDialog` acts on the shown dialog.
  void oeffnen(const std::function<void(FormPrnUeberweisung&)>& imDialog) {
    int mal = 0;
    druckoptionen({}, [&](FormPrnUeberweisung& u) {
      ++mal;
      imDialog(u);
    });
    m().mnuPrnÜberweisung_Click();
    EXPECT_EQ(mal, 1);
    EXPECT_FALSE(FormPrnUeberweisung::IsLoaded());
  }

  QString einstellung(const QString& schluessel) {
    return IniLesen(QString(), QString(), QStringLiteral("User_Maier") + schluessel, QStringLiteral("-"));
  }
  void einstellen(const QString& schluessel, const QString& wert) {
    IniSchreiben(QString(), QString(), QStringLiteral("User_Maier") + schluessel, wert);
  }
  QString bildDatei() const { return programmOrdner() + QStringLiteral("/FormPrn_Ueberweisung.bmp"); }
  void bildAnlegen() { BankformTest::bildAnlegen(bildDatei()); }

  const QList<QString> saetze = {
      zeileAus({{0, "Firma"},
                {1, "Meier"},
                {2, "Anna"},
                {11, "Rechnung 12°°vom 1.12."},
                {17, "1234567890"},
                {18, "37050198"},
                {19, "Sparkasse KölnBonn"},
                {23, "7"}}),
      zeileAus({{0, "Privat"}, {1, "Schulz"}, {23, "8"}}),
      zeileAus({{0, "Privat"}, {1, "Mustermann-Schulzes"}, {2, "Maximilian-Alexander"}, {23, "9"}}),
      zeileAus({{0, "Privat"}, {1, "Wolf"}, {2, "Eva"}, {17, "12/345"}, {18, "10020030"}, {19, "Volksbank"}}),
  };
};
