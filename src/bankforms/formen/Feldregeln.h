#pragma once
// The typing rules that the bank-form dialogs share, attached to their boxes. Each rule runs before the
// handler that the box already has for the same event, so a dialog sets its own events first and
// attaches the rules afterwards.
#include "platform/kit/Controls.h"

namespace Feldregeln {

// The box's MaxLength, which limits typed text and also cuts text that the program puts in: the printed
// forms have room for that many characters.
void FeldLaenge(vb::TextBox& box, int maxLength);

// The whole text is selected when the box gets the focus, so that typing replaces it.
void TextMarkieren(vb::TextBox& box);

// When the bank box gets the focus while it is empty and its bank code box is not, it receives the bank
// of that code from the catalogue (the user picks when the code has several); then its text is selected.
// A text already there is never overwritten, and a look-up offers its pick list once per visit to the
// box, so a cancelled pick leaves the box empty.
void BankAusBankleitzahl(vb::TextBox& bank, vb::TextBox& bankleitzahl);

// Enter is swallowed and the focus moves to the next control in tab order; no button is pressed.
void EnterWeiter(vb::TextBox& box);
void EnterWeiter(vb::ComboBox& box);
// The same for a form that sees every key first: call it from Form_KeyPress. True when it was Enter.
bool EnterWeiter(int& keyAscii);

// The payer's boxes: ";" and "|" separate the parts of the remembered accounts, so they are typed as ","
// and "-".
void AuftraggeberZeichen(vb::TextBox& box);

// The amount: a typed "." is a ","; leaving the box evaluates an amount that begins with a positive number
// and writes it with two decimals (Betragsregeln::BetragVerlassen, with the box's MaxLength).
void Betragsfeld(vb::TextBox& box);

// At the start of printing: the amount box is left once more; without an amount above 0 the box gets the
// focus and the user is asked. True when printing goes on.
bool BetragVorDemDruck(vb::TextBox& betrag);

}  // namespace Feldregeln
