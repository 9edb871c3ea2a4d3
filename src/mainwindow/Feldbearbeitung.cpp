// Editing in the 24 field boxes: the keys with a meaning of their own, the characters changed or
// questioned as they are typed, storing on every key release, and the checks and completions when a
// box is left.
#include "common/Global.h"
#include "common/GrossKlein.h"
#include "common/Ini.h"
#include "common/Text.h"
#include "common/Ton.h"
#include "common/formen/MsgDoppelt.h"
#include "mainwindow/Main.h"
#include "platform/dienste/Dialogs.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Codec.h"
#include "platform/vb/Keys.h"
#include "platform/vb/Sanduhr.h"
#include "platform/vb/Vb.h"
#include "store/Kataloge.h"

#include <optional>

namespace {

// The case rules of the runtime: one character at a time, so that "ß" stays one letter.
QString Gross(const QString& text) {
  QString t = text;
  for (QChar& c : t) c = c.toUpper();
  return t;
}

QString Klein(const QString& text) {
  QString t = text;
  for (QChar& c : t) c = QChar(vb::Klein(c.unicode()));
  return t;
}

// Characters that a mail address rarely holds (Windows-1252 codes).
bool UngewoehnlichInMail(int code) {
  switch (code) {
    case ' ':
    case '/':
    case ':':
    case ',':
    case ';':
    case '*':
    case 228:
    case 246:
    case 252:
    case 196:
    case 214:
    case 220:
    case 223:
      return true;
    default:
      return false;
  }
}

}  // namespace

void Main::FeldbearbeitungVerbinden() {
  for (short i = 0; i < 24; ++i) {
    vb::TextBox& box = Feld(i);
    box.GotFocus = [this, i] { Feld_GotFocus(i); };
    box.LostFocus = [this, i] { Feld_LostFocus(i); };
    box.Change = [this, i] { Feld_Change(i); };
    box.KeyDown = [this, i](int& code, int shift) { Feld_KeyDown(i, code, shift); };
    box.KeyPress = [this, i](int& ascii) { Feld_KeyPress(i, ascii); };
    box.KeyUp = [this, i](int& code, int shift) { Feld_KeyUp(i, code, shift); };
    box.DblClick = [this, i] { Feld_DblClick(i); };
    box.MouseDown = [this, i](int button, int shift, int x, int y) { Feld_MouseDown(i, button, shift, x, y); };
    Bezeichnung1(i).DblClick = [this, i] { Bezeichnung1_DblClick(i); };
  }
  befZoom->Click = [this] { befZoom_Click(); };
  Toolbar->ButtonClick = [this](const QString& key) { Toolbar_ButtonClick(key); };
  ZeitTimeOut->Tick = [this] { ZeitTimeOut_Timer(); };
}

void Main::FokusSchritt(bool vorwaerts) { focusNextPrevChild(vorwaerts); }

void Main::Feld_GotFocus(short index) {
  // The focus is moved after this event has finished: moving it inside its own focus-in would leave
  // Qt's focus bookkeeping and the box's events out of step.
  if (NurLesen == -1) {
    QMetaObject::invokeMethod(
        this, [this] { TxtSuche->SetFocus(); }, Qt::QueuedConnection);
    return;
  }
  vb::TextBox& box = Feld(index);
  if (box.Locked() && index != 1) {
    // A locked box hands the focus on to the last name; FeldIndex is set there, never to a locked box.
    QMetaObject::invokeMethod(
        this, [this] { Feld(1).SetFocus(); }, Qt::QueuedConnection);
    return;
  }
  if (MausFeldIndex != index && !box.MultiLine() &&
      IniLesen(QString(), QString(), QStringLiteral("MarkAllAtEntry"), QStringLiteral("0")) == u"1") {
    box.setSelStart(0);
    box.setSelLength(static_cast<int>(box.Text().size()));
  }
  FeldIndex = index;
  FeldFokus = 1;
}

