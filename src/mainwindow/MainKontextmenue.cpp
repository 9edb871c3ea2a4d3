// The context menu of the field boxes: clipboard commands on the field's selection, the record
// commands, the pick list and the zoom, and the forwarding commands the record has what they need for.
#include "common/Global.h"
#include "common/Ini.h"
#include "mainwindow/Main.h"
#include "platform/dienste/Zwischenablage.h"
#include "platform/vb/Codec.h"

#include <QCoreApplication>

namespace {

// The fields that have a pick list, each as two digits and a point.
const QString kMitAuswahlliste = QStringLiteral("00.05.06.07.08.09.10.11.12.13.14.21.22.");

}  // namespace

void Main::Feld_MouseDown(short index, int button, int /*shift*/, int /*x*/, int /*y*/) {
  if (button != 2 || IniLesen(QString(), QString(), QStringLiteral("PopUp"), QStringLiteral("1")) == u"0") return;
  // Known before the box's focus-entry handling runs, so that it keeps the user's selection.
  MausFeldIndex = index;
  Feld(index).SetFocus();
  // A box of a read-only file hands the focus on to the search box: that happens before the menu opens.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

  auto item = [this](const char16_t* name) { return Menue->item(QString::fromUtf16(name)); };
  vb::MenuItem* feld = item(u"mnuPopFeld");
  vb::MenuItem* einfuegen = item(u"mnuPopFeldEinfügen");
  vb::MenuItem* adresse = item(u"mnuPopAdr");
  vb::MenuItem* strichEdit = item(u"mnuPopStrichEdit");
  vb::MenuItem* listenwahl = item(u"mnuPopListenwahl");
  vb::MenuItem* zoom = item(u"mnuPopZoom");
  vb::MenuItem* strichConnect = item(u"mnuPopStrichConnect");
  vb::MenuItem* brief = item(u"mnuPopBrfAnWord");
  vb::MenuItem* telefon = item(u"mnuPopTeleWahl");
  vb::MenuItem* email = item(u"mnuPopeMailTo");
  vb::MenuItem* web = item(u"mnuPopWebSite");

  feld->setCaption(Bezeichnung1(index).Caption() + QStringLiteral("-Feld"));
  feld->setVisible(NurLesen == 0);
  einfuegen->setVisible(Zwischenablage::hatText());
  adresse->setVisible(NurLesen == 0);
  listenwahl->setVisible(kMitAuswahlliste.contains(QStringLiteral("%1.").arg(index, 2, 10, QChar(u'0'))));
  strichEdit->setVisible(listenwahl->Visible() || zoom->Visible());
  // The texts count as they stand: blanks only are a text.
  telefon->setVisible(!Feld(7).Text().isEmpty() || !Feld(12).Text().isEmpty());
  web->setVisible(!Feld(22).Text().isEmpty());
  email->setVisible(!Feld(14).Text().isEmpty());
  strichConnect->setVisible(telefon->Visible() || web->Visible());
  brief->setVisible(mnuBrfAnWord->Visible());

  // Later tests win over earlier ones.
  vb::MenuItem* standard = nullptr;
  if (listenwahl->Visible()) standard = listenwahl;
  if (index == 11) standard = zoom;
  if (brief->Visible() && index == 8 && !Feld(8).Text().isEmpty()) standard = brief;
  if (email->Visible() && index == 14) standard = email;
  if (web->Visible() && index == 22) standard = web;

  vb::PopupMenu(*mnuPopUp, standard);
  MausFeldIndex = -1;
}

void Main::mnuPopFeldAuschneiden_Click() {
  if (!Feld.has(MausFeldIndex)) return;
  vb::TextBox& box = Feld(MausFeldIndex);
  const QString auswahl = box.SelText();
  Zwischenablage::leeren();
  Zwischenablage::textSetzen(QString(auswahl).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  // A locked box (the dates, the index) gives its text but keeps it, as it refuses typing.
  if (auswahl.isEmpty() || box.Locked()) return;
  box.setSelText(QString());
  AdresseAktualisieren(0);
}

void Main::mnuPopFeldKopieren_Click() {
  if (!Feld.has(MausFeldIndex)) return;
  Zwischenablage::leeren();
  Zwischenablage::textSetzen(Feld(MausFeldIndex).SelText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void Main::mnuPopFeldEinfügen_Click() {
  if (!Feld.has(MausFeldIndex) || !Zwischenablage::hatText()) return;
  vb::TextBox& box = Feld(MausFeldIndex);
  if (box.Locked()) return;
  // As a paste by key: reduced to what the file can hold and cut to the box's limit, so that a long
  // clipboard text cannot make the record longer than its fields allow.
  box.typeText(Zwischenablage::text());
  AdresseAktualisieren(0);
}

void Main::mnuPopAdrNeu_Click() { PulEinfügen_Click(); }
void Main::mnuPopAdrKopieren_Click() { PulKopieren_Click(); }
void Main::mnuPopAdrLöschen_Click() { PulAusschneiden_Click(); }
void Main::mnuPopListenwahl_Click() { Feld_DblClick(MausFeldIndex); }
void Main::mnuPopZoom_Click() { befZoom_Click(); }
void Main::mnuPopWebSite_Click() { mnuWebStart_Click(); }
