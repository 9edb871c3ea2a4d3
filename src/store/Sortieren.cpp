// Sorting the record table by a field.
#include "store/Sortieren.h"

#include "common/Fehler.h"
#include "common/Global.h"
#include "platform/vb/ListModel.h"
#include "platform/vb/Sanduhr.h"

#include <QCollator>
#include <algorithm>
#include <atomic>
#include <exception>
#include <new>
#include <numeric>
#include <system_error>
#include <thread>
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

// Appends the key of a line already in the 24-field form; it is as long as the line.
void schluesselAnhaengen(QString& ziel, const QString& z, int feld) {
  if (feld <= 0 || feld > 23) {
    ziel += QStringView(z);
    return;
  }
  const qsizetype anfang = feldAnfang(z, feld);
  const qsizetype ende = z.indexOf(u'\t', anfang);
  const QStringView wert = QStringView(z).mid(anfang, ende - anfang);
  if ((feld == 15 || feld == 16 || feld == 20) && wert.size() == 10) {
    // dd.mm.yyyy sorts as yyyy.mm.dd
    ziel += wert.mid(6, 4);
    ziel += u'.';
    ziel += wert.mid(3, 2);
    ziel += u'.';
    ziel += wert.mid(0, 2);
  } else {
    ziel += wert;
  }
  ziel += QStringView(z).mid(ende);
  ziel += QStringView(z).left(anfang);
}

// Runs arbeit(0) to arbeit(anzahl - 1) at the same time, arbeit(0) on this thread; a part that gets no
// thread of its own runs here afterwards. The first failure is thrown once all parts have ended.
template <class Arbeit>
void gleichzeitig(int anzahl, const Arbeit& arbeit) {
  std::vector<std::exception_ptr> fehler(anzahl);
  auto teil = [&](int t) {
    try {
      arbeit(t);
    } catch (...) {
      fehler[t] = std::current_exception();
    }
  };
  {
    std::vector<std::jthread> faeden;
    int ohneFaden = anzahl;
    for (int t = 1; t < anzahl; ++t) {
      try {
        faeden.emplace_back(teil, t);
      } catch (const std::system_error&) {
        ohneFaden = t;  // no thread to be had: the rest runs here
        break;
      }
    }
    teil(0);
    for (int t = ohneFaden; t < anzahl; ++t) teil(t);
  }
  for (const std::exception_ptr& f : fehler)
    if (f) std::rethrow_exception(f);
}

// The order of the lines by their keys, as a stable sort by the collator's comparison gives it. The
// comparison is most of the sort's work, so each of the threads sorts a piece of its own and the sorted
// pieces are merged in pairs, each merge split among the threads by where the merged output divides
// (a stable sort has exactly one result, so the pieces change nothing in the order). Each thread
// compares with a collator of its own.
std::vector<qsizetype> ordnen(const std::vector<QStringView>& schluessel, std::vector<QCollator>& sammler) {
  const qsizetype n = static_cast<qsizetype>(schluessel.size());
  const int faeden = static_cast<int>(sammler.size());
  std::vector<qsizetype> ordnung(n), neu(n);
  std::iota(ordnung.begin(), ordnung.end(), 0);
  auto vor = [&](int t) {
    return [&s = sammler[t], &schluessel](qsizetype a, qsizetype b) {
      return s.compare(schluessel[a], schluessel[b]) < 0;
    };
  };
  std::vector<qsizetype> grenzen;
  for (int t = 0; t <= faeden; ++t) grenzen.push_back(n * t / faeden);
  gleichzeitig(
      faeden, [&](int t) { std::stable_sort(ordnung.begin() + grenzen[t], ordnung.begin() + grenzen[t + 1], vor(t)); });
  while (grenzen.size() > 2) {
    // Each pair of neighbouring pieces merges into one; an odd last piece stays as it is.
    const int paare = static_cast<int>(grenzen.size() - 1) / 2;
    const int teile = std::max(1, faeden / paare);
    gleichzeitig(paare * teile, [&](int t) {
      const int paar = t / teile, teil = t % teile;
      const qsizetype a0 = grenzen[2 * paar], a1 = grenzen[2 * paar + 1], b1 = grenzen[2 * paar + 2];
      const auto kleiner = vor(t);
      // How many of the first piece lie among the first k of the merged output: the first piece goes
      // first where keys compare equal.
      auto ausErstem = [&](qsizetype k) {
        qsizetype lo = std::max<qsizetype>(0, k - (b1 - a1)), hi = std::min(k, a1 - a0);
        while (lo < hi) {
          const qsizetype i = (lo + hi) / 2, j = k - i;
          // The first piece's next one goes before the second's last one taken: take more of the first.
          if (!kleiner(ordnung[a1 + j - 1], ordnung[a0 + i]))
            lo = i + 1;
          else
            hi = i;
        }
        return lo;
      };
      const qsizetype laenge = b1 - a0;
      const qsizetype k0 = laenge * teil / teile, k1 = laenge * (teil + 1) / teile;
      const qsizetype i0 = ausErstem(k0), i1 = ausErstem(k1);
      std::merge(ordnung.begin() + a0 + i0, ordnung.begin() + a0 + i1, ordnung.begin() + a1 + (k0 - i0),
                 ordnung.begin() + a1 + (k1 - i1), neu.begin() + a0 + k0, kleiner);
    });
    if ((grenzen.size() - 1) % 2 == 1)
      std::copy(ordnung.begin() + grenzen[grenzen.size() - 2], ordnung.end(),
                neu.begin() + grenzen[grenzen.size() - 2]);
    std::swap(ordnung, neu);
    std::vector<qsizetype> weniger;
    for (size_t g = 0; g < grenzen.size(); g += 2) weniger.push_back(grenzen[g]);
    if (weniger.back() != n) weniger.push_back(n);
    grenzen = std::move(weniger);
  }
  return ordnung;
}

}  // namespace

