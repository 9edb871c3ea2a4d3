// The status bar's clock, the idle time-out and the actions of the first paint.
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Token.h"
#include "common/ZahlTexte.h"
#include "mainwindow/Main.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Vb.h"

#include <QMetaObject>

void Main::ZeitTimeOut_Timer() {
  StatusBar->setPanelText(QStringLiteral("Datum"), u' ' + vb::DatumText(Clock::today()) + u' ');
  StatusBar->setPanelText(QStringLiteral("Zeit"), u' ' + Clock::time().toString(QStringLiteral("hh:mm")) + u' ');
  // A whole interval counts, however much of it was really idle.
  LeerlaufSekunden = static_cast<float>(LeerlaufSekunden + ZeitTimeOut->Interval() / 1000.0);
  double rest = TimeOutSekunden - LeerlaufSekunden;
  if (TimeOutSekunden > 0 && rest < 120)
    StatusBar->setPanelText(QStringLiteral("Status"),
                            QStringLiteral("Automatisches Programmende in ") + DauerText(rest) + QStringLiteral("..."));
  if (TimeOutSekunden > 0 && LeerlaufSekunden >= TimeOutSekunden) {
    if (NurLesen == -1)
      PulAbbruch_Click();
    else
      pulEnde_Click();
  }
}

void Main::Form_Paint() {
  if (ersterAnstrichErledigt_) return;
  ersterAnstrichErledigt_ = true;
  if (SchalterWert(QStringLiteral("Datei=")).isEmpty() &&
      vb::Val(IniLesen(QString(), QString(), QStringLiteral("AuswahlÖffnen"), QStringLiteral("0"))) != 0)
    PulÖffnen_Click();
  if (!tippGezeigt_) {
    tippGezeigt_ = true;
    if (vb::Val(IniLesen(QString(), QString(), QStringLiteral("AutoTip"), QStringLiteral("1"))) != 0) mnuTips_Click();
  }
}

void Main::paintEvent(QPaintEvent* e) {
  QMainWindow::paintEvent(e);
  // A dialog must not open inside a paint event: the first paint's actions follow right after it.
  if (!ersterAnstrichErledigt_)
    QMetaObject::invokeMethod(
        this, [this] { Form_Paint(); }, Qt::QueuedConnection);
}
