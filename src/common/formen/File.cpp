#include "common/formen/File.h"

#include "common/Fehler.h"
#include "common/Global.h"
#include "common/Pfade.h"
#include "common/Text.h"
#include "common/Ton.h"
#include "common/ZahlTexte.h"
#include "platform/dienste/Dialogs.h"
#include "platform/kit/Form.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Codec.h"
#include "platform/vb/Fonts.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Vb.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QVBoxLayout>
#include <cerrno>
#include <cstdio>

namespace {

constexpr int kHilfe = 1001;
// The characters refused when typed, in the original's order.
const QString kVerboten = QStringLiteral(" *?\\.,;:|^") + QChar(0x00B4) + QChar(0x0060);

}  // namespace

File::File() {
  setObjectName(QStringLiteral("File"));
  setCaption(QStringLiteral("Speichern / Laden"));
  setBorderStyle(3);
  setMinButton(false);
  setMaxButton(false);
  setFont(Fonts::schrift(QStringLiteral("MS Sans Serif"), 8.25));
  setProperty("HelpContextID", kHilfe);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  Menue = new QMenuBar(this);
  Menue->setObjectName(QStringLiteral("Menue"));
  layout->setMenuBar(Menue);
  Flaeche_ = new QWidget(this);
  Flaeche_->setObjectName(QStringLiteral("Flaeche"));
  Flaeche_->setMinimumSize(Twips::zuPixel(5820), Twips::zuPixel(4980));
  layout->addWidget(Flaeche_);

  BezBezeichnung = new vb::Label(Flaeche_);
  BezBezeichnung->setObjectName(QStringLiteral("BezBezeichnung"));
  BezBezeichnung->setCaption(QStringLiteral("&Dateiname:"));
  Twips::setzen(BezBezeichnung, 120, 120, 1215, 255);

  Bezeichnung = new vb::TextBox(Flaeche_);
  Bezeichnung->setObjectName(QStringLiteral("Bezeichnung"));
  Bezeichnung->setMaxLength(255);
  Bezeichnung->setProperty("HelpContextID", kHilfe);
  Twips::setzen(Bezeichnung, 120, 360, 2415, 285);
  BezBezeichnung->setBuddy(Bezeichnung->editor());

  bezAusschluss = new vb::Label(Flaeche_);
  bezAusschluss->setObjectName(QStringLiteral("bezAusschluss"));
  bezAusschluss->setVisible(false);
  Twips::setzen(bezAusschluss, 120, 600, 2415, 255);

  Datei1 = new vb::FileListBox(Flaeche_);
  Datei1->setObjectName(QStringLiteral("Datei1"));
  Datei1->setProperty("HelpContextID", kHilfe);
  Datei1->setPattern(QStringLiteral("x.x"));
  Twips::setzen(Datei1, 120, 840, 2415, 3990);

  BezHinweise = new vb::Label(Flaeche_);
  BezHinweise->setObjectName(QStringLiteral("BezHinweise"));
  BezHinweise->setCaption(QStringLiteral("BezHinweise"));
  BezHinweise->setWordWrap(true);
  BezHinweise->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Twips::setzen(BezHinweise, 2640, 120, 3135, 615);

  BezInfo = new vb::Label(Flaeche_);
  BezInfo->setObjectName(QStringLiteral("BezInfo"));
  BezInfo->setCaption(QStringLiteral("BezInfo"));
  BezInfo->setWordWrap(true);
  BezInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Twips::setzen(BezInfo, 2640, 840, 3015, 3375);

  Kürzel = new vb::Label(Flaeche_);
  Kürzel->setObjectName(QString::fromUtf16(u"Kürzel"));
  Kürzel->setCaption(QStringLiteral("Txt"));
  Kürzel->setVisible(false);
  Kürzel->setEnabled(false);
  Twips::setzen(Kürzel, 2640, 2880, 1935, 255);

  Laden = new vb::OptionButton(Flaeche_);
  Laden->setObjectName(QStringLiteral("Laden"));
  Laden->setCaption(QStringLiteral("Laden"));
  Laden->setVisible(false);
  Laden->setEnabled(false);
  Twips::setzen(Laden, 2640, 3240, 1935, 255);
  Speichern = new vb::OptionButton(Flaeche_);
  Speichern->setObjectName(QStringLiteral("Speichern"));
  Speichern->setCaption(QStringLiteral("Speichern"));
  Speichern->setVisible(false);
  Speichern->setEnabled(false);
  Twips::setzen(Speichern, 2640, 3600, 1935, 255);

  amEnde = new vb::CheckBox(Flaeche_);
  amEnde->setObjectName(QStringLiteral("amEnde"));
  amEnde->setCaption(QStringLiteral("amEnde"));
  amEnde->setVisible(false);
  Twips::setzen(amEnde, 2640, 3960, 1935, 255);

  BefOk = new vb::CommandButton(Flaeche_);
  BefOk->setObjectName(QStringLiteral("BefOk"));
  BefOk->setCaption(QStringLiteral("&Ok"));
  BefOk->setDefault(true);
  BefOk->setProperty("HelpContextID", kHilfe);
  Twips::setzen(BefOk, 2640, 4440, 1455, 375);
  BefAbbrechen = new vb::CommandButton(Flaeche_);
  BefAbbrechen->setObjectName(QStringLiteral("BefAbbrechen"));
  BefAbbrechen->setCaption(QStringLiteral("&Abbrechen"));
  BefAbbrechen->setCancel(true);
  BefAbbrechen->setProperty("HelpContextID", kHilfe);
  Twips::setzen(BefAbbrechen, 4200, 4440, 1455, 375);

  mnuDatei = new vb::MenuItem(QStringLiteral("mnuDatei"), QStringLiteral("&Datei"), this);
  mnuOk = new vb::MenuItem(QStringLiteral("mnuOk"), QString::fromUtf16(u"&Auswählen"), this);
  befUmbennen = new vb::MenuItem(QStringLiteral("befUmbennen"), QStringLiteral("&Umbennen..."), this);
  befLöschen = new vb::MenuItem(QString::fromUtf16(u"befLöschen"), QString::fromUtf16(u"&Löschen..."), this);
  befLöschen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
  mnuAbbrechen = new vb::MenuItem(QStringLiteral("mnuAbbrechen"), QStringLiteral("A&bbrechen"), this);
  QMenu* menu = mnuDatei->menu();
  menu->addAction(mnuOk->action());
  menu->addAction(befUmbennen->action());
  menu->addAction(befLöschen->action());
  menu->addSeparator();
  menu->addAction(mnuAbbrechen->action());
  Menue->addMenu(menu);
  // The shortcut works wherever the focus is in the window.
  addAction(befLöschen->action());

  setTabOrder(Bezeichnung->editor(), Datei1);
  setTabOrder(Datei1, BefOk);
  setTabOrder(BefOk, BefAbbrechen);

  Bezeichnung->Change = [this] { Bezeichnung_Change(); };
  Bezeichnung->GotFocus = [this] { Bezeichnung_GotFocus(); };
  Bezeichnung->KeyPress = [this](int& k) { Bezeichnung_KeyPress(k); };
  Datei1->Click = [this] { Datei1_Click(); };
  Datei1->DblClick = [this] { Datei1_DblClick(); };
  Datei1->LostFocus = [this] { Datei1_LostFocus(); };
  Datei1->MouseUp = [this](int b, int s, int x, int y) { Datei1_MouseUp(b, s, x, y); };
  BefOk->Click = [this] { BefOk_Click(); };
  BefAbbrechen->Click = [this] { befAbbrechen_Click(); };
  mnuOk->Click = [this] { mnuOk_Click(); };
  befUmbennen->Click = [this] { befUmbennen_Click(); };
  befLöschen->Click = [this] { befLöschen_Click(); };
  mnuAbbrechen->Click = [this] { mnuAbbrechen_Click(); };
  // Setting one mode clears the other (they share no container of their own).
  connect(Laden, &QRadioButton::toggled, this, [this](bool an) {
    if (an) Speichern->setChecked(false);
  });
  connect(Speichern, &QRadioButton::toggled, this, [this](bool an) {
    if (an) Laden->setChecked(false);
  });
  Laden->setAutoExclusive(false);
  Speichern->setAutoExclusive(false);

  adjustSize();
  setFixedSize(sizeHint());
}

