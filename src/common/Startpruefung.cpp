#include "common/Startpruefung.h"

#include "common/Ini.h"
#include "common/Pfade.h"
#include "common/Text.h"
#include "platform/dienste/Dialogs.h"
#include "platform/dienste/SysInfo.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Vb.h"

#include <QRegularExpression>

namespace {

// Whether the machine's date form reads the text as a date: its three numbers, in the order of day,
// month and year in the form, make a calendar date.
bool datumAkzeptiert(const QString& text, const QString& form) {
  const qsizetype t = form.indexOf(u'd'), m = form.indexOf(u'M'), j = form.indexOf(u'y');
  if (t < 0 || m < 0 || j < 0) return false;
  const QStringList zahlen = text.split(QRegularExpression(QStringLiteral("[^0-9]+")), Qt::SkipEmptyParts);
  if (zahlen.size() != 3) return false;
  std::array<std::pair<qsizetype, char>, 3> ordnung{{{t, 'd'}, {m, 'M'}, {j, 'y'}}};
  std::sort(ordnung.begin(), ordnung.end());
  int tag = 0, monat = 0, jahr = 0;
  for (int i = 0; i < 3; ++i) {
    const int wert = zahlen[i].toInt();
    if (ordnung[i].second == 'd')
      tag = wert;
    else if (ordnung[i].second == 'M')
      monat = wert;
    else
      jahr = wert;
  }
  return QDate(jahr, monat, tag).isValid();
}

}  // namespace

QString LaenderPruefen(int flag) {
  const Regionaleinstellungen r = SysInfo::service().regionaleEinstellungen();
  QString text;
  if (!(r.dezimalzeichen == u"," && r.gruppenzeichen == u"." && r.dezimalzeichen != r.gruppenzeichen))
    text += QStringLiteral(
        "Als Dezimaltrennzeichen sollte ein Komma und als Gruppierungszeichen ein Punkt eingestellt sein. Es "
        "könnte sein, dass Berechnungen und Zahlenformatierungen falsch durchgeführt werden!~~");
  // The date and time as the machine writes them by default.
  const QString jetzt = QLocale::c().toString(Clock::now(), r.datumZeitFormat);
  if (jetzt.mid(2, 1) == u"/" || !datumAkzeptiert(QStringLiteral("31.12.1997"), r.datumZeitFormat))
    text += QStringLiteral(
        "Als Datumsformat sollte die Form tt.mm.jjjj gewählt werden. Es könnte sein, dass Berechnungen und "
        "Formatierungen falsch durchgeführt werden!~~");
  if (!text.isEmpty()) {
    text = QStringLiteral(
               "Die Software erwartet eine Ländereinstellung, wie sie im deutschsprachigen Gebiet üblich "
               "ist.~~") +
           text +
           QStringLiteral(
               "Die Einstellungen können Sie innerhalb der Systemsteuerung / Ländereinstellungen "
               "vornehmen.");
    if (flag != 0) text += QStringLiteral("~~Diesen Hinweis als Erinnerung weiterhin anzeigen?");
    text = Ersetzen(text, QStringLiteral("~"), QStringLiteral("\r\n"));
  }
  if (!text.isEmpty() && flag != 0 &&
      vb::Val(IniLesen(QString(), QStringLiteral("Allgemein"), QStringLiteral("LänderHinweis"), QStringLiteral("1"))) !=
          0) {
    if (MsgBox(text, vb::vbYesNo + vb::vbCritical, QStringLiteral("Ländereinstellung")) == vb::vbNo)
      IniSchreiben(QString(), QStringLiteral("Allgemein"), QStringLiteral("LänderHinweis"), QStringLiteral("0"));
  }
  return text;
}
