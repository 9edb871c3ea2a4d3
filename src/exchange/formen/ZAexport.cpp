#include "exchange/formen/ZAexport.h"

#include "common/Global.h"
#include "common/Ini.h"
#include "exchange/Zwischenablageexport.h"
#include "platform/dienste/Zwischenablage.h"
#include "platform/kit/Twips.h"
#include "printing/Listenauswahl.h"
#include "store/Maske.h"

using namespace Qt::Literals::StringLiterals;

namespace {
const QString kSchluessel = u"AnschriftZaMaske"_s;
}  // namespace

ZAexport::ZAexport() {
  setObjectName(u"ZAexport"_s);
  setCaption(u"Anschrift in die Zwischenablage kopieren"_s);
  setProperty("HelpContextID", 25);

  bezMaske = new vb::Label(this);
  bezMaske->setObjectName(u"bezMaske"_s);
  bezMaske->setCaption(u"Maske"_s);
  Twips::setzen(bezMaske, 120, 165, 720, 255);
  ComboMasken = new vb::ComboBox(this, 2);
  ComboMasken->setObjectName(u"ComboMasken"_s);
  ComboMasken->setSorted(true);
  Twips::setzen(ComboMasken, 840, 120, 3240, 315);

  // Both scroll bars: the lines of a mask are not wrapped, as they will stand in the letter.
  Text = new vb::TextBox(this, true);
  Text->setObjectName(u"Text"_s);
  Text->setMaxLength(255);
  Text->setScrollBars(3);
  Twips::setzen(Text, 120, 600, 3960, 2160);

  befOK = new vb::CommandButton(this);
  befOK->setObjectName(u"befOK"_s);
  befOK->setCaption(u"&Ok"_s);
  Twips::setzen(befOK, 4260, 120, 1440, 375);
  befAbbrechen = new vb::CommandButton(this);
  befAbbrechen->setObjectName(u"befAbbrechen"_s);
  befAbbrechen->setCaption(u"&Abbrechen"_s);
  befAbbrechen->setCancel(true);
  Twips::setzen(befAbbrechen, 4260, 600, 1440, 375);

  setFixedSize(Twips::zuPixel(5820), Twips::zuPixel(2880));
  setBorderStyle(3);
  setTabOrder(ComboMasken, Text->editor());
  setTabOrder(Text->editor(), befOK);
  setTabOrder(befOK, befAbbrechen);

  ComboMasken->Click = [this] { ComboMasken_Click(); };
  befOK->Click = [this] { BefOk_Click(); };
  befAbbrechen->Click = [this] { befAbbrechen_Click(); };
}

void ZAexport::Form_Load() {
  if (vb::Forms::Hauptformular()) setWindowIcon(vb::Forms::Hauptformular()->widget()->windowIcon());
  ComboMasken->Clear();
  const QStringList namen = MaskenNamen(MaskenOrdner);
  for (const QString& name : namen) ComboMasken->AddItem(name);
  // The list sorts itself as the names come: the choice is made on what it shows.
  QStringList gezeigt;
  for (int i = 0; i < ComboMasken->ListCount(); ++i) gezeigt << ComboMasken->List(i);
  const int wahl = ZaMaskeFinden(gezeigt, IniLesen(QString(), QString(), kSchluessel, u"Anschrift"_s));
  if (wahl >= 0) ComboMasken->setListIndex(wahl);
  ComboMasken_Click();  // the text reflects the chosen mask even when the choice did not change
  ComboMasken->setFocus(Qt::OtherFocusReason);
}

void ZAexport::Form_QueryUnload(int& cancel, int mode) {
  if (mode != 0) return;
  cancel = 1;
  befAbbrechen_Click();
}

void ZAexport::ComboMasken_Click() {
  if (ComboMasken->ListIndex() < 0) {
    Text->setText(QString());
    return;
  }
  // An empty table fills the mask from an empty record: the mask's own text stays.
  Text->setText(MaskeFuellen(ComboMasken->Text(), zeile_, bezeichnungen_));
}

void ZAexport::DatensatzUebernehmen(const QString& zeile, const Bezeichnungen& bezeichnungen) {
  zeile_ = zeile;
  bezeichnungen_ = bezeichnungen;
  ComboMasken_Click();
}

void ZAexport::BefOk_Click() {
  Zwischenablage::leeren();
  Zwischenablage::textSetzen(Text->Text());
  // Without any mask there is no name to remember: the last one stays.
  if (ComboMasken->ListIndex() >= 0)
    IniSchreiben(QString(), QString(), kSchluessel, MaskeZumSpeichern(ComboMasken->Text()));
  befAbbrechen_Click();
}

void ZAexport::befAbbrechen_Click() { Hide(); }
