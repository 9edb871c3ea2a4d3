#include "common/Hilfe.h"

#include "common/Ton.h"
#include "platform/dienste/Dialogs.h"
#include "platform/dienste/Help.h"
#include "platform/vb/Sanduhr.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

void HilfeZeigen(const QString& hilfeDatei, int thema) {
  const QString seite = Help::service().seite(hilfeDatei, thema);
  if (!seite.isEmpty()) {
    Help::service().zeigen(seite);
    return;
  }
  TonAusgeben(u"#SystemExclamation");
  MsgBox(QStringLiteral("Kann die Hilfe »") + hilfeDatei.toLower() + QStringLiteral("« nicht finden."),
         vb::vbOKOnly + vb::vbExclamation);
}

void Warten(float sekunden) {
  if (!(sekunden > 0)) sekunden = 0;
  QCoreApplication::processEvents();
  const int ms = static_cast<int>(static_cast<double>(sekunden) * 1000.0 + 0.5);
  if (ms <= 0) return;
  // A loop of its own sleeps until the next event or the end, instead of spinning.
  QEventLoop schleife;
  QTimer::singleShot(ms, &schleife, &QEventLoop::quit);
  schleife.exec();
}
