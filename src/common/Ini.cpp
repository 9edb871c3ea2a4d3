#include "common/Ini.h"

#include "common/Fehler.h"
#include "common/Pfade.h"
#include "platform/vb/IniDatei.h"
#include "platform/vb/Vb.h"

IniWert::IniWert(int zahl) : text_(QString::number(zahl)) {}
IniWert::IniWert(long zahl) : text_(QString::number(zahl)) {}
IniWert::IniWert(long long zahl) : text_(QString::number(zahl)) {}
IniWert::IniWert(unsigned int zahl) : text_(QString::number(zahl)) {}
IniWert::IniWert(unsigned long zahl) : text_(QString::number(zahl)) {}
IniWert::IniWert(unsigned long long zahl) : text_(QString::number(zahl)) {}
IniWert::IniWert(double zahl) : text_(vb::CStr(zahl)) {}

namespace {

IniFehlerMeldung& meldung() {
  static IniFehlerMeldung m;
  return m;
}

QString zeilenumbruecheAlsSterne(QString text) {
  // A lone CR or LF would start a new line in the file: it is stored like a CR LF.
  text.replace(QLatin1String("\r\n"), QLatin1String("**"));
  text.replace(u'\r', QLatin1String("**"));
  text.replace(u'\n', QLatin1String("**"));
  return text;
}

// Checks the call; false (after the report) for a bad one.
bool aufrufPruefen(const QString& datei, const QString& sektion, const QString& schluessel, const IniWert& a,
                   const IniWert& b, const IniWert& c, const IniWert& d) {
  if (!datei.isEmpty() && !sektion.isEmpty() && !vb::Trim(schluessel).isEmpty()) return true;
  QString text = QStringLiteral("Segmentierungsfehler beim Ini-Lesen");
  for (const IniWert* w : {&a, &b, &c, &d}) text += QLatin1String("\r\n|") + w->text() + u'|';
  if (meldung())
    meldung()(424, text);
  else
    FehlerMelden(424, text);
  return false;
}

QString sektionAufloesen(const QString& sektion) { return sektion.isEmpty() ? IniProgrammSektion() : sektion; }

bool lesenIntern(const IniWert& datei, const IniWert& sektion, const IniWert& schluessel, const IniWert& standard,
                 QString& ergebnis) {
  const QString d = IniDateiAufloesen(vb::Trim(datei.text()));
  const QString s = sektionAufloesen(sektion.text());
  ergebnis.clear();
  if (!aufrufPruefen(d, s, schluessel.text(), datei, sektion, schluessel, standard)) return false;
  // Only CR LF pairs: the default is never stored, so a lone CR or LF cannot reach the file.
  const QString vorgabe = vb::RTrim(standard.text()).replace(QLatin1String("\r\n"), QLatin1String("**"));
  ergebnis = Profil::lesen(d, s, vb::Trim(schluessel.text()), vorgabe);
  ergebnis.replace(QLatin1String("**"), QLatin1String("\r\n"));
  return true;
}

}  // namespace

QString IniProgrammSektion() { return QStringLiteral("Kartulon"); }

QString IniDateiAufloesen(const QString& datei) {
  QString d = datei;
  if (d.isEmpty()) return WindowsOrdner() + QStringLiteral("/Zedured.ini");
  const qsizetype punkt = std::max<qsizetype>(d.size() - 4, 0);
  if (d[punkt] != u'.') d += QStringLiteral(".ini");
  for (const char16_t* name : {u"WIN.INI", u"SYSTEM.INI", u"ZEDURED.INI"})
    if (d.compare(QStringView(name), Qt::CaseInsensitive) == 0) d = WindowsOrdner() + u'/' + d;
  return d;
}

void IniFehlerMeldungSetzen(IniFehlerMeldung m) { meldung() = std::move(m); }

QString IniLesen(const IniWert& datei, const IniWert& sektion, const IniWert& schluessel, const IniWert& standard) {
  QString ergebnis;
  lesenIntern(datei, sektion, schluessel, standard, ergebnis);
  return ergebnis;
}

QString IniSchreiben(const IniWert& datei, const IniWert& sektion, const IniWert& schluessel, const IniWert& wert) {
  const QString d = IniDateiAufloesen(vb::RTrim(datei.text()));
  const QString s = sektionAufloesen(sektion.text());
  if (!aufrufPruefen(d, s, schluessel.text(), datei, sektion, schluessel, wert)) return QString();
  const QString gespeichert = zeilenumbruecheAlsSterne(vb::RTrim(wert.text()));
  Profil::schreiben(d, s, vb::Trim(schluessel.text()), gespeichert);
  return gespeichert;
}

double IniZaehler(const IniWert& datei, const IniWert& sektion, const IniWert& schluessel, double schritt) {
  QString text;
  // A bad call is reported once, by the read; nothing is written then.
  const bool gut = lesenIntern(datei, sektion, schluessel, IniWert("0"), text);
  const double summe = vb::CCur(text).value_or(0.0) + static_cast<double>(static_cast<float>(schritt));
  if (gut) IniSchreiben(datei, sektion, schluessel, vb::Format(summe, QStringLiteral("0")));
  return summe;
}

bool IniSichern() { return Profil::sichern(); }
