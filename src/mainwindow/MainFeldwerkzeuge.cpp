// The editing aids of the field boxes: the zoom editor, the user's own field captions and the
// special-character picker.
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Text.h"
#include "common/formen/Sonderzeichen.h"
#include "common/formen/ZoomText.h"
#include "mainwindow/Main.h"
#include "platform/dienste/Dialogs.h"
#include "platform/vb/Fonts.h"
#include "platform/vb/Vb.h"

void Main::befZoom_Click() {
  const short i = FeldFokus == 1 ? FeldIndex : 11;
  if (!Feld.has(i)) return;
  vb::TextBox& feld = Feld(i);

  ZoomText& zoom = ZoomText::get();
  vb::TextBox& text = *zoom.Text;
  text.setText(feld.Text());
  text.setMaxLength(feld.MaxLength());
  text.setSelStart(feld.SelStart());
  text.setSelLength(feld.SelLength());
  // The field's face, weight and slant; the size stays the user's zoom size.
  QFont schrift = text.font();
  schrift.setFamily(feld.font().family());
  schrift.setBold(feld.font().bold());
  schrift.setItalic(feld.font().italic());
  text.setBackColor(feld.BackColor());
  text.setMaxLength(feld.MaxLength());
  zoom.setCaption(QStringLiteral("Zoom (") + Bezeichnung1(i).Caption() + u')');
  if (!feld.MultiLine()) {
    // One line: a fixed-width face shows where the lines the user types will be joined.
    schrift.setFamily(Fonts::familie(QStringLiteral("Courier New")));
    schrift.setBold(true);
  }
  text.setFont(schrift);

  zoom.Show(true);

  if (ZoomText::IsLoaded() && zoom.Abbruch->Value() == 0) {
    QString t = zoom.Text->Text();
    if (!feld.MultiLine()) t = Ersetzen(t, QStringLiteral("\r\n"), QString());
    feld.setText(t);
    AdresseAktualisieren(0);
  }
  feld.SetFocus();
  ZoomText::Unload();
}

void Main::Bezeichnung1_DblClick(short index) {
  if (NurLesen == -1) return;
  const QString alt = Bezeichnung1(index).Caption();
  const QString antwort =
      InputBox(QStringLiteral("Bitte geben Sie eine neue Beschriftung für das Feld »") + alt +
                   QStringLiteral("« ein.\r\n\r\nBeachten Sie bitte, dass alle Masken, die dieses Feld verwenden, "
                                  "angepasst werden müssen."),
               QStringLiteral("Feldbeschriftung ändern"), alt);
  // Shown as it is stored, so that masks find the same caption now and after a restart.
  const QString neu = vb::RTrim(antwort);
  if (neu.isEmpty()) return;
  Bezeichnung1(index).setCaption(neu);
  IniSchreiben(IniDatei, QStringLiteral("Beschriftung"), QStringLiteral("Bez_%1").arg(index, 2, 10, QChar(u'0')), neu);
}

void Main::mnuSonderzeichenEinfg_Click() {
  if (FeldFokus == 0) {
    MsgBox(QStringLiteral("Wählen Sie bitte zuerst das Feld aus, ein welches Sonderzeichen eingefügt werden sollen."),
           vb::vbInformation | vb::vbOKOnly, QStringLiteral("Sonderzeichen einfügen"));
    return;
  }
  Sonderzeichen::get().Show(true);
  const QString t = Sonderzeichen::IsLoaded() ? Sonderzeichen::get().Text->Text() : QString();
  Sonderzeichen::Unload();
  if (t.isEmpty() || !Feld.has(FeldIndex)) return;
  Feld(FeldIndex).setSelText(t);
  AdresseAktualisieren(0);
}