void File::Form_Load() {
  Vorbereitet = 0;
  Datei1->setPath(ProgrammOrdner());
  BezInfo->setCaption(QString());
  BezHinweise->setCaption(QString());
  if (vb::Forms::Hauptformular()) setWindowIcon(vb::Forms::Hauptformular()->widget()->windowIcon());
}

void File::showEvent(QShowEvent* e) {
  vb::DialogForm::showEvent(e);
  Form_Paint();
}

void File::paintEvent(QPaintEvent* e) {
  vb::DialogForm::paintEvent(e);
  Form_Paint();
}

void File::nameSetzen(const QString& text) {
  ++codeAenderung_;
  Bezeichnung->setText(text);
  --codeAenderung_;
}

QString File::pfadVon(const QString& name) const {
  QString ordner = Datei1->Path();
  if (!ordner.endsWith(u'/')) ordner += u'/';
  return ordner + name;
}

void File::Form_Paint() {
  if (Vorbereitet == 1) return;
  Vorbereitet = 1;
  QCoreApplication::processEvents();
  const bool darf = NurLesen == 0;
  if (Speichern->Value()) {
    setCaption(QStringLiteral("Datei speichern unter"));
    Bezeichnung->editor()->setCursor(Qt::IBeamCursor);
    BefOk->setEnabled(true);
    BefOk->setVisible(darf);
    mnuOk->setVisible(darf);
  } else {
    setCaption(QStringLiteral("Datei laden"));
    Bezeichnung->editor()->setCursor(Qt::ArrowCursor);
    BefOk->setEnabled(false);
    // A load after a read-only save showing must be able to choose again.
    BefOk->setVisible(true);
    mnuOk->setVisible(true);
  }
  mnuOk->setEnabled(darf);
  befUmbennen->setEnabled(darf);
  befLöschen->setEnabled(darf);

  if (!Bezeichnung->Text().isEmpty()) nameSetzen(DateiTeil(Bezeichnung->Text(), 1));
  Bezeichnung->setMaxLength(255);

  QString kuerzel = Kürzel->Caption();
  if (!kuerzel.startsWith(u'.')) kuerzel.prepend(u'.');
  if (kuerzel.size() > 4) kuerzel = kuerzel.left(4);
  Kürzel->setCaption(kuerzel);

  Datei1->setPattern(QStringLiteral("*") + kuerzel);
  if (amEnde->Value() == 1 && Datei1->ListCount() > 0) Datei1->setListIndex(Datei1->ListCount() - 1);
  const QString gesucht = Bezeichnung->Text() + kuerzel;
  for (int i = 0; i < Datei1->ListCount(); ++i)
    if (Datei1->List(i).compare(gesucht, Qt::CaseInsensitive) == 0) Datei1->setListIndex(i);
}

