// The toolbar: each button's key runs its menu command; the four navigation keys step through the
// record table.
#include "common/Global.h"
#include "mainwindow/Main.h"

#include <QCoreApplication>

void Main::PositionAnspringen(int position) {
  Liste->setListIndex(position);
  AktuellerDatensatz = Liste->List(Liste->ListIndex());
  AdresseAnzeigen();
}

void Main::Toolbar_ButtonClick(const QString& key) {
  if (key == u"Ende") {
    if (NurLesen == -1)
      PulAbbruch_Click();
    else
      pulEnde_Click();
  } else if (key == u"Laden") {
    PulÖffnen_Click();
  } else if (key == u"Speichern") {
    PulSichern_Click();
  } else if (key == u"Ordne01") {
    // The button's own repaint first: the sort takes a while. Typing must not change the table meanwhile.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    mnuSort_Click(16);
  } else if (key == u"OrdneAZ") {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    mnuSort_Click(0);
  } else if (key == u"Drucken") {
    PulListe_Click();
  } else if (key == u"Umschlag") {
    PulBriefumschlag_Click();
  } else if (key == u"Telefon") {
    PulTeleWählen_Click();
  } else if (key == u"Foto") {
    mnuPrnPersBogen_Click();
  } else if (key == u"Suchen") {
    PulSuchen_Click();
  } else if (key == u"ListeNeu") {
    PulEinfügen_Click();
  } else if (key == u"ListeKopieren") {
    PulKopieren_Click();
  } else if (key == u"ListeLöschen") {
    PulAusschneiden_Click();
  } else if (key == u"LaufPos1" || key == u"LaufBw" || key == u"LaufFw" || key == u"LaufEnde") {
    // An empty table has no position to go to.
    const int anzahl = Liste->ListCount();
    if (anzahl == 0) return;
    const int jetzt = Liste->ListIndex();
    int ziel = 0;
    if (key == u"LaufBw")
      ziel = std::max(jetzt - 1, 0);
    else if (key == u"LaufFw")
      ziel = jetzt < 0 ? 0 : std::min(jetzt + 1, anzahl - 1);
    else if (key == u"LaufEnde")
      ziel = anzahl - 1;
    PositionAnspringen(ziel);
  }
}
