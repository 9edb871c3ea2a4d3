#include "exchange/formen/AdrImport2.h"

#include "common/Global.h"
#include "platform/dienste/Dialogs.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Sanduhr.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTabBar>

namespace {
const QString kKeine = QStringLiteral("Keine Kartulon gefunden!");
constexpr int kTastEntf = 46;
}  // namespace

AdrImport2::AdrImport2() {
  setObjectName(QStringLiteral("AdrImport2"));
  setCaption(QStringLiteral("Kartulonimport"));
  setProperty("HelpContextID", 252);

  SSTab1 = new vb::TabControl(this);
  SSTab1->setObjectName(QStringLiteral("SSTab1"));
  Twips::setzen(SSTab1, 120, 120, 9000, 7080);
  QWidget* auswahl = SSTab1->addTab(QStringLiteral("Datei-Auswahl"));
  QWidget* aufbau = SSTab1->addTab(QStringLiteral("Datei-Aufbau"));
  QWidget* import = SSTab1->addTab(QStringLiteral("Datei-Import"));

  // --- Datei-Auswahl ---
  RahmenDatei = new vb::Frame(auswahl);
  RahmenDatei->setObjectName(QStringLiteral("RahmenDatei"));
  RahmenDatei->setCaption(QStringLiteral("Import-Datei"));
  Twips::setzen(RahmenDatei, 120, 120, 8640, 1020);
  befDatei = new vb::CommandButton(RahmenDatei);
  befDatei->setObjectName(QStringLiteral("befDatei"));
  befDatei->setCaption(QStringLiteral("&Datei auswählen..."));
  Twips::setzen(befDatei, 180, 420, 2160, 420);
  bezImpDateiInfo = new vb::Label(RahmenDatei);
  bezImpDateiInfo->setObjectName(QStringLiteral("bezImpDateiInfo"));
  bezImpDateiInfo->setWordWrap(true);
  Twips::setzen(bezImpDateiInfo, 2520, 360, 6000, 555);

  RahmenOptionen = new vb::Frame(auswahl);
  RahmenOptionen->setObjectName(QStringLiteral("RahmenOptionen"));
  RahmenOptionen->setCaption(QStringLiteral("Datei-Optionen"));
  Twips::setzen(RahmenOptionen, 120, 1260, 8640, 1380);
  bezTrenn = new vb::Label(RahmenOptionen);
  bezTrenn->setObjectName(QStringLiteral("bezTrenn"));
  bezTrenn->setCaption(QStringLiteral("Wählen Sie ein Trennzeichen zum Abgrenzen der einzelnen Felder"));
  Twips::setzen(bezTrenn, 180, 420, 6000, 285);
  kombiTrenn = new vb::ComboBox(RahmenOptionen, 0);
  kombiTrenn->setObjectName(QStringLiteral("kombiTrenn"));
  Twips::setzen(kombiTrenn, 6360, 360, 2100, 345);
  CheckAscii2Ansi = new vb::CheckBox(RahmenOptionen);
  CheckAscii2Ansi->setObjectName(QStringLiteral("CheckAscii2Ansi"));
  CheckAscii2Ansi->setCaption(QStringLiteral("DOS-ASCII in Windows-ANSI konvertieren"));
  Twips::setzen(CheckAscii2Ansi, 180, 900, 4080, 315);
  CheckTrim = new vb::CheckBox(RahmenOptionen);
  CheckTrim->setObjectName(QStringLiteral("CheckTrim"));
  CheckTrim->setCaption(QStringLiteral("Leerzeichen in Feldern entfernen"));
  Twips::setzen(CheckTrim, 4440, 900, 4080, 315);

  Liste = new vb::ListBox(auswahl);
  Liste->setObjectName(QStringLiteral("Liste"));
  Twips::setzen(Liste, 120, 2760, 8640, 3360);

  // --- Datei-Aufbau: the fifteen rows are placed at load ---
  for (int i = 0; i < kImportSpalten; ++i) {
    auto* nummer = new vb::Label(aufbau);
    nummer->setObjectName(QStringLiteral("bezFeld_%1").arg(i, 2, 10, QChar(u'0')));
    nummer->setProperty("Index", i);
    bezFeld.set(i, nummer);
    auto* feld = new vb::ComboBox(aufbau, 2);
    feld->setObjectName(QStringLiteral("komboFeld_%1").arg(i, 2, 10, QChar(u'0')));
    feld->setProperty("Index", i);
    komboFeld.set(i, feld);
    auto* demo = new vb::Label(aufbau);
    demo->setObjectName(QStringLiteral("bezFeldDemo_%1").arg(i, 2, 10, QChar(u'0')));
    demo->setProperty("Index", i);
    demo->setFrameShape(QFrame::StyledPanel);
    bezFeldDemo.set(i, demo);
    Twips::setzen(nummer, 120, 180, 840, 255);
    Twips::setzen(feld, 1020, 120, 2880, 345);
    Twips::setzen(demo, 4020, 180, 4740, 285);
  }
  // Left to right: first, previous, next, last.
  const struct {
    int index;
    const char* caption;
    const char* tipp;
    int left;
  } knoepfe[] = {
      {2, "<-|", "Zur ersten Import-Adresse", 1020},
      {0, "<-", "Zur vorherigen Import-Adresse", 1740},
      {1, "->", "Zur nächtsen Import-Adresse", 2460},
      {3, "|->", "Zur letzten Import-Adresse", 3180},
  };
  for (const auto& k : knoepfe) {
    auto* b = new vb::CommandButton(aufbau);
    b->setObjectName(QStringLiteral("befPos_%1").arg(k.index));
    b->setCaption(QString::fromUtf8(k.caption));
    b->setToolTip(QString::fromUtf8(k.tipp));
    Twips::setzen(b, k.left, 6180, 660, 375);
    befPos.set(k.index, b);
  }

  // --- Datei-Import ---
  bezImportHinweis = new vb::Label(import);
  bezImportHinweis->setObjectName(QStringLiteral("bezImportHinweis"));
  bezImportHinweis->setCaption(QStringLiteral("Wenn alles ok ist..."));
  Twips::setzen(bezImportHinweis, 240, 360, 6000, 285);
  befImport = new vb::CommandButton(import);
  befImport->setObjectName(QStringLiteral("befImport"));
  befImport->setCaption(QStringLiteral("Kartulon importieren"));
  befImport->setEnabled(false);
  Twips::setzen(befImport, 240, 840, 2760, 495);
  ProgressBar = new vb::ProgressBar(import);
  ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
  ProgressBar->setVisible(false);
  Twips::setzen(ProgressBar, 240, 1620, 8520, 300);

  // "&Weiter" on the first two tabs; the second is the dialog's cancel button, so Esc moves on.
  QWidget* seiten[] = {auswahl, aufbau};
  for (int i = 1; i <= 2; ++i) {
    auto* b = new vb::CommandButton(seiten[i - 1]);
    b->setObjectName(QStringLiteral("befWeiter_%1").arg(i));
    b->setCaption(QStringLiteral("&Weiter"));
    Twips::setzen(b, 7500, 6180, 1260, 375);
    befWeiter.set(i, b);
  }
  befWeiter(2).setCancel(true);
  befAbbrechen = new vb::CommandButton(this);
  befAbbrechen->setObjectName(QStringLiteral("befAbbrechen"));
  befAbbrechen->setCaption(QStringLiteral("&Abbrechen"));
  Twips::setzen(befAbbrechen, 7860, 7320, 1260, 375);
  StdDialog = new vb::CommonDialog(QStringLiteral("StdDialog"), this);

  setFixedSize(Twips::zuPixel(9240), Twips::zuPixel(7830));
  setBorderStyle(3);

  // The keyboard's way through the first tab: file, separator, options, list, "&Weiter".
  setTabOrder(befDatei, kombiTrenn);
  setTabOrder(kombiTrenn, CheckAscii2Ansi);
  setTabOrder(CheckAscii2Ansi, CheckTrim);
  setTabOrder(CheckTrim, Liste);
  setTabOrder(Liste, &befWeiter(1));

  befDatei->Click = [this] { befDatei_Click(); };
  kombiTrenn->Change = [this] { kombiTrenn_Change(); };
  kombiTrenn->Click = [this] { kombiTrenn_Click(); };
  CheckAscii2Ansi->Click = [this] { CheckAscii2Ansi_Click(); };
  CheckTrim->Click = [this] { CheckTrim_Click(); };
  Liste->KeyDown = [this](int& keyCode, int shift) { Liste_KeyDown(keyCode, shift); };
  for (const auto& [i, k] : komboFeld) k->Click = [this, i = i] { komboFeld_Click(static_cast<short>(i)); };
  for (const auto& [i, b] : befPos) b->Click = [this, i = i] { befPos_Click(static_cast<short>(i)); };
  for (const auto& [i, b] : befWeiter) b->Click = [this, i = i] { befWeiter_Click(static_cast<short>(i)); };
  befImport->Click = [this] { befImport_Click(); };
  // On the last tab the import button takes the focus, so that Enter or the space bar starts it.
  connect(SSTab1, &QTabWidget::currentChanged, this, [this](int tab) {
    if (tab == 2 && befImport->isEnabled()) befImport->setFocus(Qt::TabFocusReason);
  });
  befAbbrechen->Click = [this] { befAbbrechen_Click(); };
}

