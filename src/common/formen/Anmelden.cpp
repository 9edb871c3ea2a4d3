#include "common/formen/Anmelden.h"

#include "common/Auswahldienst.h"
#include "common/formen/Auswahl.h"
#include "platform/kit/Dienste.h"
#include "platform/vb/Vb.h"

void FensterDiensteAnmelden() {
  kit::DiensteAnmelden();
  EintragWaehlenSetzen([](const QStringList& eintraege) -> std::optional<QString> {
    Auswahl& auswahl = Auswahl::get();
    auswahl.Liste->Clear();
    for (const QString& e : eintraege) auswahl.Liste->AddItem(vb::Trim(e));
    auswahl.Show(true);
    std::optional<QString> ergebnis;
    const int index = auswahl.Liste->ListIndex();
    if (index >= 0) ergebnis = auswahl.Liste->List(index);
    auswahl.Liste->Clear();
    return ergebnis;
  });
}
