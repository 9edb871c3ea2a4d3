#include "exchange/formen/expEMAIL.h"

#include "common/Global.h"
#include "common/Hilfe.h"
#include "common/Pfade.h"
#include "common/Ton.h"
#include "exchange/ExterneProgramme.h"
#include "exchange/Serienmail.h"
#include "platform/dienste/Dialogs.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Fonts.h"
#include "platform/vb/Sanduhr.h"

#include <QCoreApplication>
#include <QLayout>
#include <QMenuBar>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kHilfe = 253;
// The design's inner size.
constexpr int kBreite = 9000;
constexpr int kHoehe = 7200;

}  // namespace

std::function<void(const QString&, const QString&)> expEMAIL::Uebergabe = ExterneProgramme::EmailDateienAnOutlook;

void expEMAIL::platz(QWidget* w, int l, int t, int b, int h) {
  twips_[w] = QRect(l, t, b, h);
  Twips::setzen(w, l, t, b, h);
}

expEMAIL::expEMAIL() {
  setObjectName(u"expEMAIL"_s);
  setCaption(u"eMails versenden"_s);
  setFont(Fonts::schrift(u"MS Sans Serif"_s, 8.25));
  setProperty("HelpContextID", kHilfe);
  setBorderStyle(2);

  flaeche_ = vb::MenueLeisteUndFlaeche(this, Menue);

  auto beschriftung = [](QWidget* eltern, const QString& name, const QString& text) {
    auto* b = new vb::Label(eltern);
    b->setObjectName(name);
    b->setCaption(text);
    return b;
  };
  auto textfeld = [](QWidget* eltern, const QString& name, bool mehrzeilig) {
    auto* t = new vb::TextBox(eltern, mehrzeilig);
    t->setObjectName(name);
    if (mehrzeilig) t->setScrollBars(2);
    return t;
  };

  Rahmen1 = new vb::Frame(flaeche_);
  Rahmen1->setObjectName(u"Rahmen1"_s);
  Rahmen1->setCaption(u"Liste verfügbarer eMail-Kartulon"_s);
  platz(Rahmen1, 120, 60, 8760, 2880);
  bezMarkiere = beschriftung(Rahmen1, u"bezMarkiere"_s, u"Markiere"_s);
  platz(bezMarkiere, 120, 330, 855, 255);
  bezUnd = beschriftung(Rahmen1, u"bezUnd"_s, u"und"_s);
  platz(bezUnd, 2295, 330, 375, 255);
  for (int i = 0; i < 2; ++i) {
    auto* t = textfeld(Rahmen1, u"txtSuch_%1"_s.arg(i), false);
    t->setMaxLength(8);
    platz(t, i == 0 ? 1020 : 2715, 285, 1215, 315);
    txtSuch.set(i, t);
  }
  befGetEmailList = new vb::CommandButton(Rahmen1);
  befGetEmailList->setObjectName(u"befGetEmailList"_s);
  befGetEmailList->setCaption(u"&Neuwahl"_s);
  platz(befGetEmailList, 4080, 255, 1215, 375);
  Liste = new vb::ListBox(Rahmen1);
  Liste->setObjectName(u"Liste"_s);
  Liste->setMitMarken(true);
  Liste->setHorizontalScrollen(true);  // an address line is wider than the list
  platz(Liste, 120, 720, 8520, 2040);

  Rahmen2 = new vb::Frame(flaeche_);
  Rahmen2->setObjectName(u"Rahmen2"_s);
  Rahmen2->setCaption(u"Die (Serien-) eMail"_s);
  platz(Rahmen2, 120, 3000, 8760, 3960);
  bezPlatzhalter = beschriftung(Rahmen2, u"bezPlatzhalter"_s, u"Verfügbare Platzhalter"_s);
  platz(bezPlatzhalter, 120, 270, 1815, 255);
  ListeFelder = new vb::ListBox(Rahmen2);
  ListeFelder->setObjectName(u"ListeFelder"_s);
  ListeFelder->setSorted(true);
  ListeFelder->setHorizontalScrollen(true);  // the longest captions are wider than the list
  platz(ListeFelder, 120, 540, 1815, 3300);
  const char16_t* tipps[] = {u"Feld ins in den Text kopieren", u"Feld ins Subjekt / Betreff kopieren"};
  for (int i = 1; i >= 0; --i) {
    auto* b = new vb::CommandButton(Rahmen2);
    b->setObjectName(u"befFeldEinfg_%1"_s.arg(i));
    b->setCaption(u">"_s);
    b->setToolTip(QString::fromUtf16(tipps[i]));
    platz(b, 2010, i == 1 ? 540 : 960, 315, 315);
    b->Click = [this, i] { befFeldEinfg_Click(i); };
    befFeldEinfg.set(i, b);
  }
  bezMail = beschriftung(Rahmen2, u"bezMail"_s, u"Die Mail"_s);
  platz(bezMail, 2400, 270, 1500, 255);
  Bezeichnung3 = beschriftung(Rahmen2, u"Bezeichnung3"_s, u"Die Vorschau"_s);
  platz(Bezeichnung3, 5580, 270, 1500, 255);
  for (int i = 1; i >= 0; --i) {
    const bool koerper = i == 0;
    auto* vorlage = textfeld(Rahmen2, u"Text1_%1"_s.arg(i), koerper);
    vorlage->setMaxLength(koerper ? 999 : 75);
    platz(vorlage, 2400, koerper ? 960 : 540, 3060, koerper ? 2880 : 315);
    vorlage->Change = [this, i] { Text1_Change(i); };
    Text1.set(i, vorlage);
    auto* vorschau = textfeld(Rahmen2, u"Text2_%1"_s.arg(i), koerper);
    vorschau->setLocked(true);
    platz(vorschau, 5580, koerper ? 960 : 540, 3060, koerper ? 2880 : 315);
    Text2.set(i, vorschau);
  }

  ProgressBar = new vb::ProgressBar(flaeche_);
  ProgressBar->setObjectName(u"ProgressBar"_s);
  ProgressBar->setRange(0, 100);
  ProgressBar->setTextVisible(false);
  ProgressBar->setVisible(false);
  platz(ProgressBar, 0, kHoehe - 240, kBreite, 240);

  ZeitInit = new vb::Timer(this);
  ZeitInit->setObjectName(u"ZeitInit"_s);
  ZeitInit->setInterval(333);
  ZeitInit->setEnabled(false);
  ZeitInit->Tick = [this] { ZeitInit_Timer(); };

  const std::vector<vb::MenuZeile> tabelle = {
      {u""_s, u"mnueMails"_s, -1, u"&eMails"_s, QKeySequence(), {}},
      {u"mnueMails"_s, u"mnueMailSend"_s, -1, u"An »&Outlook Express 4« übergeben"_s, QKeySequence(Qt::Key_F5),
       [this](int) { mnuEmailSend_Click(); }},
      {u"mnueMails"_s, u"mnuStrich"_s, -1, u"-"_s, QKeySequence(), {}},
      {u"mnueMails"_s, u"mnuEnde"_s, -1, u"&Zurück"_s, QKeySequence(Qt::Key_F12), [this](int) { mnuEnde_Click(); }},
  };
  menue_ = std::make_unique<vb::MenuBaum>(this, Menue, tabelle);
  mnueMailSend = menue_->item(u"mnueMailSend"_s);
  mnuEnde = menue_->item(u"mnuEnde"_s);

  befGetEmailList->Click = [this] { befGetEmailList_Click(); };
  Liste->Click = [this] { Liste_Click(); };
  ListeFelder->DblClick = [this] { ListeFelder_DblClick(); };

  setTabOrder(txtSuch(0).editor(), txtSuch(1).editor());
  setTabOrder(txtSuch(1).editor(), befGetEmailList);
  setTabOrder(befGetEmailList, Liste);
  setTabOrder(Liste, ListeFelder);
  setTabOrder(ListeFelder, &befFeldEinfg(1));
  setTabOrder(&befFeldEinfg(1), &befFeldEinfg(0));
  setTabOrder(&befFeldEinfg(0), Text1(1).editor());
  setTabOrder(Text1(1).editor(), Text1(0).editor());
  setTabOrder(Text1(0).editor(), Text2(1).editor());
  setTabOrder(Text2(1).editor(), Text2(0).editor());

  resize(Twips::zuPixel(kBreite), Twips::zuPixel(kHoehe) + Menue->sizeHint().height());
}

