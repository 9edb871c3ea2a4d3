#include "common/Ton.h"

#include "common/Fehler.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "platform/dienste/Sound.h"
#include "platform/vb/Laufzeitfehler.h"

#include <utility>

namespace {

// The built-in names and the message-box icon whose system sound they give. Case matters.
const std::pair<QString, int> eingebauteToene[] = {
    {QStringLiteral("#RingOut"), 48},           {QStringLiteral("#RingIn"), 32},
    {QStringLiteral("#SystemExclamation"), 48}, {QStringLiteral("#SystemQuestion"), 32},
    {QStringLiteral("#SystemHand"), 16},        {QStringLiteral("#SystemAsterisk"), 64},
};

// A failed step is reported (except "path not found", which is usual for a stale sound setting); the
// answer tells whether the next step runs.
bool weiter(int fehler) {
  if (fehler <= 0 || fehler == vb::ErrPfadNichtGefunden) return true;
  return FehlerMelden(fehler, QStringLiteral("Fehler bei Tonausgabe")) == 5;
}

}  // namespace

void TonAusgeben(QString& ton) {
  SoundService& sound = Sound::service();
  const QString standard = QStringLiteral("0");  // names nothing: the player gives its default sound
  if (ton.startsWith(u'#')) {
    for (const auto& [name, typ] : eingebauteToene) {
      if (ton == name) {
        if (!weiter(sound.systemKlang(typ))) return;
        ton.clear();
      }
    }
    if (ton.isEmpty()) {
      weiter(sound.abspielen(standard, false));
      return;
    }
    // An entry of the sound settings: a file name, a comma and a description.
    ton = IniLesen("Win.ini", "Sounds", ton.mid(1), "");
    const qsizetype komma = ton.indexOf(u',');
    if (komma >= 0) ton.truncate(komma);
  }
  if (DateiVorhanden(ton))
    weiter(sound.abspielen(ton, true));
  else
    weiter(sound.abspielen(standard, false));
}

void TonAusgeben(const char16_t* ton) {
  QString t = QString::fromUtf16(ton);
  TonAusgeben(t);
}
