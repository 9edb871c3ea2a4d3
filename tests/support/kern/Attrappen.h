#pragma once
// The test doubles of the services: scripted dialogs, recorded help, sounds and shell, fixed system
// facts. Tests install them through each service's install().
#include "platform/dienste/Dialogs.h"
#include "platform/dienste/Help.h"
#include "platform/dienste/SerialPort.h"
#include "platform/dienste/Shell.h"
#include "platform/dienste/Sound.h"
#include "platform/dienste/SysInfo.h"
#include "platform/dienste/Tastatur.h"
#include "platform/dienste/Zufall.h"
#include "platform/dienste/Zwischenablage.h"

#include <QColor>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFont>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariant>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

// Answers from a script, in order, and records every request. A request without a scripted answer is
// recorded as unanswered and gets the cancelling answer.
class ScriptedDialogs : public DialogService {
 public:
  struct Request {
    QString kind;  // "msgbox", "inputbox", "file", "font", "color", "printer"
    QString text;
    int style = 0;
    QString title;
    QString standard;
    bool hilfe = false;  // the box had a Help button
  };

  void answer(int msgBoxAnswer) { answers_.push_back(msgBoxAnswer); }
  void answerText(const QString& text) { answers_.push_back(text); }
  void answerFont(const QFont& f) { answers_.push_back(f); }
  void answerColor(const QColor& c) { answers_.push_back(c); }
  void answerCancel() { answers_.push_back(QVariant()); }
  // Presses the Help button of a box that has one (the box stays and takes the next answer); on a box
  // without one it counts as cancelling.
  void answerHilfe() { answers_.push_back(QVariant::fromValue(HilfeKnopf{})); }
  // The printer set-up: the printer chosen and its orientation.
  void answerPrinter(const QString& drucker, int ausrichtung) {
    answers_.push_back(QVariantList{drucker, ausrichtung});
  }
  // The font dialog with colour: what the user confirmed.
  void answerSchrift(const SchriftWahl& w) { answers_.push_back(QVariant::fromValue(w)); }

  const QList<Request>& requests() const { return requests_; }
  int unanswered() const { return unanswered_; }
  qsizetype pending() const { return static_cast<qsizetype>(answers_.size()); }
  void clear() {
    requests_.clear();
    answers_.clear();
    unanswered_ = 0;
  }
  // Called for each request, before it is answered (tests may answer here).
  std::function<void(const Request&)> onRequest;

  int msgBox(const QString& text, int style, const QString& title) override;
  int msgBoxMitHilfe(const QString& text, int style, const QString& title, const std::function<void()>& hilfe) override;
  QString inputBox(const QString& prompt, const QString& title, const QString& standard) override;
  QString inputBoxMitHilfe(const QString& prompt, const QString& title, const QString& standard,
                           const std::function<void()>& hilfe) override;
  QString fileDialog(const FileDialogRequest& request) override;
  bool fontDialog(QFont& font) override;
  bool colorDialog(QColor& color) override;
  // Recorded with the printers joined by "|" as text, the current one as standard, the orientation as style.
  bool druckerEinrichten(DruckerEinrichtung& einrichtung) override;
  // Recorded as "schrift" with the preset name as text, the size as style, the colour's name as standard
  // and the size limits as title ("4-16"). A scripted QFont keeps the preset colour.
  bool schriftDialog(SchriftWahl& wahl) override;
  // The last font dialog's preset, as the caller handed it.
  std::optional<SchriftWahl> letzteSchriftVorgabe;

 private:
  struct HilfeKnopf {};
  std::optional<QVariant> next(const Request& r);
  // The next answer of a box with a Help button: each scripted press calls hilfe first.
  std::optional<QVariant> nextMitHilfe(const Request& r, const std::function<void()>& hilfe);
  static bool istHilfe(const std::optional<QVariant>& a) {
    return a && a->metaType() == QMetaType::fromType<HilfeKnopf>();
  }
  std::deque<QVariant> answers_;
  QList<Request> requests_;
  int unanswered_ = 0;
};

// Finds pages as the real service does (in the folders of Help::ordner()) and records what it shows.
class RecordingHelp : public HelpService {
 public:
  QString seite(const QString& hilfeDatei, int thema) override;
  void zeigen(const QString& seite) override { gezeigt.append(seite); }
  QStringList gezeigt;
};

// Records every request; a test may make requests fail with an error number.
class RecordingSound : public SoundService {
 public:
  struct Aufruf {
    QString art;  // "klang" (system sound) or "datei" (wave file)
    int typ = 0;
    QString name;
    bool asynchron = false;
    bool operator==(const Aufruf&) const = default;
  };

  int systemKlang(int typ) override;
  int abspielen(const QString& name, bool asynchron) override;

  const QList<Aufruf>& aufrufe() const { return aufrufe_; }
  void clear() { aufrufe_.clear(); }
  // The error number a request fails with (0 or unset: it succeeds).
  std::function<int(const Aufruf&)> fehler;

 private:
  int aufnehmen(const Aufruf& a);
  QList<Aufruf> aufrufe_;
};

// Records every request. Opening and the trash only record (with the answer the test sets); starting
// really starts the program through the real back end unless echtStarten is false, so that tests can wait
// for real child processes.
class RecordingShell : public ShellService {
 public:
  struct Start {
    QString programm;
    QStringList argumente;
    QString ordner;
  };
  RecordingShell();
  ~RecordingShell() override;

