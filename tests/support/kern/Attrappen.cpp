#include "support/kern/Attrappen.h"

#include "platform/vb/Clock.h"
#include "platform/vb/Laufzeitfehler.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>

std::optional<QVariant> ScriptedDialogs::next(const Request& r) {
  requests_.append(r);
  if (onRequest) onRequest(r);
  if (answers_.empty()) {
    ++unanswered_;
    return std::nullopt;
  }
  QVariant v = answers_.front();
  answers_.pop_front();
  return v;
}

std::optional<QVariant> ScriptedDialogs::nextMitHilfe(const Request& r, const std::function<void()>& hilfe) {
  auto a = next(r);
  while (istHilfe(a) && hilfe) {
    hilfe();
    // The same box, still open: its next answer follows without a new request.
    if (answers_.empty()) return std::nullopt;
    a = answers_.front();
    answers_.pop_front();
  }
  if (istHilfe(a)) return QVariant();
  return a;
}

namespace {
int abbruchAntwort(int style) {
  const int buttons = style & 0x7;
  return buttons == vb::vbOKOnly             ? vb::vbOK
         : buttons == vb::vbYesNo            ? vb::vbNo
         : buttons == vb::vbAbortRetryIgnore ? vb::vbAbort
                                             : vb::vbCancel;
}
}  // namespace

int ScriptedDialogs::msgBoxMitHilfe(const QString& text, int style, const QString& title,
                                    const std::function<void()>& hilfe) {
  const auto a = nextMitHilfe({QStringLiteral("msgbox"), text, style, title, {}, static_cast<bool>(hilfe)}, hilfe);
  if (!a || !a->isValid()) return abbruchAntwort(style);
  return a->toInt();
}

QString ScriptedDialogs::inputBoxMitHilfe(const QString& prompt, const QString& title, const QString& standard,
                                          const std::function<void()>& hilfe) {
  const auto a =
      nextMitHilfe({QStringLiteral("inputbox"), prompt, 0, title, standard, static_cast<bool>(hilfe)}, hilfe);
  if (!a || !a->isValid()) return {};
  return a->toString();
}

int ScriptedDialogs::msgBox(const QString& text, int style, const QString& title) {
  const auto a = next({QStringLiteral("msgbox"), text, style, title, {}});
  if (!a || !a->isValid() || istHilfe(a)) return abbruchAntwort(style);
  return a->toInt();
}

QString ScriptedDialogs::inputBox(const QString& prompt, const QString& title, const QString& standard) {
  const auto a = next({QStringLiteral("inputbox"), prompt, 0, title, standard});
  if (!a || !a->isValid() || istHilfe(a)) return {};
  return a->toString();
}

QString ScriptedDialogs::fileDialog(const FileDialogRequest& r) {
  const auto a = next({QStringLiteral("file"), r.filter, r.save ? 1 : 0, r.title, r.folder});
  if (!a || !a->isValid()) return {};
  return a->toString();
}

bool ScriptedDialogs::fontDialog(QFont& font) {
  const auto a = next({QStringLiteral("font"), font.family(), 0, {}, {}});
  if (!a || !a->isValid()) return false;
  font = a->value<QFont>();
  return true;
}

bool ScriptedDialogs::colorDialog(QColor& color) {
  const auto a = next({QStringLiteral("color"), color.name(), 0, {}, {}});
  if (!a || !a->isValid()) return false;
  color = a->value<QColor>();
  return true;
}

bool ScriptedDialogs::druckerEinrichten(DruckerEinrichtung& e) {
  const auto a = next({QStringLiteral("printer"), e.drucker.join(u'|'), e.ausrichtung, {}, e.gewaehlt});
  if (!a || !a->isValid()) return false;
  const QVariantList wahl = a->toList();
  e.gewaehlt = wahl.value(0).toString();
  e.ausrichtung = wahl.value(1).toInt();
  return true;
}

bool ScriptedDialogs::schriftDialog(SchriftWahl& wahl) {
  letzteSchriftVorgabe = wahl;
  const auto a = next({QStringLiteral("schrift"), wahl.name, static_cast<int>(wahl.groesse),
                       QStringLiteral("%1-%2").arg(wahl.kleinste).arg(wahl.groesste), wahl.farbe.name()});
  if (!a || !a->isValid()) return false;
  if (a->canConvert<SchriftWahl>() && a->metaType() == QMetaType::fromType<SchriftWahl>()) {
    const SchriftWahl neu = a->value<SchriftWahl>();
    const double kleinste = wahl.kleinste, groesste = wahl.groesste;
    wahl = neu;
    wahl.kleinste = kleinste;
    wahl.groesste = groesste;
    return true;
  }
  const QFont f = a->value<QFont>();
  wahl.name = f.family();
  wahl.groesse = f.pointSizeF();
  wahl.fett = f.bold();
  wahl.kursiv = f.italic();
  wahl.unterstrichen = f.underline();
  wahl.durchgestrichen = f.strikeOut();
  return true;
}