void AdrImport2::Form_Load() {
  if (vb::Forms::Hauptformular()) setWindowIcon(vb::Forms::Hauptformular()->widget()->windowIcon());
  SSTab1->setTab(0);
  kombiTrenn->Clear();
  for (const char* t : {";", "{Tab}", "{LF}"}) kombiTrenn->AddItem(QString::fromLatin1(t));
  kombiTrenn->setText(QStringLiteral("{Tab}"));

  // Each row one combo height and 50 twips below the one above; the labels 70 twips below its top.
  const int oben = vb::Top(&komboFeld(0));
  const int schritt = vb::Height(&komboFeld(0)) + 50;
  for (int i = 0; i < kImportSpalten; ++i) {
    const int top = oben + i * schritt;
    vb::setTop(&komboFeld(i), top);
    vb::setTop(&bezFeld(i), top + 70);
    vb::setTop(&bezFeldDemo(i), top + 70);
    bezFeld(i).setCaption(QString::number(i + 1) + QStringLiteral(". Feld"));
    bezFeldDemo(i).setCaption(QString());
  }
  zeilenGefuellt_ = true;
}

void AdrImport2::TabelleUebernehmen(Adressbestand& bestand, vb::ListBox& ansicht, const Bezeichnungen& bezeichnungen) {
  bestand_ = &bestand;
  ansicht_ = &ansicht;
  // Each column starts at the field of its number.
  for (int i = 0; i < kImportSpalten; ++i) {
    vb::ComboBox& k = komboFeld(i);
    k.Clear();
    k.AddItem(QStringLiteral("--- unbenutzt ---"));
    for (const QString& b : bezeichnungen) k.AddItem(b);
    k.setListIndex(i + 1);
  }
}

