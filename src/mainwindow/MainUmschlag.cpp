// The main window's envelope commands: the envelope dialog and the window envelope.
#include "common/Benutzer.h"
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "mainwindow/Dialogbefehl.h"
#include "mainwindow/Main.h"
#include "platform/dienste/Dialogs.h"
#include "platform/vb/Sanduhr.h"
#include "printing/Umschlagdruck.h"
#include "printing/formen/Umschlag.h"
#include "store/Maske.h"

using namespace Qt::Literals::StringLiterals;

void Main::PulBriefumschlag_Click() {
  DialogSchritte<Umschlag> s;
  s.vorZeigen = [this](Umschlag& d) { d.DatensatzUebernehmen(GezeigteZeile(), FeldBezeichnungen()); };
  DialogBefehl(s);
}

void Main::mnuPrnUmschlagsfenster_Click() {
  const QString schluessel = u"AbsenderZeile_"_s + DateiTeil(AktuelleDatei, 1);
  const QString bisher = IniLesen(QString(), QString(), schluessel, BenutzerName());
  const QString antwort =
      InputBox(u"Bitte die Absenderzeile festlegen."_s, u"Absenderzeile für Umschlagsfenster"_s, bisher);
  // Cancel and an empty answer print and store nothing.
  if (antwort.isEmpty()) return;
  const QString zeile = IniSchreiben(QString(), QString(), schluessel, antwort);
  Sanduhr sanduhr;
  UmschlagsfensterDrucken(zeile, MaskeFuellen(u"Umschlag"_s, GezeigteZeile(), FeldBezeichnungen()));
}
