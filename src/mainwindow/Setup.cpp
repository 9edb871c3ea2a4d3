#include "mainwindow/Setup.h"

#include "common/DatenOrdner.h"
#include "common/Ini.h"
#include "common/Schrift.h"
#include "mainwindow/Main.h"
#include "mainwindow/SetupSpeziell.h"
#include "platform/dienste/FontObject.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Fonts.h"

namespace {

vb::CheckBox* kontrollkaestchen(QWidget* eltern, const char* name, const QString& caption, int l, int t, int w) {
  auto* c = new vb::CheckBox(eltern);
  c->setObjectName(QString::fromLatin1(name));
  c->setCaption(caption);
  Twips::setzen(c, l, t, w, 255);
  return c;
}

vb::Label* beschriftung(QWidget* eltern, const QString& caption, int l, int t, int w) {
  auto* b = new vb::Label(eltern);
  b->setCaption(caption);
  Twips::setzen(b, l, t, w, 255);
  return b;
}

vb::CommandButton* knopf(QWidget* eltern, const QString& name, const QString& caption, int l, int t, int w) {
  auto* b = new vb::CommandButton(eltern);
  b->setObjectName(name);
  b->setCaption(caption);
  Twips::setzen(b, l, t, w, 375);
  return b;
}

vb::Frame* rahmen(QWidget* eltern, const QString& caption, int l, int t, int w, int h) {
  auto* f = new vb::Frame(eltern);
  f->setCaption(caption);
  Twips::setzen(f, l, t, w, h);
  return f;
}

}  // namespace

