#include "datatools/Telefonlisten.h"

#include "common/Global.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "common/Text.h"
#include "common/Token.h"
#include "platform/vb/Vb.h"
#include "store/CallByCall.h"
#include "store/Datensatz.h"

#include <cmath>

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kZiffern = QStringLiteral("0123456789");

QString d2Fehler() { return QStringLiteral("Es ist ein Fehler aufgetreten. ") + D2Titel(); }
QString tiptelFehler() { return QStringLiteral("Es ist ein Fehler aufgetreten. ") + TiptelTitel(); }

}  // namespace

QString D2Titel() { return QStringLiteral("D2-CardServer-V1.0-Liste exportieren"); }

QString D2Aufforderung(const QString& bezeichnungFeld9) {
  return QStringLiteral(
             "Geben Sie bitte eine Exportdatei an.\r\n\r\nEs werden alle Rufnummern exportiert in "
             "dessen »") +
         bezeichnungFeld9 + QStringLiteral("« der Text »Mob« vorkommt.");
}

QString D2Vorschlag() {
  return IniLesen(QString(), QString(), QStringLiteral("Export_D2Liste"),
                  ProgrammOrdner() + QStringLiteral("/ExpD2Card.txt"));
}

int Speicherplatz(const QString& feld9) {
  qsizetype s = -1;
  for (qsizetype i = 0; i < feld9.size() && s < 0; ++i)
    if (feld9[i] == u'S' || feld9[i] == u's') s = i;
  if (s < 0) return 0;
  // Read as a number and kept as a whole one, as a slot is a memory place.
  const double wert = std::nearbyint(vb::Val(feld9.mid(s + 1, 2)));
  return wert > 0 ? static_cast<int>(wert) : 0;
}

QString InternationaleNummer(const QString& nummer) {
  QString n = NurZeichen(nummer, QStringLiteral("+0123456789"));
  if (n.startsWith(QLatin1String("+00"))) n.replace(0, 3, u'+');
  if (n.startsWith(QLatin1String("00"))) n.replace(0, 2, u'+');
  if (n.startsWith(u'0')) n.replace(0, 1, QStringLiteral("+49"));
  return n;
}

QString D2ListeText(const QStringList& zeilen, int* anzahl, const Satzfortschritt& fortschritt) {
  struct Nummer {
    int feld;
    QString zusatz;
    int versatz;
  };
  const Nummer nummern[] = {{7, QString(), 0}, {12, QStringLiteral(" Mob"), 50}};
  QString text;
  int zaehler = 200;
  int exportiert = 0;
  const int n = static_cast<int>(zeilen.size());
  for (int i = 0; i < n; ++i) {
    if (fortschritt) fortschritt(i);
    const Felder feld = FelderAusZeile(Auf1252(zeilen[i]));
    if (!feld[9].contains(QLatin1String("mob"), Qt::CaseInsensitive)) continue;
    const QString name = vb::Trim(vb::Trim(vb::Trim(feld[1]) + u' ' + feld[2]) + u' ' + feld[10]);
    const int platz = Speicherplatz(feld[9]);
    for (const Nummer& nr : nummern) {
      const QString international = InternationaleNummer(feld[nr.feld]);
      if (international.isEmpty()) continue;
      ++zaehler;
      const int position = platz > 0 ? platz + nr.versatz : zaehler;
      text += international + u'\t' + name.left(17 - nr.zusatz.size()) + nr.zusatz + u'\t' + u' ' +
              QString::number(position) + u' ' + kCrLf;
      ++exportiert;
    }
  }
  if (anzahl) *anzahl = exportiert;
  return text;
}

