#include "exchange/formen/ImpZA.h"

#include "common/Ini.h"
#include "exchange/Zwischenablageimport.h"
#include "platform/dienste/Zwischenablage.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Codec.h"
#include "platform/vb/Vb.h"

namespace {
// Nachname, Vorname, Straße, PLZ, Ort, Telefon, Telefax, Zusatzbemerkung.
constexpr int kStartZiel[kZaTeile] = {2, 3, 4, 5, 6, 8, 9, 12};
constexpr int kZeile = 420;  // twips from one row to the next
}  // namespace

ImpZA::ImpZA() {
  setObjectName(QStringLiteral("ImpZA"));
  setCaption(QStringLiteral("Kartulon-Import aus der Zwischenablage"));
  setProperty("HelpContextID", 254);

  for (int i = 0; i < kZaTeile; ++i) {
    const QString nr = QStringLiteral("_%1").arg(i, 2, 10, QChar(u'0'));
    const int top = 120 + i * kZeile;
    auto* ziel = new vb::ComboBox(this, 2);
    ziel->setObjectName(QStringLiteral("KombiFeldZiel") + nr);
    ziel->setProperty("Index", i);
    Twips::setzen(ziel, 120, top, 2400, 345);
    KombiFeldZiel.set(i, ziel);
    auto* pfeil = new vb::Label(this);
    pfeil->setObjectName(QStringLiteral("Bezeichnung2") + nr);
    pfeil->setProperty("Index", i);
    pfeil->setCaption(QStringLiteral("->"));
    Twips::setzen(pfeil, 2640, top + 45, 300, 255);
    Bezeichnung2.set(i, pfeil);
    // The last row takes what is left over, on several lines.
    auto* feld = new vb::TextBox(this, i == kZaTeile - 1);
    feld->setObjectName(QStringLiteral("Feld") + nr);
    feld->setProperty("Index", i);
    feld->setMaxLength(i == kZaTeile - 1 ? 1024 : 50);
    Twips::setzen(feld, 3000, top, 4200, i == kZaTeile - 1 ? 1020 : 345);
    if (i == kZaTeile - 1) feld->setScrollBars(2);
    Feld.set(i, feld);
  }

  RahmenFeld = new vb::Frame(this);
  RahmenFeld->setObjectName(QStringLiteral("RahmenFeld"));
  RahmenFeld->setCaption(QStringLiteral("Feld"));
  Twips::setzen(RahmenFeld, 7380, 60, 2280, 2460);
  bezFeldMove = new vb::Label(RahmenFeld);
  bezFeldMove->setObjectName(QStringLiteral("bezFeldMove"));
  bezFeldMove->setCaption(QStringLiteral("bezFeldMove"));
  bezFeldMove->setWordWrap(true);
  bezFeldMove->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Twips::setzen(bezFeldMove, 120, 300, 2040, 1020);
  const char* captions[] = {"ent&fernen", "e&infügen"};
  for (int i = 0; i < 2; ++i) {
    auto* b = new vb::CommandButton(RahmenFeld);
    b->setObjectName(QStringLiteral("befFelderSchieb_%1").arg(i));
    b->setCaption(QString::fromUtf8(captions[i]));
    b->setEnabled(false);
    Twips::setzen(b, 120, 1440 + i * 480, 2040, 420);
    befFelderSchieb.set(i, b);
  }

  befOk = new vb::CommandButton(this);
  befOk->setObjectName(QStringLiteral("befOk"));
  befOk->setCaption(QStringLiteral("Felder über&nehmen"));
  befOk->setDefault(true);
  befOk->setAutoDefault(true);
  Twips::setzen(befOk, 7380, 3000, 2280, 420);
  befAbbrechen = new vb::CommandButton(this);
  befAbbrechen->setObjectName(QStringLiteral("befAbbrechen"));
  befAbbrechen->setCaption(QStringLiteral("&Abbrechen"));
  befAbbrechen->setCancel(true);
  Twips::setzen(befAbbrechen, 7380, 3540, 2280, 420);
  strgAbbruch = new vb::CheckBox(this);
  strgAbbruch->setObjectName(QStringLiteral("strgAbbruch"));
  strgAbbruch->setCaption(QStringLiteral("Esc"));
  strgAbbruch->setVisible(false);

  setFixedSize(Twips::zuPixel(9780), Twips::zuPixel(120 + 7 * kZeile + 1020 + 180));
  setBorderStyle(3);

  for (const auto& [i, k] : KombiFeldZiel) k->Click = [this, i = i] { KombiFeldZiel_Click(static_cast<short>(i)); };
  for (const auto& [i, f] : Feld) f->GotFocus = [this, i = i] { Feld_GotFocus(static_cast<short>(i)); };
  for (const auto& [i, b] : befFelderSchieb) b->Click = [this, i = i] { befFelderSchieb_Click(static_cast<short>(i)); };
  befOk->Click = [this] { BefOk_Click(); };
  befAbbrechen->Click = [this] { befAbbrechen_Click(); };
}

