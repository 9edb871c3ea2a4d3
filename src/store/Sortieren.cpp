// Sorting the record table by a field.
#include "store/Sortieren.h"

#include "common/Fehler.h"
#include "common/Global.h"
#include "platform/vb/ListModel.h"
#include "platform/vb/Sanduhr.h"

#include <QRandomGenerator>
#include <algorithm>
#include <new>
#include <numeric>
#include <vector>

namespace {

// Where the field starts in a line of 24 TAB-terminated fields.
qsizetype feldAnfang(const QString& zeile24, int feld) {
  qsizetype pos = 0;
  for (int i = 0; i < feld; ++i) pos = zeile24.indexOf(u'\t', pos) + 1;
  return pos;
}

}  // namespace

QString ZeileMit24Feldern(const QString& zeile) {
  // Most lines are already in this form: keep them as they are (no copy).
  if (zeile.endsWith(u'\t') && zeile.count(u'\t') == 24) return zeile;
  QString neu;
  neu.reserve(zeile.size() + 24);
  qsizetype start = 0;
  for (int i = 0; i < 24; ++i) {
    const qsizetype tab = start <= zeile.size() ? zeile.indexOf(u'\t', start) : -1;
    if (tab < 0) {
      if (start < zeile.size()) neu += QStringView(zeile).mid(start);  // the last field, without separator
      start = zeile.size() + 1;
    } else {
      neu += QStringView(zeile).mid(start, tab - start);
      start = tab + 1;
    }
    neu += u'\t';
  }
  return neu;
}

namespace {

// The key of a line already in the 24-field form.
QString schluesselAus24(const QString& z, int feld) {
  if (feld <= 0 || feld > 23) return z;
  const qsizetype anfang = feldAnfang(z, feld);
  QString schluessel;
  schluessel.reserve(z.size());
  const qsizetype ende = z.indexOf(u'\t', anfang);
  const QStringView wert = QStringView(z).mid(anfang, ende - anfang);
  if ((feld == 15 || feld == 16 || feld == 20) && wert.size() == 10) {
    // dd.mm.yyyy sorts as yyyy.mm.dd
    schluessel += wert.mid(6, 4);
    schluessel += u'.';
    schluessel += wert.mid(3, 2);
    schluessel += u'.';
    schluessel += wert.mid(0, 2);
  } else {
    schluessel += wert;
  }
  schluessel += QStringView(z).mid(ende);
  schluessel += QStringView(z).left(anfang);
  return schluessel;
}

}  // namespace

QString SortSchluessel(const QString& zeile, int feld) { return schluesselAus24(ZeileMit24Feldern(zeile), feld); }

QStringList ZeilenSortieren(const QStringList& zeilen, int feld, const std::function<void(int)>& fortschritt) {
  const qsizetype n = zeilen.size();
  // One record has no way to go: its share stays at the base (and n - 1 is no divisor then).
  auto prozent = [n](qsizetype p, int basis) {
    return n <= 1 ? basis : basis + static_cast<int>((50 * p + (n - 1) / 2) / (n - 1));
  };
  // The bar is told only when its value changes, not once per record.
  int gemeldet = -1;
  auto melden = [&](int wert) {
    if (!fortschritt || n <= 1 || wert == gemeldet) return;
    gemeldet = wert;
    fortschritt(wert);
  };
  std::vector<QString> zeilen24(n), schluessel(n);
  for (qsizetype p = 0; p < n; ++p) {
    melden(prozent(p, 0));
    zeilen24[p] = ZeileMit24Feldern(zeilen[p]);
    schluessel[p] = schluesselAus24(zeilen24[p], feld);
  }
  std::vector<qsizetype> ordnung(n);
  std::iota(ordnung.begin(), ordnung.end(), 0);
  std::stable_sort(ordnung.begin(), ordnung.end(), [&](qsizetype a, qsizetype b) {
    return vb::ListModel::vergleichen(schluessel[a], schluessel[b]) < 0;
  });
  QStringList neu;
  neu.reserve(n);
  for (qsizetype p = 0; p < n; ++p) {
    melden(prozent(p, 50));
    neu.append(std::move(zeilen24[ordnung[p]]));
  }
  return neu;
}

int BestandSortieren(Adressbestand& bestand, int feld, const QString& vorher,
                     const std::function<void(int)>& fortschritt) {
  bestand.setItems(ZeilenSortieren(bestand.Zeilen(), feld, fortschritt));
  if (vorher.isEmpty()) return -1;
  return static_cast<int>(bestand.Zeilen().indexOf(ZeileMit24Feldern(vorher)));
}
