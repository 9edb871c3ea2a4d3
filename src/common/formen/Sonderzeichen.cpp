#include "common/formen/Sonderzeichen.h"

#include "platform/kit/Form.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Codec.h"
#include "platform/vb/Fonts.h"

namespace {
constexpr int kHilfe = 1022;
}

QStringList Sonderzeichen::Zeichensaetze() {
  // Every character of the codes 32 to 255 but the digits and the letters a to z in either case.
  const QString ausgelassen = QStringLiteral("0123456789abcdefghijklmnopqrstuvwxyz");
  QString alle;
  for (int code = 32; code <= 255; ++code) {
    const QString c = Codec::aus1252(QByteArray(1, static_cast<char>(code)));
    if (!ausgelassen.contains(c.toLower())) alle += c;
  }
  const std::pair<const char16_t*, QString> saetze[] = {
      {u"Alle", alle},
      {u"Deutsch", QString::fromUtf16(u"äÄöÖüÜß")},
      {u"Dänisch", QString::fromUtf16(u"æÆåÅøØ")},
      {u"Spanisch", QString::fromUtf16(u"Ññéíó¡!")},
      {u"Zeichen", QString::fromUtf16(u"©®™¶£$@€")},
      {u"Zahlen", QString::fromUtf16(u"+-±×·•÷<«=»>¼½¾¹²³%‰øØ°~¶")},
      {u"Paarweise", QString::fromUtf16(u"«»{}[]“”")},
  };
  QStringList items;
  for (const auto& [name, zeichen] : saetze)
    items << QString::fromUtf16(name).leftJustified(12, u' ') + QString(29, u' ') + u';' + zeichen;
  return items;
}

Sonderzeichen::Sonderzeichen() {
  setObjectName(QStringLiteral("Sonderzeichen"));
  setCaption(QString::fromUtf16(u"Sonderzeichen einfügen"));
  setFont(Fonts::schrift(QStringLiteral("MS Sans Serif"), 8.25));
  setProperty("HelpContextID", kHilfe);

  auto knopf = [this](const char16_t* name, const char16_t* caption, int top) {
    auto* b = new vb::CommandButton(this);
    b->setObjectName(QString::fromUtf16(name));
    b->setCaption(QString::fromUtf16(caption));
    b->setProperty("HelpContextID", kHilfe);
    Twips::setzen(b, 120, top, 1215, 375);
    return b;
  };

  ComboSatz = new vb::ComboBox(this, 2);
  ComboSatz->setObjectName(QStringLiteral("ComboSatz"));
  ComboSatz->setProperty("HelpContextID", kHilfe);
  Twips::setzen(ComboSatz, 120, 120, 1215, 315);

  Liste = new vb::ListBox(this);
  Liste->setObjectName(QStringLiteral("Liste"));
  Liste->setProperty("HelpContextID", kHilfe);
  Liste->setColumns(8);
  Twips::setzen(Liste, 1560, 120, 3975, 2700);

  befKopieren = knopf(u"befKopieren", u"&Kopieren", 720);
  BefLöschen = knopf(u"BefLöschen", u"&Löschen", 1200);

  Text = new vb::TextBox(this);
  Text->setObjectName(QStringLiteral("Text"));
  Text->setProperty("HelpContextID", kHilfe);
  Twips::setzen(Text, 120, 1680, 1215, 450);

  BefOk = knopf(u"BefOk", u"&Einfügen", 2280);
  BefAbbruch = knopf(u"BefAbbruch", u"&Abbrechen", 2760);
  BefAbbruch->setCancel(true);

  setTabOrder(ComboSatz, Liste);
  setTabOrder(Liste, befKopieren);
  setTabOrder(befKopieren, BefLöschen);
  setTabOrder(BefLöschen, Text->editor());
  setTabOrder(Text->editor(), BefOk);
  setTabOrder(BefOk, BefAbbruch);

  ComboSatz->Click = [this] { ComboSatz_Click(); };
  Liste->DblClick = [this] { Liste_DblClick(); };
  Liste->KeyPress = [this](int& ascii) { Liste_KeyPress(ascii); };
  befKopieren->Click = [this] { befKopieren_Click(); };
  BefLöschen->Click = [this] { befLöschen_Click(); };
  BefOk->Click = [this] { BefOk_Click(); };
  BefAbbruch->Click = [this] { befAbbruch_Click(); };

  resize(Twips::zuPixel(5655), Twips::zuPixel(3285));
}

void Sonderzeichen::Form_Load() {
  if (vb::Forms::Hauptformular()) setWindowIcon(vb::Forms::Hauptformular()->widget()->windowIcon());
  Text->setText(QString());
  ComboSatz->Clear();
  for (const QString& satz : Zeichensaetze()) ComboSatz->AddItem(satz);
  ComboSatz->setListIndex(0);
}

void Sonderzeichen::ComboSatz_Click() {
  const QString item = ComboSatz->List(ComboSatz->ListIndex());
  const qsizetype trenner = item.indexOf(QStringLiteral(" ;"));
  const QString zeichen = trenner >= 0 ? item.mid(trenner + 2) : item;
  QStringList items;
  items.reserve(zeichen.size());
  for (QChar c : zeichen) items << QStringLiteral(" ") + c;
  Liste->setItems(items);
  Liste->setListIndex(0);
  // While the window is hidden Qt remembers the focus for its showing, as the runtime's failed
  // SetFocus at load left the list to take it first.
  Liste->setFocus(Qt::OtherFocusReason);
}

void Sonderzeichen::Liste_DblClick() { befKopieren_Click(); }

void Sonderzeichen::Liste_KeyPress(int& keyAscii) {
  if (keyAscii == 32 || keyAscii == 13) {
    befKopieren_Click();
    keyAscii = 0;
  }
}

void Sonderzeichen::befKopieren_Click() {
  if (Liste->ListIndex() < 0) return;
  Text->setText(Text->Text() + Liste->List(Liste->ListIndex()).mid(1, 1));
  Text->setSelStart(static_cast<int>(Text->Text().size()));
}

void Sonderzeichen::befLöschen_Click() { Text->setText(QString()); }

void Sonderzeichen::BefOk_Click() { Hide(); }

void Sonderzeichen::befAbbruch_Click() {
  Text->setText(QString());
  Hide();
}

void Sonderzeichen::Form_QueryUnload(int& cancel, int mode) {
  // The close box cancels; the caller's unload goes through.
  if (mode == 0) {
    cancel = 1;
    befAbbruch_Click();
  }
}

void Sonderzeichen::Form_Resize() {
  // A size the list refuses is skipped, keeping the one before.
  vb::setHeight(Liste, vb::Top(BefAbbruch) + vb::Height(BefAbbruch));
  vb::setHeight(Liste, ScaleHeight() - 2 * vb::Top(Liste));
  vb::setWidth(Liste, ScaleWidth() - vb::Left(Liste) - 120);
}
