// A file this user may not replace opens read-only and says why; a save that fails on the way out asks
// once whether to end without saving. The permission check judges by the bits alone here (the platform's
// switch for tests), so that it refuses also where the tests run as root.
#include "mainwindow/AdressdateiFixture.h"
#include "platform/vb/Dateirechte.h"
#include "platform/vb/Programm.h"

#include <sys/resource.h>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <csignal>

namespace {

const QString kFrage = QStringLiteral("Ohne Speichern beenden?");

enum class Sperre { Keine, Ordner, Datei, Groesse };

// Takes the write right from the data folder or the file, or limits the file size, while it lives.
class Hindernis {
 public:
  Hindernis(Sperre art, const QString& ordner, const QString& datei, qint64 groesse)
      : art_(art), ordner_(ordner), datei_(datei) {
    switch (art) {
      case Sperre::Keine:
        break;
      case Sperre::Ordner:
        QFile::setPermissions(ordner, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        break;
      case Sperre::Datei:
        QFile::setPermissions(datei, QFile::ReadOwner | QFile::ReadOther);
        break;
      case Sperre::Groesse: {
        getrlimit(RLIMIT_FSIZE, &alt_);
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit neu = alt_;
        neu.rlim_cur = static_cast<rlim_t>(groesse);
        setrlimit(RLIMIT_FSIZE, &neu);
        break;
      }
    }
  }
  ~Hindernis() {
    QFile::setPermissions(ordner_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(datei_, QFile::ReadOwner | QFile::WriteOwner);
    if (art_ == Sperre::Groesse) {
      setrlimit(RLIMIT_FSIZE, &alt_);
      std::signal(SIGXFSZ, signal_);
    }
  }

 private:
  Sperre art_;
  QString ordner_, datei_;
  rlimit alt_{};
  void (*signal_)(int) = SIG_DFL;
};

}  // namespace

class SchreibrechteTest : public AdressdateiTest {
 protected:
  void SetUp() override {
    AdressdateiTest::SetUp();
    Dateirechte::ohneVorrecht(true);
  }
  void TearDown() override {
    Dateirechte::ohneVorrecht(false);
    AdressdateiTest::TearDown();
  }
  // The window system's close request (QWidget::close() would refuse to run again after an end that
  // left it by the test's exception).
  void schliessen() {
    QCloseEvent e;
    QCoreApplication::sendEvent(&m(), &e);
  }
  bool beendet(const std::function<void()>& befehl) {
    const qsizetype vorher = programmEnden().size();
    try {
      befehl();
    } catch (const vb::Programm::Beendet&) {
      return true;
    }
    // A close request stops the end where Qt called it: the recorded ends tell.
    return programmEnden().size() > vorher;
  }
  const QByteArray zwei = "..Privat\r\n" + zeileAus({{0, "R"}, {1, "Meier"}, {23, "1"}}).toLatin1() + "\r\n" +
                          zeileAus({{0, "R"}, {1, "Weber"}, {23, "2"}}).toLatin1() + "\r\n";
};

TEST_F(SchreibrechteTest, AFileThisUserCannotReplaceOpensReadOnlyAndSaysWhy) {
  const struct {
    Sperre sperre;
    const char* grund;
  } faelle[] = {
      {Sperre::Ordner, "keine Schreibrechte für den Ordner"},
      {Sperre::Datei, "keine Schreibrechte für die Datei"},
      {Sperre::Keine, nullptr},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.grund ? f.grund : "writable");
    dialoge().clear();
    adressdatei(zwei);
    Hindernis h(f.sperre, DatenOrdner, AktuelleDatei, 0);
    m().DatenLaden();
    if (!f.grund) {
      EXPECT_EQ(NurLesen, 0);
      EXPECT_TRUE(dialoge().requests().isEmpty());
      EXPECT_FALSE(m().Feld(1).Locked());
      continue;
    }
    EXPECT_EQ(NurLesen, -1);
    ASSERT_EQ(dialoge().requests().size(), 1);
    const auto& meldung = dialoge().requests()[0];
    EXPECT_EQ(meldung.title, QStringLiteral("Kartulon, nur Leserechte"));
    EXPECT_TRUE(meldung.text.contains(AktuelleDatei)) << meldung.text.toStdString();
    EXPECT_TRUE(meldung.text.contains(QString::fromUtf8(f.grund))) << meldung.text.toStdString();
    EXPECT_TRUE(m().Feld(1).Locked());
    EXPECT_TRUE(m().Caption().endsWith(QStringLiteral(" - nur Leserechte")));
    // Closing ends at once, without a save and without another message.
    dialoge().clear();
    EXPECT_TRUE(beendet([&] { schliessen(); }));
    EXPECT_TRUE(dialoge().requests().isEmpty());
    EXPECT_EQ(dateiLesen(AktuelleDatei), zwei);
  }
}

// The folder or file loses its write right after the load, or the disk fills: Ende and the window's close
// ask once; Nein keeps the window with its changes, Ja ends and leaves the file as it was.
TEST_F(SchreibrechteTest, ASaveThatFailsOnClosingAsksOnceAndNeverTraps) {
  const struct {
    Sperre sperre;
    const char* grund;
  } faelle[] = {
      {Sperre::Ordner, "keine Schreibrechte für den Ordner"},
      {Sperre::Datei, "keine Schreibrechte für die Datei"},
      {Sperre::Groesse, "größer, als erlaubt"},
  };
  const std::pair<const char*, std::function<void()>> wege[] = {
      {"Ende", [&] { m().Toolbar_ButtonClick(QStringLiteral("Ende")); }},
      {"closing the window", [&] { schliessen(); }},
  };
  for (const auto& f : faelle) {
    for (const auto& [was, weg] : wege) {
      SCOPED_TRACE(std::string(f.grund) + ", " + was);
      adressdatei(zwei);
      m().DatenLaden();
      ASSERT_EQ(NurLesen, 0);
      m().Feld(1).setText(QStringLiteral("Meyer") + QString(200, u'x'));
      m().AdresseAktualisieren(0);
      dialoge().clear();
      Hindernis h(f.sperre, DatenOrdner, AktuelleDatei, zwei.size() + 50);

      dialoge().answer(vb::vbNo);
      EXPECT_FALSE(beendet(weg));
      ASSERT_EQ(dialoge().requests().size(), 1);
      const QString text = dialoge().requests()[0].text;
      EXPECT_TRUE(text.contains(AktuelleDatei)) << text.toStdString();
      EXPECT_TRUE(text.contains(QString::fromUtf8(f.grund))) << text.toStdString();
      EXPECT_TRUE(text.endsWith(kFrage)) << text.toStdString();
      EXPECT_EQ(Geaendert, 1);
      EXPECT_EQ(m().Feld(1).Text(), QStringLiteral("Meyer") + QString(200, u'x'));
      const qsizetype endenVorher = programmEnden().size();

      dialoge().clear();
      dialoge().answer(vb::vbYes);
      EXPECT_TRUE(beendet(weg));
      EXPECT_EQ(dialoge().requests().size(), 1);
      EXPECT_EQ(programmEnden().size(), endenVorher + 1);
      EXPECT_EQ(dateiLesen(AktuelleDatei), zwei);
    }
  }
}
