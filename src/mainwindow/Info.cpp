#include "mainwindow/Info.h"

#include "common/Familie.h"
#include "common/Fehlerbericht.h"
#include "common/Programminfo.h"
#include "common/Statistik.h"
#include "common/Titelbild.h"
#include "platform/dienste/Dialogs.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Fonts.h"

Info::Info() {
  setObjectName(QStringLiteral("Info"));
  setCaption(QStringLiteral("Programm-Informationen"));
  setFont(Fonts::schrift(QStringLiteral("MS Sans Serif"), 8.25));
  const QFont normal = Fonts::schrift(QStringLiteral("MS Sans Serif"), 8.25);
  // Taller than designed, so that every fact below shows without scrolling.
  setFixedSize(Twips::zuPixel(5925), Twips::zuPixel(5475));
  setKeyPreview(true);
  Flaeche = new vb::Zeichenflaeche(this, Fonts::schrift(QStringLiteral("Arial"), 30, true));

  Emblem = new vb::Image(this);
  Emblem->setObjectName(QStringLiteral("Emblem"));
  Twips::setzen(Emblem, 240, 360, 495, 495);

  Frame1 = new vb::Frame(this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setFont(Fonts::schrift(QStringLiteral("Arial"), 8.25));
  Twips::setzen(Frame1, 120, 1080, 5655, 2175);
  Label1 = new vb::Label(Frame1);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setFont(normal);
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label1->setCaption(QStringLiteral(
      "Kartulon verwaltet bis zu 32000 Adressen mit 24 Feldern je Adresse, sucht, sortiert, druckt Listen, "
      "Briefumschläge und Überweisungen und tauscht Adressen mit anderen Programmen aus."));
  Twips::setzen(Label1, 120, 360, 5415, 975);
  CopyrightHinweis = new vb::Label(Frame1);
  CopyrightHinweis->setObjectName(QStringLiteral("CopyrightHinweis"));
  CopyrightHinweis->setFont(Fonts::schrift(QStringLiteral("MS Sans Serif"), 8.25, true));
  CopyrightHinweis->setWordWrap(true);
  CopyrightHinweis->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  CopyrightHinweis->setCaption(CopyrightJahre(QStringLiteral("Copyright © 2026 Sorveks Software.")) +
                               QStringLiteral(" Die Nutzung regelt der Nutzungs-Vertrag."));
  Twips::setzen(CopyrightHinweis, 240, 1440, 5175, 615);

  befLizenz = new vb::CommandButton(this);
  befLizenz->setObjectName(QStringLiteral("befLizenz"));
  befLizenz->setCaption(QStringLiteral("Nutzungs-Vertrag"));
  Twips::setzen(befLizenz, 120, 3480, 1695, 375);
  befAbbrechen = new vb::CommandButton(this);
  befAbbrechen->setObjectName(QStringLiteral("befAbbrechen"));
  befAbbrechen->setCaption(QStringLiteral("Ok"));
  Twips::setzen(befAbbrechen, 120, 3960, 1695, 375);

  SysInfo = new vb::TextBox(this, true);
  SysInfo->setObjectName(QStringLiteral("SysInfo"));
  SysInfo->setFont(normal);
  SysInfo->setScrollBars(2);
  SysInfo->setBackColor(palette().color(QPalette::Window));
  Twips::setzen(SysInfo, 2040, 3480, 3735, 1815);

  setTabOrder(befLizenz, befAbbrechen);
  setTabOrder(befAbbrechen, SysInfo->editor());
  befLizenz->Click = [this] { befLizenz_Click(); };
  befAbbrechen->Click = [this] { befAbbrechen_Click(); };
  CopyrightHinweis->DblClick = [this] { CopyrightHinweis_DblClick(); };
}

void Info::Form_Load() {
  const VersionNummern v = ProgrammVersionNummern();
  setCaption(InfoUeberschrift(v));
  if (vb::FormBase* haupt = vb::Forms::Hauptformular()) {
    const QIcon symbol = haupt->widget()->windowIcon();
    setWindowIcon(symbol);
    Emblem->setPicture(symbol.pixmap(Twips::zuPixel(495), Twips::zuPixel(495)));
  }
  // The title as on the start-up window, a little smaller.
  const QString titel = TitelText(v.major);
  Flaeche->setFontSize(TitelSchriftGroesse(Width(), 1800, Flaeche->FontSize(), Flaeche->TextWidth(titel), 45));
  const double x = (Width() - Flaeche->TextWidth(titel)) / 2;
  const double y = (1200 - Flaeche->TextHeight(titel)) / 2;
  const double px = 1440.0 / Twips::dpi();
  const double farben = FarbAnzahl();
  Flaeche->setCurrentX(x);
  Flaeche->setCurrentY(y);
  Flaeche->setForeColor(TitelSchatten(farben));
  Flaeche->Print(titel);
  Flaeche->setCurrentX(x - 2 * px);
  Flaeche->setCurrentY(y - 2 * px);
  Flaeche->setForeColor(TitelFlaeche(farben));
  Flaeche->Print(titel);
  SysInfo->setText(InstallationsText(InstallationsFaktenSammeln()));
}

void Info::Form_KeyPress(int& keyAscii) {
  // Blank, Esc and Enter close the box, whichever control has the focus; the key goes no further.
  if (keyAscii == 32 || keyAscii == 27 || keyAscii == 13) {
    keyAscii = 0;
    befAbbrechen_Click();
  }
}

void Info::Form_QueryUnload(int& cancel, int mode) {
  if (mode == 0) {
    cancel = 1;
    befAbbrechen_Click();
  }
}

void Info::befAbbrechen_Click() { Hide(); }

void Info::befLizenz_Click() {
  WerbungZeigen();
  befAbbrechen->setFocus();
}

void Info::CopyrightHinweis_DblClick() {
  Dialogs::service().msgBox(StatistikText(0), vb::vbOKOnly + vb::vbInformation,
                            QStringLiteral("Kartulon, Anwender-Statistik"));
}
