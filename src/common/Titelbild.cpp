#include "common/Titelbild.h"

int FeiertagsBild(const QDate& tag) {
  // The first matching row decides: 21 December is the snowman's, though it lies in the candle weeks.
  const int m = tag.month();
  const int d = tag.day();
  if (m == 1 && d == 1) return 7;
  if (m == 3 && d == 21) return 2;
  if (m == 6 && d == 21) return 3;
  if (m == 9 && d == 23) return 4;
  if (m == 12 && d == 21) return 5;
  if (m == 12 && d == 6) return 1;
  if (m == 11 && d == 29) return 8;
  if (m == 12 && d >= 9 && d <= 23) return 6;
  if (m == 12 && d >= 24 && d <= 26) return 0;
  if (m == 12 && d == 31) return 7;
  return -1;
}

QString TitelText(int major) { return QStringLiteral("Kartulon ") + QString::number(major); }

QString VersionsZeile(const VersionNummern& v) { return QStringLiteral("Version 32-Bit ") + VersionMitPunkten(v); }

QString LadeText(const VersionNummern& v) { return QStringLiteral("Lade Programm ") + VersionsZeile(v); }

double TitelSchriftGroesse(double aussenBreite, double rand, double groesse, double textBreite, double obergrenze) {
  if (textBreite <= 0) return groesse;
  const double neu = (aussenBreite - rand) * groesse / textBreite;
  return neu > obergrenze ? obergrenze : neu;
}

long TitelSchatten(double farbAnzahl) { return farbAnzahl > 256 ? 0x505050 : 0x808080; }
long TitelFlaeche(double farbAnzahl) { return farbAnzahl > 256 ? 0x3088FC : 0x0000FF; }
