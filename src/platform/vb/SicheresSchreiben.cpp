#include "platform/vb/SicheresSchreiben.h"

#include "platform/vb/Laufzeitfehler.h"

#include <QSaveFile>
#include <cerrno>

int DateiSicherSchreiben(const QString& pfad, const QByteArray& bytes, int* systemFehler) {
  // Unbuffered and checked before the rename: a buffered QSaveFile reports a short write as success
  // and would put the cut file in place of the old one.
  QSaveFile datei(pfad);
  errno = 0;
  const bool geschrieben = datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                           datei.write(bytes) == bytes.size() && datei.size() == bytes.size() && datei.commit();
  if (systemFehler) *systemFehler = geschrieben ? 0 : errno;
  if (geschrieben) return 0;
  const int nummer = vb::FehlerAusDatei(datei);
  datei.cancelWriting();
  return nummer != 0 ? nummer : vb::ErrPfadDateiZugriff;
}
