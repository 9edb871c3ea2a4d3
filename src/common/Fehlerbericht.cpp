#include "common/Fehlerbericht.h"

#include "common/Benutzer.h"
#include "common/Global.h"
#include "common/Pfade.h"
#include "common/Text.h"
#include "platform/dienste/Printer.h"
#include "platform/dienste/SysInfo.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Vb.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QSysInfo>
#include <cmath>

namespace {

// The support files of the original's platform that the report lists with their dates. They do not
// exist on Linux, so their lines show the path alone, unless a file of that name lies in the folder.
const char* const kHilfsdateien[] = {
    "Asycfilt.dll", "Comcat.dll",   "Comctl32.ocx", "Comctl32.dll", "Comdlg32.ocx", "Ctl3d32.dll",
    "Msacal70.ocx", "Mscal.ocx",    "Mscomm32.ocx", "Msflxgrd.ocx", "Msmask32.ocx", "Msvbvm50.dll",
    "Msvbvm60.dll", "Oleaut32.dll", "Olepro32.dll", "Dezu32.dll",   "Stdole2.tlb",  "Tabctl32.ocx",
};

struct ProzessorTyp {
  long code;
  const char* name;
};
// Tested in this order; a later match replaces an earlier one. 386 is tested only without 486.
const ProzessorTyp kProzessoren[] = {
    {586, "Pentium"},       {860, "Intel 860"}, {2000, "MIPS R2000"}, {3000, "MIPS R3000"}, {4000, "MIPS R3000"},
    {21064, "ALPHA 21064"}, {601, "PPC 601"},   {603, "PPC 603"},     {604, "PPC 604"},     {620, "PPC 620"},
};

QString label(const char* text) { return QString::fromUtf8(text).leftJustified(12); }

// A number in the system's separators: the German text of vb::Format with its "," and "." exchanged
// for the system's decimal and grouping characters.
QString systemZahl(const QString& deutsch) {
  const Regionaleinstellungen r = SysInfo::service().regionaleEinstellungen();
  QString t;
  for (const QChar c : deutsch) {
    if (c == u',')
      t += r.dezimalzeichen;
    else if (c == u'.')
      t += r.gruppenzeichen;
    else
      t += c;
  }
  return t;
}

// Print of a single-precision number: a blank for the sign, up to seven significant digits, a blank.
QString gedruckteZahl(float zahl) {
  QString t = QString::number(static_cast<double>(zahl), 'g', 7);
  t.replace(u'.', u',');
  return (zahl < 0 ? QString() : QStringLiteral(" ")) + systemZahl(t) + u' ';
}

}  // namespace

// ---------------------------------------------------------------------------------------------------
short FarbtiefeBits() {
  const int bits = SysInfo::service().farbtiefe();
  return static_cast<short>(bits > 0 ? bits : 32);
}

float FarbAnzahlAusBits(int bits) {
  const float n = std::pow(2.0f, static_cast<float>(bits));
  return n < 16 ? 16.0f : n;
}

float FarbAnzahl() {
  const int bits = SysInfo::service().farbtiefe();
  if (bits <= 0) return 4294967295.0f;
  return FarbAnzahlAusBits(bits);
}

qint64 SpeicherGroesse(short welche) {
  const Speicher s = SysInfo::service().speicher();
  return welche != 0 ? s.physischGesamt : s.physischFrei;
}

QString ProzessorNameAusTyp(long typ) {
  QString name;
  const auto passt = [typ](long code) { return (typ & code) == code; };
  if (passt(486))
    name = QStringLiteral("486");
  else if (passt(386))
    name = QStringLiteral("386");
  for (const ProzessorTyp& p : kProzessoren)
    if (passt(p.code)) name = QString::fromLatin1(p.name);
  return name;
}

QString ProzessorName() {
  const Prozessor p = SysInfo::service().prozessor();
  return p.name.isEmpty() ? p.architektur : p.name;
}

VersionNummern ProgrammVersionNummern() {
  // The build gives the version as "M.mmrrrr".
  const QString text = QStringLiteral(KARTULON_VERSION_TEXT);
  const qsizetype punkt = text.indexOf(u'.');
  const QString rest = punkt < 0 ? QString() : text.mid(punkt + 1);
  return {text.left(punkt).toInt(), rest.left(2).toInt(), rest.mid(2).toInt()};
}

QString VersionText(const VersionNummern& v) {
  ProgrammVersion = QString::number(v.major) + u'.' + vb::Format(v.minor, QStringLiteral("00")) +
                    vb::Format(v.revision, QStringLiteral("0000"));
  ProgrammVersionZahl = static_cast<float>(v.minor / 100.0 + v.major + v.revision / 1000000.0);
  return ProgrammVersion;
}

QString VersionText() { return VersionText(ProgrammVersionNummern()); }

QString VersionMitPunkten(const VersionNummern& v) {
  return QString::number(v.major) + u'.' + vb::Format(v.minor, QStringLiteral("00")) + u'.' +
         vb::Format(v.revision, QStringLiteral("0000"));
}

