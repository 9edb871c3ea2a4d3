#include "common/Benutzer.h"

#include "common/GrossKlein.h"
#include "common/Ini.h"
#include "common/Ton.h"
#include "platform/dienste/Dialogs.h"
#include "platform/dienste/SysInfo.h"
#include "platform/vb/Umgebung.h"
#include "platform/vb/Vb.h"

#include <functional>

namespace {

constexpr qsizetype laengsterName = 99;

}  // namespace

QString AnmeldeName() {
  const QString name = SysInfo::service().anmeldeName();
  // The original read it into 255 characters; a name that left no room for the terminator came back empty.
  if (name.size() >= 255) return {};
  return name;
}

QString BenutzerName() {
  const QString gespeichert = IniLesen("", "Allgemein", "User", "");
  QString kandidat = gespeichert;
  const std::function<QString()> quellen[] = {
      [] { return AnmeldeName(); },
      [] { return Umgebung::variable(QStringLiteral("User")); },
      [] { return Umgebung::variable(QStringLiteral("USERID")); },
      [] { return Umgebung::variable(QStringLiteral("Station")); },
      [] { return Umgebung::variable(QStringLiteral("Username")); },
      [] { return IniLesen("Win.ini", "MS User Info", "DefName", ""); },
  };
  for (const auto& quelle : quellen) {
    if (!kandidat.isEmpty()) break;
    kandidat = quelle();
  }
  kandidat = vb::Trim(kandidat).left(laengsterName);
  if (!kandidat.isEmpty()) kandidat = GrossKlein(kandidat);

  if (kandidat.isEmpty()) {
    TonAusgeben(u"#SystemQuestion");
    kandidat =
        InputBox(QStringLiteral("Wählen Sie bitte einen Benutzernamen aus."), QStringLiteral("Benutzername"), kandidat)
            .left(laengsterName);
    // Cancelled, or no name given: rather than ask for ever, take the account's own name.
    if (vb::Trim(kandidat).isEmpty()) {
      kandidat = GrossKlein(vb::Trim(SysInfo::service().anmeldeName()).left(laengsterName));
      if (kandidat.isEmpty()) kandidat = QStringLiteral("Benutzer ") + Umgebung::kontoKennung();
    }
  }

  if (gespeichert.isEmpty()) {
    const QString gespeichertNeu = IniSchreiben("", "Allgemein", "User", kandidat);
    // A write that failed leaves the name unstored; the name itself still holds for this call.
    if (!gespeichertNeu.isEmpty()) kandidat = gespeichertNeu;
  }
  return kandidat;
}
