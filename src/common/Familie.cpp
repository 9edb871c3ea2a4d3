#include "common/Familie.h"

#include "common/Fehler.h"
#include "common/Hilfe.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "common/Text.h"
#include "common/Ton.h"
#include "platform/dienste/Dialogs.h"
#include "platform/dienste/Help.h"
#include "platform/dienste/Shell.h"
#include "platform/dienste/SysInfo.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Sanduhr.h"
#include "platform/vb/Vb.h"

#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUrl>

namespace {

struct Seite {
  const char16_t* schluessel;  // lower case
  const char16_t* pfad;
};

constexpr const char16_t* kStandardSeite = u"index.html";
constexpr Seite kSeiten[] = {
    {u"homepage", u"index.html"},
    {u"kartulon", u"kartulon.html"},
    {u"kartulonupdate", u"kartulon.html#update"},
    {u"spindra", u"spindra.html"},
    {u"spindraupdate", u"spindra.html#update"},
    {u"kelvor", u"kelvor.html"},
    {u"kelvorupdate", u"kelvor.html#update"},
    {u"murelkan", u"murelkan.html"},
    {u"murelkanupdate", u"murelkan.html#update"},
};

// Section in Zedured.ini and program file of each program of the family.
constexpr const char16_t* kProgramme[] = {u"kartulon;kartulon.exe", u"spindra;spindra.exe", u"kelvor;kelvorin.exe",
                                          u"murelkan;murelkan.exe"};
constexpr const char16_t* kNamen[] = {u"Kartulon", u"Spindra", u"Kelvor", u"Murelkan"};

QString stempel(const QDateTime& wann) { return QLocale::c().toString(wann, QStringLiteral("dd.MM.yyyy HH:mm:ss")); }

}  // namespace

QString InternetSeitePfad(const QString& schluessel) {
  QString seite = QString::fromUtf16(kStandardSeite);
  const QString klein = schluessel.toLower();
  for (const Seite& s : kSeiten)
    if (klein == QString::fromUtf16(s.schluessel)) seite = QString::fromUtf16(s.pfad);
  return seite;
}

void InternetSeite(const QString& schluessel) {
  const QString adresse = kFamilienSeite + InternetSeitePfad(schluessel);
  if (FrageFaellig(QStringLiteral("Browser1stHTML2nd"), 60)) {
    const QString text = QStringLiteral("Es wird jetzt versucht die Seite »") + adresse +
                         QStringLiteral(
                             "« im Internet aufzurufen.\r\rFalls Ihr System die Verbindung zum "
                             "Internet nicht automatisch herstellt, so sollten Sie dies zuvor "
                             "manuell erledigen.\r\rMöchten Sie fortfahren?");
    if (MsgBox(text, vb::vbOKCancel, QStringLiteral("Internet-Seite aufrufen")) != vb::vbOK) return;
  }
  Sanduhr sanduhr;
  Shell::service().oeffnen(QUrl(adresse, QUrl::StrictMode));
}

bool FrageFaellig(const QString& frage, short tage) {
  const QDateTime jetzt = Clock::now();
  const QString sektion = QStringLiteral("Fragen");
  if (tage < 0) {
    IniSchreiben(QString(), sektion, frage, stempel(jetzt.addDays(tage)));
    return true;
  }
  const QString wert = IniLesen(QString(), sektion, frage, QStringLiteral("01.01.1970"));
  QDate datum = vb::IsDate(wert) ? vb::CDate(wert) : QDate();
  if (!datum.isValid()) datum = QDate(1970, 1, 1);
  const qint64 tageSeither = datum.daysTo(jetzt.date());
  if (tageSeither > tage || tageSeither < 0) {
    IniSchreiben(QString(), sektion, frage, stempel(jetzt));
    return true;
  }
  return false;
}

void WerbungZeigen() { HilfeZeigen(QStringLiteral("Werbung.hlp"), 1002); }

void WerbungInhalt() {
  const QString seite = Help::service().seite(QStringLiteral("werbung.hlp"), -1);
  if (!seite.isEmpty()) {
    Help::service().zeigen(seite);
    return;
  }
  TonAusgeben(u"#SystemExclamation");
  MsgBox(QStringLiteral("Kann leider keine Werbung finden!"), vb::vbOKOnly + vb::vbExclamation);
}

QString PrgPfad(short nummer) {
  if (nummer < 0 || nummer > 3) return {};
  const QStringList teile = QString::fromUtf16(kProgramme[nummer]).split(u';');
  const QString ordner = IniLesen(QString(), teile[0], QStringLiteral("dir"), QString());
  // A folder on the diskette drive is not used.
  if (ordner.isEmpty() || ordner.left(2).toLower() == u"a:") return {};
  const QString datei = teile[1];
  // Programs here have no ".exe"; a file with the old name counts too.
  const QString ohneEndung = QFileInfo(datei).completeBaseName();
  for (const QString& name : {ohneEndung, datei}) {
    const QString pfad = Paths::aufloesen(Paths::verbinden(Paths::normalisieren(ordner), name));
    if (DateiVorhanden(pfad)) return pfad;
  }
  return {};
}

void PrgStarten(short nummer) {
  if (nummer < 0 || nummer > 3) return;
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const QString pfad = PrgPfad(nummer);
  if (pfad.isEmpty()) {
    while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
    const QString name = QString::fromUtf16(kNamen[nummer]);
    QString text = QStringLiteral("Das Programm ") + name +
                   QStringLiteral(
                       " ist auf diesem System nicht installiert.~~Sie können die aktuelle Version "
                       "kostenlos aus dem Internet unter der URL ") +
                   kFamilienSeite + QStringLiteral(" laden.~~Starten Sie ") + name +
                   QStringLiteral(" bitte nach der Installation einmal manuell, damit ") + QStringLiteral("Kartulon") +
                   QStringLiteral(" es auf Ihrem System finden kann.");
    text = Ersetzen(text, QStringLiteral("~"), QStringLiteral("\r\n"));
    MsgBox(text, vb::vbOKOnly + vb::vbExclamation + vb::vbMsgBoxHelpButton,
           name + QStringLiteral(" nicht installiert."), [] { HilfeZeigen(QStringLiteral("werbung.hlp"), 1007); });
  } else {
    // Started in its own folder; this program's current folder stays as it is.
    if (Shell::service().starten(pfad, {}, DateiTeil(pfad, -1)) == 0)
      FehlerMelden(75, QStringLiteral("Es ist ein Fehler beim Starten des Sorveks-Programms aufgetreten."));
  }
  while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
}