QString RecordingHelp::seite(const QString& hilfeDatei, int thema) { return Help::suchen(hilfeDatei, thema); }

int RecordingSound::systemKlang(int typ) { return aufnehmen({QStringLiteral("klang"), typ, {}, false}); }

int RecordingSound::abspielen(const QString& name, bool asynchron) {
  return aufnehmen({QStringLiteral("datei"), 0, name, asynchron});
}

int RecordingSound::aufnehmen(const Aufruf& a) {
  aufrufe_.append(a);
  return fehler ? fehler(a) : 0;
}

RecordingShell::RecordingShell() : echt_(Shell::echt()) {}

RecordingShell::~RecordingShell() = default;

bool RecordingShell::oeffnen(const QUrl& adresse) {
  geoeffnet.append(adresse);
  return oeffnenGelingt;
}

qint64 RecordingShell::starten(const QString& programm, const QStringList& argumente, const QString& ordner) {
  gestartet.append({programm, argumente, ordner});
  if (echtStarten) return echt_->starten(programm, argumente, ordner);
  return naechsteId;
}

bool RecordingShell::laeuft(qint64 prozess) {
  if (echtStarten) return echt_->laeuft(prozess);
  return false;
}

bool RecordingShell::inPapierkorb(const QString& pfad) {
  papierkorb.append(pfad);
  return papierkorbGelingt;
}

bool RecordingTastatur::fremderFokus() {
  ++fokusFragen;
  if (fokusAntwort) return fokusAntwort(fokusFragen);
  if (fokusAbgelehnt >= 0 && fokusFragen > fokusAbgelehnt) return true;
  Clock::advance(fokusSchrittMs);
  return false;
}

int RecordingTastatur::senden(const QString& folge) {
  if (!Tastenfolge::lesen(folge)) return vb::ErrUngueltigerAufruf;
  if (fehler) return fehler;
  aufrufe.append({QStringLiteral("senden"), folge, uhr_.elapsed()});
  return 0;
}

int RecordingTastatur::tippen(const QString& text) {
  if (fehler) return fehler;
  aufrufe.append({QStringLiteral("tippen"), text, uhr_.elapsed()});
  return 0;
}

QStringList RecordingTastatur::verlauf() const {
  QStringList v;
  for (const Aufruf& a : aufrufe) v.append(a.art + u':' + a.text);
  return v;
}

FesteSysInfo::FesteSysInfo() {
  regional = {QStringLiteral(","), QStringLiteral("."), QStringLiteral("dd.MM.yy HH:mm")};
  speicherWerte = {8LL << 30, 4LL << 30, 2LL << 30, 2LL << 30};
  prozessorWerte = {4, QStringLiteral("Testprozessor"), QStringLiteral("x86_64")};
}

RecordingSerialPort::RecordingSerialPort() : echt_(SerialPort::echt()) {}

RecordingSerialPort::~RecordingSerialPort() = default;

int RecordingSerialPort::aufnehmen(const QString& schritt, int fehler) {
  verlauf.append(fehler ? schritt + QStringLiteral(" = ") + QString::number(fehler) : schritt);
  return fehler;
}

int RecordingSerialPort::oeffnen(const QString& geraet) {
  return aufnehmen(QStringLiteral("oeffnen ") + geraet, echt_->oeffnen(geraet));
}

int RecordingSerialPort::eingangLeeren() { return aufnehmen(QStringLiteral("leeren"), echt_->eingangLeeren()); }

int RecordingSerialPort::schreiben(const QByteArray& daten) {
  const int fehler = echt_->schreiben(daten);
  aufnehmen(QStringLiteral("schreiben ") + QString::fromLatin1(daten).replace(u'\r', QStringLiteral("\\r")), fehler);
  if (nachSchreiben) nachSchreiben(daten);
  return fehler;
}

QByteArray RecordingSerialPort::lesen(int wartenMs) {
  ++lesungen;
  if (vorLesen) vorLesen(lesungen);
  const QByteArray daten = echt_->lesen(wartenMs);
  if (daten.isEmpty())
    Clock::advance(uhrSchrittMs);
  else
    gelesen.append(daten);
  return daten;
}

int RecordingSerialPort::dtr(bool an) { return aufnehmen(QStringLiteral("dtr %1").arg(an ? 1 : 0), echt_->dtr(an)); }

void RecordingSerialPort::schliessen() {
  verlauf.append(QStringLiteral("schliessen"));
  echt_->schliessen();
}

bool RecordingSerialPort::offen() const { return echt_->offen(); }
