#pragma once
// The direct debit over three records (the main window's address file for its command's tests), the
// dialog opened by the menu command or loaded directly, the print-options dialog answered with margins
// or a cancel, and the collection file in the data folder.
#include "bankforms/formen/BankformFixture.h"
#include "bankforms/formen/FormPrnLastschrift.h"

#include <QFile>

class LastschriftTest : public BankformTest {
 protected:
  void SetUp() override {
    BankformTest::SetUp();
    ASSERT_NO_FATAL_FAILURE(saetzeLaden(saetze));
  }

  FormPrnLastschrift& d() {
    return geladen<FormPrnLastschrift>([this](FormPrnLastschrift& l) { l.AdresseUebernehmen(gezeigteAdresse()); });
  }

  int optionenGezeigt = 0;
  QStringList titel, jobs;
  // Answers the print-options dialogs in turn (the last answer for every further one); the debit dialog,
  // when the menu command shows it, is handed to `imDialog`.
  void druckoptionen(QList<Druckoptionen> antworten, std::function<void(FormPrnLastschrift&)> imDialog = {}) {
    optionenGezeigt = 0;
    titel.clear();
    jobs.clear();
    vb::Forms::setModalInterceptor([this, antworten, imDialog](vb::FormBase& f) {
      if (auto* l = dynamic_cast<FormPrnLastschrift*>(&f)) {
        if (imDialog) imDialog(*l);
        return;
      }
      auto* p = dynamic_cast<PrinterSet*>(&f);
      if (!p) return;
      const Druckoptionen o = antworten.isEmpty()
                                  ? Druckoptionen{}
                                  : antworten.at(std::min<qsizetype>(optionenGezeigt, antworten.size() - 1));
      ++optionenGezeigt;
      titel << p->Caption();
      jobs << PresetName;
      beantworten(*p, o);
    });
  }

  QString sammeldatei() const { return DatenOrdner + QStringLiteral("/LaschriftSammlung.txt"); }
  QByteArray sammelInhalt() const {
    QFile f(sammeldatei());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void sammelSchreiben(const QByteArray& bytes) {
    QFile f(sammeldatei());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
  }
  QString bildDatei() const { return programmOrdner() + QStringLiteral("/FormPrn_Lastschrift.bmp"); }
  void bildAnlegen() { BankformTest::bildAnlegen(bildDatei()); }
  void einstellen(const char* schluessel, const QString& wert) {
    IniSchreiben(QString(), QString(), QString::fromUtf8(schluessel), wert);
  }

  const QList<QString> saetze = {
      zeileAus({{0, "Firma"},
                {1, "Meier"},
                {2, "Anna"},
                {3, "Hauptstr. 1"},
                {4, "50667"},
                {5, "Köln"},
                {11, "Rechnung 12°°vom 1.12."},
                {17, "1234567890"},
                {18, "37050198"},
                {19, "Sparkasse KölnBonn"},
                {23, "7"}}),
      zeileAus({{0, "Privat"}, {1, "Schulz"}, {10, "Praxis"}, {23, "8"}}),
      zeileAus({{0, "Privat"},
                {1, "Mustermann-Schulzes"},
                {2, "Maximilian-Alexander"},
                {10, "Steuerberatung"},
                {17, "123456789012"},
                {18, "1002003099"},
                {19, "Volksbank Rhein-Ruhr-Wupper eG"},
                {23, "9"}}),
  };
};
