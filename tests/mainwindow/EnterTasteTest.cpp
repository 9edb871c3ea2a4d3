// Enter in every dialog of the program: the button that has the focus is pressed, whatever the dialog's
// default button, tabs or other controls; only a dialog that sees every key first and takes Enter for
// itself keeps it.
#include "bankforms/formen/FormPrnLastschrift.h"
#include "bankforms/formen/FormPrnNachnahme.h"
#include "bankforms/formen/FormPrnUeberweisung.h"
#include "common/formen/Auswahl.h"
#include "common/formen/File.h"
#include "common/formen/MsgDoppelt.h"
#include "common/formen/Sonderzeichen.h"
#include "common/formen/ZoomText.h"
#include "exchange/formen/AdrImport2.h"
#include "exchange/formen/ImpZA.h"
#include "exchange/formen/Telewahl.h"
#include "exchange/formen/ZAexport.h"
#include "exchange/formen/expEMAIL.h"
#include "exchange/formen/expWord.h"
#include "mainwindow/Info.h"
#include "mainwindow/Main.h"
#include "mainwindow/Setup.h"
#include "mainwindow/SetupSpeziell.h"
#include "mainwindow/Tips.h"
#include "mainwindow/Titel.h"
#include "platform/kit/Controls.h"
#include "printing/formen/Listendruck.h"
#include "printing/formen/MaskenEdit.h"
#include "printing/formen/PrinterSet.h"
#include "printing/formen/Umschlag.h"
#include "support/kern/TestUmgebung.h"

#include <QApplication>
#include <QTest>

namespace {

enum class Enter {
  drueckt,       // presses the focused button
  vorschau,      // the dialog's own key preview takes Enter in every control (moves on, or closes the box)
  keineKnoepfe,  // the dialog has no buttons (a start-up picture; commands in menus)
};

struct Dialog {
  const char* name;
  std::function<vb::FormBase&()> laden;
  std::function<void()> entladen;
  Enter enter;
};

// The dialog loaded as it opens; `bereit` brings it to where the user meets it.
template <class F>
Dialog dialog(const char* name, Enter enter = Enter::drueckt, std::function<void(F&)> bereit = {}) {
  return {name,
          [bereit]() -> vb::FormBase& {
            F& f = F::get();
            if (bereit) bereit(f);
            return f;
          },
          [] { F::Unload(); }, enter};
}

class EnterTasteTest : public KartulonTest {};

TEST_F(EnterTasteTest, EnterPressesTheFocusedButtonInEveryDialog) {
  Main::get();
  // A dialog that a load or a button would show modally is not shown.
  vb::Forms::setModalInterceptor([](vb::FormBase&) {});
  const Dialog dialoge[] = {
      // Its buttons are enabled half a second after it opened.
      dialog<FormPrnUeberweisung>("FormPrnUeberweisung", Enter::drueckt,
                                  [](FormPrnUeberweisung& u) { u.TimerInit_Timer(); }),
      dialog<FormPrnLastschrift>("FormPrnLastschrift", Enter::vorschau),
      dialog<FormPrnNachnahme>("FormPrnNachnahme", Enter::vorschau),
      dialog<Auswahl>("Auswahl"),
      dialog<File>("File"),
      dialog<MsgDoppelt>("MsgDoppelt"),
      dialog<Sonderzeichen>("Sonderzeichen"),
      dialog<ZoomText>("ZoomText"),
      dialog<AdrImport2>("AdrImport2"),
      dialog<ImpZA>("ImpZA"),
      dialog<Telewahl>("Telewahl"),
      dialog<ZAexport>("ZAexport"),
      dialog<expEMAIL>("expEMAIL"),
      dialog<expWord>("expWord"),
      dialog<Listendruck>("Listendruck"),
      dialog<MaskenEdit>("MaskenEdit"),
      dialog<PrinterSet>("PrinterSet"),
      dialog<Umschlag>("Umschlag", Enter::keineKnoepfe),
      dialog<Info>("Info", Enter::vorschau),
      dialog<::Setup>("Setup"),
      dialog<SetupSpeziell>("SetupSpeziell"),
      dialog<Tips>("Tips"),
      dialog<Titel>("Titel", Enter::keineKnoepfe),
  };
  for (const Dialog& d : dialoge) {
    SCOPED_TRACE(d.name);
    QWidget* w = d.laden().widget();
    // Every button that can take the focus now records its press instead of doing its work.
    vb::CommandButton* gedrueckt = nullptr;
    QList<vb::CommandButton*> knoepfe;
    for (vb::CommandButton* b : w->findChildren<vb::CommandButton*>()) {
      b->Click = [&gedrueckt, b] { gedrueckt = b; };
      knoepfe << b;
    }
    int geprueft = 0;
    for (vb::CommandButton* b : knoepfe) {
      for (Qt::Key taste : {Qt::Key_Return, Qt::Key_Enter}) {
        w->show();
        QApplication::setActiveWindow(w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        if (!b->isVisible() || !b->isEnabled()) continue;
        b->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), b) << b->objectName().toStdString();
        gedrueckt = nullptr;
        QTest::keyClick(b, taste, taste == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        if (d.enter == Enter::vorschau) {
          EXPECT_EQ(gedrueckt, nullptr) << b->objectName().toStdString();
        } else {
          EXPECT_EQ(gedrueckt, b) << b->objectName().toStdString() << " pressed "
                                  << (gedrueckt ? gedrueckt->objectName().toStdString() : "nothing");
        }
        ++geprueft;
      }
    }
    EXPECT_EQ(geprueft > 0, d.enter != Enter::keineKnoepfe) << geprueft << " presses";
    w->hide();
    d.entladen();
  }
}

}  // namespace