QString File::NameFiltern(const QString& name) {
  QString t = name;
  for (QChar& c : t) {
    const char16_t u = c.unicode();
    if (kVerboten.contains(c) || u == u'/' || u < 32 || u == 127 || (u >= 0x80 && u <= 0x9F)) c = u'_';
  }
  return t;
}

void File::Bezeichnung_Change() {
  // What the user types or pastes while the window is shown is filtered; what code sets is not.
  if (codeAenderung_ == 0 && Vorbereitet == 1) {
    const QString alt = Bezeichnung->Text();
    const QString neu = NameFiltern(alt);
    if (neu != alt) {
      const int pos = Bezeichnung->SelStart();
      nameSetzen(neu);
      Bezeichnung->setSelStart(pos);
    }
  }
  BefOk->setEnabled(!Bezeichnung->Text().isEmpty());
  mnuOk->setEnabled(BefOk->isEnabled());
}

void File::Bezeichnung_GotFocus() {
  if (Laden->Value()) Datei1->setFocus(Qt::OtherFocusReason);
}

void File::Bezeichnung_KeyPress(int& keyAscii) {
  if (keyAscii > 0 && kVerboten.contains(QChar(keyAscii))) keyAscii = u'_';
}

void File::Datei1_Click() {
  const QString name = Datei1->List(Datei1->ListIndex());
  if (name.isEmpty()) return;
  const QString pfad = pfadVon(name);
  const QString ausschluss = bezAusschluss->Caption().toLower();
  if (!ausschluss.isEmpty() && (name.toLower().contains(ausschluss) || ausschluss.contains(name.toLower()))) {
    Datei1->setListIndex(-1);
    BezInfo->setCaption(QStringLiteral("Keine gültige Datei."));
    return;
  }
  const QFileInfo info(pfad);
  const QDateTime geaendert = info.lastModified();
  QString hinweise = pfad + u'\r' + QStringLiteral("Vom: ");
  if (geaendert.isValid()) {
    hinweise += vb::Format(geaendert, QStringLiteral("dd.mm.yyyy hh:nn")) + QStringLiteral(" - ") +
                DauerText(static_cast<double>(geaendert.secsTo(Clock::now()))) + QStringLiteral(" alt");
  }
  hinweise += u'\r' + QString::fromUtf16(u"Größe: ") +
              vb::Format(static_cast<double>(info.size()), QStringLiteral("#,###")) + QStringLiteral(" Bytes");
  BezHinweise->setCaption(hinweise);
  const qsizetype punkt = name.indexOf(u'.');
  nameSetzen(punkt < 0 ? name : name.left(punkt));
  BefOk->setEnabled(true);
  BezInfo->setCaption(QString());
  QFile datei(pfad);
  if (datei.open(QIODevice::ReadOnly) && datei.size() > 0) {
    const QStringList zeilen = Codec::zeilenTrennen(Codec::dekodieren(datei.read(4096)));
    const QString erste = zeilen.value(0);
    if (erste.startsWith(QStringLiteral("..")))
      BezInfo->setCaption(Ersetzen(erste.mid(2, 199), QStringLiteral("~"), QStringLiteral("\r\n")));
  }
}

