// A plain reader of an address file: the header line ".." and then one record line per address.
#include "common/Global.h"
#include "mainwindow/Main.h"
#include "platform/Codec.h"
#include "platform/Paths.h"
#include "store/Datensatz.h"

#include <QFile>

bool Main::DateiEinlesen() {
  QFile datei(Paths::aufloesen(AktuelleDatei));
  Liste->Clear();
  if (!datei.open(QIODevice::ReadOnly)) return false;
  QStringList zeilen = Codec::zeilenTrennen(Codec::dekodieren(datei.readAll()));
  if (!zeilen.isEmpty() && zeilen.first().startsWith(QStringLiteral(".."))) {
    DateiBeschreibung = zeilen.first().mid(2);
    zeilen.removeFirst();
  }
  QStringList datensaetze;
  for (const QString& z : zeilen)
    if (!z.isEmpty() && datensaetze.size() < kMaxDatensaetze) datensaetze.append(z);
  Liste->setItems(datensaetze);
  if (!DateiBeschreibung.isEmpty()) setCaption(DateiBeschreibung);
  Liste->setListIndex(Liste->ListCount() > 0 ? 0 : -1);
  return true;
}
