#include "store/Anschrift.h"

#include "common/Global.h"
#include "common/Ini.h"
#include "common/Text.h"
#include "platform/vb/Vb.h"

#include <array>

namespace {

// Alphabetical, but every code stands after the shorter codes it begins with, so that the longest
// matching code is found last; "?" closes the list.
const std::array<const char*, 177> kLaender = {
    "A",   "ADN", "AL",  "AND", "AUS", "B",   "BD",  "BDS", "BG",  "BH",  "BIH", "BL",  "BP",  "BR",  "BRG",
    "BRN", "BRU", "BS",  "BUR", "BY",  "C",   "CDN", "CGO", "CH",  "CI",  "CL",  "CO",  "CR",  "CY",  "CZ",
    "D",   "DK",  "DOM", "DY",  "DZ",  "E",   "EAK", "EAT", "EAU", "EC",  "ES",  "ET",  "ETH", "EW",  "F",
    "FIN", "FJI", "FL",  "FR",  "GB",  "GBA", "GBG", "GBJ", "GBM", "GBY", "GBZ", "GCA", "GH",  "GO",  "GR",
    "GUY", "H",   "HK",  "HR",  "I",   "IL",  "IND", "IR",  "IRL", "IRQ", "IS",  "J",   "JA",  "JOR", "K",
    "KAZ", "KGZ", "KWT", "L",   "LAO", "LAR", "LS",  "LV",  "M",   "MA",  "MAL", "MC",  "MD",  "MEX", "MK",
    "MOC", "MS",  "MW",  "N",   "NA",  "NF",  "NGN", "NIC", "NIG", "NL",  "NP",  "NZ",  "P",   "PA",  "PAK",
    "PE",  "PI",  "PL",  "PTM", "PY",  "R",   "RA",  "RB",  "RC",  "RCA", "RCB", "RCH", "RH",  "RI",  "RIM",
    "RL",  "RM",  "RMM", "RN",  "RO",  "ROK", "ROU", "RP",  "RSM", "RSR", "RU",  "RUS", "RWA", "S",   "SD",
    "SF",  "SI",  "SGP", "SK",  "SLO", "SME", "SN",  "SP",  "SQ",  "SR",  "SWA", "SY",  "SYR", "T",   "TAD",
    "TC",  "TG",  "TMN", "TN",  "TR",  "TT",  "U",   "UA",  "USA", "UZB", "V",   "VN",  "WAG", "WAL", "WAN",
    "WD",  "WG",  "WL",  "WS",  "WV",  "YU",  "YV",  "Z",   "ZA",  "ZRE", "ZW",  "?"};

}  // namespace

QString AnschriftErstellen(const Felder& feld, short leerzeile) {
  const QString crlf = QStringLiteral("\r\n");
  QString block;
  const QString name = vb::Trim(feld.at(2) + u' ' + feld.at(1));
  if (!name.isEmpty()) block += name + crlf;
  const QString zusatz = vb::Trim(feld.at(10));
  if (!zusatz.isEmpty()) {
    const double wo = vb::Val(IniLesen("", "", "ZusatzZurAnschrift", "0"));
    if (wo == 1)
      block += zusatz + crlf;
    else if (wo == 2)
      block = zusatz + crlf + block;
  }
  const QString strasse = vb::Trim(feld.at(3));
  if (!strasse.isEmpty()) block += strasse + crlf;
  const QString ort = vb::Trim(feld.at(4) + u' ' + feld.at(5));
  if (!ort.isEmpty()) {
    if (leerzeile != 0) block += crlf;
    block += ort + crlf;
  }
  const QString land = vb::Trim(feld.at(6));
  if (!land.isEmpty()) block += land + crlf;
  return block;
}

QString Laenderkennzeichen(const Felder& feld) {
  QString ergebnis = KatalogStdLand;
  const QString plz = feld.at(4);
  if (plz.isEmpty()) {
    ergebnis = QStringLiteral("?");
  } else {
    for (const char* eintrag : kLaender) {
      const QString code = QString::fromLatin1(eintrag);
      if (plz.startsWith(code)) ergebnis = code;
      if (plz.startsWith(code + u'-')) ergebnis = code + u'-';
    }
  }
  const QString land = vb::Trim(feld.at(6)).toLower();
  if (!land.isEmpty()) {
    ergebnis = QStringLiteral("?");
    const std::pair<const char16_t*, const char16_t*> woerter[] = {
        {u"deutsch", u"D"}, {u"germany", u"D"}, {u"österreich", u"A"}, {u"schweiz", u"CH"}, {u"dänemark", u"DK"}};
    for (const auto& [wort, code] : woerter)
      if (land.contains(QString::fromUtf16(wort))) ergebnis = QString::fromUtf16(code);
  }
  if (ergebnis.isEmpty()) ergebnis = QStringLiteral("?");
  if (ergebnis.endsWith(u'-')) ergebnis.chop(1);
  return ergebnis.toUpper();
}

QString NurZiffern(const QString& text) { return NurZeichen(text, QStringLiteral("0123456789")); }
