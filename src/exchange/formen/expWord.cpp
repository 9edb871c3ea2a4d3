#include "exchange/formen/expWord.h"

#include "common/Benutzer.h"
#include "common/Email.h"
#include "common/Fehler.h"
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "common/Ton.h"
#include "common/ZDos.h"
#include "exchange/Briefvorlage.h"
#include "platform/dienste/Dialogs.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Fonts.h"
#include "platform/vb/Laufzeitfehler.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Vb.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kHilfe = 291;
const QString kFehler = u"Es ist ein Fehler aufgetreten."_s;
const QString kUngueltig = u"Dateiname für neue Vorlage ungültig"_s;

vb::Label* beschriftung(QWidget* eltern, const QString& name, const QString& text, int l, int t, int w, int h) {
  auto* b = new vb::Label(eltern);
  b->setObjectName(name);
  b->setCaption(text);
  Twips::setzen(b, l, t, w, h);
  return b;
}

vb::CommandButton* knopf(QWidget* eltern, const QString& name, const QString& text, int l, int t) {
  auto* b = new vb::CommandButton(eltern);
  b->setObjectName(name);
  b->setCaption(text);
  Twips::setzen(b, l, t, 1335, 375);
  return b;
}

}  // namespace

expWord::expWord() {
  setObjectName(u"expWord"_s);
  setCaption(u"Brief an Word"_s);
  setFont(Fonts::schrift(u"MS Sans Serif"_s, 8.25));
  setProperty("HelpContextID", kHilfe);
  setBorderStyle(3);
  setMinButton(false);
  setMaxButton(false);

  QWidget* flaeche = vb::MenueLeisteUndFlaeche(this, Menue);

  // Over the buttons too: the folder's path is long.
  bezVorlagen = beschriftung(flaeche, u"bezVorlagen"_s, u"Vorlagen in ..."_s, 120, 120, 6480, 255);
  Datei = new vb::FileListBox(flaeche);
  Datei->setObjectName(u"Datei"_s);
  Twips::setzen(Datei, 120, 405, 4935, 2175);
  bezNeu = beschriftung(flaeche, u"bezNeu"_s, u"Neues Dokument..."_s, 120, 2700, 3000, 255);
  txtDatei = new vb::TextBox(flaeche);
  txtDatei->setObjectName(u"txtDatei"_s);
  txtDatei->setMaxLength(30);
  Twips::setzen(txtDatei, 120, 2985, 3855, 315);
  txtSuffix = new vb::TextBox(flaeche);
  txtSuffix->setObjectName(u"txtSuffix"_s);
  txtSuffix->setLocked(true);
  txtSuffix->setTabStop(false);
  Twips::setzen(txtSuffix, 4035, 2985, 1020, 315);

  befOk = knopf(flaeche, u"befOk"_s, u"&Erstellen"_s, 5235, 405);
  befOk->setDefault(true);
  befAbbrechen = knopf(flaeche, u"befAbbrechen"_s, u"&Zurück"_s, 5235, 885);
  befAbbrechen->setCancel(true);

  const std::vector<vb::MenuZeile> tabelle = {
      {u""_s, u"mnuDatei"_s, -1, u"&Datei"_s, QKeySequence(), {}},
      {u"mnuDatei"_s, u"mnuDocShow"_s, -1, u"Vorhandene &Dokumente..."_s, QKeySequence(Qt::Key_F4),
       [this](int) { mnuDocShow_Click(); }},
      {u"mnuDatei"_s, u"mnuStrich"_s, -1, u"-"_s, QKeySequence(), {}},
      {u"mnuDatei"_s, u"mnuEnde"_s, -1, u"&Zurück"_s, QKeySequence(Qt::Key_F12), [this](int) { mnuEnde_Click(); }},
      {u""_s, u"mnuVorlage"_s, -1, u"&Vorlage"_s, QKeySequence(), {}},
      {u"mnuVorlage"_s, u"mnuVorlageBearbeiten"_s, -1, u"&Bearbeiten..."_s, QKeySequence(),
       [this](int) { mnuVorlageBearbeiten_Click(); }},
      {u"mnuVorlage"_s, u"mnuVorlageKopieren"_s, -1, u"&Kopieren..."_s, QKeySequence(),
       [this](int) { mnuVorlageKopieren_Click(); }},
      {u"mnuVorlage"_s, u"mnuVorlageLöschen"_s, -1, u"&Löschen"_s, QKeySequence(),
       [this](int) { mnuVorlageLöschen_Click(); }},
  };
  menue_ = std::make_unique<vb::MenuBaum>(this, Menue, tabelle);
  mnuDocShow = menue_->item(u"mnuDocShow"_s);
  mnuEnde = menue_->item(u"mnuEnde"_s);
  mnuVorlageBearbeiten = menue_->item(u"mnuVorlageBearbeiten"_s);
  mnuVorlageKopieren = menue_->item(u"mnuVorlageKopieren"_s);
  mnuVorlageLöschen = menue_->item(u"mnuVorlageLöschen"_s);

  Datei->DblClick = [this] { Datei_DblClick(); };
  txtDatei->KeyPress = [this](int& k) { txtDatei_KeyPress(k); };
  txtDatei->Change = [this] { txtDatei_Change(); };
  befOk->Click = [this] { BefOk_Click(); };
  befAbbrechen->Click = [this] { befAbbrechen_Click(); };

  setTabOrder(Datei, txtDatei->editor());
  setTabOrder(txtDatei->editor(), befOk);
  setTabOrder(befOk, befAbbrechen);

  // A fixed size.
  setFixedSize(Twips::zuPixel(6720), Twips::zuPixel(3480) + Menue->sizeHint().height());
}

