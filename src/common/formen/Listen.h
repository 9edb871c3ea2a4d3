#pragma once
// Helpers for any list box or combo box: they use only the generic list members (ListCount, List,
// AddItem, RemoveItem, Clear, ListIndex), so the same code serves every dialog. Comparisons are exact
// unless said otherwise; joined texts use a one-character separator, ";" when none is given.
#include "platform/dienste/Printer.h"
#include "platform/kit/Controls.h"
#include "platform/vb/Sanduhr.h"

#include <QHash>
#include <QString>
#include <type_traits>
#include <vector>

namespace listen_detail {
void langsamMelden(qint64 startMs);  // the sound after a slow font list
qint64 jetztMs();
}  // namespace listen_detail

// Every item followed by the separator. An empty separator becomes ";" for the caller too.
template <class L>
QString ListeAlsText(const L& liste, QString& trenner) {
  if (trenner.isEmpty()) trenner = QStringLiteral(";");
  QString text;
  for (int i = 0; i < liste.ListCount(); ++i) text += liste.List(i) + trenner;
  return text;
}
template <class L>
QString ListeAlsText(const L& liste, QString&& trenner = QString()) {
  return ListeAlsText(liste, trenner);
}

// Clears the list and adds the non-empty pieces of the text; the caller's text is empty afterwards.
template <class L>
int TextAlsListe(L& liste, QString& text, QString& trenner) {
  if (trenner.isEmpty()) trenner = QStringLiteral(";");
  text += trenner;
  liste.Clear();
  while (!text.isEmpty()) {
    const qsizetype pos = text.indexOf(trenner);
    const QString stueck = text.left(pos);
    if (!stueck.isEmpty()) liste.AddItem(stueck);
    text.remove(0, pos + trenner.size());
  }
  return liste.ListCount();
}
template <class L>
int TextAlsListe(L& liste, QString&& text, QString&& trenner = QString()) {
  return TextAlsListe(liste, text, trenner);
}

// Adds the text unless an item equals it exactly; returns the item count less 1.
template <class L>
short ListeErgaenzen(L& liste, const QString& text) {
  bool da = false;
  for (int i = 0; i < liste.ListCount() && !da; ++i) da = liste.List(i) == text;
  if (!da) liste.AddItem(text);
  return static_cast<short>(liste.ListCount() - 1);
}

// The first item from the start index on that contains the text, ignoring case; -1 when none.
template <class L>
int ListeSuchen(const L& liste, const QString& text, int start = 0) {
  const QString gesucht = text.toLower();
  for (int i = std::max(0, start); i < liste.ListCount(); ++i)
    if (liste.List(i).toLower().contains(gesucht)) return i;
  return -1;
}

// Removes the selected item and selects its successor (or the new last item).
template <class L>
void ListeAuswahlEntfernen(L& liste) {
  int i = liste.ListIndex();
  if (i < 0) return;
  liste.RemoveItem(i);
  if (i > liste.ListCount() - 1) i = liste.ListCount() - 1;
  liste.setListIndex(i);
}

namespace listen_detail {
// Removes the items that `weg` marks. A list box without a selection (a pick list being filled, up to
// 32000 lines) takes the remaining items at once instead of one removal per item.
template <class L, class Weg>
void entfernen(L& liste, Weg weg) {
  if constexpr (std::is_same_v<L, vb::ListBox>) {
    if (liste.ListIndex() < 0) {
      QStringList bleiben;
      for (int i = 0; i < liste.ListCount(); ++i)
        if (!weg(i)) bleiben << liste.List(i);
      // What is left of a sorted list is still in order: it is not sorted again.
      if (bleiben.size() != liste.ListCount()) {
        if (liste.Sorted())
          liste.bestand()->setItems(bleiben);
        else
          liste.setItems(bleiben);
      }
      return;
    }
  }
  for (int i = liste.ListCount() - 1; i >= 0; --i)
    if (weg(i)) liste.RemoveItem(i);
}
}  // namespace listen_detail

// Keeps the first occurrence of every item, in its place.
template <class L>
void ListeDoppelteEntfernen(L& liste) {
  Sanduhr sanduhr;
  QHash<QString, int> erstes;
  for (int i = 0; i < liste.ListCount(); ++i)
    if (!erstes.contains(liste.List(i))) erstes.insert(liste.List(i), i);
  listen_detail::entfernen(liste, [&](int i) { return erstes.value(liste.List(i)) < i; });
}

// Removes equal neighbours, so a sorted list holds each item once.
template <class L>
void ListeNachbarDoppelteEntfernen(L& liste) {
  Sanduhr sanduhr;
  // Marked before removing, so that the comparison sees the original neighbours.
  std::vector<bool> doppelt(std::max(liste.ListCount(), 0), false);
  for (int i = 0; i + 1 < liste.ListCount(); ++i) doppelt[i] = liste.List(i) == liste.List(i + 1);
  listen_detail::entfernen(liste, [&](int i) { return doppelt[i]; });
}

// Puts the edit text first in the drop-down list, as a history of at most n entries without copies
// that differ only in case; the edit text is then selected whole. Returns the item count.
int ComboVerlauf(vb::ComboBox& combo, int n);

// Fills the list with the printer's font names; a sound tells when that took more than 5 seconds.
template <class L>
void SchriftenLaden(L& liste) {
  const qint64 start = listen_detail::jetztMs();
  Sanduhr sanduhr;
  liste.Clear();
  vb::PrinterObject& drucker = vb::Printer();
  const int anzahl = drucker.FontCount();
  for (int i = 0; i < anzahl; ++i) liste.AddItem(drucker.Fonts(i));
  listen_detail::langsamMelden(start);
}
