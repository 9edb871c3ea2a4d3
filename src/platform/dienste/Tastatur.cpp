#include "platform/dienste/Tastatur.h"

#include "platform/dienste/Dienst.h"
#include "platform/vb/Laufzeitfehler.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHash>
#include <QProcess>
#include <QStandardPaths>
#include <QWindow>

using namespace Qt::Literals::StringLiterals;

namespace {

// The X11 name of a character typed as it is; empty for a control character that is no key.
QString zeichenName(QChar c) {
  static const QHash<char16_t, QString> satzzeichen = {
      {u' ', u"space"_s},      {u'!', u"exclam"_s},       {u'"', u"quotedbl"_s},    {u'#', u"numbersign"_s},
      {u'$', u"dollar"_s},     {u'%', u"percent"_s},      {u'&', u"ampersand"_s},   {u'\'', u"apostrophe"_s},
      {u'(', u"parenleft"_s},  {u')', u"parenright"_s},   {u'*', u"asterisk"_s},    {u'+', u"plus"_s},
      {u',', u"comma"_s},      {u'-', u"minus"_s},        {u'.', u"period"_s},      {u'/', u"slash"_s},
      {u':', u"colon"_s},      {u';', u"semicolon"_s},    {u'<', u"less"_s},        {u'=', u"equal"_s},
      {u'>', u"greater"_s},    {u'?', u"question"_s},     {u'@', u"at"_s},          {u'[', u"bracketleft"_s},
      {u'\\', u"backslash"_s}, {u']', u"bracketright"_s}, {u'^', u"asciicircum"_s}, {u'_', u"underscore"_s},
      {u'`', u"grave"_s},      {u'{', u"braceleft"_s},    {u'|', u"bar"_s},         {u'}', u"braceright"_s},
      {u'~', u"asciitilde"_s}, {u'\t', u"Tab"_s},         {u'\r', u"Return"_s},     {u'\n', u"Return"_s},
  };
  const char16_t u = c.unicode();
  if ((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9')) return QString(c);
  const auto it = satzzeichen.constFind(u);
  if (it != satzzeichen.constEnd()) return *it;
  if (u < 0x20 || u == 0x7F || c.isSurrogate()) return {};
  // Any other character by its Unicode keysym.
  return QStringLiteral("U%1").arg(static_cast<uint>(u), 4, 16, QChar(u'0')).toUpper();
}

}  // namespace

QString Taste::text() const {
  QString t;
  if (strg) t += QStringLiteral("ctrl+");
  if (alt) t += QStringLiteral("alt+");
  if (umschalt) t += QStringLiteral("shift+");
  return t + name;
}

namespace Tastenfolge {

namespace {

// The key names inside braces, upper-cased, and their X11 names.
const QHash<QString, QString>& tastenNamen() {
  static const QHash<QString, QString> namen = [] {
    QHash<QString, QString> n = {
        {u"ENTER"_s, u"Return"_s},
        {u"ESC"_s, u"Escape"_s},
        {u"ESCAPE"_s, u"Escape"_s},
        {u"TAB"_s, u"Tab"_s},
        {u"HOME"_s, u"Home"_s},
        {u"END"_s, u"End"_s},
        {u"BS"_s, u"BackSpace"_s},
        {u"BKSP"_s, u"BackSpace"_s},
        {u"BACKSPACE"_s, u"BackSpace"_s},
        {u"DEL"_s, u"Delete"_s},
        {u"DELETE"_s, u"Delete"_s},
        {u"INS"_s, u"Insert"_s},
        {u"INSERT"_s, u"Insert"_s},
        {u"UP"_s, u"Up"_s},
        {u"DOWN"_s, u"Down"_s},
        {u"LEFT"_s, u"Left"_s},
        {u"RIGHT"_s, u"Right"_s},
        {u"PGUP"_s, u"Prior"_s},
        {u"PGDN"_s, u"Next"_s},
        {u"BREAK"_s, u"Break"_s},
        {u"CAPSLOCK"_s, u"Caps_Lock"_s},
        {u"NUMLOCK"_s, u"Num_Lock"_s},
        {u"SCROLLLOCK"_s, u"Scroll_Lock"_s},
        {u"PRTSC"_s, u"Print"_s},
        {u"HELP"_s, u"Help"_s},
        {u"ADD"_s, u"KP_Add"_s},
        {u"SUBTRACT"_s, u"KP_Subtract"_s},
        {u"MULTIPLY"_s, u"KP_Multiply"_s},
        {u"DIVIDE"_s, u"KP_Divide"_s},
    };
    for (int f = 1; f <= 16; ++f) n.insert(u'F' + QString::number(f), u'F' + QString::number(f));
    return n;
  }();
  return namen;
}

}  // namespace

std::optional<QList<Taste>> lesen(const QString& folge) {
  QList<Taste> tasten;
  Taste naechste;
  bool modifikator = false;
  auto hinzu = [&](const QString& name, int anzahl) {
    naechste.name = name;
    for (int i = 0; i < anzahl; ++i) tasten.append(naechste);
    naechste = Taste();
    modifikator = false;
  };
  for (qsizetype i = 0; i < folge.size(); ++i) {
    const QChar c = folge[i];
    if (c == u'^' || c == u'%' || c == u'+') {
      (c == u'^' ? naechste.strg : c == u'%' ? naechste.alt : naechste.umschalt) = true;
      modifikator = true;
    } else if (c == u'~') {
      hinzu(QStringLiteral("Return"), 1);
    } else if (c == u'{') {
      // "{}}" and "{{}" are the braces themselves; otherwise the name runs up to the next "}".
      qsizetype ende = folge.indexOf(u'}', i + 2);
      if (i + 2 < folge.size() && folge[i + 1] == u'}' && folge[i + 2] == u'}')
        ende = i + 2;
      else if (i + 1 < folge.size() && folge[i + 1] == u'}')
        ende = -1;
      if (ende < 0) return std::nullopt;
      const QString innen = folge.mid(i + 1, ende - i - 1);
      i = ende;
      QString name = innen;
      int anzahl = 1;
      const qsizetype blank = innen.lastIndexOf(u' ');
      if (blank > 0) {
        bool ok = false;
        anzahl = innen.mid(blank + 1).toInt(&ok);
        const QString zahl = innen.mid(blank + 1);
        // Only plain digits count; a huge count would only tie the keyboard up.
        if (!ok || zahl.isEmpty() || zahl.front() == u'+' || zahl.front() == u'-' || anzahl > 999) return std::nullopt;
        name = innen.left(blank);
      }
      QString x11;
      if (name.size() == 1)
        x11 = zeichenName(name[0]);
      else
        x11 = tastenNamen().value(name.toUpper());
      if (x11.isEmpty()) return std::nullopt;
      hinzu(x11, anzahl);
    } else {
      const QString x11 = zeichenName(c);
      if (x11.isEmpty()) return std::nullopt;
      hinzu(x11, 1);
    }
  }
  if (modifikator) return std::nullopt;
  return tasten;
}

}  // namespace Tastenfolge

namespace {

// Sends through xdotool, each call with its own argument list (no shell reads the text).
class XdotoolTastatur : public TastaturService {
 public:
  int bereitschaft() override {
    const bool wayland =
        qEnvironmentVariable("XDG_SESSION_TYPE").compare(QStringLiteral("wayland"), Qt::CaseInsensitive) == 0;
    if (wayland || QGuiApplication::platformName() != QStringLiteral("xcb")) return vb::ErrTastenNurX11;
    if (programm().isEmpty()) return vb::ErrTastenOhneXdotool;
    return 0;
  }

  // Only a window that names its process, and a process other than this one, counts: the root window, a
  // window of ours and a window that says nothing about its owner do not.
  bool fremderFokus() override {
    if (bereitschaft() != 0) return false;
    QString fenster;
    // Fails while the focus is on no window ("pointer root" or none).
    if (!ausfuehren({QStringLiteral("getwindowfocus")}, &fenster)) return false;
    bool ok = false;
    const qulonglong id = fenster.toULongLong(&ok);
    if (!ok || id <= 1) return false;
    for (QWindow* w : QGuiApplication::allWindows())
      if (w->handle() && static_cast<qulonglong>(w->winId()) == id) return false;
    QString pid;
    if (!ausfuehren({QStringLiteral("getwindowpid"), fenster}, &pid)) return false;
    const qint64 prozess = pid.toLongLong(&ok);
    return ok && prozess > 0 && prozess != QCoreApplication::applicationPid();
  }

  int senden(const QString& folge) override {
    const auto tasten = Tastenfolge::lesen(folge);
    if (!tasten) return vb::ErrUngueltigerAufruf;
    if (tasten->isEmpty()) return 0;
    if (const int fehler = bereitschaft()) return fehler;
    QStringList argumente{QStringLiteral("key")};
    for (const Taste& t : *tasten) argumente.append(t.text());
    return ausfuehren(argumente) ? 0 : vb::ErrTastenGescheitert;
  }

  // Each character goes as the key of its own symbol. xdotool's type command puts a character it does not
  // find in its keyboard table on a spare key for a moment, and a program that reads the keyboard map
  // after that moment gets a key without a character ("K?ln"); the key command finds umlauts and "ß" on
  // the keys of a German keyboard.
  int tippen(const QString& text) override {
    if (text.isEmpty()) return 0;
    if (const int fehler = bereitschaft()) return fehler;
    QStringList argumente{QStringLiteral("key")};
    for (const QChar c : text) {
      const QString name = zeichenName(c);
      if (name.isEmpty()) return vb::ErrUngueltigerAufruf;
      argumente.append(name);
    }
    return ausfuehren(argumente) ? 0 : vb::ErrTastenGescheitert;
  }

 private:
  static QString programm() { return QStandardPaths::findExecutable(QStringLiteral("xdotool")); }

  static bool ausfuehren(const QStringList& argumente, QString* ausgabe = nullptr) {
    QProcess p;
    p.setProgram(programm());
    p.setArguments(argumente);
    p.start();
    if (!p.waitForFinished(30000)) {
      p.kill();
      p.waitForFinished();
      return false;
    }
    if (ausgabe) *ausgabe = QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
  }
};

using Slot = Dienst<TastaturService, XdotoolTastatur>;

}  // namespace

namespace Tastatur {
TastaturService& service() { return Slot::service(); }
std::unique_ptr<TastaturService> install(std::unique_ptr<TastaturService> service) {
  return Slot::install(std::move(service));
}
}  // namespace Tastatur