void expWord::Form_Load() {
  if (vb::FormBase* haupt = vb::Forms::Hauptformular()) setWindowIcon(haupt->widget()->windowIcon());
  const QString benutzer = BenutzerName();
  Sektion = VorlagenSektion(VorlagenIni, benutzer);
  if (Sektion != u"def") setCaption(Caption() + u" für "_s + benutzer);

  QString wordVorlagen = IniLesen(VorlagenIni, Sektion, u"WordVorlagen"_s, QString());
  if (wordVorlagen.isEmpty()) {
    wordVorlagen = ProgrammOrdner() + u"/WordPost/_*.doc"_s;
    IniSchreiben(VorlagenIni, Sektion, u"WordVorlagen"_s, wordVorlagen);
  }
  const VorlagenOrt ort = VorlagenOrtAus(wordVorlagen);
  ordner_ = ort.ordner;
  Datei->setPattern(ort.muster);
  Datei->setPath(ordner_);
  bezVorlagen->setCaption(u"Vorlagen in "_s + ordner_ + u"..."_s);
  // A folder that is not there cannot list templates: the user hears of it and may go on.
  if (!QFileInfo(Paths::aufloesen(ordner_)).isDir() &&
      FehlerMelden(vb::ErrPfadNichtGefunden, kFehler + ordner_ + u'/') != 5)
    return;
  if (Datei->ListCount() > 0) Datei->setListIndex(0);

  vorschlagen_ = true;
  NamenVorschlagen();
  txtSuffix->setText(u'.' + IniLesen(VorlagenIni, Sektion, u"Suffix"_s, u"Doc"_s));

  const QString zuletzt = IniLesen(VorlagenIni, Sektion, u"WordVorlagenLast"_s, QString());
  for (int i = 0; i < Datei->ListCount(); ++i)
    if (Datei->List(i) == zuletzt) Datei->setListIndex(i);
  txtDatei->SetFocus();
}

void expWord::NachnameUebernehmen(const QString& nachname) {
  nachname_ = nachname;
  if (vorschlagen_) NamenVorschlagen();
}

void expWord::NamenVorschlagen() {
  int anfang = 0;
  const QString vorschlag = DokumentVorschlag(
      IniLesen(VorlagenIni, Sektion, u"DocName1"_s, u"{jjjj}_"_s),
      IniLesen(VorlagenIni, Sektion, u"DocNummer"_s, u"0"_s), IniLesen(VorlagenIni, Sektion, u"DocName2"_s, u"00000"_s),
      IniLesen(VorlagenIni, Sektion, u"DocName3"_s, u"_"_s), nachname_, Clock::today(), &anfang);
  txtDatei->setText(vorschlag);
  txtDatei->setSelStart(anfang);
  txtDatei->setSelLength(99);
}

void expWord::Form_QueryUnload(int& cancel, int mode) {
  if (mode != 0) return;
  cancel = 1;
  mnuEnde_Click();
}

void expWord::AdressParaSet(const QString& name, const QString& wert) { ::AdressParaSet(name, wert); }

QString expWord::vorlage() const { return Datei->ListIndex() >= 0 ? Datei->List(Datei->ListIndex()) : QString(); }

void expWord::BefOk_Click() {
  const QString name = vorlage();
  IniSchreiben(VorlagenIni, Sektion, u"WordVorlagenLast"_s, vb::Trim(name));
  const QDateTime jetzt = Clock::now();
  AdressParaSet(u"Datum"_s, vb::Format(jetzt, u"dd.mm.yyyy"_s));
  AdressParaSet(u"Uhrzeit"_s, vb::Format(jetzt, u"hh:nn"_s));

  const QString quelle = ordner_ + u'/' + name;
  const QString ziel = ordner_ + u'/' + txtDatei->Text() + txtSuffix->Text();
  // Without a template nothing can be copied; the dialog stays open whatever the answer.
  if (name.isEmpty()) {
    FehlerMelden(vb::ErrDateiNichtGefunden, kFehler);
    return;
  }
  // No name, or the template itself: nothing would be left to open but the template or a nameless file.
  if (vb::Trim(txtDatei->Text()).isEmpty() || GleicheDatei(quelle, ziel)) {
    MsgBox(u"Bitte geben Sie einen neuen Dateinamen an."_s, vb::vbOKOnly + vb::vbExclamation, Caption());
    return;
  }
  if (DateiVorhanden(ziel)) {
    TonAusgeben(u"#SystemQuestion");
    if (MsgBox(u"Soll das Dokument »"_s + ziel + u"« überschrieben werden?"_s, vb::vbYesNo + vb::vbQuestion) !=
        vb::vbYes)
      return;
  }
  int fehler = 0;
  if (VorlageKopieren(quelle, ziel, &fehler) != KopieErgebnis::Kopiert) {
    FehlerMelden(fehler ? fehler : vb::ErrDateiNichtGefunden, kFehler);
    return;
  }
  LinkOeffnen(QUrl::fromLocalFile(QFileInfo(Paths::aufloesen(ziel)).absoluteFilePath()));
  QCoreApplication::processEvents();
  IniZaehler(VorlagenIni, Sektion, u"DocNummer"_s, 1);
  befAbbrechen_Click();
}