void Main::Feld_KeyDown(short index, int& keyCode, int shift) {
  vb::TextBox& box = Feld(index);
  if (shift == vb::vbAltMask && keyCode == vb::vbKeyReturn) Feld_DblClick(index);
  if (shift == vb::vbCtrlMask && keyCode == vb::vbKeyF2) befZoom_Click();
  if (shift == (vb::vbShiftMask | vb::vbCtrlMask) && keyCode == vb::vbKeyRaute && index == 8)
    box.setText(Feld(7).Text());
  if (keyCode == vb::vbKeyUp && !box.MultiLine()) {
    keyCode = 0;
    FokusSchritt(false);
  } else if (keyCode == vb::vbKeyDown && !box.MultiLine()) {
    keyCode = 0;
    FokusSchritt(true);
  }
}

void Main::Feld_KeyPress(short index, int& keyAscii) {
  vb::TextBox& box = Feld(index);
  if (keyAscii == ';') keyAscii = ',';
  // A locked box (read-only mode, the dates) takes nothing, not even from Ctrl+D or Ctrl+U.
  if (keyAscii == 4) {  // Ctrl+D
    if (!box.Locked()) box.setSelText(vb::DatumText(Clock::today()) + u' ');
    keyAscii = 0;
  }
  if (keyAscii == 21) {  // Ctrl+U
    if (!box.Locked()) box.setSelText(Clock::time().toString(QStringLiteral("hh:mm")) + u' ');
    keyAscii = 0;
  }
  if (keyAscii == 13) {
    if (NurLesen != -1) AdresseAktualisieren(0);
    if (!box.MultiLine()) {
      keyAscii = 0;
      FokusSchritt(true);
    }
  }
  if (index == 20 && (keyAscii == ' ' || keyAscii == '.' || keyAscii == ',' || keyAscii == '-' || keyAscii == '/'))
    keyAscii = '.';
  if (index == 14 && UngewoehnlichInMail(keyAscii)) {
    const QString zeichen = Codec::aus1252(QByteArray(1, static_cast<char>(keyAscii)));
    const int antwort = MsgBox(QStringLiteral("Das Zeichen »") + zeichen +
                                   QStringLiteral("« ist für eine eMail-Adresse ungewöhnlich.\r\n\r\n"
                                                  "Möchten Sie es trotzdem verwenden?"),
                               vb::vbYesNo + vb::vbQuestion, QStringLiteral("eMail in Ordnung?"));
    if (antwort != vb::vbYes) keyAscii = 0;
  }
}

void Main::Feld_KeyUp(short /*index*/, int& /*keyCode*/, int /*shift*/) {
  // Read-only mode never stores: the box hands the focus on, but a release can come before that.
  if (NurLesen == -1) return;
  AdresseAktualisieren(0);
}

void Main::Feld_Change(short /*index*/) { LeerlaufSekunden = 0; }

