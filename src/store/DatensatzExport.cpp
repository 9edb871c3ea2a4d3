#include "store/DatensatzExport.h"

#include "common/Benutzer.h"
#include "common/Fehlerbericht.h"
#include "common/Ini.h"
#include "common/Telefon.h"
#include "common/Text.h"
#include "common/ZahlTexte.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Codec.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Vb.h"

#include <QSaveFile>

namespace {

QString lesen(const char16_t* schluessel, const QString& standard) {
  return IniLesen(QString(), QString(), schluessel, standard);
}

// A field's value for the export; selection: the exchange file takes a selection of more than 10
// characters of the Zusatzbemerkung in place of the whole text.
QString FeldWert(const DatensatzAusgabe& d, int i, bool telefonFormat, bool auswahl) {
  QString wert = vb::Trim(d.felder[i]);
  if (auswahl && i == 11 && d.auswahl11.size() > 10) wert = vb::Trim(d.auswahl11);
  wert = Ersetzen(wert, QStringLiteral("\r\n"), QStringLiteral("~"));
  if (telefonFormat && (i == 7 || i == 8 || i == 12 || i == 13)) wert = TelefonFormatieren(wert);
  return wert;
}

}  // namespace

void DatensatzExportieren(const DatensatzAusgabe& m) {
  const bool telefonFormat = vb::Val(lesen(u"Adr_TeleFormat3&2", QStringLiteral("1"))) != 0;
  IniSchreiben(QString(), QString(), u"Adr_TeleFormat3&2", vb::Str(telefonFormat ? 1 : 0));

  const QString textDatei = lesen(u"Adr_Speichern_In", QString());
  if (!textDatei.isEmpty()) {
    QString inhalt;
    for (int i = 0; i < 24; ++i) inhalt += FeldWert(m, i, telefonFormat, false) + QStringLiteral("\r\n");
    // A failed write leaves the old file and goes on with the exchange file.
    QSaveFile datei(Paths::aufloesen(Paths::normalisieren(textDatei)));
    if (datei.open(QIODevice::WriteOnly)) {
      datei.write(Codec::nach1252(inhalt));
      datei.commit();
    }
  }

  const QString iniDatei = lesen(u"Adr_IniSpeichern_In", QString());
  if (iniDatei.isEmpty()) return;
  const QString nr = QStringLiteral("ZuletztNr");
  const QString bez = QStringLiteral("ZuletztBez");
  for (int i = 0; i < 24; ++i) {
    const QString gespeichert = IniSchreiben(iniDatei, nr, QStringLiteral("%1").arg(i, 2, 10, QChar(u'0')),
                                             FeldWert(m, i, telefonFormat, true));
    IniSchreiben(iniDatei, bez, vb::Trim(m.bezeichnungen[i]), gespeichert);
  }
  const QString anrede = vb::Trim(m.felder[21]).toLower();
  const QString anrede2 = anrede == QStringLiteral("frau")   ? QStringLiteral("Sehr geehrte Frau")
                          : anrede == QStringLiteral("herr") ? QStringLiteral("Sehr geehrter Herr")
                                                             : anrede;
  IniSchreiben(iniDatei, bez, u"Anrede2", anrede2);
  const QDateTime jetzt = Clock::now();
  IniSchreiben(iniDatei, bez, u"Datum", vb::DatumText(jetzt.date()));
  IniSchreiben(iniDatei, bez, u"Uhrzeit", vb::Format(jetzt, QStringLiteral("hh:nn")));
  // Weekday 1 is Sunday.
  IniSchreiben(iniDatei, bez, u"Wochentag", DatumName(jetzt.date().dayOfWeek() % 7 + 1, QStringLiteral("WT")));
  IniSchreiben(iniDatei, bez, u"User", BenutzerName());
  const VersionNummern v = ProgrammVersionNummern();
  IniSchreiben(iniDatei, bez, u"KartulonVersion",
               QString::number(v.major) + u'.' + vb::Format(v.minor, QStringLiteral("00")));
  IniSchreiben(iniDatei, bez, u"KartulonReversion", QString::number(v.revision));
}