void ImpZA::Form_Load() {
  if (vb::Forms::Hauptformular()) setWindowIcon(vb::Forms::Hauptformular()->widget()->windowIcon());
  const bool kommaRegel =
      ZaKommaRegel(IniLesen(QString(), QString(), QStringLiteral("DInfoVer"), QStringLiteral("xx")));
  // What comes from outside holds only what the address file can store.
  const ZaTeile teile = ZaTextZerlegen(Codec::auf1252Reduzieren(Zwischenablage::text()), kommaRegel);
  for (int i = 0; i < kZaTeile; ++i) Feld(i).setText(teile[i]);
  befOk->setFocus(Qt::OtherFocusReason);
}

void ImpZA::FelderBenennen(const std::array<QString, 24>& bezeichnungen) {
  laedt_ = true;
  for (int i = 0; i < kZaTeile; ++i) {
    vb::ComboBox& k = KombiFeldZiel(i);
    k.Clear();
    k.AddItem(QStringLiteral("--- verwerfen ---"));
    for (const QString& b : bezeichnungen) k.AddItem(b);
    k.setListIndex(kStartZiel[i]);
  }
  laedt_ = false;
}

void ImpZA::Form_QueryUnload(int& cancel, int mode) {
  if (mode != 0) return;
  cancel = 1;
  befAbbrechen_Click();
}

void ImpZA::KombiFeldZiel_Click(short index) {
  if (laedt_) return;
  const int z = KombiFeldZiel(index).ListIndex();
  if (z <= 0) return;  // "--- verwerfen ---" may stand in several rows
  for (int i = 0; i < kZaTeile; ++i)
    if (i != index && KombiFeldZiel(i).ListIndex() == z) KombiFeldZiel(i).setListIndex(0);
}

void ImpZA::Feld_GotFocus(short index) {
  vb::TextBox& f = Feld(index);
  f.setSelStart(0);
  f.setSelLength(static_cast<int>(f.Text().size()));
  befFelderSchieb(0).setEnabled(true);
  befFelderSchieb(1).setEnabled(true);
  bezFeldMove->setCaption(QString::number(index + 1) + QStringLiteral(". Feld\r\n") + f.Text());
}

void ImpZA::befFelderSchieb_Click(short index) {
  // The row last focused is the number that the label begins with.
  const int p = static_cast<int>(vb::Val(bezFeldMove->Caption())) - 1;
  if (p < 0 || p >= kZaTeile) return;
  if (index == 0) {
    for (int j = p; j < kZaTeile - 1; ++j) Feld(j).setText(Feld(j + 1).Text());
    Feld(kZaTeile - 1).setText(QString());
  } else {
    for (int j = kZaTeile - 1; j > p; --j) Feld(j).setText(Feld(j - 1).Text());
    Feld(p).setText(QString());
  }
  Feld(p).SetFocus();
  // The label follows the box's new text even where the focus did not move (a window in the background).
  Feld_GotFocus(static_cast<short>(p));
}

void ImpZA::BefOk_Click() { Hide(); }

void ImpZA::befAbbrechen_Click() {
  strgAbbruch->setValue(1);
  Hide();
}