void AdrImport2::Form_QueryUnload(int& cancel, int mode) {
  if (mode != 0) return;
  cancel = 1;
  // During the import the close box does nothing: the import's loop still works on the dialog.
  if (!importLaeuft_) befAbbrechen_Click();
}

void AdrImport2::keyPressEvent(QKeyEvent* e) {
  // Esc presses "&Weiter" on every tab, as the dialog's cancel button is that one.
  if (e->key() == Qt::Key_Escape && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    if (!importLaeuft_) befWeiter_Click(2);
    return;
  }
  vb::DialogForm::keyPressEvent(e);
}

Importoptionen AdrImport2::Optionen() const {
  Importoptionen o;
  o.trennText = kombiTrenn->Text();
  o.dosUmlaute = CheckAscii2Ansi->Value() != 0;
  o.trimmen = CheckTrim->Value() != 0;
  for (int i = 0; i < kImportSpalten; ++i) o.zuordnung[i] = std::max(0, komboFeld(i).ListIndex());
  return o;
}

void AdrImport2::DatensatzAnzeigen() {
  if (!zeilenGefuellt_) return;
  const int p = Liste->ListIndex();
  if (p < 0) {
    for (int i = 0; i < kImportSpalten; ++i) bezFeldDemo(i).setCaption(QString());
    return;
  }
  const Importoptionen o = Optionen();
  const Importspalten s = ImportZeileZerlegen(Liste->List(p), ImportTrennzeichen(o.trennText), o.dosUmlaute, o.trimmen);
  for (int i = 0; i < kImportSpalten; ++i) bezFeldDemo(i).setCaption(s[i]);
}

void AdrImport2::befDatei_Click() {
  StdDialog->DialogTitle = QStringLiteral("Wähle Sie ein Datei zum Kartulonimport");
  StdDialog->Filter = QStringLiteral("Texte|*.txt;*.dat|Alles|*.*");
  StdDialog->InitDir.clear();
  StdDialog->FileName.clear();
  StdDialog->Flags = vb::cdlOFNFileMustExist | vb::cdlOFNPathMustExist | vb::cdlOFNHideReadOnly;
  if (!StdDialog->ShowOpen()) return;
  // The path as chosen: its case is part of its name here.
  const QString pfad = StdDialog->FileName;
  Sanduhr sanduhr;
  Liste->setItems(ImportDateiLesen(pfad));
  if (Liste->ListCount() > 0) Liste->setListIndex(0);
  DatensatzAnzeigen();
  const int n = Liste->ListCount();
  if (n > 0) {
    bezImpDateiInfo->setCaption(QString::number(n) + QStringLiteral(" Kartulon in ") + pfad +
                                QStringLiteral(" gefunden."));
  } else {
    bezImpDateiInfo->setCaption(kKeine);
  }
  befImport->setEnabled(n > 0);
  // The user's next step: the separator of the lines just read.
  if (n > 0) {
    kombiTrenn->SetFocus();
    kombiTrenn->setSelStart(0);
    kombiTrenn->setSelLength(static_cast<int>(kombiTrenn->Text().size()));
  }
}

