#pragma once
// The frame of the data tools' walks over the record table, used by every one of them:
// - beginnen(): the hourglass, the walk's text in the status panel "Status" redrawn at once, the
//   progress bar shown;
// - status(), fortschritt(), zufallsFortschritt(): texts and the bar as the walk goes on; both are
//   redrawn at once, but in a fast run at most every 50 ms, so that 32000 records cost no 32000 paints;
// - ereignisse(): for the walks that show each record, waiting events run (repaints, timers) with user
//   input held back, so that nothing can change the record table under the walk; at most every 50 ms;
// - on every way out (the object going, also on an early return): the normal pointer, the bar hidden,
//   "Bereit" in "Status". zeigerZurueck() does the first two early, before a closing report.
#include "platform/vb/Sanduhr.h"

#include <QElapsedTimer>
#include <QString>
#include <optional>

class Main;

class Satzgang {
 public:
  explicit Satzgang(Main& fenster);
  Satzgang(Main& fenster, const QString& status);
  ~Satzgang();
  Satzgang(const Satzgang&) = delete;
  Satzgang& operator=(const Satzgang&) = delete;

  void beginnen(const QString& status);
  // The text in "Status"; the walk's text from here on.
  void status(const QString& text);
  // Showing a record writes "Bereit" into "Status": the walk's text goes back in.
  void satzGezeigt();
  // The bar at the percentage; a value that cannot be computed leaves it as it is.
  void fortschritt(double prozent);
  // The bar at 100 × k / (n − 1): with one record there is nothing to compute and it stays.
  void fortschritt(qsizetype k, qsizetype n);
  // The same, but only when the random service gives more than 0.9: about one record in ten.
  void zufallsFortschritt(qsizetype k, qsizetype n);
  void ereignisse();
  // The normal pointer and the bar hidden, before the walk's report; "Bereit" follows at the end.
  void zeigerZurueck();
  // The end now: the normal pointer, the bar hidden, "Bereit" redrawn (until the next beginnen()).
  void beenden();

 private:
  bool faellig();
  void zeichnen();
  Main& m_;
  bool begonnen_ = false;
  QString text_;
  std::optional<Sanduhr> sanduhr_;
  QElapsedTimer uhr_;
  qint64 letztesZeichnen_ = -1000;
  qint64 letzteEreignisse_ = -1000;
  bool ungezeichnet_ = false;
};