void expWord::mnuDocShow_Click() { LinkOeffnen(QUrl::fromLocalFile(Paths::aufloesen(ordner_))); }

void expWord::mnuVorlageBearbeiten_Click() {
  const QString name = vorlage();
  if (name.isEmpty()) {
    MsgBox(u"Wählen Sie bitte eine Vorlage, welche Sie bearbeiten möchten."_s, vb::vbOKOnly + vb::vbExclamation,
           u"Vorlage bearbeiten"_s);
    return;
  }
  LinkOeffnen(QUrl::fromLocalFile(Paths::aufloesen(ordner_ + u'/' + name)));
}

void expWord::mnuVorlageKopieren_Click() {
  const QString name = vorlage();
  if (name.isEmpty()) {
    MsgBox(u"Wählen Sie bitte eine Vorlage, welche Sie kopieren möchten."_s, vb::vbOKOnly + vb::vbExclamation,
           u"Vorlage kopieren"_s);
    return;
  }
  const QString suffix = txtSuffix->Text();
  const QString basis = name.left(std::max<qsizetype>(0, name.size() - suffix.size()));
  const QString frage = u"Bitte einen Dateinamen für die neue Vorlage eingeben, welche auf der Basis von »"_s + basis +
                        u"« erstellt wird.\r\n\r\nDer Dateiname muss mit einem Unterstrich (_) beginnen."_s;
  const QString quelle = ordner_ + u'/' + name;
  QString vorschlag = basis;
  for (;;) {
    vorschlag = InputBox(frage, u"Neue Vorlage erstellen"_s, vorschlag);
    if (vorschlag.isEmpty()) return;
    vorschlag = Z_DOS::DateinameBereinigen(vorschlag);
    if (!vorschlag.startsWith(u'_')) {
      MsgBox(u"Das erste Zeichen im Dateiname muss ein Unterstrich sein."_s, vb::vbOKOnly + vb::vbExclamation,
             kUngueltig);
      vorschlag.prepend(u'_');
      continue;
    }
    const QString ziel = ordner_ + u'/' + vorschlag + suffix;
    if (vorschlag == basis || GleicheDatei(quelle, ziel)) {
      MsgBox(u"Bitte geben Sie einen neuen Dateinamen an."_s, vb::vbOKOnly + vb::vbExclamation, kUngueltig);
      continue;
    }
    if (DateiVorhanden(ziel) &&
        MsgBox(u"Die Vorlage »"_s + ziel + u"« existiert schon! Soll sie überschrieben werden?"_s,
               vb::vbOKCancel + vb::vbQuestion + vb::vbDefaultButton2, u"Vorlage überschreiben?"_s) != vb::vbOK) {
      vorschlag.clear();
      continue;
    }
    // The old target is replaced only once the copy is whole.
    VorlageKopieren(quelle, ziel);
    Datei->Refresh();
    // The copy stays highlighted, so that the next command works on it without a new choice.
    const QString kopie = vorschlag + suffix;
    for (int i = 0; i < Datei->ListCount(); ++i)
      if (Datei->List(i).compare(kopie, Qt::CaseInsensitive) == 0) Datei->setListIndex(i);
    return;
  }
}

void expWord::mnuVorlageLöschen_Click() {
  const QString name = vorlage();
  if (name.isEmpty()) {
    MsgBox(u"Wählen Sie bitte eine Vorlage, welche Sie löschen möchten."_s, vb::vbOKOnly + vb::vbExclamation,
           u"Vorlage löschen"_s);
  } else if (MsgBox(u"Sind Sie sicher, dass Sie die Vorlage »"_s + name + u"« löschen möchten?"_s,
                    vb::vbOKCancel + vb::vbQuestion + vb::vbDefaultButton2, u"Vorlage löschen?"_s) == vb::vbOK) {
    QFile::remove(Paths::aufloesen(ordner_ + u'/' + name));
  }
  Datei->Refresh();
}

void expWord::txtDatei_KeyPress(int& keyAscii) {
  if (keyAscii >= 32) keyAscii = DokumentzeichenFiltern(QChar(keyAscii)).unicode();
}

void expWord::txtDatei_Change() {
  // Pasted text passes the same filter as typed keys; the caret stays where it was.
  const QString text = txtDatei->Text();
  const QString gefiltert = DokumentnameFiltern(text);
  if (gefiltert == text) return;
  const int start = txtDatei->SelStart();
  txtDatei->setText(gefiltert);
  txtDatei->setSelStart(start);
}
