#include "printing/Masken.h"

#include "common/Fehler.h"
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "platform/vb/Codec.h"
#include "platform/vb/Dezu.h"
#include "platform/vb/Paths.h"
#include "platform/vb/SicheresSchreiben.h"

#include <QFile>

namespace {
const QString kSektion = QStringLiteral("MaskenFonts");
const QString kCrLf = QStringLiteral("\r\n");
}  // namespace

QString MaskenIni() { return Paths::aufloesen(Paths::verbinden(MaskenOrdner, QStringLiteral("Masken.Ini"))); }

QString MaskenSchluessel(const QString& pfad) {
  // Letter by letter, as the settings compare keys: "ß" stays "ß" (a "SS" would name another key).
  QString schluessel = DateiTeil(pfad, 1);
  for (QChar& c : schluessel) c = c.toUpper();
  return schluessel;
}

QString MaskenSchriftLesen(const QString& pfad, const QString& standard) {
  return IniLesen(MaskenIni(), kSektion, MaskenSchluessel(pfad), standard);
}

void MaskenSchriftSchreiben(const QString& pfad, const QString& beschreibung) {
  IniSchreiben(MaskenIni(), kSektion, MaskenSchluessel(pfad), beschreibung);
}

int MaskeLesen(const QString& pfad, QString& text) {
  QFile f(pfad);
  if (!f.open(QIODevice::ReadOnly)) return FehlerNummer(f);
  const QByteArray bytes = f.readAll();
  if (f.error() != QFileDevice::NoError) return FehlerNummer(f.error());
  QString gelesen;
  for (const QString& zeile : Codec::zeilenTrennen(Codec::dekodieren(bytes))) gelesen += zeile + kCrLf;
  text = gelesen;
  return 0;
}

int MaskeSchreiben(const QString& pfad, const QString& text) {
  Codec::Kodierung kodierung = Codec::Kodierung::Windows1252;
  QFile alt(pfad);
  if (alt.open(QIODevice::ReadOnly)) kodierung = Codec::erkennen(alt.readAll());
  return DateiSicherSchreiben(pfad, Codec::kodieren(text, kodierung));
}

MaskenPosition MaskenPositionText(const QString& text, int selStart) {
  const qsizetype laenge = text.size();
  if (laenge == 0) return {QStringLiteral("keine Eingaben"), QStringLiteral("keine Eingaben")};
  const int p = selStart + 1;
  const int n = 1 + InCount(text.left(p), kCrLf);
  return {QStringLiteral(" %1 Zeile  %2 / %3 Zeichen ").arg(n).arg(p).arg(laenge),
          QStringLiteral("%1. Absatz   %2 / %3 Zeichen").arg(n).arg(p).arg(laenge)};
}
