#include "platform/dienste/Help.h"

#include "platform/dienste/Dienst.h"

#include "platform/dienste/Shell.h"
#include "platform/vb/Paths.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

QString Help::suchen(const QString& hilfeDatei, int thema) {
  const QString name = Help::seitenName(hilfeDatei, thema);
  if (name.isEmpty()) return {};
  for (const QString& o : Help::ordner()) {
    const QString pfad = Paths::aufloesen(Paths::verbinden(o, name));
    if (QFileInfo(pfad).isFile()) return pfad;
  }
  return {};
}

namespace {

class QtHelp : public HelpService {
 public:
  QString seite(const QString& hilfeDatei, int thema) override { return Help::suchen(hilfeDatei, thema); }
  void zeigen(const QString& seite) override { Shell::service().oeffnen(QUrl::fromLocalFile(seite)); }
};

using Slot = Dienst<HelpService, QtHelp>;

}  // namespace

namespace Help {
HelpService& service() { return Slot::service(); }
std::unique_ptr<HelpService> install(std::unique_ptr<HelpService> service) { return Slot::install(std::move(service)); }

QStringList ordner() {
  QStringList l{Paths::programmOrdner()};
  if (QCoreApplication::instance()) {
    const QString neben = QCoreApplication::applicationDirPath();
    if (!l.contains(neben)) l.append(neben);
  }
  return l;
}

QString seitenName(const QString& hilfeDatei, int thema) {
  const QString basis = QFileInfo(Paths::normalisieren(hilfeDatei).trimmed()).completeBaseName();
  if (basis.isEmpty()) return {};
  return thema < 0 ? basis + QStringLiteral(".html") : QStringLiteral("%1_%2.html").arg(basis).arg(thema);
}
}  // namespace Help
