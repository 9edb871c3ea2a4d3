// Toolbar pictures from the desktop's theme, searched once and then read from the cache folder.
#include "platform/kit/ThemaSymbole.h"
#include "support/kern/TestUmgebung.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>

namespace {

QPixmap flaeche(const QColor& farbe, int groesse) {
  QPixmap p(groesse, groesse);
  p.fill(farbe);
  return p;
}

QColor farbeVon(const QIcon& icon) { return icon.pixmap(16, 16).toImage().pixelColor(8, 8); }

class ThemaSymboleTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    suchpfade_ = QIcon::themeSearchPaths();
    themaVorher_ = QIcon::themeName();
    thema_ = dir_.path() + QStringLiteral("/themen/probe");
    for (int g : {16, 32}) {
      const QString ordner = thema_ + QStringLiteral("/%1x%1").arg(g);
      QDir().mkpath(ordner);
      flaeche(Qt::red, g).save(ordner + QStringLiteral("/go-next.png"));
    }
    QFile index(thema_ + QStringLiteral("/index.theme"));
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.write(
        "[Icon Theme]\nName=probe\nDirectories=16x16,32x32\n\n[16x16]\nSize=16\nType=Fixed\n\n"
        "[32x32]\nSize=32\nType=Fixed\n");
    index.close();
    QIcon::setThemeSearchPaths({dir_.path() + QStringLiteral("/themen")});
    QIcon::setThemeName(QStringLiteral("probe"));
    cache_ = dir_.path() + QStringLiteral("/cache");
  }
  void TearDown() override {
    QIcon::setThemeSearchPaths(suchpfade_);
    QIcon::setThemeName(themaVorher_);
    KartulonTest::TearDown();
  }
  QByteArray verzeichnis() const {
    QFile f(cache_ + QStringLiteral("/Verzeichnis.txt"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  QTemporaryDir dir_;
  QString thema_, cache_, themaVorher_;
  QStringList suchpfade_;
  const QIcon eigenes_{flaeche(Qt::blue, 16)};
};

TEST_F(ThemaSymboleTest, TheFirstStartAsksTheThemeAndKeepsTheAnswer) {
  vb::ThemaSymbole symbole(cache_);
  EXPECT_EQ(farbeVon(symbole.symbol(QStringLiteral("go-next"), eigenes_, 16)), QColor(Qt::red));
  EXPECT_EQ(farbeVon(symbole.symbol(QStringLiteral("go-last"), eigenes_, 16)), QColor(Qt::blue));
  EXPECT_EQ(verzeichnis(), (vb::ThemaSymbole::stempel() + QStringLiteral("\ngo-last\t0\ngo-next\t1")).toUtf8());
  EXPECT_EQ(QPixmap(cache_ + QStringLiteral("/go-next-16.png")).size(), QSize(16, 16));
  EXPECT_EQ(QPixmap(cache_ + QStringLiteral("/go-next-32.png")).size(), QSize(32, 32));
}

TEST_F(ThemaSymboleTest, ALaterStartReadsTheCacheUntilTheThemeChanges) {
  vb::ThemaSymbole(cache_).symbol(QStringLiteral("go-next"), eigenes_, 16);
  vb::ThemaSymbole(cache_).symbol(QStringLiteral("go-last"), eigenes_, 16);
  // Pictures that only the cache has show that the theme was not asked.
  for (int g : {16, 32}) flaeche(Qt::green, g).save(cache_ + QStringLiteral("/go-next-%1.png").arg(g));
  {
    vb::ThemaSymbole symbole(cache_);
    EXPECT_EQ(farbeVon(symbole.symbol(QStringLiteral("go-next"), eigenes_, 16)), QColor(Qt::green));
    EXPECT_EQ(farbeVon(symbole.symbol(QStringLiteral("go-last"), eigenes_, 16)), QColor(Qt::blue));
  }
  // Another size than the cache holds asks the theme for it.
  EXPECT_EQ(farbeVon(vb::ThemaSymbole(cache_).symbol(QStringLiteral("go-next"), eigenes_, 24)), QColor(Qt::red));

  for (int g : {16, 32}) flaeche(Qt::green, g).save(cache_ + QStringLiteral("/go-next-%1.png").arg(g));
  // A new version of the theme renews its index: the cache's answers are stale.
  QFile index(thema_ + QStringLiteral("/index.theme"));
  ASSERT_TRUE(index.open(QIODevice::ReadWrite));
  ASSERT_TRUE(index.setFileTime(QDateTime::currentDateTime().addDays(-3), QFileDevice::FileModificationTime));
  index.close();
  EXPECT_EQ(farbeVon(vb::ThemaSymbole(cache_).symbol(QStringLiteral("go-next"), eigenes_, 16)), QColor(Qt::red));
  EXPECT_TRUE(verzeichnis().startsWith(vb::ThemaSymbole::stempel().toUtf8() + '\n'));

  // Another theme: asked anew, and it lacks the picture.
  const QString stempelVorher = vb::ThemaSymbole::stempel();
  QIcon::setThemeName(QStringLiteral("anders"));
  EXPECT_NE(vb::ThemaSymbole::stempel(), stempelVorher);
  EXPECT_EQ(farbeVon(vb::ThemaSymbole(cache_).symbol(QStringLiteral("go-next"), eigenes_, 16)), QColor(Qt::blue));
}

TEST_F(ThemaSymboleTest, ACacheFolderThatCannotBeWrittenStillGivesTheThemesPictures) {
  QFile sperre(dir_.path() + QStringLiteral("/datei"));
  ASSERT_TRUE(sperre.open(QIODevice::WriteOnly));
  sperre.close();
  vb::ThemaSymbole symbole(sperre.fileName() + QStringLiteral("/cache"));  // below a file: never a folder
  EXPECT_EQ(farbeVon(symbole.symbol(QStringLiteral("go-next"), eigenes_, 16)), QColor(Qt::red));
  EXPECT_EQ(farbeVon(symbole.symbol(QStringLiteral("go-last"), eigenes_, 16)), QColor(Qt::blue));
}

}  // namespace
