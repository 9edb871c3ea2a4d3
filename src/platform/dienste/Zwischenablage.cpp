#include "platform/dienste/Zwischenablage.h"

#include "platform/dienste/Dienst.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <map>

namespace {

// The system clipboard through Qt (it needs a running application).
class QtZwischenablage : public ZwischenablageService {
 public:
  QtZwischenablage() {
    if (auto* ablage = brett())
      QObject::connect(ablage, &QClipboard::dataChanged, ablage, [] { Zwischenablage::geaendert(); });
  }
  void leeren() override {
    if (auto* ablage = brett()) ablage->clear();
  }
  void textSetzen(const QString& text) override {
    if (auto* ablage = brett()) ablage->setText(text);
  }
  QString text() override {
    auto* ablage = brett();
    return ablage ? ablage->text() : QString();
  }
  bool hatText() override {
    auto* ablage = brett();
    const QMimeData* inhalt = ablage ? ablage->mimeData() : nullptr;
    return inhalt && inhalt->hasText();
  }

 private:
  static QClipboard* brett() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
  }
};

using Slot = Dienst<ZwischenablageService, QtZwischenablage>;

std::map<int, std::function<void()>>& beobachter() {
  static std::map<int, std::function<void()>> b;
  return b;
}

}  // namespace

namespace Zwischenablage {
ZwischenablageService& service() { return Slot::service(); }
std::unique_ptr<ZwischenablageService> install(std::unique_ptr<ZwischenablageService> service) {
  auto alt = Slot::install(std::move(service));
  geaendert();
  return alt;
}

void leeren() { service().leeren(); }

void textSetzen(const QString& text) {
  QString t = text;
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  t.replace(u'\r', u'\n');
  service().textSetzen(t);
}

QString text() {
  QString t = service().text();
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  t.replace(u'\r', u'\n');
  t.replace(u'\n', QStringLiteral("\r\n"));
  return t;
}

bool hatText() { return service().hatText(); }

int beiAenderung(std::function<void()> f) {
  static int naechste = 0;
  beobachter()[++naechste] = std::move(f);
  return naechste;
}

void abmelden(int nummer) { beobachter().erase(nummer); }

void geaendert() {
  const auto kopie = beobachter();
  for (const auto& [nummer, f] : kopie) f();
}
}  // namespace Zwischenablage
