#include "common/formen/MsgDoppelt.h"

#include "platform/kit/Form.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Fonts.h"

MsgDoppelt::MsgDoppelt() {
  setObjectName(QStringLiteral("MsgDoppelt"));
  setCaption(QStringLiteral("Name schon vorhanden"));
  setFont(Fonts::schrift(QStringLiteral("MS Sans Serif"), 8.25));
  const QFont fett = Fonts::schrift(QStringLiteral("MS Sans Serif"), 8.25, true);

  Label1 = new vb::Label(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setFont(fett);
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label1->setCaption(QStringLiteral("Dieser Name ist bereits in der folgenden Adresse enthalten:"));
  Twips::setzen(Label1, 120, 120, 4215, 495);

  Text = new vb::TextBox(this, true);
  Text->setObjectName(QStringLiteral("Text"));
  Text->setFont(Fonts::schrift(QStringLiteral("Courier New"), 9.75));
  Text->setScrollBars(3);
  // The caller never reads the text back; the user may select and copy it, not change it.
  Text->setLocked(true);
  Twips::setzen(Text, 120, 720, 4215, 3735);

  Label2 = new vb::Label(this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setFont(fett);
  Label2->setWordWrap(true);
  Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label2->setCaption(QString::fromUtf16(u"Aktuelle Adresse löschen und zu der oben angegebenen Adresse wechseln?"));
  Twips::setzen(Label2, 240, 4560, 3975, 615);

  befOk = new vb::CommandButton(this);
  befOk->setObjectName(QStringLiteral("befOk"));
  befOk->setCaption(QStringLiteral("&Ja"));
  Twips::setzen(befOk, 120, 5280, 1215, 495);

  Abbruch = new vb::CheckBox(this);
  Abbruch->setObjectName(QStringLiteral("Abbruch"));
  Abbruch->setCaption(QStringLiteral("Abbruch"));
  Twips::setzen(Abbruch, 1680, 5280, 1095, 375);
  Abbruch->setVisible(false);

  befAbbrechen = new vb::CommandButton(this);
  befAbbrechen->setObjectName(QStringLiteral("befAbbrechen"));
  befAbbrechen->setCaption(QStringLiteral("&Nein"));
  befAbbrechen->setCancel(true);
  Twips::setzen(befAbbrechen, 3120, 5280, 1215, 495);

  // No default button: Enter does not answer.
  setTabOrder(Text, befOk);
  setTabOrder(befOk, befAbbrechen);
  Label1->setFocusPolicy(Qt::NoFocus);
  Label2->setFocusPolicy(Qt::NoFocus);

  befOk->Click = [this] { befOk_Click(); };
  befAbbrechen->Click = [this] { befAbbrechen_Click(); };

  resize(Twips::zuPixel(4440), Twips::zuPixel(5895));
}

void MsgDoppelt::Form_Load() {
  vb::FormBase& haupt = vb::Forms::Hauptformular() ? *vb::Forms::Hauptformular() : static_cast<vb::FormBase&>(*this);
  setWindowIcon(haupt.widget()->windowIcon());
  const int breite = haupt.Width() / 2;
  const int hoehe = static_cast<int>(haupt.Height() * 0.7);
  // Placed centred over the main window for its first showing; later showings keep the place.
  MoveForm(haupt.Left() + (haupt.Width() - breite) / 2, haupt.Top() + (haupt.Height() - hoehe) / 2, breite, hoehe);
}

void MsgDoppelt::Form_Resize() {
  // A size that would be negative is refused and the next step runs.
  const int m = vb::Left(befOk);
  const int W = ScaleWidth();
  const int H = ScaleHeight();
  vb::setWidth(Label1, W - 2 * vb::Left(Label1));
  vb::setWidth(Label2, W - 2 * vb::Left(Label2));
  vb::setWidth(Text, W - 2 * vb::Left(Text));
  vb::setTop(befOk, H - m - vb::Height(befOk));
  vb::setTop(befAbbrechen, H - m - vb::Height(befAbbrechen));
  vb::setLeft(befAbbrechen, W - m - vb::Width(befAbbrechen));
  vb::setTop(Label2, vb::Top(befAbbrechen) - vb::Height(Label2));
  vb::setHeight(Text, vb::Top(Label2) - vb::Top(Text) - vb::Left(Text));
}

void MsgDoppelt::Form_QueryUnload(int& cancel, int mode) {
  // The close box answers Nein and keeps the window; the program's own unload goes through.
  if (mode == 0) {
    cancel = 1;
    befAbbrechen_Click();
  }
}

void MsgDoppelt::befOk_Click() {
  Abbruch->setValue(0);
  Hide();
}

void MsgDoppelt::befAbbrechen_Click() {
  Abbruch->setValue(1);
  Hide();
}