Setup::Setup() {
  setObjectName(QStringLiteral("Setup"));
  setCaption(QStringLiteral("Einstellungen"));
  setBorderStyle(3);
  setProperty("HelpContextID", 301);
  setFont(Fonts::schrift(QStringLiteral("MS Sans Serif"), 8.25));

  SSTab = new vb::TabControl(this);
  SSTab->setObjectName(QStringLiteral("SSTab"));
  Twips::setzen(SSTab, 120, 120, 6495, 4215);
  QWidget* allgemein = SSTab->addTab(QStringLiteral("Allgemeines"));
  QWidget* schriften = SSTab->addTab(QStringLiteral("Schriften"));
  QWidget* externes = SSTab->addTab(QStringLiteral("Externes"));

  // Allgemeines
  beschriftung(allgemein, QStringLiteral("Allgemeine Einstellungen."), 120, 120, 6000);
  vb::Frame* start = rahmen(allgemein, QStringLiteral("Beim Programmstart..."), 120, 420, 2895, 735);
  StrgAuswahl = kontrollkaestchen(start, "StrgAuswahl", QStringLiteral("&Dateiauswahl starten"), 120, 330, 2655);
  vb::Frame* ende = rahmen(allgemein, QStringLiteral("Beim Programmende..."), 3135, 420, 3075, 735);
  beschriftung(ende, QStringLiteral("Sortieren nach"), 120, 345, 1140);
  kombiSortAtEnd = new vb::ComboBox(ende, 2);
  kombiSortAtEnd->setObjectName(QStringLiteral("kombiSortAtEnd"));
  Twips::setzen(kombiSortAtEnd, 1335, 285, 1620, 315);
  vb::Frame* auto_ =
      rahmen(allgemein, QStringLiteral("Automatische Formatierungen und Funktionen"), 120, 1275, 6090, 2415);
  StrgOrtPlz = kontrollkaestchen(auto_, "StrgOrtPlz", QStringLiteral("Ort aus"), 120, 375, 870);
  comboKatalogStdLand = new vb::ComboBox(auto_, 2);
  comboKatalogStdLand->setObjectName(QStringLiteral("comboKatalogStdLand"));
  comboKatalogStdLand->setSorted(true);
  Twips::setzen(comboKatalogStdLand, 990, 330, 795, 315);
  beschriftung(auto_, QStringLiteral(" PLZ-Katalog ermitteln"), 1815, 375, 2400);
  StrgAutoNameDoppelt =
      kontrollkaestchen(auto_, "StrgAutoNameDoppelt", QStringLiteral("Doppelte &Namen suchen"), 120, 735, 3500);
  strgCallByCall = kontrollkaestchen(auto_, "strgCallByCall", QStringLiteral("CallByCall aktiv"), 120, 1095, 3500);
  strgAutoFormatTrim =
      kontrollkaestchen(auto_, "strgAutoFormatTrim", QStringLiteral("&Leerzeichen abschneiden"), 120, 1455, 3500);
  beschriftung(auto_, QString::fromUtf16(u"Groß-/Kleinschrift"), 120, 1890, 1455);
  comboAutoFormatCase = new vb::ComboBox(auto_, 2);
  comboAutoFormatCase->setObjectName(QStringLiteral("comboAutoFormatCase"));
  Twips::setzen(comboAutoFormatCase, 1575, 1830, 2775, 315);

  // Schriften
  beschriftung(schriften, QString::fromUtf16(u"Legen Sie die Schriften für verschiedene Eingabefelder fest."), 120, 120,
               6000);
  BefSetFont.set(0, knopf(schriften, QStringLiteral("BefSetFont_0"), QStringLiteral("&Eingabefelder"), 120, 600, 2175));
  BefSetFont.set(1,
                 knopf(schriften, QStringLiteral("BefSetFont_1"), QStringLiteral("&Bemerkungsfeld"), 120, 1080, 2175));
  BefSetBackCol =
      knopf(schriften, QStringLiteral("BefSetBackCol"), QStringLiteral("&Hintergrundfarbe"), 120, 1560, 2175);
  for (int i = 0; i < 2; ++i) BefSetFont(i).Click = [this, i] { BefSetFont_Click(i); };
  BefSetBackCol->Click = [this] { BefSetBackCol_Click(); };

  // Externes
  beschriftung(externes, QStringLiteral("Melden Sie externe Programme an."), 120, 120, 6000);
  const char16_t* extern_[] = {u"D-Info &3.0 anmelden", u"E&xternes PLZ-Programm", u"D-Info 9&7 anmelden",
                               u"KlickTel 9&8 32-Bit", u"D-Info 9&9 anmelden"};
  for (int i = 0; i < 5; ++i) {
    befExtern.set(i, knopf(externes, QStringLiteral("befExtern_%1").arg(i), QString::fromUtf16(extern_[i]), 120,
                           540 + i * 480, 2655));
    befExtern(i).Click = [this, i] { befExtern_Click(i); };
  }
  befDatenOrdnerFestlegen = knopf(externes, QStringLiteral("befDatenOrdnerFestlegen"),
                                  QStringLiteral("&Daten-Ordner verlegen..."), 3255, 540, 2655);
  befDatenOrdnerFestlegen->Click = [this] { befDatenOrdnerFestlegen_Click(); };

  befSetupSpeziell =
      knopf(this, QStringLiteral("befSetupSpeziell"), QStringLiteral("Einstellungen spezial"), 120, 4455, 2175);
  befSetupSpeziell->setProperty("HelpContextID", 1009);
  befSetupSpeziell->Click = [this] { befSetupSpeziell_Click(); };
  BefOk = knopf(this, QStringLiteral("BefOk"), QStringLiteral("&Ok"), 5400, 4455, 1215);
  // Enter and Esc both press Ok: the dialog has no way out that discards the switches.
  BefOk->setDefault(true);
  BefOk->setCancel(true);
  BefOk->Click = [this] { BefOk_Click(); };

  StdDialog = new vb::CommonDialog(QStringLiteral("StdDialog"), this);

  // A choice of the user's own, as against the entry the load selected.
  connect(kombiSortAtEnd, &QComboBox::activated, this, [this] { sortGewaehlt_ = true; });
  connect(comboKatalogStdLand, &QComboBox::activated, this, [this] { katalogGewaehlt_ = true; });

  setFixedSize(Twips::zuPixel(6735), Twips::zuPixel(4980));
}

void Setup::Form_Load() {
  if (vb::Forms::Hauptformular()) setWindowIcon(vb::Forms::Hauptformular()->widget()->windowIcon());
  SSTab->setTab(0);
  werte_ = EinstellungenLesen();
  sortGewaehlt_ = katalogGewaehlt_ = false;

  kombiSortAtEnd->Clear();
  for (const SortAmEnde& s : SortAmEndeListe()) kombiSortAtEnd->AddItem(SortAmEndeEintrag(s));
  kombiSortAtEnd->setListIndex(werte_.sortAmEnde);

  comboAutoFormatCase->Clear();
  for (const QString& s : AutoFormatCaseListe()) comboAutoFormatCase->AddItem(s);
  comboAutoFormatCase->setListIndex(werte_.autoFormatCase);

  comboKatalogStdLand->Clear();
  for (const char* land : {"D-", "A-", "CH-"}) comboKatalogStdLand->AddItem(QString::fromLatin1(land));
  comboKatalogStdLand->setListIndex(werte_.katalogLand);

  StrgAuswahl->setValue(werte_.auswahlOeffnen);
  StrgOrtPlz->setValue(werte_.ortAusPlz);
  strgAutoFormatTrim->setValue(werte_.autoFormatTrim);
  StrgAutoNameDoppelt->setValue(werte_.autoNameDoppelt);

  strgCallByCall->setVisible(werte_.callByCallSichtbar);
  strgCallByCall->setValue(werte_.callByCall);
}

