#include "mainwindow/SetupSpeziell.h"

#include "common/GrossKlein.h"
#include "common/Ini.h"
#include "common/IniZeilen.h"
#include "common/Pfade.h"
#include "common/Ton.h"
#include "platform/dienste/Dialogs.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Fonts.h"
#include "platform/vb/Sanduhr.h"

namespace {

vb::ComboBox* liste(QWidget* eltern, const QString& name, const QString& beschriftung, int style, int top) {
  auto* l = new vb::Label(eltern);
  l->setCaption(beschriftung);
  Twips::setzen(l, 120, top, 5415, 255);
  auto* c = new vb::ComboBox(eltern, style);
  c->setObjectName(name);
  Twips::setzen(c, 120, top + 255, 5415, 315);
  l->setBuddy(c);
  return c;
}

}  // namespace

SetupSpeziell::SetupSpeziell() {
  setObjectName(QStringLiteral("SetupSpeziell"));
  setCaption(QStringLiteral("Setup spezial"));
  setBorderStyle(3);
  setProperty("HelpContextID", 1009);
  setFont(Fonts::schrift(QStringLiteral("MS Sans Serif"), 8.25));

  txtDatei = liste(this, QStringLiteral("txtDatei"), QStringLiteral("Einstellungs&datei"), 2, 120);
  txtAbschnitt = liste(this, QStringLiteral("txtAbschnitt"), QStringLiteral("&Abschnitt"), 0, 780);
  txtAbschnitt->setSorted(true);
  txtSchlüssel = liste(this, QString::fromUtf16(u"txtSchlüssel"), QString::fromUtf16(u"S&chlüssel"), 0, 1440);
  txtSchlüssel->setSorted(true);
  txtEintrag = liste(this, QStringLiteral("txtEintrag"), QStringLiteral("&Eintrag"), 0, 2100);

  const char16_t* captions[] = {u"Eintrag &lesen", u"Eintrag &schreiben"};
  for (int i = 0; i < 2; ++i) {
    auto* b = new vb::CommandButton(this);
    b->setObjectName(QStringLiteral("befLesen_%1").arg(i));
    b->setCaption(QString::fromUtf16(captions[i]));
    Twips::setzen(b, 120 + i * 1860, 2880, 1740, 375);
    b->Click = [this, i] { befLesen_Click(i); };
    befLesen.set(i, b);
  }
  befAbbrechen = new vb::CommandButton(this);
  befAbbrechen->setObjectName(QStringLiteral("befAbbrechen"));
  befAbbrechen->setCaption(QStringLiteral("&Zurück"));
  befAbbrechen->setCancel(true);
  Twips::setzen(befAbbrechen, 4320, 2880, 1215, 375);
  befAbbrechen->Click = [this] { befAbbrechen_Click(); };

  txtDatei->Click = [this] { txtDatei_Click(); };
  txtAbschnitt->Click = [this] { txtAbschnitt_Click(); };
  txtSchlüssel->Click = [this] { txtSchlüssel_Click(); };

  setFixedSize(Twips::zuPixel(5655), Twips::zuPixel(3375));
}

void SetupSpeziell::Form_Load() {
  if (vb::Forms::Hauptformular()) setWindowIcon(vb::Forms::Hauptformular()->widget()->windowIcon());
  // The path as it is: on Linux another letter case names another file.
  txtDatei->AddItem(WindowsOrdner() + QStringLiteral("/Zedured.ini"));
  txtDatei->setListIndex(0);
}

void SetupSpeziell::txtDatei_Click() {
  Sanduhr sanduhr;
  const QString datei = txtDatei->Text();
  IniSichern();  // the lists read the file itself
  if (DateiVorhanden(datei)) {
    txtAbschnitt->Clear();
    if (const auto abschnitte = IniAbschnitte(datei))
      for (const QString& a : *abschnitte) txtAbschnitt->AddItem(GrossKlein(a));
  }
  if (txtAbschnitt->ListCount() > 0) txtAbschnitt->setListIndex(0);
  for (int i = 0; i < txtAbschnitt->ListCount(); ++i)
    if (txtAbschnitt->List(i).compare(IniProgrammSektion(), Qt::CaseInsensitive) == 0) txtAbschnitt->setListIndex(i);
}

void SetupSpeziell::txtAbschnitt_Click() {
  txtSchlüssel->setText(QString());
  txtEintrag->setText(QString());
  Sanduhr sanduhr;
  const QString datei = txtDatei->Text();
  IniSichern();
  if (!DateiVorhanden(datei)) return;
  txtSchlüssel->Clear();
  for (const QString& s : IniSchluesselListe(datei, txtAbschnitt->Text())) txtSchlüssel->AddItem(GrossKlein(s));
}

void SetupSpeziell::txtSchlüssel_Click() { befLesen_Click(0); }

void SetupSpeziell::befLesen_Click(int index) {
  const QString titel = QStringLiteral("Setup speziell");
  if (txtDatei->Text().trimmed().isEmpty()) {
    MsgBox(QStringLiteral("Keine Einstellungsdatei angegeben."), vb::vbCritical, titel);
    return;
  }
  if (txtAbschnitt->Text().trimmed().isEmpty()) {
    MsgBox(QStringLiteral("Kein Abschnitt angegeben."), vb::vbCritical, titel);
    return;
  }
  if (txtSchlüssel->Text().trimmed().isEmpty()) {
    MsgBox(QString::fromUtf16(u"Kein Schlüssel angegeben."), vb::vbCritical, titel);
    return;
  }
  if (index == 0) {
    txtEintrag->Clear();
    const QString wert = IniLesen(txtDatei->Text(), txtAbschnitt->Text(), txtSchlüssel->Text(), QString());
    txtEintrag->setText(wert);
    txtEintrag->AddItem(QString());
    txtEintrag->AddItem(wert);
    txtEintrag->setText(wert);
  } else {
    IniSchreiben(txtDatei->Text(), txtAbschnitt->Text(), txtSchlüssel->Text(), txtEintrag->Text().trimmed());
  }
  TonAusgeben(u"#SystemExclamation");
  txtEintrag->SetFocus();
}

void SetupSpeziell::Form_QueryUnload(int& cancel, int mode) {
  if (mode == 0) {
    cancel = 1;
    befAbbrechen_Click();
  }
}

void SetupSpeziell::befAbbrechen_Click() { Hide(); }