void File::Datei1_DblClick() {
  if (BefOk->isVisibleTo(this) && BefOk->isEnabled()) mnuOk_Click();
}

void File::Datei1_LostFocus() {
  BezInfo->setCaption(QString());
  BezHinweise->setCaption(QString());
}

void File::Datei1_MouseUp(int button, int, int, int) {
  if (button == 2) mnuDatei->menu()->popup(QCursor::pos());
}

void File::mnuOk_Click() {
  Bezeichnung->setMaxLength(255);
  const QString pfad = pfadVon(Bezeichnung->Text() + Kürzel->Caption());
  if (Speichern->Value() && QFileInfo::exists(Paths::aufloesen(pfad))) {
    TonAusgeben(u"#SystemQuestion");
    const int antwort = MsgBox(QStringLiteral("Datei »") + pfad + QStringLiteral("« besteht bereits.\r\r") +
                                   QString::fromUtf16(u"Möchten Sie, dass diese Datei überschrieben wird?"),
                               vb::vbExclamation | vb::vbYesNo, QStringLiteral("Datei speichern unter"));
    if (antwort != vb::vbYes) return;
  }
  nameSetzen(pfad);
  if (Laden->Value()) Bezeichnung->SetFocus();
  Vorbereitet = 0;
  Hide();
}

void File::mnuAbbrechen_Click() {
  nameSetzen(QString());
  Bezeichnung->SetFocus();
  Vorbereitet = 0;
  Hide();
}

void File::Form_QueryUnload(int& cancel, int mode) {
  if (mode == 0) {
    cancel = 1;
    mnuAbbrechen_Click();
  }
}

void File::befLöschen_Click() {
  Datei1->setFocus(Qt::OtherFocusReason);
  const int index = Datei1->ListIndex();
  if (index < 0) {
    TonAusgeben(u"#SystemExclamation");
    MsgBox(QString::fromUtf16(u"Keine Datei zum Löschen ausgewählt."), vb::vbExclamation,
           QString::fromUtf16(u"Datei löschen"));
    return;
  }
  const QString name = Datei1->List(index);
  const QString pfad = pfadVon(name);
  TonAusgeben(u"#SystemQuestion");
  if (MsgBox(QStringLiteral("Datei »") + name + QString::fromUtf16(u"« löschen."), vb::vbQuestion | vb::vbYesNo,
             QString::fromUtf16(u"Datei löschen?")) != vb::vbYes)
    return;
  QFile datei(pfad);
  if (!datei.remove())
    FehlerMelden(FehlerNummer(datei.error()),
                 QStringLiteral("Die Datei »") + name + QString::fromUtf16(u"« konnte nicht gelöscht werden."));
  Datei1->Refresh();
  nameSetzen(QString());
}