QString SortSchluessel(const QString& zeile, int feld) {
  const QString z = ZeileMit24Feldern(zeile);
  QString schluessel;
  schluessel.reserve(z.size());
  schluesselAnhaengen(schluessel, z, feld);
  return schluessel;
}

QStringList ZeilenSortieren(const QStringList& zeilen, int feld, const std::function<void(int)>& fortschritt) {
  const qsizetype n = zeilen.size();
  // One record has no way to go: its share stays at the base (and n - 1 is no divisor then).
  auto prozent = [n](qsizetype p, int basis) {
    return n <= 1 ? basis : basis + static_cast<int>((50 * p + (n - 1) / 2) / (n - 1));
  };
  // The bar is told only when its value changes, not once per record; only this thread tells it.
  int gemeldet = -1;
  auto melden = [&](int wert) {
    if (!fortschritt || n <= 1 || wert == gemeldet) return;
    gemeldet = wert;
    fortschritt(wert);
  };
  // A few threads share the work on many lines, each with a collator of its own.
  constexpr qsizetype kPortion = 256;
  const int faeden = n < 8 * kPortion ? 1 : std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 4);
  std::vector<QCollator> sammler;
  for (int t = 0; t < faeden; ++t) sammler.push_back(vb::ListModel::neuerSammler());

  // The lines in portions, shared among the threads. This thread tells the bar before each of its lines
  // how many are done, counted from basis on.
  const qsizetype portionen = (n + kPortion - 1) / kPortion;
  auto portionsweise = [&](int basis, const auto& arbeit) {
    std::atomic<qsizetype> naechste{0}, fertig{0};
    melden(prozent(0, basis));  // also when the other threads take the first lines
    gleichzeitig(faeden, [&](int t) {
      for (qsizetype portion; (portion = naechste++) < portionen;) {
        const qsizetype von = portion * kPortion, bis = std::min(n, von + kPortion);
        for (qsizetype p = von; p < bis; ++p) {
          if (t == 0) melden(prozent(fertig + (p - von), basis));
          arbeit(p);
        }
        fertig += bis - von;
      }
    });
    melden(prozent(n - 1, basis));
  };

  // The keys, each portion's in one block of its own, sized at the portion's first line so that the
  // views into it stay valid (a key is as long as its line in the 24-field form, which has at most 24
  // characters more than the line).
  std::vector<QString> bloecke(portionen);
  std::vector<QStringView> schluessel(n);
  std::vector<char> schon24(n);
  portionsweise(0, [&](qsizetype p) {
    QString& block = bloecke[p / kPortion];
    if (p % kPortion == 0) {
      qsizetype groesse = 0;
      for (qsizetype q = p; q < std::min(n, p + kPortion); ++q) groesse += zeilen[q].size() + 24;
      block.reserve(groesse);
    }
    const QString z24 = ZeileMit24Feldern(zeilen[p]);
    schon24[p] = z24.isSharedWith(zeilen[p]);
    const qsizetype anfang = block.size();
    schluesselAnhaengen(block, z24, feld);
    schluessel[p] = QStringView(block).mid(anfang);
  });
  const std::vector<qsizetype> ordnung = ordnen(schluessel, sammler);
  schluessel = {};
  bloecke = {};

  // Each line is copied once, in the new order, so that the lines lie in memory as the table orders them
  // and a sweep over the table reads on instead of jumping. The threads copy a portion at a time (each
  // portion in one piece of memory); fresh memory costs a page fault every few lines, which threads share
  // well.
  QStringList neu(n);
  QString* ziel = neu.data();
  portionsweise(50, [&](qsizetype p) {
    const QString& z = zeilen[ordnung[p]];
    ziel[p] = schon24[ordnung[p]] ? QString(z.constData(), z.size()) : ZeileMit24Feldern(z);
  });
  return neu;
}

int BestandSortieren(Adressbestand& bestand, int feld, const QString& vorher,
                     const std::function<void(int)>& fortschritt) {
  bestand.setItems(ZeilenSortieren(bestand.Zeilen(), feld, fortschritt));
  if (vorher.isEmpty()) return -1;
  return static_cast<int>(bestand.Zeilen().indexOf(ZeileMit24Feldern(vorher)));
}