QString WindowsVersionAus(const WindowsVersionsDaten& d) {
  // A blank and the service-pack text, up to its first zero character, trimmed and in lower case.
  const QString s = u' ' + d.servicePack.left(d.servicePack.indexOf(QChar(0))).trimmed().toLower();
  QString t;
  switch (d.plattform) {
    case 0:
      t = QStringLiteral("3.1 Win32s") + s;
      break;
    case 1:
      t = (d.major + d.minor / 100.0 >= 4.1 ? QStringLiteral("98") : QStringLiteral("95")) + s;
      break;
    case 2:
      t = QStringLiteral("NT") + s;
      break;
    default:
      break;
  }
  const long build = d.plattform == 2 ? d.build : (d.build & 0xFFFF);
  return t + u' ' + vb::Format(static_cast<double>(d.major), QStringLiteral("##0")) + u'.' +
         vb::Format(static_cast<double>(d.minor), QStringLiteral("00")) + u'.' +
         vb::Format(static_cast<double>(build), QStringLiteral("0000"));
}

QString WindowsVersion() {
  QString kern = QSysInfo::kernelType();
  if (!kern.isEmpty()) kern[0] = kern[0].toUpper();
  return QSysInfo::prettyProductName() + QStringLiteral(", ") + kern + u' ' + QSysInfo::kernelVersion();
}

QString CopyrightJahre(const QString& text) {
  const QString marke = QStringLiteral("Copyright © ");
  const qsizetype i = text.indexOf(marke);
  if (i < 0 || text.contains(QStringLiteral("1994"))) return text;
  return text.left(i) + marke + QStringLiteral("1994-") + text.mid(i + marke.size());
}

// ---------------------------------------------------------------------------------------------------
void FehlerDrucken(const QString& fehlerText) {
  vb::PrinterObject& p = vb::Printer();
  // A job that the failing operation left open ends with what it has; the report is a job of its own,
  // from the top-left corner of the printable area in a plain font. The caller's scale stays, and its
  // font comes back afterwards, so that a caller that goes on prints as before.
  if (p.InJob()) p.EndDoc();
  const vb::PrinterFontSpec schrift = p.font();
  const long farbe = p.ForeColor();
  p.setCurrentX(p.ScaleLeft());
  p.setCurrentY(p.ScaleTop());
  p.setFontBold(false);
  p.setFontItalic(false);
  p.setFontUnderline(false);
  p.setFontStrikethru(false);
  p.setForeColor(0);
  p.setFontName(QStringLiteral("Courier New"));
  p.setFontSize(10);

  const auto zeile = [&p](const QString& text) { p.Print(text); };
  const QDateTime jetzt = Clock::now();

  zeile({});
  zeile({});
  zeile(QStringLiteral("F E H L E R P R O T O K O L L"));
  zeile(QStringLiteral("============================="));
  zeile({});
  zeile(Ersetzen(fehlerText, QStringLiteral("~"), QStringLiteral("\r\n")));
  zeile({});
  zeile(label("Datum:") + vb::Format(jetzt, QStringLiteral("dd.mm.yyyy hh:nn:ss")) + QStringLiteral(" · ") +
        vb::Format(jetzt, QStringLiteral("dd.mmmm.yyyy dddd")) + QStringLiteral(" · ") +
        (jetzt.isValid() ? QStringLiteral("(true)") : QStringLiteral(" (false)")));
  zeile(label("User:") + BenutzerName());
  zeile(label("Programm:") + QStringLiteral("Kartulon"));
  zeile(label("Version:") + VersionMitPunkten(ProgrammVersionNummern()));
  zeile(label("Prg-Ordner:") + ProgrammOrdner());
  zeile(label("Dat-Ordner:") + DatenOrdner);
  zeile(label("Akt-Ordner:") + QDir::currentPath());
  const float drittel = 10000.0f / 3.0f;
  zeile(QStringLiteral("Num.Format:") + gedruckteZahl(drittel) + u' ' +
        systemZahl(vb::Format(static_cast<double>(drittel), QStringLiteral("0,000.0"))));
  zeile(label("Fonts:") + QString::number(QFontDatabase::families().size()) + QStringLiteral(" Scr  ") +
        QString::number(p.FontCount()) + QStringLiteral(" Prn"));
  zeile(label("CPU:") + ProzessorName());
  zeile(label("RAM:") + vb::Format(static_cast<double>(SpeicherGroesse(1)) / 1048576.0 + 0.5, QStringLiteral("0")) +
        QStringLiteral(" MB"));
  QSize pixel;
  if (const QScreen* s = QGuiApplication::primaryScreen()) pixel = s->size() * s->devicePixelRatio();
  zeile(label("Video:") + QString::number(pixel.width()) + QStringLiteral(" x ") + QString::number(pixel.height()) +
        QStringLiteral(" Pixel, ") + QString::number(FarbtiefeBits()) + QStringLiteral("-Bit Farbe"));
  zeile(label("Drucker:") + p.DeviceName());
  zeile({});
  for (const char* name : kHilfsdateien) {
    const QString pfad = SystemOrdner() + u'/' + QString::fromLatin1(name);
    QString z = pfad.leftJustified(35, u' ', true);
    if (DateiVorhanden(pfad))
      z += vb::Format(QFileInfo(Paths::aufloesen(pfad)).lastModified(), QStringLiteral("dd.mm.yyyy hh:nn:ss"));
    zeile(z);
  }
  zeile({});
  p.EndDoc();
  p.setFontName(schrift.name);
  p.setFontSize(schrift.size);
  p.setFontBold(schrift.bold);
  p.setFontItalic(schrift.italic);
  p.setFontUnderline(schrift.underline);
  p.setFontStrikethru(schrift.strikethru);
  p.setForeColor(farbe);
}
