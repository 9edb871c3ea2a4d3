#include "common/formen/Listen.h"

#include "common/Ton.h"
#include "platform/vb/Clock.h"

#include <vector>

namespace listen_detail {

qint64 jetztMs() { return Clock::tickMs(); }

void langsamMelden(qint64 startMs) {
  if (Clock::tickMs() - startMs > 5000) TonAusgeben(u"#SystemExclamation");
}

}  // namespace listen_detail

int ComboVerlauf(vb::ComboBox& combo, int n) {
  // The fixed mark of a dropped slot: an item with exactly this text is dropped too.
  static const QString kLeer = QStringLiteral("DieSesFeldistleer&/234654564&%487wuidhsiuh");
  std::vector<QString> slot;
  slot.push_back(combo.Text());
  for (int i = 0; i <= n && i < combo.ListCount(); ++i) slot.push_back(combo.List(i));
  for (int i = 1; i <= n && i < static_cast<int>(slot.size()); ++i)
    if (slot[i].compare(slot[0], Qt::CaseInsensitive) == 0) slot[i] = kLeer;
  combo.Clear();
  for (int i = 0; i < n && i < static_cast<int>(slot.size()); ++i)
    if (slot[i] != kLeer) combo.AddItem(slot[i]);
  combo.setText(combo.List(0));
  combo.setSelStart(0);
  combo.setSelLength(static_cast<int>(combo.Text().size()));
  return combo.ListCount();
}
