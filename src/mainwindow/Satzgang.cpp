#include "mainwindow/Satzgang.h"

#include "mainwindow/Main.h"
#include "platform/dienste/Zufall.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <cmath>

namespace {
constexpr qint64 kTaktMs = 50;
const QString kStatus = QStringLiteral("Status");
}  // namespace

Satzgang::Satzgang(Main& fenster) : m_(fenster) { uhr_.start(); }

Satzgang::Satzgang(Main& fenster, const QString& status) : Satzgang(fenster) { beginnen(status); }

Satzgang::~Satzgang() { beenden(); }

void Satzgang::beenden() {
  if (!begonnen_) return;
  begonnen_ = false;
  zeigerZurueck();
  m_.StatusBar->setPanelText(kStatus, QStringLiteral("Bereit"));
  m_.StatusBar->Refresh();
}

void Satzgang::beginnen(const QString& status) {
  begonnen_ = true;
  if (!sanduhr_) sanduhr_.emplace();
  text_ = status;
  m_.StatusBar->setPanelText(kStatus, text_);
  m_.ProgressBar->setValue(0);
  m_.ProgressBar->setVisible(true);
  zeichnen();
}

bool Satzgang::faellig() { return uhr_.elapsed() - letztesZeichnen_ >= kTaktMs; }

void Satzgang::zeichnen() {
  letztesZeichnen_ = uhr_.elapsed();
  ungezeichnet_ = false;
  m_.StatusBar->Refresh();
  if (m_.ProgressBar->isVisible()) m_.ProgressBar->Refresh();
}

void Satzgang::status(const QString& text) {
  text_ = text;
  m_.StatusBar->setPanelText(kStatus, text_);
  if (faellig())
    zeichnen();
  else
    ungezeichnet_ = true;
}

void Satzgang::satzGezeigt() { m_.StatusBar->setPanelText(kStatus, text_); }

void Satzgang::fortschritt(double prozent) {
  if (!std::isfinite(prozent)) return;
  const int wert = static_cast<int>(std::lround(prozent));
  if (wert == m_.ProgressBar->Value()) return;
  m_.ProgressBar->setValue(wert);
  if (faellig())
    zeichnen();
  else
    ungezeichnet_ = true;
}

void Satzgang::fortschritt(qsizetype k, qsizetype n) {
  if (n < 2) return;
  fortschritt(100.0 * static_cast<double>(k) / static_cast<double>(n - 1));
}

void Satzgang::zufallsFortschritt(qsizetype k, qsizetype n) {
  if (Zufall::Rnd() > 0.9) fortschritt(k, n);
}

void Satzgang::ereignisse() {
  const qint64 jetzt = uhr_.elapsed();
  if (jetzt - letzteEreignisse_ < kTaktMs) return;
  letzteEreignisse_ = jetzt;
  if (ungezeichnet_) zeichnen();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Satzgang::zeigerZurueck() {
  sanduhr_.reset();
  if (ungezeichnet_) zeichnen();
  m_.ProgressBar->setVisible(false);
}
