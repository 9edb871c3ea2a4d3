#include "datatools/Geburtstagsexport.h"

#include "common/Familie.h"
#include "common/Fehler.h"
#include "common/Ini.h"
#include "common/Text.h"
#include "platform/vb/Clock.h"
#include "platform/vb/IniDatei.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Vb.h"
#include "store/Datensatz.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

namespace {

const QString kTitel = QStringLiteral("Geburtstage an Kelvor");
const QString kFehler = QStringLiteral("Es ist ein Fehler beim Export der Geburtstage aufgetreten.");
const QString kZyklisch = QStringLiteral("Zyklisch");
const QString kDaten = QStringLiteral("Kartulon_Daten");
const QString kAllgemein = QStringLiteral("Allgemein");

bool blankOderTab(QChar c) { return c == u' ' || c == u'\t'; }

QString beschnitten(const QString& s) {
  qsizetype a = 0, e = s.size();
  while (a < e && blankOderTab(s[a])) ++a;
  while (e > a && blankOderTab(s[e - 1])) --e;
  return s.mid(a, e - a);
}

// What reading gives back for a value that was just written: IniSchreiben stores it right-trimmed, each
// line break as "**"; reading drops the blanks and TABs around it and one pair of enclosing quotes, and
// turns "**" back into CR LF. Each day's list is built in memory as the day's reads and writes would
// have built it.
QString zurueckgelesen(const QString& wert) {
  QString s = vb::RTrim(wert);
  s.replace(QLatin1String("\r\n"), QLatin1String("**"));
  s.replace(u'\r', QLatin1String("**"));
  s.replace(u'\n', QLatin1String("**"));
  s = beschnitten(s);
  if (s.size() >= 2 && (s.front() == u'"' || s.front() == u'\'') && s.back() == s.front()) s = s.mid(1, s.size() - 2);
  return s.replace(QLatin1String("**"), QLatin1String("\r\n"));
}

// The name under which a key is found (on one line, without blanks and TABs around it, any case), and
// whether a key of that name can be written at all (not one that would read as a section, a comment or
// another key).
QString schluesselName(const QString& schluessel) {
  QString s = schluessel;
  s.replace(u'\r', u' ');
  s.replace(u'\n', u' ');
  return beschnitten(s).toCaseFolded();
}
bool beschreibbar(const QString& name) {
  return !name.isEmpty() && !name.startsWith(u'[') && !name.startsWith(u';') && !name.contains(u'=');
}

struct Tag {
  QString schluessel;  // as the first record spelt it: a new key is written so
  QString gelesen;     // what reading the key gives now
  QString geschrieben;
  bool hatGeschrieben = false;
  bool schreibbar = true;
};

void neuSchreiben(const QString& datei, const QString& sektion, const QString& schluessel, const QString& standard) {
  IniSchreiben(datei, sektion, schluessel, IniLesen(datei, sektion, schluessel, standard));
}

}  // namespace

QString GeburtstagMaske0Standard() {
  return QStringLiteral("Geburtstag: {Vorname} {Nachname} wird {DiffJa:{Geburtstag}} alt");
}
QString GeburtstagMaske1Standard() { return QStringLiteral("Geburtstag: {Vorname} {Nachname}"); }

QString KelvorFehltText() {
  const QString text = QStringLiteral(
                           "Das Programm Kelvor ist auf diesem System nicht installiert.~~Sie können die aktuelle "
                           "Version kostenlos aus dem Internet unter der URL ") +
                       kFamilienSeite + InternetSeitePfad(QStringLiteral("Kelvor")) +
                       QStringLiteral(
                           " laden.~~Starten Sie den Kelvor bitte nach der Installation einmal manuell, damit "
                           "Kartulon es auf Ihrem System finden kann.");
  return Ersetzen(text, QStringLiteral("~"), QStringLiteral("\r\n"));
}

bool GeburtsdatumMitJahr(const QString& text) {
  if (!vb::IsDate(text)) return false;
  // A date read from two parts ("12.05.", "12.5") takes the year of the run.
  static const QRegularExpression zeit(QStringLiteral("\\s+\\d{1,2}:\\d{2}(:\\d{2})?$"));
  static const QRegularExpression trenner(QStringLiteral("[\\s.,/-]+"));
  QString t = text.trimmed();
  t.remove(zeit);
  return t.split(trenner, Qt::SkipEmptyParts).size() == 3;
}

