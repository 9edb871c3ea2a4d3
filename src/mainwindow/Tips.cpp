#include "mainwindow/Tips.h"

#include "common/Fehlerbericht.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "common/Tipps.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Fonts.h"
#include "platform/vb/Vb.h"

Tips::Tips() {
  setObjectName(QStringLiteral("Tips"));
  setCaption(QStringLiteral("Willkommen"));
  setFont(Fonts::schrift(QStringLiteral("MS Sans Serif"), 8.25, true));
  setFixedSize(Twips::zuPixel(5940), Twips::zuPixel(3465));
  // F1 anywhere in the window opens the tips' topic of the program's help.
  setProperty("HelpContextID", 1010);

  Bezeichnung1 = new vb::Label(this);
  Bezeichnung1->setObjectName(QStringLiteral("Bezeichnung1"));
  Bezeichnung1->setAutoFillBackground(true);
  QPalette weiss = Bezeichnung1->palette();
  weiss.setColor(QPalette::Window, Qt::white);
  Bezeichnung1->setPalette(weiss);
  Twips::setzen(Bezeichnung1, 120, 240, 4185, 2775);

  bezTip0 = new vb::Label(this);
  bezTip0->setObjectName(QStringLiteral("bezTip0"));
  bezTip0->setCaption(QStringLiteral("Wussten Sie schon..."));
  Twips::setzen(bezTip0, 240, 360, 3855, 255);

  bezTip = new vb::Label(this);
  bezTip->setObjectName(QStringLiteral("bezTip"));
  bezTip->setFont(Fonts::schrift(QStringLiteral("MS Sans Serif"), 8.25));
  bezTip->setWordWrap(true);
  bezTip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  bezTip->setCaption(QStringLiteral("Tipp"));
  Twips::setzen(bezTip, 240, 840, 3735, 1935);

  Anzeige = new vb::Image(this);
  Anzeige->setObjectName(QStringLiteral("Anzeige"));
  Anzeige->setPicture(vb::BildLaden(QStringLiteral("Gluehbirne.png")));
  Twips::setzen(Anzeige, 4920, 840, 480, 480);

  befNext = new vb::CommandButton(this);
  befNext->setObjectName(QStringLiteral("befNext"));
  befNext->setCaption(QStringLiteral("&Nächster Tipp"));
  Twips::setzen(befNext, 4560, 2040, 1215, 375);
  befAbbrechen = new vb::CommandButton(this);
  befAbbrechen->setObjectName(QStringLiteral("befAbbrechen"));
  befAbbrechen->setCaption(QStringLiteral("&Schließen"));
  befAbbrechen->setCancel(true);
  Twips::setzen(befAbbrechen, 4560, 2520, 1215, 375);

  strgAutoTip = new vb::CheckBox(this);
  strgAutoTip->setObjectName(QStringLiteral("strgAutoTip"));
  strgAutoTip->setCaption(QStringLiteral("&Tipps bei jedem Programm-Start anzeigen"));
  Twips::setzen(strgAutoTip, 120, 3120, 5535, 255);

  setTabOrder(befNext, befAbbrechen);
  setTabOrder(befAbbrechen, strgAutoTip);
  befNext->Click = [this] { befNext_Click(); };
  befAbbrechen->Click = [this] { befAbbrechen_Click(); };
  strgAutoTip->Click = [this] { strgAutoTip_Click(); };
}

void Tips::Form_Load() {
  TipsDatei = ProgrammOrdner() + QStringLiteral("/Tips.Bot");
  // Setting the box runs its click, which writes the setting back when the box changes.
  const QString autoTip = IniLesen(QString(), QString(), QStringLiteral("AutoTip"), QStringLiteral("1"));
  strgAutoTip->setValue(vb::Val(autoTip) == 0 ? 0 : 1);
  if (vb::FormBase* haupt = vb::Forms::Hauptformular()) setWindowIcon(haupt->widget()->windowIcon());
  befNext_Click();
}

void Tips::befNext_Click() {
  const TippAnzeige a = NaechsterTipp(TipsDatei, ProgrammVersionNummern().major);
  if (!a.gefunden) {
    KeineTipps();
    return;
  }
  bezTip0->setCaption(a.frage);
  setCaption(a.kopf);
  bezTip->setCaption(a.text);
}

void Tips::KeineTipps() {
  bezTip0->setCaption(QStringLiteral("Keine Tipps gefunden!"));
  bezTip->setCaption(QString());
  befNext->setEnabled(false);
  strgAutoTip->setValue(0);
}

void Tips::strgAutoTip_Click() {
  IniSchreiben(QString(), QString(), QStringLiteral("AutoTip"), u' ' + QString::number(strgAutoTip->Value()));
}

void Tips::befAbbrechen_Click() { Hide(); }

void Tips::Form_QueryUnload(int& cancel, int mode) {
  if (mode == 0) {
    cancel = 1;
    befAbbrechen_Click();
  }
}
