#pragma once
// The look-ups of the shown address in a telephone-directory program: what is typed into it, step by
// step, as a function of the field texts and of the field that last had the focus. Field texts are typed
// as they stand; only the fixed keys are written in the key notation.
#include "store/Datensatz.h"

#include <QList>
#include <QString>

namespace Nachschlagen {

// A piece of a key string: keys in the notation, or a text typed as it stands.
struct Teil {
  bool woertlich = false;
  QString text;
  bool operator==(const Teil&) const = default;
};
using Tastenstring = QList<Teil>;

struct Schritt {
  enum Art { Senden, Ereignisse, Pause };  // Pause: one second, events running
  Art art = Ereignisse;
  Tastenstring folge;  // for Senden
  bool operator==(const Schritt&) const = default;
};
using Ablauf = QList<Schritt>;

// Nachname, one blank, Vorname, each trimmed, trimmed as a whole.
QString Name(const Felder& feld);

Ablauf DInfo3(const Felder& feld, int feldIndex);
Ablauf DInfo97(const Felder& feld, int feldIndex);
Ablauf KlickTel98(const Felder& feld, int feldIndex);
// Fills the search form in its tab order; the focused field does not matter.
Ablauf DInfo99(const Felder& feld);

// For logs and tests: "senden:" with the notation as it stands and typed text in «», "ereignisse",
// "pause".
QString Darstellung(const Tastenstring& folge);
QStringList Darstellung(const Ablauf& ablauf);

}  // namespace Nachschlagen