Exportergebnis GeburtstageExportieren(const QStringList& zeilen, const Bezeichnungen& bezeichnungen,
                                      const Statusmeldung& status, const Satzfortschritt& fortschritt) {
  const QString dir = IniLesen(QString(), QStringLiteral("Kelvor"), QStringLiteral("Dir"), QString());
  if (dir.isEmpty()) return Abweisung(KelvorFehltText(), QStringLiteral("Kelvor nicht installiert."));

  QString ordner = dir;
  if (ordner.endsWith(u'\\') || ordner.endsWith(u'/')) ordner.chop(1);
  ordner = Paths::aufloesen(ordner);
  const QString ziel = ordner + QStringLiteral("/Geburtstage.dci");
  // Checked before anything is written: the date file's writes would otherwise fail one by one unseen,
  // and the planner's list would name a file that is not there.
  if (!QFileInfo(ordner.isEmpty() ? QStringLiteral("/") : ordner).isDir()) {
    FehlerMelden(76, kFehler);
    return {Exportstand::Fehlgeschlagen, 0, {}, kTitel};
  }
  if (!ExportzielBeschreibbar(Paths::aufloesen(ziel), kFehler)) return {Exportstand::Fehlgeschlagen, 0, {}, kTitel};

  // The date file's hundreds of keys go to disk once, at the end.
  const Profil::Stapel stapel;
  if (status) status(QStringLiteral("Geburtstage exportieren: lösche alte Daten"));
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= 31; ++d) {
      const QString schluessel =
          QStringLiteral("%1.%2").arg(d, 2, 10, QLatin1Char('0')).arg(m, 2, 10, QLatin1Char('0'));
      if (!IniLesen(ziel, kZyklisch, schluessel, QString()).isEmpty())
        IniSchreiben(ziel, kZyklisch, schluessel, QString());
    }
  neuSchreiben(ziel, kDaten, QStringLiteral("Maske0"), GeburtstagMaske0Standard());
  neuSchreiben(ziel, kDaten, QStringLiteral("Maske1"), GeburtstagMaske1Standard());
  IniSchreiben(ziel, kDaten, QStringLiteral("Zuletzt"),
               vb::Format(Clock::now(), QStringLiteral("dd.mm.yyyy hh:nn:ss")));
  neuSchreiben(ziel, kAllgemein, QStringLiteral("Beschreibung"), QStringLiteral("Geburtstage"));
  neuSchreiben(ziel, kAllgemein, QStringLiteral("DruckFarbe"), QStringLiteral("Blau"));

  if (status) status(QStringLiteral("Geburtstage exportieren"));
  const QString maske[2] = {IniLesen(ziel, kDaten, QStringLiteral("Maske0"), QString()),
                            IniLesen(ziel, kDaten, QStringLiteral("Maske1"), QString())};
  std::array<QString, kFeldAnzahl> platzhalter;
  for (int k = 0; k < kFeldAnzahl; ++k) platzhalter[k] = u'{' + bezeichnungen[k] + u'}';
  const vb::LikeMuster muster(u"??.??*");

  QList<Tag> tage;
  QHash<QString, qsizetype> tagNach;
  int anzahl = 0;
  const int n = static_cast<int>(zeilen.size());
  for (int i = 0; i < n; ++i) {
    if (fortschritt) fortschritt(i);
    const Felder feld = FelderAusZeile(Auf1252(zeilen[i]));
    if (!muster.passt(feld[20])) continue;
    QString eintrag = maske[GeburtsdatumMitJahr(feld[20]) ? 0 : 1];
    for (int k = 0; k < kFeldAnzahl; ++k) eintrag = Ersetzen(eintrag, platzhalter[k], feld[k]);
    eintrag = Ersetzen(eintrag, QStringLiteral("  "), QStringLiteral(" "));

    const QString schluessel = feld[20].left(5);
    const QString name = schluesselName(schluessel);
    auto it = tagNach.constFind(name);
    if (it == tagNach.constEnd()) {
      it = tagNach.insert(name, tage.size());
      tage.append({schluessel, IniLesen(ziel, kZyklisch, schluessel, QString()), {}, false, beschreibbar(name)});
    }
    Tag& tag = tage[*it];
    QString neu = tag.gelesen;
    if (neu.isEmpty())
      neu = eintrag;
    else if (!neu.contains(eintrag, Qt::CaseInsensitive))
      neu += u'~' + eintrag;
    if (tag.schreibbar) {
      tag.geschrieben = neu;
      tag.hatGeschrieben = true;
      tag.gelesen = zurueckgelesen(neu);
    }
    ++anzahl;  // also when the entry was there already
  }
  for (const Tag& tag : std::as_const(tage))
    if (tag.hatGeschrieben) IniSchreiben(ziel, kZyklisch, tag.schluessel, tag.geschrieben);
  if (!Profil::sichern(ziel)) {
    FehlerMelden(75, kFehler);
    return {Exportstand::Fehlgeschlagen, 0, {}, kTitel};
  }

  QString liste = IniLesen(QString(), QStringLiteral("Kelvor"), QStringLiteral("DCIout"), QString());
  if (!liste.toLower().contains(QStringLiteral("geburtstage.dci"))) liste = QStringLiteral("Geburtstage.dci*") + liste;
  IniSchreiben(QString(), QStringLiteral("Kelvor"), QStringLiteral("DCIout"), liste);

  return {Exportstand::Geschrieben, anzahl,
          QStringLiteral("Es wurden %1 Geburtstage für den Kelvor exportiert.").arg(anzahl), kTitel};
}
