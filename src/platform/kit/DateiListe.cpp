#include "platform/kit/DateiListe.h"

#include "platform/vb/Paths.h"

#include <QDir>
#include <QMouseEvent>

namespace vb {

FileListBox::FileListBox(QWidget* parent) : ListBox(parent) { setSorted(true); }

void FileListBox::setPath(const QString& folder) {
  path_ = Paths::aufloesen(Paths::normalisieren(folder));
  Refresh();
}

void FileListBox::setPattern(const QString& pattern) {
  pattern_ = pattern;
  Refresh();
}

void FileListBox::Refresh() {
  QStringList namen;
  if (!path_.isEmpty()) {
    QDir dir(path_);
    dir.setFilter(QDir::Files | QDir::Readable);
    dir.setNameFilters(pattern_.split(u';', Qt::SkipEmptyParts));
    // "*.*" of the original also lists names without a dot.
    if (pattern_ == QStringLiteral("*.*")) dir.setNameFilters({QStringLiteral("*")});
    namen = dir.entryList(QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
  }
  setItems(namen);
}

void FileListBox::mouseReleaseEvent(QMouseEvent* e) {
  ListBox::mouseReleaseEvent(e);
  if (MouseUp) {
    const int button = e->button() == Qt::LeftButton ? 1 : e->button() == Qt::RightButton ? 2 : 4;
    int shift = 0;
    if (e->modifiers() & Qt::ShiftModifier) shift |= 1;
    if (e->modifiers() & Qt::ControlModifier) shift |= 2;
    if (e->modifiers() & Qt::AltModifier) shift |= 4;
    MouseUp(button, shift, e->position().toPoint().x(), e->position().toPoint().y());
  }
}

}  // namespace vb
