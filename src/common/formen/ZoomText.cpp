#include "common/formen/ZoomText.h"

#include "common/Ini.h"
#include "platform/dienste/Screen.h"
#include "platform/kit/Form.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Dezu.h"
#include "platform/vb/Fonts.h"
#include "platform/vb/Vb.h"

#include <QFontInfo>
#include <QPainter>
#include <QPixmap>
#include <cmath>

namespace {

constexpr int kStatusHoehe = 255;
// The sizes a font can be given; the buttons stop stepping at these.
constexpr double kKleinsteSchrift = 1.0;
constexpr double kGroessteSchrift = 2160.0;

// A small and a large "A" on the buttons that make the font smaller and larger.
QIcon schriftBild(bool groesser) {
  QPixmap bild(16, 16);
  bild.fill(Qt::transparent);
  QPainter p(&bild);
  QFont f = Fonts::schrift(QStringLiteral("Arial"), 8, true);
  f.setPixelSize(groesser ? 15 : 9);
  p.setFont(f);
  p.drawText(bild.rect(), Qt::AlignCenter, QStringLiteral("A"));
  return QIcon(bild);
}

}  // namespace

ZoomText::ZoomText() {
  setObjectName(QStringLiteral("ZoomText"));
  setCaption(QStringLiteral("Zoom"));
  setFont(Fonts::schrift(QStringLiteral("MS Sans Serif"), 8.25));

  Text = new vb::TextBox(this, true);
  Text->setObjectName(QStringLiteral("Text"));
  Text->setScrollBars(3);
  Text->setMaxLength(1024);
  Twips::setzen(Text, 120, 120, 4095, 3615);

  befOk = new vb::CommandButton(this);
  befOk->setObjectName(QStringLiteral("befOk"));
  befOk->setCaption(QStringLiteral("&Ok"));
  Twips::setzen(befOk, 4440, 120, 1215, 495);

  befAbbrechen = new vb::CommandButton(this);
  befAbbrechen->setObjectName(QStringLiteral("befAbbrechen"));
  befAbbrechen->setCaption(QStringLiteral("&Abbrechen"));
  befAbbrechen->setCancel(true);
  Twips::setzen(befAbbrechen, 4440, 720, 1215, 495);

  struct Knopf {
    int index, left, width;
    const char16_t* tip;
  };
  const Knopf knoepfe[] = {
      {0, 4440, 375, u"Schrift kleiner"}, {2, 4800, 495, u"Schriftgröße auf 12"}, {1, 5280, 375, u"Schrift größer"}};
  for (const Knopf& k : knoepfe) {
    auto* b = new vb::CommandButton(this);
    b->setObjectName(QStringLiteral("befFontSize_%1").arg(k.index));
    b->setProperty("Index", k.index);
    b->setToolTip(QString::fromUtf16(k.tip));
    if (k.index == 2)
      b->setCaption(QStringLiteral("12"));
    else
      b->setIcon(schriftBild(k.index == 1));
    Twips::setzen(b, k.left, 1560, k.width, 375);
    const int index = k.index;
    b->Click = [this, index] { befFontSize_Click(index); };
    befFontSize.set(k.index, b);
  }

  Abbruch = new vb::CheckBox(this);
  Abbruch->setObjectName(QStringLiteral("Abbruch"));
  Abbruch->setCaption(QStringLiteral("Abbruch"));
  Abbruch->setVisible(false);

  ZeitInfo = new vb::Timer(this);
  ZeitInfo->setObjectName(QStringLiteral("ZeitInfo"));
  ZeitInfo->Tick = [this] { ZeitInfo_Timer(); };
  ZeitInfo->setInterval(750);

  StatusBar = new vb::StatusBar(this);
  StatusBar->setObjectName(QStringLiteral("StatusBar"));
  StatusBar->setFont(Fonts::schrift(QStringLiteral("MS Sans Serif"), 8.25));
  const std::tuple<const char16_t*, const char16_t*, int> panels[] = {
      {u"Status", u"Allgemeiner Hinweis", 0},
      {u"Position", u"Aktuelle Position", 2700},
      {u"Prozent", u"Auslastung der Eingabe", 750},
  };
  for (const auto& [key, tip, breite] : panels) {
    const QString k = QString::fromUtf16(key);
    StatusBar->addPanel(k, breite, breite == 0);
    StatusBar->setPanelToolTip(k, QString::fromUtf16(tip));
  }

  setTabOrder(Text->editor(), befOk);
  setTabOrder(befOk, befAbbrechen);
  setTabOrder(befAbbrechen, &befFontSize(0));
  setTabOrder(&befFontSize(0), &befFontSize(2));
  setTabOrder(&befFontSize(2), &befFontSize(1));

  befOk->Click = [this] { befOk_Click(); };
  befAbbrechen->Click = [this] { befAbbrechen_Click(); };
  Text->KeyPress = [this](int& ascii) { Text_KeyPress(ascii); };

  resize(Twips::zuPixel(6840), Twips::zuPixel(4770));
  Form_Resize();
}