void File::befUmbennen_Click() { DateiUmbenennen(); }

void File::DateiUmbenennen() {
  const QString titel = QStringLiteral("Datei umbennen");
  Datei1->setFocus(Qt::OtherFocusReason);
  const int index = Datei1->ListIndex();
  if (index < 0) {
    TonAusgeben(u"#SystemExclamation");
    MsgBox(QStringLiteral("Keine Datei zum Umbennen ausgewählt."), vb::vbExclamation, titel);
    return;
  }
  TonAusgeben(u"#SystemQuestion");
  const QString alt = pfadVon(Datei1->List(index));
  const QString altBasis = DateiTeil(alt, 1);
  const QString kuerzel = DateiTeil(alt, 2);
  QString antwort = InputBox(QStringLiteral("Gegen Sie einen neuen Dateinamen für »") + altBasis +
                                 QStringLiteral("« ein.\r\rDas Dateikürzel wird automatisch auf »") + kuerzel +
                                 QStringLiteral("« gesetzt."),
                             titel, altBasis);
  if (antwort.isEmpty()) return;
  // "/" is the separator here as "\" was there: a name must not reach into another folder.
  for (const QChar c : QStringLiteral("\\?*,: /")) {
    if (antwort.contains(c)) {
      TonAusgeben(u"#SystemHand");
      MsgBox(QStringLiteral("Ungültiges Zeichen im Dateinamen enthalten."), vb::vbExclamation, titel);
      return;
    }
  }
  if (!antwort.contains(u'.')) antwort += QStringLiteral(".xxx");
  const QString neuBasis = DateiTeil(antwort, 1);
  const QString neu = DateiTeil(alt, 0) + neuBasis + u'.' + kuerzel;
  if (neu.compare(alt, Qt::CaseInsensitive) == 0 || neuBasis.isEmpty()) {
    TonAusgeben(u"#SystemHand");
    MsgBox(QStringLiteral("Sie haben keinen neuen Dateinamen gewählt."), vb::vbExclamation, titel);
    return;
  }
  const QString ziel = Paths::aufloesen(neu);
  if (DateiVorhanden(ziel)) {
    TonAusgeben(u"#SystemQuestion");
    if (MsgBox(neuBasis + QStringLiteral("\rbesteht bereits.\r\r") +
                   QString::fromUtf16(u"Möchten Sie, dass diese Datei überschrieben wird?"),
               vb::vbExclamation | vb::vbYesNo, titel) != vb::vbYes)
      return;
  }
  // A rename replaces an existing target in one step; the source goes only once its content is safe.
  bool erfolg = std::rename(QFile::encodeName(alt).constData(), QFile::encodeName(ziel).constData()) == 0;
  int fehler = erfolg ? 0 : errno;
  if (!erfolg) {
    const QString zwischen = ziel + QStringLiteral(".neu~");
    QFile::remove(zwischen);
    if (QFile::copy(alt, zwischen) &&
        std::rename(QFile::encodeName(zwischen).constData(), QFile::encodeName(ziel).constData()) == 0) {
      erfolg = true;
      QFile::remove(alt);
    } else {
      QFile::remove(zwischen);
    }
  }
  if (!erfolg) {
    FehlerMelden(SystemFehlerNummer(fehler), QStringLiteral("Die Datei »") + DateiTeil(alt, 3) +
                                                 QStringLiteral("« konnte nicht umbenannt werden."));
  }
  Datei1->Refresh();
  const QString neuName = DateiTeil(erfolg ? ziel : alt, 3);
  for (int i = 0; i < Datei1->ListCount(); ++i)
    if (Datei1->List(i).compare(neuName, Qt::CaseInsensitive) == 0) {
      Datei1->setListIndex(i);
      break;
    }
}

QString DateiDialogZeigen(const QString& name, const QString& kuerzel, bool laden, const QString& ordner) {
  File& f = File::get();
  f.Bezeichnung->setText(name);
  f.Kürzel->setCaption(kuerzel);
  if (laden)
    f.Laden->setValue(true);
  else
    f.Speichern->setValue(true);
  f.Datei1->setPath(ordner);
  f.Show(true);
  return f.Bezeichnung->Text();
}