void expEMAIL::Form_Load() {
  if (vb::FormBase* haupt = vb::Forms::Hauptformular()) setWindowIcon(haupt->widget()->windowIcon());
  for (int k = 0; k < 2; ++k) {
    Text1(k).setText(EmailVorlageLesen(AktuelleDatei, k));
    Text1(k).setSelStart(static_cast<int>(Text1(k).Text().size()));
  }
  // Nothing is marked before the list is built.
  mnueMailSend->setEnabled(false);
  ZeitInit->setEnabled(true);
}

void expEMAIL::DatenUebernehmen(const QStringList& zeilen, const Bezeichnungen& bezeichnungen) {
  zeilen_ = zeilen;
  bezeichnungen_ = bezeichnungen;
  ListeFelder->setItems(QStringList(bezeichnungen.begin(), bezeichnungen.end()));
  VorschauAktualisieren(0);
  VorschauAktualisieren(1);
}

void expEMAIL::Form_QueryUnload(int& cancel, int mode) {
  if (mode != 0) return;
  cancel = 1;
  // While mails go out the close box does nothing: the batch must not lose its window.
  if (!sendet_) mnuEnde_Click();
}

void expEMAIL::Form_Resize() {
  // The surface below the menu bar takes its new size first.
  if (layout()) layout()->activate();
  const int breite = Twips::ausPixel(flaeche_->width());
  const int hoehe = Twips::ausPixel(flaeche_->height());
  if (breite > 4000) {
    tw(Rahmen1).setWidth(breite - 2 * tw(Rahmen1).left());
    tw(Liste).setWidth(tw(Rahmen1).width() - 2 * tw(Liste).left());
    tw(Rahmen2).setWidth(tw(Rahmen1).width());
    const int w = (tw(Rahmen2).width() - tw(&Text1(0)).left() - 240) / 2;
    for (int k = 0; k < 2; ++k) {
      tw(&Text1(k)).setWidth(w);
      tw(&Text2(k)).setWidth(w);
      tw(&Text2(k)).moveLeft(tw(&Text1(k)).left() + w + 120);
    }
    tw(Bezeichnung3).moveLeft(tw(&Text2(1)).left());
    tw(ProgressBar).setWidth(breite);
  }
  if (hoehe > 4000) {
    tw(Rahmen1).setHeight(static_cast<int>(hoehe / 2.5));
    tw(Liste).setHeight(tw(Rahmen1).height() - tw(Liste).top() - 120);
    tw(Rahmen2).moveTop(2 * tw(Rahmen1).top() + tw(Rahmen1).height());
    tw(Rahmen2).setHeight(hoehe - tw(Rahmen2).top() - 240);
    for (QWidget* w :
         {static_cast<QWidget*>(ListeFelder), static_cast<QWidget*>(&Text1(0)), static_cast<QWidget*>(&Text2(0))})
      tw(w).setHeight(tw(Rahmen2).height() - tw(w).top() - 120);
    tw(ProgressBar).moveTop(hoehe - 240);
  }
  for (auto it = twips_.cbegin(); it != twips_.cend(); ++it)
    Twips::setzen(it.key(), it->left(), it->top(), it->width(), it->height());
}

