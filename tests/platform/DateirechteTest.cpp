#include "platform/vb/Dateirechte.h"
#include "support/kern/TestUmgebung.h"

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <cerrno>

class DateirechteTest : public KartulonTest {
 protected:
  void TearDown() override {
    Dateirechte::ohneVorrecht(false);
    QFile::setPermissions(tempPfad("ordner"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    KartulonTest::TearDown();
  }
};

// The bits alone decide with the switch for tests; the real check agrees wherever the tests do not run
// as root (root may write everything that is not marked otherwise).
TEST_F(DateirechteTest, AFileCanBeReplacedOnlyWhenItAndItsFolderMayBeWritten) {
  const auto nurLesen = QFile::ReadOwner | QFile::ReadOther;
  const auto ordnerNurLesen = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
  const struct {
    const char* fall;
    const char* datei;  // relative to the temporary folder
    bool ordnerGesperrt, dateiGesperrt;
    int fehler;
    bool imOrdner;
    const char* grund;
  } faelle[] = {
      {"writable", "ordner/a.dat", false, false, 0, false, ""},
      {"missing file in a writable folder", "ordner/neu.dat", false, false, 0, false, ""},
      {"folder without write bits", "ordner/a.dat", true, false, EACCES, true, "keine Schreibrechte für den Ordner"},
      {"file without write bits", "ordner/a.dat", false, true, EACCES, false, "keine Schreibrechte für die Datei"},
      {"folder is a file", "ordner/a.dat/x.dat", false, false, ENOTDIR, true, "kein Ordner"},
      {"folder is missing", "fehlt/x.dat", false, false, ENOENT, true, "nicht vorhanden"},
  };
  for (bool bitsAllein : {true, false}) {
    if (!bitsAllein && ::geteuid() == 0) continue;
    Dateirechte::ohneVorrecht(bitsAllein);
    for (const auto& f : faelle) {
      SCOPED_TRACE(std::string(f.fall) + (bitsAllein ? " (bits)" : " (real)"));
      const QString datei = dateiSchreiben(tempPfad("ordner/a.dat"), "x");
      QFile::setPermissions(datei, f.dateiGesperrt ? nurLesen : QFile::ReadOwner | QFile::WriteOwner);
      if (f.ordnerGesperrt) QFile::setPermissions(tempPfad("ordner"), ordnerNurLesen);
      const Dateirechte::Hindernis h = Dateirechte::ersetzenVerwehrt(tempPfad(QString::fromUtf8(f.datei)));
      QFile::setPermissions(tempPfad("ordner"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
      EXPECT_EQ(h.fehler, f.fehler);
      EXPECT_EQ(h.imOrdner, f.imOrdner);
      EXPECT_TRUE(Dateirechte::grund(h).contains(QString::fromUtf8(f.grund))) << Dateirechte::grund(h).toStdString();
      if (h) {
        EXPECT_TRUE(Dateirechte::grund(h).contains(h.wo));
      }
    }
  }
}
