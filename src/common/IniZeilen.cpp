#include "common/IniZeilen.h"

#include "platform/vb/Codec.h"

#include <QFile>

namespace {

std::optional<QStringList> zeilen(const QString& pfad) {
  QFile f(pfad);
  if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
  return Codec::zeilenTrennen(Codec::dekodieren(f.readAll()));
}

}  // namespace

std::optional<QString> IniAbschnittsName(const QString& zeile) {
  if (!zeile.startsWith(u'[')) return std::nullopt;
  const qsizetype zu = zeile.indexOf(u']');
  if (zu < 0 || zu != zeile.size() - 1) return std::nullopt;
  return zeile.mid(1, zu - 1);
}

bool IniZeileVerborgen(const QString& zeile) {
  const QString klein = zeile.toLower();
  return klein.contains(QStringLiteral("kennwort")) || klein.contains(QStringLiteral("stat_"));
}

std::optional<QStringList> IniAbschnitte(const QString& pfad) {
  const auto z = zeilen(pfad);
  if (!z) return std::nullopt;
  QStringList namen;
  for (const QString& zeile : *z)
    if (const auto name = IniAbschnittsName(zeile)) namen.append(*name);
  return namen;
}

QStringList IniSchluesselListe(const QString& pfad, const QString& abschnitt) {
  QStringList schluessel;
  const auto z = zeilen(pfad);
  if (!z) return schluessel;
  bool drin = false;  // lines before the first header belong to no section
  for (const QString& zeile : *z) {
    if (const auto name = IniAbschnittsName(zeile)) {
      drin = name->compare(abschnitt, Qt::CaseInsensitive) == 0;
      continue;
    }
    const qsizetype gleich = zeile.indexOf(u'=');
    if (drin && gleich >= 0 && !IniZeileVerborgen(zeile)) schluessel.append(zeile.left(gleich));
  }
  return schluessel;
}