void AdrImport2::befPos_Click(short index) {
  const int n = Liste->ListCount();
  if (n == 0) return;
  const int p = Liste->ListIndex();
  int q = p;
  switch (index) {
    case 0:
      q = std::max(p - 1, 0);
      break;
    case 1:
      q = std::min(p + 1, n - 1);
      break;
    case 2:
      q = 0;
      break;
    case 3:
      q = n - 1;
      break;
    default:
      return;
  }
  Liste->setListIndex(q);
  DatensatzAnzeigen();
}

void AdrImport2::befWeiter_Click(short /*index*/) {
  if (SSTab1->Tab() < 2) SSTab1->setTab(SSTab1->Tab() + 1);
}

void AdrImport2::Liste_KeyDown(int& keyCode, int /*shift*/) {
  if (keyCode != kTastEntf) return;
  const int p = Liste->ListIndex();
  if (p < 0) return;
  const int n = Liste->ListCount();
  const int q = p == n - 1 ? n - 2 : p;
  Liste->RemoveItem(p);
  Liste->setListIndex(q);
  const int rest = Liste->ListCount();
  if (rest > 0) {
    bezImpDateiInfo->setCaption(QStringLiteral("Prüfen Sie, ob die ") + QString::number(rest) +
                                QStringLiteral(" Kartulon ok sind"));
  } else {
    bezImpDateiInfo->setCaption(kKeine);
  }
  befImport->setEnabled(rest > 0);
  keyCode = 0;
}

void AdrImport2::sperren(bool an) {
  importLaeuft_ = an;
  SSTab1->tabBar()->setEnabled(!an);
  for (QWidget* w : std::initializer_list<QWidget*>{befDatei, kombiTrenn, CheckAscii2Ansi, CheckTrim, Liste, befImport,
                                                    befAbbrechen})
    w->setEnabled(!an);
  for (const auto& [i, k] : komboFeld) k->setEnabled(!an);
  for (const auto& [i, b] : befPos) b->setEnabled(!an);
  for (const auto& [i, b] : befWeiter) b->setEnabled(!an);
  if (!an) befImport->setEnabled(Liste->ListCount() > 0);
}

void AdrImport2::befImport_Click() {
  if (importLaeuft_ || !bestand_) return;
  vb::ListBox& ansicht = *ansicht_;
  Importergebnis ergebnis;
  {
    Sanduhr sanduhr;
    sperren(true);
    if (ansicht.ListCount() >= 2) ansicht.setListIndex(ansicht.ListCount() - 1);
    const Importoptionen optionen = Optionen();
    ProgressBar->setValue(0);
    ProgressBar->setVisible(true);
    // The table takes the lines as they are cut; the list, the preview and the bar follow each step of
    // the bar, while the user's input waits (the table must not change under the import).
    ergebnis = ListeImportieren(*bestand_, Liste->items(), optionen, [&](int i, int letzte) {
      ProgressBar->setValue(letzte > 0 ? static_cast<int>(100LL * i / letzte) : 0);
      Liste->setListIndex(i);
      DatensatzAnzeigen();
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    // The record after the one selected before (the first when none was): the first imported one when
    // the table held two or more records.
    const int naechster = ansicht.ListIndex() + 1;
    if (naechster < ansicht.ListCount()) ansicht.setListIndex(naechster);
    Geaendert = 1;
    sperren(false);
  }
  if (ergebnis.angefuegt < ergebnis.zeilen) {
    MsgBox(QStringLiteral("Von ") + QString::number(ergebnis.zeilen) + QStringLiteral(" Adressen wurden ") +
               QString::number(ergebnis.angefuegt) +
               QStringLiteral(" importiert: eine Adressdatei kann höchstens 32000 Adressen aufnehmen."),
           vb::vbExclamation, QStringLiteral("Kartulonimport"));
  }
  Hide();
}

void AdrImport2::befAbbrechen_Click() { Hide(); }
