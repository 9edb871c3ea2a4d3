// The walks report every record, in order, to the walk frame, which moves the progress bar from it; the
// exports leave the random choice of the records that move it to the frame.
#include "datatools/ExportHilfe.h"
#include "datatools/Geburtstagsexport.h"
#include "datatools/Indexvergabe.h"
#include "datatools/Telefonlisten.h"
#include "datatools/TkAnlage.h"

#include "common/Ini.h"

using namespace Qt::Literals::StringLiterals;

TEST_F(ExportTest, WalksReportEveryRecordInOrder) {
  IniSchreiben("", "Kelvor", "Dir", tempPfad(u""_s));
  struct Walk {
    const char* name;
    std::function<void(const QStringList&, const Satzfortschritt&)> laufen;
  };
  const Walk walks[] = {
      {"card server", [](const QStringList& z, const Satzfortschritt& f) { D2ListeText(z, nullptr, f); }},
      {"register", [](const QStringList& z, const Satzfortschritt& f) { TiptelRegisterText(z, f); }},
      {"short dial", [](const QStringList& z, const Satzfortschritt& f) { TkAnlageTexteBauen(z, {}, f); }},
      {"birthdays", [](const QStringList& z,
                       const Satzfortschritt& f) { GeburtstageExportieren(z, standardBezeichnungen(), {}, f); }},
      {"renumbering",
       [](const QStringList& z, const Satzfortschritt& f) {
         Adressbestand b;
         b.setItems(z);
         IndizesNeuSetzen(b, f);
       }},
  };
  const QString zeile = zeileAus({{1, u"Meier"_s}, {9, u"Mob S1"_s}, {7, u"040 1"_s}, {20, u"01.02.1990"_s}});
  for (const Walk& w : walks) {
    SCOPED_TRACE(w.name);
    QList<int> saetze;
    w.laufen(QStringList(4, zeile), [&](int k) { saetze << k; });
    EXPECT_EQ(saetze, (QList<int>{0, 1, 2, 3}));
  }
  EXPECT_EQ(zufall_->gezogen, 0);
}
