#include "platform/kit/ThemaSymbole.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>
#include <QStringList>

#include <utility>

namespace vb {
namespace {
const QString kVerzeichnis = QStringLiteral("Verzeichnis.txt");

// Written beside and renamed over, so that a reader never sees half a file.
void ersetzen(const QString& pfad, const QByteArray& bytes) {
  const QString neu = pfad + QStringLiteral(".neu");
  QFile f(neu);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
    f.remove();
    return;
  }
  f.close();
  QFile::remove(pfad);
  QFile::rename(neu, pfad);
}
}  // namespace

ThemaSymbole::ThemaSymbole(QString ordner) : ordner_(std::move(ordner)) {}

QString ThemaSymbole::standardOrdner() {
  QString basis = qEnvironmentVariable("XDG_CACHE_HOME");
  if (basis.isEmpty()) basis = QDir::homePath() + QStringLiteral("/.cache");
  return basis + QStringLiteral("/kartulon/Symbole");
}

QString ThemaSymbole::stempel() {
  QStringList teile{QIcon::themeName(), QIcon::fallbackThemeName()};
  const QStringList themen{QIcon::themeName(), QIcon::fallbackThemeName(), QStringLiteral("hicolor")};
  for (const QString& pfad : QIcon::themeSearchPaths()) {
    teile << pfad;
    // Installing pictures into a theme renews its icon-theme.cache; a new version of the theme its index.
    for (const QString& thema : themen) {
      if (thema.isEmpty()) continue;
      for (const char* datei : {"index.theme", "icon-theme.cache"}) {
        const QFileInfo info(pfad + u'/' + thema + u'/' + QLatin1String(datei));
        if (info.exists())
          teile << info.filePath() + u'@' + QString::number(info.lastModified().toMSecsSinceEpoch()) + u'/' +
                       QString::number(info.size());
      }
    }
  }
  return teile.join(u'|');
}

QString ThemaSymbole::bildPfad(const QString& name, int pixel) const {
  return ordner_ + u'/' + name + u'-' + QString::number(pixel) + QStringLiteral(".png");
}

void ThemaSymbole::einlesen() {
  eingelesen_ = true;
  QFile f(ordner_ + u'/' + kVerzeichnis);
  if (!f.open(QIODevice::ReadOnly)) return;
  const QStringList zeilen = QString::fromUtf8(f.readAll()).split(u'\n');
  if (zeilen.isEmpty() || zeilen.first() != stempel()) return;  // other themes now: ask them again
  for (qsizetype i = 1; i < zeilen.size(); ++i) {
    const QStringList teile = zeilen[i].split(u'\t');
    if (teile.size() == 2 && (teile[1] == u"0" || teile[1] == u"1")) vorhanden_.insert(teile[0], teile[1] == u"1");
  }
}

void ThemaSymbole::merken() {
  if (!QDir().mkpath(ordner_)) return;
  QString text = stempel();
  for (auto it = vorhanden_.cbegin(); it != vorhanden_.cend(); ++it)
    text += u'\n' + it.key() + u'\t' + (it.value() ? u'1' : u'0');
  ersetzen(ordner_ + u'/' + kVerzeichnis, text.toUtf8());
}

QIcon ThemaSymbole::symbol(const QString& name, const QIcon& eigenes, int pixel) {
  if (!eingelesen_) einlesen();
  const int groessen[] = {pixel, 2 * pixel};
  const auto bekannt = vorhanden_.constFind(name);
  if (bekannt != vorhanden_.cend()) {
    if (!*bekannt) return eigenes;
    QIcon gemerkt;
    for (int g : groessen) {
      const QString pfad = bildPfad(name, g);
      if (QFileInfo::exists(pfad)) gemerkt.addFile(pfad, QSize(g, g));
    }
    if (gemerkt.availableSizes().size() == 2) return gemerkt;
    // A picture went from the cache (or the size changed): ask the theme again.
  }

  const QIcon thema = QIcon::fromTheme(name);
  const bool hat = !thema.isNull() && !thema.availableSizes().isEmpty();
  if (hat && QDir().mkpath(ordner_)) {
    for (int g : groessen) {
      const QString pfad = bildPfad(name, g);
      thema.pixmap(g, g).save(pfad + QStringLiteral(".neu.png"), "PNG");
      QFile::remove(pfad);
      QFile::rename(pfad + QStringLiteral(".neu.png"), pfad);
    }
  }
  vorhanden_.insert(name, hat);
  merken();
  return hat ? thema : eigenes;
}

}  // namespace vb
