#include "bankforms/Betragsregeln.h"

#include "bankforms/Auswerten.h"
#include "common/Text.h"
#include "platform/dienste/Dialogs.h"
#include "platform/vb/Vb.h"

namespace Betragsregeln {

double BetragLesen(const QString& betrag) {
  return Z_Evaluate2::ZahlLesen(Ersetzen(betrag, QStringLiteral(","), QStringLiteral("."))).wert;
}

QString BetragVerlassen(const QString& betrag, int maxLength) {
  if (!(BetragLesen(betrag) > 0)) return betrag;
  // The evaluator marks a failure in the text it gets; the box keeps what it shows.
  QString kopie = betrag;
  const QString ergebnis = vb::Format(Z_Evaluate2::Auswerten(kopie), QStringLiteral("0.00"));
  if (maxLength > 0 && ergebnis.size() > maxLength) return vb::Format(0.0, QStringLiteral("0.00"));
  return ergebnis;
}

bool BetragVorDemDruck(QString& betrag, int maxLength, const std::function<void()>& fokus) {
  betrag = BetragVerlassen(betrag, maxLength);
  return BetragFragen(betrag, fokus);
}

bool BetragFragen(const QString& betrag, const std::function<void()>& fokus) {
  if (BetragLesen(betrag) > 0) return true;
  if (fokus) fokus();
  return MsgBox(QStringLiteral("Sie haben keinen Betrag eingegeben."),
                vb::vbOKCancel + vb::vbQuestion + vb::vbDefaultButton2,
                QStringLiteral("Formular ohne Betrag drucken?")) == vb::vbOK;
}

}  // namespace Betragsregeln
