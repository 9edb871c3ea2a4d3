#include "common/formen/Auswahl.h"

#include "platform/kit/Form.h"
#include "platform/kit/Twips.h"

#include <QItemSelectionModel>

Auswahl::Auswahl() {
  setObjectName(QStringLiteral("Auswahl"));
  setWindowTitle(QStringLiteral("Auswahl"));

  Liste = new vb::ListBox(this);
  Liste->setObjectName(QStringLiteral("Liste"));
  Liste->setSorted(true);
  Liste->setMultiSelect(1);  // each click selects or deselects one entry
  Twips::setzen(Liste, 120, 120, 3015, 4320);

  CheckSingle = new vb::CheckBox(this);
  CheckSingle->setObjectName(QStringLiteral("CheckSingle"));
  CheckSingle->setCaption(QStringLiteral("SingleSelect"));
  CheckSingle->setValue(1);
  CheckSingle->setVisible(false);

  befOk = new vb::CommandButton(this);
  befOk->setObjectName(QStringLiteral("befOk"));
  befOk->setCaption(QStringLiteral("Über&nehmen"));
  befOk->setDefault(true);
  Twips::setzen(befOk, 120, 4560, 1215, 375);

  befAbbruch = new vb::CommandButton(this);
  befAbbruch->setObjectName(QStringLiteral("befAbbruch"));
  befAbbruch->setCaption(QStringLiteral("&Abbruch"));
  befAbbruch->setCancel(true);
  Twips::setzen(befAbbruch, 1920, 4560, 1215, 375);

  resize(Twips::zuPixel(3285), Twips::zuPixel(5070));

  Liste->Click = [this] { Liste_Click(); };
  Liste->DblClick = [this] { Liste_DblClick(); };
  Liste->MouseDown = [this](int button, int shift, int x, int y) { Liste_MouseDown(button, shift, x, y); };
  befOk->Click = [this] { BefOk_Click(); };
  befAbbruch->Click = [this] { befAbbruch_Click(); };
}

void Auswahl::Form_Load() {
  vb::FormBase& haupt = vb::Forms::Hauptformular() ? *vb::Forms::Hauptformular() : static_cast<vb::FormBase&>(*this);
  setWindowIcon(haupt.widget()->windowIcon());
  const int hoehe = static_cast<int>(0.9 * haupt.Height());
  const int breite = Width();
  MoveForm(haupt.Left() + (haupt.Width() - breite) / 2, haupt.Top() + (haupt.Height() - hoehe) / 2, breite, hoehe);
}

void Auswahl::Form_Resize() {
  const int m = Twips::rechteck(befOk).left();
  const int w = ScaleWidth();
  const int h = ScaleHeight();
  QRect liste = Twips::rechteck(Liste);
  QRect ok = Twips::rechteck(befOk);
  QRect abbruch = Twips::rechteck(befAbbruch);
  if (w > 2800) {
    liste.setWidth(w - 2 * liste.left());
    abbruch.moveLeft(w - abbruch.width() - m);
  }
  if (h > 1800) {
    ok.moveTop(h - ok.height() - m);
    abbruch.moveTop(ok.top());
    liste.setHeight(ok.top() - m - liste.top());
  }
  if (liste.width() > 0 && liste.height() > 0)
    Twips::setzen(Liste, liste.left(), liste.top(), liste.width(), liste.height());
  Twips::setzen(befOk, ok.left(), ok.top(), ok.width(), ok.height());
  Twips::setzen(befAbbruch, abbruch.left(), abbruch.top(), abbruch.width(), abbruch.height());
}

void Auswahl::Form_QueryUnload(int& cancel, int mode) {
  // The close box hides the window like Abbruch; the program's end may unload it.
  if (mode == 0) {
    cancel = 1;
    befAbbruch_Click();
  }
}

void Auswahl::Liste_Click() {
  if (CheckSingle->Value() == 0) return;
  const int aktuell = Liste->ListIndex();
  for (const QModelIndex& i : Liste->selectionModel()->selectedRows())
    if (i.row() != aktuell) Liste->setSelected(i.row(), false);
  if (aktuell >= 0 && !Liste->Selected(aktuell)) Liste->setSelected(aktuell, true);
}

void Auswahl::Liste_DblClick() { BefOk_Click(); }

void Auswahl::Liste_MouseDown(int button, int /*shift*/, int /*x*/, int /*y*/) {
  if (button != 2) return;
  Liste->setListIndex(-1);
  for (const QModelIndex& i : Liste->selectionModel()->selectedRows()) Liste->setSelected(i.row(), false);
}

void Auswahl::BefOk_Click() {
  CheckSingle->setValue(1);
  Hide();
}

void Auswahl::befAbbruch_Click() {
  Liste->setListIndex(-1);
  for (const QModelIndex& i : Liste->selectionModel()->selectedRows()) Liste->setSelected(i.row(), false);
  BefOk_Click();
}
