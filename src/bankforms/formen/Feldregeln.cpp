#include "bankforms/formen/Feldregeln.h"

#include "bankforms/Betragsregeln.h"
#include "store/Kataloge.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <memory>
#include <utility>

namespace Feldregeln {

namespace {

// The rule runs first; the box's earlier handler after it.
void vorher(std::function<void()>& ereignis, std::function<void()> regel) {
  ereignis = [regel = std::move(regel), alt = std::move(ereignis)] {
    regel();
    if (alt) alt();
  };
}

// A key the rule swallows (code 0) never reaches the earlier handler.
void vorher(std::function<void(int&)>& ereignis, std::function<void(int&)> regel) {
  ereignis = [regel = std::move(regel), alt = std::move(ereignis)](int& keyAscii) {
    regel(keyAscii);
    if (keyAscii != 0 && alt) alt(keyAscii);
  };
}

void markieren(vb::TextBox& box) {
  box.setSelStart(0);
  box.setSelLength(static_cast<int>(box.Text().size()));
}

// A Tab keystroke to the control that has the focus: the focus goes on as the user's own Tab would take
// it, and it has arrived when this returns.
void tabSenden() {
  QWidget* fokus = QApplication::focusWidget();
  if (!fokus) return;
  QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
  QCoreApplication::sendEvent(fokus, &tab);
}

void enter(int& keyAscii) {
  if (keyAscii != 13) return;
  keyAscii = 0;
  tabSenden();
}

}  // namespace

void FeldLaenge(vb::TextBox& box, int maxLength) {
  box.setMaxLength(maxLength);
  box.setCutsCodeText(true);
}

void TextMarkieren(vb::TextBox& box) {
  QPointer<vb::TextBox> b(&box);
  vorher(box.GotFocus, [b] {
    if (b) markieren(*b);
  });
}

void BankAusBankleitzahl(vb::TextBox& bank, vb::TextBox& bankleitzahl) {
  QPointer<vb::TextBox> b(&bank), blz(&bankleitzahl);
  // Set while the focus is in the box after a look-up: the focus coming back from the pick list, or any
  // other entry before the box was really left, does not look up again.
  auto nachgeschlagen = std::make_shared<bool>(false);
  vorher(bank.GotFocus, [b, blz, nachgeschlagen] {
    if (!b) return;
    if (!*nachgeschlagen && blz && !blz->Text().isEmpty() && b->Text().isEmpty()) {
      *nachgeschlagen = true;
      b->setText(BankZuBLZ(blz->Text()));
    }
    markieren(*b);
  });
  vorher(bank.LostFocus, [nachgeschlagen] { *nachgeschlagen = false; });
}

void EnterWeiter(vb::TextBox& box) { vorher(box.KeyPress, enter); }

void EnterWeiter(vb::ComboBox& box) { vorher(box.KeyPress, enter); }

bool EnterWeiter(int& keyAscii) {
  if (keyAscii != 13) return false;
  enter(keyAscii);
  return true;
}

void AuftraggeberZeichen(vb::TextBox& box) {
  vorher(box.KeyPress, [](int& keyAscii) {
    if (keyAscii == ';')
      keyAscii = ',';
    else if (keyAscii == '|')
      keyAscii = '-';
  });
}

void Betragsfeld(vb::TextBox& box) {
  vorher(box.KeyPress, [](int& keyAscii) {
    if (keyAscii == '.') keyAscii = ',';
  });
  QPointer<vb::TextBox> b(&box);
  vorher(box.LostFocus, [b] {
    if (b) b->setText(Betragsregeln::BetragVerlassen(b->Text(), b->MaxLength()));
  });
}

bool BetragVorDemDruck(vb::TextBox& betrag) {
  QString text = betrag.Text();
  const bool weiter = Betragsregeln::BetragVorDemDruck(text, betrag.MaxLength(), [&] {
    betrag.setText(text);
    betrag.SetFocus();
  });
  betrag.setText(text);
  return weiter;
}

}  // namespace Feldregeln
