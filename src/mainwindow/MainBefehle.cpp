// The menu commands that are neither record nor file operations: help, the family's web pages and
// programs, the directory-enquiry link, the record's web page, the fax number to the clipboard and the
// printer set-up.
#include "common/Email.h"
#include "common/Familie.h"
#include "common/Global.h"
#include "common/Hilfe.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "mainwindow/Main.h"
#include "mainwindow/MainFamilie.h"
#include "platform/dienste/Dialogs.h"
#include "platform/dienste/Shell.h"
#include "platform/dienste/Zwischenablage.h"
#include "platform/vb/Paths.h"

#include <QCoreApplication>

void Main::PulDruckEinrichten_Click() {
  // Cancelling or a printer that cannot be chosen leaves the printer as it was, without a message.
  StdDialog->Flags = vb::cdlPDPrintSetup;
  StdDialog->setAction(vb::cdlAktionDrucker);
}

void Main::PulAnleitung_Click() { HilfeZeigen(QStringLiteral("Kartulon.Hlp"), -1); }

void Main::PulWerbung_Click() { WerbungInhalt(); }

void Main::mnuURLHomePage_Click() { InternetSeite(kSeiteHomepage); }

void Main::mnuURLUpdate_Click() { InternetSeite(kSeiteUpdate); }

void Main::mnuWeiteres_Click() {
  // Browsing the menu counts as activity for the idle time-out.
  LeerlaufSekunden = 0;
  PrgMenuePruefen();
}

void Main::mnuPrg_Click(short index) { PrgStarten(index); }

void Main::mnuLinks_Click(short /*index*/) {
  const QString link = IniLesen(Paths::verbinden(ProgrammOrdner(), QStringLiteral("Links.txt")),
                                QStringLiteral("Links"), QStringLiteral("TeleauskunftHome"), QString());
  // Links.txt may come from anywhere: only a whole web address is handed to the desktop.
  const QUrl url = (TextArtErmitteln(link) & TextArtWeb) ? WebAdresseAlsUrl(link, false) : QUrl();
  if (!url.isEmpty()) {
    Shell::service().oeffnen(url);
    return;
  }
  MsgBox(QStringLiteral("Der Link »") + link + QStringLiteral("« scheint ungültig zu sein."),
         vb::vbCritical | vb::vbOKOnly, QStringLiteral("Link aufrufen"));
}

void Main::mnuWebStart_Click() {
  const QString text = Feld(22).Text();
  if (text.isEmpty()) {
    MsgBox(QStringLiteral("Keine Web-Seite angegeben."), vb::vbExclamation | vb::vbOKOnly);
    return;
  }
  // An imported record must never start a program: anything but a web address is left alone, as the
  // desktop would have ignored a text it cannot open.
  const QUrl url = WebAdresseAlsUrl(text, true);
  if (!url.isEmpty()) Shell::service().oeffnen(url);
}

void Main::PulZFax_Click() {
  Zwischenablage::leeren();
  Zwischenablage::textSetzen(Feld(8).Text());
}

void Main::NachEinstellungen() {
  // The settings dialog changed the boxes' fonts and colours directly: they are stored first, then all
  // options are read back, so that both agree.
  QCoreApplication::processEvents();
  OptionenSpeichern();
  QCoreApplication::processEvents();
  OptionenLaden();
}