  bool oeffnen(const QUrl& adresse) override;
  qint64 starten(const QString& programm, const QStringList& argumente, const QString& ordner) override;
  bool laeuft(qint64 prozess) override;
  bool inPapierkorb(const QString& pfad) override;

  QList<QUrl> geoeffnet;
  QList<Start> gestartet;
  QStringList papierkorb;
  bool oeffnenGelingt = true;
  bool papierkorbGelingt = true;
  bool echtStarten = true;
  // Without a real start: the id handed out (0 = the start fails).
  qint64 naechsteId = 4711;

 private:
  std::unique_ptr<ShellService> echt_;
};

// Keystrokes to other programs, recorded instead of sent. Sequences are read as the real service reads
// them (an unreadable one is refused and not recorded). The focus check answers "another program" after
// the number of refusals the test sets, and moves the fixed clock on at each refusal, so that waiting for
// the focus takes no real time.
class RecordingTastatur : public TastaturService {
 public:
  struct Aufruf {
    QString art;  // "senden" (a sequence in the notation) or "tippen" (text as it stands)
    QString text;
    qint64 ms = 0;  // real milliseconds since the double was made
  };
  RecordingTastatur() { uhr_.start(); }
  int bereitschaft() override { return bereit; }
  bool fremderFokus() override;
  int senden(const QString& folge) override;
  int tippen(const QString& text) override;

  // "senden:%4{Home}", "tippen:Meier", in order.
  QStringList verlauf() const;
  QList<Aufruf> aufrufe;
  int bereit = 0;          // what bereitschaft() answers
  int fokusAbgelehnt = 0;  // focus checks that answer "ours" first (-1: every one)
  qint64 fokusSchrittMs = 500;
  int fokusFragen = 0;
  // When set, answers the focus check instead (the number of the check, from 1).
  std::function<bool(int frage)> fokusAntwort;
  int fehler = 0;  // the error number every send and type answers (0: they work)

 private:
  QElapsedTimer uhr_;
};

// A clipboard of its own: what the program puts there and what a test puts there for it to read.
class TestZwischenablage : public ZwischenablageService {
 public:
  void leeren() override {
    inhalt.reset();
    ++aenderungen;
    Zwischenablage::geaendert();
  }
  void textSetzen(const QString& text) override {
    inhalt = text;
    ++aenderungen;
    Zwischenablage::geaendert();
  }
  QString text() override { return inhalt.value_or(QString()); }
  bool hatText() override { return inhalt.has_value(); }
  std::optional<QString> inhalt;  // empty: the clipboard holds no text
  int aenderungen = 0;
};

// Answers what the test set.
class FesteSysInfo : public SysInfoService {
 public:
  FesteSysInfo();
  qint64 laufzeitMs() override { return laufzeit; }
  int farbtiefe() override { return tiefe; }
  QString anmeldeName() override { return anmeldung; }
  Speicher speicher() override { return speicherWerte; }
  Prozessor prozessor() override { return prozessorWerte; }
  QString programmDatei() override { return datei; }
  Regionaleinstellungen regionaleEinstellungen() override { return regional; }

  qint64 laufzeit = 3600000;
  int tiefe = 24;
  QString anmeldung = QStringLiteral("anna");
  Speicher speicherWerte;
  Prozessor prozessorWerte;
  QString datei = QStringLiteral("/opt/kartulon/bin/kartulon");
  Regionaleinstellungen regional;  // German unless the test sets others
};

// Answers the numbers the test set, in order and then again from the start (0 when none are set), and
// counts the seedings.
class FolgeZufall : public ZufallService {
 public:
  explicit FolgeZufall(QList<double> zahlen = {}) : folge(std::move(zahlen)) {}
  void mischen() override { ++gemischt; }
  double naechste() override {
    ++gezogen;
    if (folge.isEmpty()) return 0;
    return folge[static_cast<qsizetype>((gezogen - 1) % folge.size())];
  }
  QList<double> folge;
  int gemischt = 0;
  int gezogen = 0;
};

// The serial port through the real back end (tests give it a pseudo-terminal), with every step recorded.
// A read that brings nothing moves a fixed clock on, so that the modem's waits take no real time.
class RecordingSerialPort : public SerialPortService {
 public:
  RecordingSerialPort();
  ~RecordingSerialPort() override;
  int oeffnen(const QString& geraet) override;
  int eingangLeeren() override;
  int schreiben(const QByteArray& daten) override;
  QByteArray lesen(int wartenMs) override;
  int dtr(bool an) override;
  void schliessen() override;
  bool offen() const override;

  // "oeffnen /dev/pts/3", "leeren", "schreiben ATH0\r", "dtr 0", "dtr 1", "schliessen"; each with
  // " = <error number>" when it failed.
  QStringList verlauf;
  QList<QByteArray> gelesen;  // what each read brought, empty reads left out
  int lesungen = 0;
  // Called after each write (the modem answers here) and before each read (with the read's number, from 1).
  std::function<void(const QByteArray& daten)> nachSchreiben;
  std::function<void(int lesung)> vorLesen;
  qint64 uhrSchrittMs = 1000;

 private:
  int aufnehmen(const QString& schritt, int fehler);
  std::unique_ptr<SerialPortService> echt_;
};
