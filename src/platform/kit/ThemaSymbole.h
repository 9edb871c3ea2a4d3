#pragma once
// Pictures from the desktop's icon theme without a search through the themes at every start. Looking a
// name up in the themes reads their index files and many folders; the answer (the picture at the sizes
// asked, or that no theme has it) is kept in a cache folder under a stamp of the theme's name, its search
// paths and the times its index files changed, and later starts read the answer from there.
#include <QIcon>
#include <QList>
#include <QMap>
#include <QString>

namespace vb {

class ThemaSymbole {
 public:
  // `ordner`: the cache folder; created when needed. A folder that cannot be written only costs the
  // search at every start.
  explicit ThemaSymbole(QString ordner);

  // The theme's picture `name` at `pixel` and twice that (for screens that scale), else `eigenes`.
  QIcon symbol(const QString& name, const QIcon& eigenes, int pixel);

  // What stands for the installed themes: a change of theme or of an index file makes a new stamp.
  static QString stempel();
  // $XDG_CACHE_HOME/kartulon/Symbole (~/.cache/kartulon/Symbole).
  static QString standardOrdner();

 private:
  void einlesen();
  void merken();
  QString bildPfad(const QString& name, int pixel) const;

  QString ordner_;
  bool eingelesen_ = false;
  QMap<QString, bool> vorhanden_;  // name -> the theme has it
};

}  // namespace vb
