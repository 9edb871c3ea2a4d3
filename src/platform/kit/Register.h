#pragma once
// The tab control: tabs that each hold a container for controls placed in twips; Tab is the current one.
#include <QTabWidget>
#include <QWidget>

namespace vb {

class TabControl : public QTabWidget {
 public:
  explicit TabControl(QWidget* parent = nullptr) : QTabWidget(parent) {}
  // Adds a tab with its (empty) container and returns the container.
  QWidget* addTab(const QString& caption) {
    auto* seite = new QWidget(this);
    seite->setObjectName(QStringLiteral("Seite_%1").arg(count()));
    QTabWidget::addTab(seite, caption);
    return seite;
  }
  int Tab() const { return currentIndex(); }
  void setTab(int i) { setCurrentIndex(i); }
  int Tabs() const { return count(); }
  QString TabCaption(int i) const { return tabText(i); }
  QWidget* Seite(int i) const { return widget(i); }
};

}  // namespace vb