void Setup::Form_QueryUnload(int& cancel, int mode) {
  // The close box stores the switches like Ok; the caller's unload goes through.
  if (mode == 0) {
    cancel = 1;
    BefOk_Click();
  }
}

void Setup::BefOk_Click() {
  werte_.auswahlOeffnen = StrgAuswahl->Value();
  werte_.ortAusPlz = StrgOrtPlz->Value();
  werte_.autoNameDoppelt = StrgAutoNameDoppelt->Value();
  werte_.autoFormatCase = comboAutoFormatCase->ListIndex();
  werte_.autoFormatTrim = strgAutoFormatTrim->Value();
  werte_.sortAmEnde = kombiSortAtEnd->ListIndex();
  werte_.katalogLand = KatalogLaenderListe().indexOf(comboKatalogStdLand->Text());
  werte_.callByCallSichtbar = !strgCallByCall->isHidden();
  werte_.callByCall = strgCallByCall->Value();
  EinstellungenSchreiben(werte_, sortGewaehlt_, katalogGewaehlt_);
  Hide();
}

void Setup::befSetupSpeziell_Click() {
  SetupSpeziell& s = SetupSpeziell::get();
  s.txtSchlüssel->AddItem(QStringLiteral("FirstDataLine"));
  s.txtSchlüssel->AddItem(QStringLiteral("ImmerKlein"));
  s.Show(true);
  vb::DefaultInstance<SetupSpeziell>::Unload();
}

void Setup::befDatenOrdnerFestlegen_Click() {
  DatenOrdnerVerlegen([] { return Main::get().DatenSpeichern(); });
}

void Setup::befExtern_Click(int index) {
  struct Programm {
    const char16_t* titel;
    const char16_t* filter;
    const char16_t* version;  // nullptr: the postcode program
  };
  static const Programm programme[] = {
      {u"Wo ist das D-Info 3.0 Startprogramm?", u"D-Info 3.0|DINFOWIN.EXE|", u"3.0"},
      {u"Wählen Sie ein externes PLZ-Programm", u"", nullptr},
      {u"Wo ist das D-Info 97 Startprogramm?", u"D-Info 97|Dinfo32.exe|", u"97"},
      {u"Wo ist das KlickTel 98  Startprogramm?", u"KlickTel 98|ktel32*.exe|", u"98"},
      {u"Wo ist das D-Info 99 Startprogramm?", u"D-Info 99|DInfo.exe|", u"99"},
  };
  if (index < 0 || index > 4) return;
  const Programm& p = programme[index];
  StdDialog->DialogTitle = QString::fromUtf16(p.titel);
  // Program files on Linux have no fixed extension: every file can be chosen as well.
  StdDialog->Filter = QString::fromUtf16(p.filter) + QStringLiteral("Programm|*.exe;*.com;*.bat;*.pif|Alle Dateien|*|");
  StdDialog->CancelError = true;
  StdDialog->Flags = vb::cdlOFNHideReadOnly | vb::cdlOFNPathMustExist | vb::cdlOFNFileMustExist;
  StdDialog->InitDir.clear();
  StdDialog->FileName.clear();
  if (!StdDialog->setAction(vb::cdlAktionOeffnen)) return;
  const QString datei = StdDialog->FileName;
  if (datei.isEmpty()) return;
  if (!p.version) {
    IniSchreiben(QString(), QString(), QStringLiteral("ExtPlzSuche"), datei);
    return;
  }
  IniSchreiben(QString(), QString(), QStringLiteral("DInfoPrg"), datei);
  IniSchreiben(QString(), QString(), QStringLiteral("DInfoVer"), QString::fromUtf16(p.version));
}

void Setup::BefSetFont_Click(int index) {
  Main& m = Main::get();
  vb::TextBox& quelle = m.Feld(index == 0 ? 0 : 11);
  vb::SchriftDialogFuer(*StdDialog, quelle, 4, 16);
  if (index != 0) return;
  for (int i = 0; i < 24; ++i) {
    if (m.Feld(i).MultiLine() || (i >= 15 && i <= 16)) continue;
    SchriftSetzen(&m.Feld(i), SchriftAlsText(&m.Feld(0)), QStringLiteral("Alles"));
  }
}

void Setup::BefSetBackCol_Click() {
  vb::TextBox& feld = Main::get().Feld(0);
  StdDialog->Color = vb::VbFarbe(feld.BackColor());
  StdDialog->setAction(vb::cdlAktionFarbe);
  feld.setBackColor(vb::QFarbe(StdDialog->Color));
}
