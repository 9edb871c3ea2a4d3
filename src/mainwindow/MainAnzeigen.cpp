// Showing the selected record in the field boxes and storing the boxes back into the record table.
#include "common/Global.h"
#include "mainwindow/Main.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Vb.h"
#include "store/Datensatz.h"
#include "store/Index.h"

#include <cmath>

namespace {

QString AlterText(const QDate& geburt, const QDate& heute) {
  int m = vb::MonateZwischen(geburt, heute);
  const int y = static_cast<int>(std::floor(m / 12.0));
  m -= 12 * y;
  const QString jahre = y < 1 ? QString() : y == 1 ? QStringLiteral("1 Jahr") : QStringLiteral("%1 Jahre").arg(y);
  const QString monate = m < 1 ? QString() : m == 1 ? QStringLiteral("1 Monat") : QStringLiteral("%1 Monate").arg(m);
  QString text = jahre;
  if (!jahre.isEmpty() && !monate.isEmpty()) text += QStringLiteral(" und\r\n");
  text += monate;
  if (y + m > 0) text += QStringLiteral(" alt");
  return text;
}

QString TageText(const QString& datum, const QDate& heute) {
  const QDate d = vb::CDate(datum);
  if (d.isValid()) return QStringLiteral("%1 Tg.").arg(d.daysTo(heute));
  return QStringLiteral(">%1 Tg.").arg(QDate(1995, 9, 1).daysTo(heute));
}

}  // namespace

void Main::AdresseAnzeigen() {
  const int index = Liste->ListIndex();
  const QDate heute = Clock::today();
  if (index < 0) {
    for (int i = 0; i < 24; ++i) Feld(i).setText(QString());
  } else {
    const Felder felder = FelderAusZeile(Liste->List(index));
    // An empty field 0 is stored as one blank (a record line never begins with a TAB); the box shows it
    // empty, so that typed text does not begin with that blank.
    for (int i = 0; i < 24; ++i) Feld(i).setText(i == 0 && felder[0] == u" " ? QString() : felder[i]);
    const QDate geburt = vb::CDate(Feld(20).Text());
    bezInfo2(20).setCaption(geburt.isValid() ? AlterText(geburt, heute) : QString());
    bezZeit1->setCaption(TageText(Feld(15).Text(), heute));
    bezZeit2->setCaption(TageText(Feld(16).Text(), heute));
  }
  StatusBar->setPanelText(QStringLiteral("Position"),
                          QStringLiteral(" Pos. %1 von %2 ").arg(index + 1).arg(Liste->ListCount()));
  StatusBar->setPanelText(QStringLiteral("Unsaved"), Geaendert != 0 ? QStringLiteral(" * ") : QString());
  StatusBar->setPanelText(QStringLiteral("Index"),
                          QStringLiteral(" #%1 ").arg(vb::Format(vb::Val(Feld(23).Text()), QStringLiteral("#"))));
  StatusBar->setPanelText(QStringLiteral("Status"), QStringLiteral("Bereit"));
  LeerlaufSekunden = 0;
}

void Main::AdresseAktualisieren(short stamp) {
  Geaendert = 1;
  Felder felder = FeldTexte();
  const int index = Liste->ListIndex();
  if (stamp == 0) {
    // Only a real change of another field stamps the change date.
    bool geaendert = index < 0;
    if (!geaendert) {
      const Felder alt = FelderAusZeile(Liste->List(index));
      const Felder neu = FelderAusZeile(DatensatzBauen(felder));
      for (int i = 0; i < 24 && !geaendert; ++i)
        if (i != 16 && alt[i] != neu[i]) geaendert = true;
    }
    if (geaendert) {
      Feld(16).setText(vb::DatumText(Clock::today()));
      felder[16] = Feld(16).Text();
    }
  }
  if (index < 0) {
    // Typing into an empty list makes a record as the new-record command does: created today, with the
    // next running index.
    felder[15] = vb::DatumText(Clock::today());
    felder[16] = felder[15];
    felder[23] = QString::number(NeuerIndex(1) - 1);
  }
  const int grenze = Feld11Grenze(felder);
  Feld(11).setTypingBlocked(grenze <= 0);
  if (grenze > 0) Feld(11).setMaxLength(grenze);
  const QString zeile = DatensatzBauen(felder);
  if (index < 0) {
    Liste->AddItem(zeile);
    Liste->setListIndex(Liste->ListCount() - 1);
    AdresseAnzeigen();
  } else if (Liste->List(index) != zeile) {
    Liste->setList(index, zeile);
    AdresseAnzeigen();
  }
}

void Main::Liste_Click() {
  AktuellerDatensatz = Liste->List(Liste->ListIndex());
  AdresseAnzeigen();
  // A box's own undo belongs to the record it was typed in: it must not bring back another's text.
  for (int i = 0; i < 24; ++i) Feld(i).UndoVerlaufLeeren();
}

void Main::Liste_DblClick() { Feld(1).SetFocus(); }