void ZoomText::Form_Load() {
  // Each step goes on whatever the one before did.
  vb::FormBase& haupt = vb::Forms::Hauptformular() ? *vb::Forms::Hauptformular() : static_cast<vb::FormBase&>(*this);
  const int breite = static_cast<int>(haupt.Width() * 0.9);
  const int hoehe = static_cast<int>(haupt.Height() * 0.9);
  MoveForm(Left(), Top(), breite, hoehe);

  setFontSize(vb::Val(IniLesen(QString(), QString(), QStringLiteral("ZoomFntSize"), QStringLiteral("1300"))) / 100.0);

  // Centred over the main window, then moved fully onto the screen that holds it.
  const QRect s = vb::Screen::FlaecheFuer(QRect(haupt.Left(), haupt.Top(), haupt.Width(), haupt.Height()));
  int links = haupt.Left() + (haupt.Width() - Width()) / 2 - s.x();
  int oben = haupt.Top() + (haupt.Height() - Height()) / 2 - s.y();
  if (links + Width() > s.width()) links = s.width() - Width();
  if (oben + Height() > s.height()) oben = s.height() - Height();
  if (links < 0) links = 0;
  if (oben < 0) oben = 0;
  MoveForm(s.x() + links, s.y() + oben);

  setWindowIcon(haupt.widget()->windowIcon());
  ZeitInfo_Timer();
}

void ZoomText::Form_Resize() {
  const int W = ScaleWidth();
  const int H = ScaleHeight();
  const int ok = vb::Width(befOk);
  if (3 * ok < W) {
    const int links = W - vb::Left(Text) - ok;
    vb::setLeft(befOk, links);
    vb::setLeft(befAbbrechen, links);
    const int drittel = ok / 3;
    const int reihe[] = {0, 2, 1};
    for (int i = 0; i < 3; ++i) {
      vb::CommandButton* b = &befFontSize(reihe[i]);
      vb::setWidth(b, drittel);
      vb::setLeft(b, links + i * drittel);
    }
    vb::setWidth(Text, W - 3 * vb::Left(Text) - ok);
  }
  // The status bar is as high as its font needs.
  const int status = StatusBar->HoeheFuerSchrift(kStatusHoehe);
  if (3 * vb::Height(befOk) < H) vb::setHeight(Text, H - 2 * vb::Top(Text) - status);
  // The status bar keeps to the bottom edge.
  Twips::setzen(StatusBar, 0, H - status, W, status);
}

void ZoomText::Form_QueryUnload(int& cancel, int mode) {
  // The close box confirms like Ok; the caller's unload goes through.
  if (mode == 0) {
    cancel = 1;
    befOk_Click();
  }
}

void ZoomText::befOk_Click() {
  IniSchreiben(QString(), QString(), QStringLiteral("ZoomFntSize"),
               vb::Format(FontSize() * 100.0, QStringLiteral("0")));
  Abbruch->setValue(0);
  Hide();
}

void ZoomText::befAbbrechen_Click() {
  Abbruch->setValue(1);
  Hide();
}

double ZoomText::FontSize() const { return Text->font().pointSizeF(); }

double ZoomText::FontSizeGezeigt() const { return QFontInfo(Text->font()).pointSizeF(); }

void ZoomText::setFontSize(double punkte) {
  if (!(punkte > 0)) return;  // the runtime refused a size of 0 or less
  QFont f = Text->font();
  f.setPointSizeF(punkte);
  Text->setFont(f);
}

void ZoomText::befFontSize_Click(int index) {
  if (index == 2) {
    setFontSize(12);
  } else {
    // Step by a tenth of a point until the font really shows another size, and take that size.
    const double schritt = index == 0 ? -0.1 : 0.1;
    const double gemerkt = FontSizeGezeigt();
    const double vorher = FontSize();
    double groesse = gemerkt;
    bool gefunden = false;
    for (;;) {
      groesse += schritt;
      if (index == 0 ? groesse < kKleinsteSchrift : groesse > kGroessteSchrift) break;
      setFontSize(groesse);
      if (std::abs(FontSizeGezeigt() - gemerkt) > 1e-6) {
        gefunden = true;
        break;
      }
    }
    // At the smallest or largest size the font can take, the size stays as it was.
    setFontSize(gefunden ? FontSizeGezeigt() : vorher);
  }
  Text->SetFocus();
}

void ZoomText::Text_KeyPress(int& keyAscii) {
  if (keyAscii == 4) {
    Text->setSelText(vb::DatumText(Clock::today()) + u' ');
    keyAscii = 0;
  } else if (keyAscii == 21) {
    Text->setSelText(Clock::time().toString(QStringLiteral("hh:mm")) + u' ');
    keyAscii = 0;
  }
}

void ZoomText::ZeitInfo_Timer() {
  const QString text = Text->Text();
  const int pos = Text->SelStart();
  const int laenge = static_cast<int>(text.size());
  const int zeile = 1 + InCount(text.left(pos + 1), QStringLiteral("\r\n"));
  const int position = std::min(pos + 1, laenge);
  QString kurz, lang;
  if (text.isEmpty()) {
    kurz = lang = QStringLiteral("keine Eingaben");
  } else {
    kurz = QStringLiteral(" %1. Zeile,  %2 / %3 Zeichen ").arg(zeile).arg(position).arg(laenge);
    lang = QStringLiteral("%1. Zeile   %2 / %3 Zeichen").arg(zeile).arg(position).arg(laenge);
  }
  // Only a changed position redraws the panel.
  if (StatusBar->PanelText(QStringLiteral("Position")) != kurz) {
    StatusBar->setPanelText(QStringLiteral("Position"), kurz);
    StatusBar->setPanelToolTip(QStringLiteral("Position"), lang);
  }
  // Without a typing limit there is no fill level to show.
  const int grenze = Text->MaxLength();
  StatusBar->setPanelText(QStringLiteral("Prozent"),
                          grenze > 0 ? vb::Format(laenge * 100.0 / grenze, QStringLiteral("0\\%")) : QString());
  StatusBar->setPanelText(QStringLiteral("Status"), QStringLiteral("Bereit"));
}
