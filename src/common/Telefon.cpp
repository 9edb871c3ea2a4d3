#include "common/Telefon.h"

#include "common/Text.h"
#include "platform/vb/Vb.h"

namespace {

const QString& ziffern() {
  static const QString z = QStringLiteral("0123456789");
  return z;
}

QString paarweise(const QString& z) {
  if (z.size() <= 3) return z;
  QString aus;
  qsizetype i = 0;
  if (z.size() % 2) {
    aus = z.left(3);
    i = 3;
  }
  for (; i < z.size(); i += 2) {
    if (!aus.isEmpty()) aus += u' ';
    aus += z.mid(i, 2);
  }
  return aus;
}

}  // namespace

QString VorwahlAusTelefon(const QString& eingabe) {
  const QString nummer = vb::Trim(eingabe);
  if (nummer.isEmpty()) return {};
  static const QString trenner = QStringLiteral("/-+._([");
  qsizetype pos = -1;
  for (qsizetype i = 0; i < nummer.size() && pos < 0; ++i)
    if (trenner.contains(nummer[i])) pos = i;
  if (pos < 0) return {};
  const QString kandidat = vb::Trim(nummer.left(pos));
  if (kandidat.isEmpty()) return {};
  const QString z = NurZeichen(kandidat, ziffern());
  if (!z.contains(u'0') || z.startsWith(QStringLiteral("01")) || z.size() >= 6 || z.size() < 3) return {};
  return z;
}

QString TelefonFormatieren(const QString& eingabe) {
  const QString nummer =
      Ersetzen(Ersetzen(eingabe, QStringLiteral("-"), QStringLiteral("/")), QStringLiteral("."), QStringLiteral("/"));
  const qsizetype strich = nummer.indexOf(u'/');
  const QString vorwahl = strich < 0 ? QString() : NurZeichen(nummer.left(strich), ziffern());
  const QString rufnummer = NurZeichen(strich < 0 ? nummer : nummer.mid(strich + 1), ziffern());
  const QString v = paarweise(vorwahl);
  return v.isEmpty() ? paarweise(rufnummer) : v + QStringLiteral(" / ") + paarweise(rufnummer);
}