void Main::Feld_LostFocus(short index) {
  // In read-only mode the box only passes the focus on: nothing is reformatted, looked up or stored.
  if (NurLesen == -1) return;
  vb::TextBox& box = Feld(index);

  // 1. Case rule and trimming. What the box shows after it is stored at once, so that leaving by mouse
  // or closing the window saves what the user sees.
  const QString t = box.Text();
  if (t.size() > 1 && !box.MultiLine() && index != 9 && index != 14 && index != 22) {
    QString s = t;
    if (vb::ShiftKey() == 0 && !s.isEmpty()) {
      switch (AutoFormatUCase) {
        case 1:
          s = WortAnfaengeGross(s);
          break;
        case 2:
          s = Gross(s.left(1)) + s.mid(1);
          break;
        case 3:
          s = Gross(s);
          break;
        case 4:
          s = Klein(s);
          break;
        default:
          break;
      }
    }
    if (AutoFormatTrim != 0) s = vb::Trim(s);
    if (!s.isEmpty() && s != t) {
      box.setText(s);
      AdresseAktualisieren(0);
    }
  }

  // 2. The town from the postcode.
  if (index == 4 && !Feld(4).Text().isEmpty() && Feld(5).Text().isEmpty() && OrtAusPlz != 0) {
    Feld(5).setText(OrtZuPLZ(Feld(4).Text(), 1, Feld(5).Text()));
    AdresseAktualisieren(0);
    // A district after "," or "-" is selected, so that typing replaces it.
    const QString o = Feld(5).Text();
    qsizetype p = o.indexOf(u',') + 1;
    if (p == 0) p = o.indexOf(u'-') + 1;
    if (p > 5) {
      Feld(5).setSelStart(static_cast<int>(p - 1));
      Feld(5).setSelLength(static_cast<int>(o.size() - p + 1));
    }
  }

  // 3. The bank's name from the bank code.
  if (index == 18 && !Feld(18).Text().isEmpty() && Feld(19).Text().isEmpty()) {
    Feld(19).setText(BankZuBLZ(Feld(18).Text()));
    AdresseAktualisieren(0);
  }

  // 4. An address with the same name.
  DoppeltenNamenSuchen(index);

  // 5. The birthday.
  if (index == 20) {
    const QString d = vb::Trim(Feld(20).Text());
    if (vb::IsDate(d)) {
      const QString datum = vb::DatumText(vb::CDate(d));
      if (datum != Feld(20).Text()) {
        Feld(20).setText(datum);
        AdresseAktualisieren(0);
      }
    } else if (!d.isEmpty()) {
      TonAusgeben(u"#SystemHand");
    }
  }
}

void Main::DoppeltenNamenSuchen(short index) {
  const QString an = IniLesen(QString(), QString(), QStringLiteral("AutoSucheDoppeltenNamen"), QStringLiteral("0"));
  if (vb::Val(an) == 0 || index != 1) return;
  if (Feld(1).Text().isEmpty() || Feld(2).Text().isEmpty()) return;
  if (!vb::Trim(Feld(3).Text() + Feld(4).Text() + Feld(5).Text()).isEmpty()) return;

  std::optional<Sanduhr> sanduhr;
  sanduhr.emplace();
  // Two neighbouring whole fields of a line.
  const QString schluessel =
      (QStringLiteral("\t") + Feld(1).Text() + QStringLiteral("\t") + Feld(2).Text() + QStringLiteral("\t")).toLower();
  for (int n = 0; n < Liste->ListCount(); ++n) {
    if (n == Liste->ListIndex()) continue;
    const QString zeile = Liste->List(n);
    if (!zeile.toLower().contains(schluessel)) continue;

    // Each non-empty field of the found address on a line of its own.
    QString text = u'~' + zeile + u'~';
    text = Ersetzen(text, QStringLiteral("\t"), QStringLiteral("~"));
    text = Ersetzen(text, QStringLiteral("°°"), QStringLiteral("~"));
    text = Ersetzen(text, QStringLiteral("~ "), QStringLiteral("~"));
    for (int k = 0; k < 23; ++k) text = Ersetzen(text, QStringLiteral("~~"), QStringLiteral("~"));
    text = Ersetzen(text, QStringLiteral("~"), QStringLiteral("\r\n"));

    sanduhr.reset();
    TonAusgeben(u"#SystemQuestion");
    MsgDoppelt& frage = MsgDoppelt::get();
    frage.Text->setText(text);
    frage.Show(true);
    sanduhr.emplace();
    if (frage.Abbruch->Value() == 1) continue;

    // Ja: the address being typed gives way to the found one. Its line goes from the table instead of
    // staying behind as an empty record.
    const int aktuell = Liste->ListIndex();
    int gefunden = n;
    if (aktuell >= 0) {
      Liste->RemoveItem(aktuell);
      Geaendert = 1;
      if (gefunden > aktuell) --gefunden;
    }
    Liste->setListIndex(gefunden);
    AktuellerDatensatz = Liste->List(Liste->ListIndex());
    AdresseAnzeigen();
    break;
  }
}
