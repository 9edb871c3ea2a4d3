#include "platform/vb/Sanduhr.h"

#include <QCursor>
#include <QGuiApplication>

Sanduhr::Sanduhr() {
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    gesetzt_ = true;
  }
}

Sanduhr::~Sanduhr() {
  if (gesetzt_ && QCoreApplication::instance()) QGuiApplication::restoreOverrideCursor();
}
