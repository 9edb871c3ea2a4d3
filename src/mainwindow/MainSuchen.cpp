// The text search of the main window: the search box, its timer, Enter and the menu command.
#include "common/Global.h"
#include "common/Pfade.h"
#include "common/Ton.h"
#include "mainwindow/Main.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Keys.h"
#include "platform/vb/Vb.h"
#include "store/Suchen.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <cmath>

void Main::TextSuchen() {
  // A search that lets waiting events run must not be entered again from them.
  if (sucheAktiv_) return;
  sucheAktiv_ = true;
  const bool ohneTrenner = vb::ShiftKey() != 0;
  TxtSuche->setForeColor(QColor(128, 0, 255));
  TxtSuche->editor()->repaint();
  const QString titel =
      (ohneTrenner ? QStringLiteral("Text-Suche") : QStringLiteral("Suche")) + QStringLiteral(" Adresse...");
  StatusBar->setPanelText(QStringLiteral("Status"), titel);
  StatusBar->Refresh();

  const QString suchtext = vb::Trim(TxtSuche->Text());
  const SatzSuche suche(suchtext, ohneTrenner);
  qint64 naechsteAnzeige = Clock::tickMs() - 1;
  const int gefunden = AdresseSuchen(*Bestand, suche, Liste->ListIndex(), [&](qsizetype k, qsizetype n) {
    const qint64 jetzt = Clock::tickMs();
    if (jetzt <= naechsteAnzeige) return true;
    naechsteAnzeige = jetzt + 250;
    const long prozent = std::lround(std::fabs(100.0 * static_cast<double>(k) / static_cast<double>(n) - 1));
    StatusBar->setPanelText(QStringLiteral("Status"), titel + QString::number(prozent) + u'%');
    StatusBar->Refresh();
    // Timers and repaints may run; what the user types or clicks waits until the search is over.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return true;
  });
  const bool tabelleGeaendert = gefunden == kSucheAbgebrochen;
  // No terms in an empty table count as found, with nothing to select.
  const bool treffer = gefunden >= 0 || (gefunden == -1 && suche.anzahl() == 0);
  if (gefunden >= 0) {
    Liste->setListIndex(gefunden);
    AktuellerDatensatz = Bestand->Zeile(gefunden);
    AdresseAnzeigen();
    TxtSuche->setSelStart(static_cast<int>(TxtSuche->Text().size()));
    TxtSuche->SetFocus();
  }
  if (treffer && !tabelleGeaendert) {
    StatusBar->setPanelText(QStringLiteral("Status"), QStringLiteral("Bereit"));
    TxtSuche->setForeColor(Feld(1).ForeColor());
    QString ton = ProgrammOrdner() + QStringLiteral("/Sgn_Jo.Wav");
    TonAusgeben(ton);
  } else {
    StatusBar->setPanelText(QStringLiteral("Status"),
                            QStringLiteral("Gesuchten Text »") + suchtext + QStringLiteral("« nicht gefunden."));
    TxtSuche->setForeColor(QColor(255, 0, 0));
    QString ton = ProgrammOrdner() + QStringLiteral("/Sgn_No.Wav");
    TonAusgeben(ton);
  }
  sucheAktiv_ = false;
}

void Main::PulSuchen_Click() {
  if (sucheAktiv_) return;
  const int i = (FeldIndex >= 0 && FeldIndex <= 23) ? FeldIndex : 0;
  QString text = Feld(i).SelText();
  if (text.isEmpty()) text = Feld(i).Text();
  if (FeldFokus == 1) TxtSuche->setText(text);
  TxtSuche->SetFocus();
  FeldFokus = 0;  // as the box's GotFocus does, also when the window is not active
  TextSuchen();
  // The text has just been searched: the timer that its change started would search it a second time,
  // move on to the next hit and put the cursor behind the text that is meant to stay selected.
  zeitSuche->setEnabled(false);
  TxtSuche->setSelStart(0);
  TxtSuche->setSelLength(static_cast<int>(TxtSuche->Text().size()));
}

void Main::TxtSuche_Change() { zeitSuche->setEnabled(true); }

void Main::zeitSuche_Timer() {
  // A search still running: tick again later, so that what was typed meanwhile is searched then.
  if (SucheLaeuft != 0 || sucheAktiv_) return;
  zeitSuche->setEnabled(false);
  if (TxtSuche->Text().isEmpty()) return;
  SucheLaeuft = 1;
  TextSuchen();
  SucheLaeuft = 0;
}

void Main::TxtSuche_KeyPress(int& keyAscii) {
  if (keyAscii == 13) {
    keyAscii = 0;
    TextSuchen();
  }
}

void Main::TxtSuche_DblClick() { TxtSuche->setText(QString()); }

void Main::TxtSuche_GotFocus() { FeldFokus = 0; }

void Main::TxtSuche_KeyUp(int&, int) {}

void Main::SucheVerbinden() {
  TxtSuche->Change = [this] { TxtSuche_Change(); };
  TxtSuche->KeyPress = [this](int& k) { TxtSuche_KeyPress(k); };
  TxtSuche->KeyUp = [this](int& k, int s) { TxtSuche_KeyUp(k, s); };
  TxtSuche->DblClick = [this] { TxtSuche_DblClick(); };
  TxtSuche->GotFocus = [this] { TxtSuche_GotFocus(); };
  zeitSuche->Tick = [this] { zeitSuche_Timer(); };
}