Exportergebnis D2ListeExportieren(const QStringList& zeilen, const QString& datei, const Satzfortschritt& fortschritt) {
  if (const QString nein = ExportzielAbweisung(datei); !nein.isEmpty()) return Abweisung(nein, D2Titel());
  int anzahl = 0;
  const QString text = D2ListeText(zeilen, &anzahl, fortschritt);
  if (!ExportSchreiben(Exportpfad(datei), Exportbytes(text), d2Fehler()))
    return {Exportstand::Fehlgeschlagen, 0, {}, D2Titel()};
  IniSchreiben(QString(), QString(), QStringLiteral("Export_D2Liste"), datei);
  return {Exportstand::Geschrieben, anzahl,
          QString::number(anzahl) + QStringLiteral(" Nummern nach »") + datei + QStringLiteral("« exportiert."),
          D2Titel()};
}

QString TiptelTitel() { return QStringLiteral("Tiptel 195 Telefonregister 1000 exportieren"); }

QString TiptelIni() { return ProgrammOrdner() + QStringLiteral("/Export_TeleTiptel195.ini"); }

QString TiptelAufforderung() {
  return QStringLiteral(
             "Geben Sie bitte eine Exportdatei an.\r\n\r\nWeitere Einstellmöglichkeiten finden Sie "
             "in der Datei »") +
         TiptelIni() + QStringLiteral("«.");
}

QString TiptelVorschlag() {
  return IniLesen(TiptelIni(), QStringLiteral("Export"), QStringLiteral("Datei"), QString());
}

QString TiptelRegisterText(const QStringList& zeilen, const Satzfortschritt& fortschritt) {
  struct Nummer {
    int feld;
    QString zusatz;
  };
  const Nummer nummern[] = {{7, QString()}, {12, QStringLiteral(" (Mob)")}, {13, QStringLiteral(" (Dat)")}};
  const CallByCallTabelle callByCall;
  const QString auffuellung = vb::Space(99);
  QString text;
  const int n = static_cast<int>(zeilen.size());
  for (int i = 0; i < n; ++i) {
    if (fortschritt) fortschritt(i);
    const Felder feld = FelderAusZeile(Auf1252(zeilen[i]));
    if (feld[7].isEmpty() && feld[12].isEmpty() && feld[13].isEmpty()) continue;
    const QString name = Ersetzen(Ansi2Ascii(vb::Trim(feld[1] + u' ' + feld[2] + u' ' + feld[10])),
                                  QStringLiteral("  "), QStringLiteral(" "));
    for (const Nummer& nr : nummern) {
      const QString& wert = feld[nr.feld];
      if (wert.isEmpty()) continue;
      const QString nummer = callByCall.vorwahl(wert, 0) + NurZeichen(wert, kZiffern);
      const QString zeile = (name + auffuellung).left(20 - nr.zusatz.size()) + nr.zusatz;
      text += vb::Trim(zeile) + kCrLf + nummer + kCrLf + kCrLf;
    }
  }
  const QString ini = TiptelIni();
  for (int k = 0; k <= 99; ++k) {
    QString eintrag =
        IniLesen(ini, QStringLiteral("Manuel"), QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0')), QString());
    if (eintrag.isEmpty()) continue;
    TextZerlegen(eintrag, QStringLiteral(";"));
    text += Token[1] + kCrLf + Token[2] + kCrLf + kCrLf;
  }
  return text;
}

Exportergebnis TiptelRegisterExportieren(const QStringList& zeilen, const QString& datei,
                                         const Satzfortschritt& fortschritt) {
  if (const QString nein = ExportzielAbweisung(datei); !nein.isEmpty()) return Abweisung(nein, TiptelTitel());
  const QString text = TiptelRegisterText(zeilen, fortschritt);
  if (!ExportSchreiben(Exportpfad(datei), Exportbytes(text), tiptelFehler()))
    return {Exportstand::Fehlgeschlagen, 0, {}, TiptelTitel()};
  IniSchreiben(TiptelIni(), QStringLiteral("Export"), QStringLiteral("Datei"), datei);
  return {Exportstand::Geschrieben, 0, {}, TiptelTitel()};
}
