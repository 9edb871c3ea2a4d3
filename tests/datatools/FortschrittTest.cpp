// The exports' walks move the progress bar only when a fresh random number exceeds 0.9, one number per
// record, and never for a single record.
#include "datatools/ExportHilfe.h"
#include "datatools/Geburtstagsexport.h"
#include "datatools/Telefonlisten.h"
#include "datatools/TkAnlage.h"

#include "common/Ini.h"

using namespace Qt::Literals::StringLiterals;

TEST_F(ExportTest, WalksMoveTheBarForRandomRecordsOnly) {
  IniSchreiben("", "Kelvor", "Dir", tempPfad(u""_s));
  struct Walk {
    const char* name;
    std::function<void(const QStringList&, const Fortschritt&)> laufen;
  };
  const Walk walks[] = {
      {"card server", [](const QStringList& z, const Fortschritt& f) { D2ListeText(z, nullptr, f); }},
      {"register", [](const QStringList& z, const Fortschritt& f) { TiptelRegisterText(z, f); }},
      {"short dial", [](const QStringList& z, const Fortschritt& f) { TkAnlageTexteBauen(z, {}, f); }},
      {"birthdays", [](const QStringList& z, const Fortschritt& f) { GeburtstageExportieren(z, standardBezeichnungen(), {}, f); }},
  };
  const QString zeile = zeileAus({{1, u"Meier"_s}, {9, u"Mob S1"_s}, {7, u"040 1"_s}, {20, u"01.02.1990"_s}});
  for (const Walk& w : walks) {
    SCOPED_TRACE(w.name);
    zufall_->folge = {0.95, 0.5, 0.91, 0.9};
    zufall_->gezogen = 0;
    QList<int> prozente;
    const Fortschritt merken = [&](int p) { prozente << p; };
    w.laufen(QStringList(5, zeile), merken);
    EXPECT_EQ(zufall_->gezogen, 5);
    EXPECT_EQ(prozente, (QList<int>{0, 50, 100}));

    zufall_->gezogen = 0;
    prozente.clear();
    w.laufen({zeile}, merken);
    EXPECT_EQ(zufall_->gezogen, 1);
    EXPECT_TRUE(prozente.isEmpty());
  }
}
