#include "exchange/ExterneProgramme.h"

#include "common/Email.h"
#include "common/Fehler.h"
#include "common/Hilfe.h"
#include "common/Ini.h"
#include "common/Text.h"
#include "platform/dienste/Dialogs.h"
#include "platform/dienste/Shell.h"
#include "platform/dienste/Tastatur.h"
#include "platform/dienste/Zwischenablage.h"
#include "platform/vb/Codec.h"
#include "platform/vb/Laufzeitfehler.h"
#include "platform/vb/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace ExterneProgramme {

namespace {

const QString kFehlertext = u"Es ist ein Fehler beim Übertragen der eMails aufgetreten."_s;

void pause(int ms) { Warten(static_cast<float>(ms) / 1000.0f); }

// Line 1 the address, line 2 the subject, every further line the body, each with CR LF.
int dateiLesen(const QString& pfad, QString& adresse, QString& betreff, QString& text) {
  QFile f(pfad);
  if (!f.open(QIODevice::ReadOnly)) return f.exists() ? vb::ErrZugriffVerweigert : vb::ErrDateiNichtGefunden;
  const QByteArray bytes = f.readAll();
  if (f.error() != QFileDevice::NoError) return vb::ErrGeraeteEA;
  const QStringList zeilen = Codec::zeilenTrennen(Codec::dekodieren(bytes));
  if (zeilen.size() < 2) return vb::ErrHinterDateiende;
  adresse = zeilen[0];
  betreff = zeilen[1];
  text.clear();
  for (qsizetype i = 2; i < zeilen.size(); ++i) text += zeilen[i] + u"\r\n"_s;
  return 0;
}

void wegraeumen(const QStringList& dateien) {
  for (const QString& pfad : dateien)
    if (!Shell::service().inPapierkorb(pfad)) QFile::remove(pfad);
}

}  // namespace

Pausen& pausen() {
  static Pausen p;
  return p;
}

QString TastenEinfuegen() { return IniLesen(QString(), QString(), u"eMailTastenEinfügen"_s, u"{Tab 4}^v"_s); }
QString TastenSenden() { return IniLesen(QString(), QString(), u"eMailTastenSenden"_s, u"%s"_s); }

void EmailDateienAnOutlook(const QString& ordner, const QString& muster) {
  QString wo = Paths::aufloesen(Paths::normalisieren(ordner));
  while (wo.size() > 1 && wo.endsWith(u'/')) wo.chop(1);
  QDir dir(wo);
  dir.setNameFilters({muster});
  QStringList dateien;
  for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) dateien << dir.filePath(name);
  const qsizetype n = dateien.size();
  if (n == 0) return;

  // Whether keys can reach the e-mail program at all is known before anything is asked or opened.
  int fehler = Tastatur::service().bereitschaft();
  if (fehler == 0 && (!Tastenfolge::lesen(TastenEinfuegen()) || !Tastenfolge::lesen(TastenSenden())))
    fehler = vb::ErrUngueltigerAufruf;
  if (fehler != 0) {
    FehlerMelden(fehler, kFehlertext);
    return;
  }

  const QString anzahl = QString::number(n);
  if (MsgBox(u"Sollen jetzt "_s + anzahl + u" eMails an Outlook Express übertragen werden?"_s,
             vb::vbYesNo + vb::vbQuestion, anzahl + u" eMails an Outlook"_s) != vb::vbYes)
    return;

  QStringList uebergeben;
  for (const QString& pfad : dateien) {
    QCoreApplication::processEvents();
    QString adresse, betreff, text;
    fehler = dateiLesen(pfad, adresse, betreff, text);
    if (fehler == 0) fehler = EmailAnOutlook(adresse, betreff, text);
    if (fehler != 0) break;
    uebergeben << pfad;
  }
  wegraeumen(uebergeben);
  if (fehler != 0) FehlerMelden(fehler, kFehlertext);
}

int EmailAnOutlook(const QString& adresse, const QString& betreff, const QString& text) {
  const Pausen& p = pausen();
  pause(p.vorMail);
  Zwischenablage::leeren();
  Zwischenablage::textSetzen(Ansi2Ascii(text));
  if (!LinkOeffnen(mailto(adresse, Ansi2Ascii(betreff)))) return vb::ErrDateiNichtGefunden;
  pause(p.nachLink);
  if (const int fehler = Tastatur::service().senden(TastenEinfuegen())) return fehler;
  pause(p.nachEinfuegen);
  if (const int fehler = Tastatur::service().senden(TastenSenden())) return fehler;
  pause(p.nachSenden);
  return 0;
}

}  // namespace ExterneProgramme