void expEMAIL::ZeitInit_Timer() {
  ZeitInit->setEnabled(false);
  befGetEmailList_Click();
}

void expEMAIL::befGetEmailList_Click() {
  Sanduhr sanduhr;
  ProgressBar->setValue(0);
  ProgressBar->setVisible(true);
  Liste->Clear();
  EmailListe liste = EmailListeBauen(zeilen_, txtSuch(0).Text(), txtSuch(1).Text(), [this](int prozent) {
    ProgressBar->setValue(prozent);
    ProgressBar->Refresh();
  });
  Liste->setItemsMitMarken(liste.eintraege, std::move(liste.markiert));
  if (Liste->ListCount() > 0)
    Liste->setListIndex(0);
  else
    Liste_Click();
  ProgressBar->setVisible(false);
}

void expEMAIL::Liste_Click() {
  const int n = Liste->SelCount();
  Rahmen1->setCaption(QString::number(n) + u" von "_s + QString::number(Liste->ListCount()) +
                      u" eMail-Kartulon ausgewählt"_s);
  mnueMailSend->setEnabled(n != 0 && !sendet_);
  VorschauAktualisieren(0);
  VorschauAktualisieren(1);
}

void expEMAIL::VorschauAktualisieren(int index) {
  if (!Text1.has(index) || !Text2.has(index)) return;
  const int position = Liste->ListIndex() >= 0 ? EmailEintragPosition(Liste->List(Liste->ListIndex())) : 0;
  DatensatzZerlegen(position >= 0 && position < zeilen_.size() ? zeilen_[position] : QString());
  Text2(index).setText(EmailVorschau(Text1(index).Text(), DatenFeld, bezeichnungen_, index));
}

void expEMAIL::befFeldEinfg_Click(int index) {
  const int i = ListeFelder->ListIndex();
  if (i < 0) return;
  Text1(index).setSelText(u'{' + ListeFelder->List(i) + u"} "_s);
  Text1(index).SetFocus();
  ListeFelder->setListIndex(-1);
}

void expEMAIL::mnuEmailSend_Click() {
  if (sendet_ || Liste->SelCount() == 0) return;
  for (int k = 0; k < 2; ++k) EmailVorlageSpeichern(AktuelleDatei, k, Text1(k).Text());

  sendet_ = true;
  mnueMailSend->setEnabled(false);
  Liste->setEnabled(false);
  ProgressBar->setValue(0);
  ProgressBar->setVisible(true);
  const QString ordner = ProgrammOrdner();
  const int anzahl = Liste->ListCount();
  for (int i = 0; i < anzahl; ++i) {
    if (anzahl >= 2) ProgressBar->setValue(i * 100 / (anzahl - 1));
    if (!Liste->Selected(i)) continue;
    Liste->setListIndex(i);  // rebuilds both previews and splits this record
    // A file that cannot be written is missing from the hand-over; the others go.
    EmailDateiSchreiben(EmailDateiName(ordner, Clock::now(), i), DatenFeld[14], Text2(1).Text(), Text2(0).Text());
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  ProgressBar->setVisible(false);
  if (Uebergabe) Uebergabe(ordner, u"X-eMail-*.txt"_s);
  sendet_ = false;
  Liste->setEnabled(true);
  Liste_Click();

  Warten(static_cast<float>(ExterneProgramme::pausen().vorFrage) / 1000.0f);
  TonAusgeben(u"#SystemExclamation");
  if (MsgBox(u"Möchten Sie weitere eMails schreiben?"_s, vb::vbYesNo + vb::vbQuestion + vb::vbDefaultButton2,
             u"Weitere eMails?"_s) != vb::vbYes)
    mnuEnde_Click();
}
