#include "platform/vb/SicheresSchreiben.h"

#include "platform/vb/Laufzeitfehler.h"

#include <fcntl.h>
#include <cerrno>

int DateiSicherSchreiben(const QString& pfad, const QByteArray& bytes, int* systemFehler) {
  SichererSchreiber datei(pfad);
  datei.schreiben(bytes);
  return datei.abschliessen(systemFehler);
}

SichererSchreiber::SichererSchreiber(const QString& pfad) : datei_(pfad) {
  // Unbuffered and checked before the rename: a buffered QSaveFile reports a short write as success
  // and would put the cut file in place of the old one.
  errno = 0;
  ok_ = datei_.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
  if (!ok_) systemFehler_ = errno;
}

bool SichererSchreiber::schreiben(QByteArrayView teil) {
  if (!ok_) return false;
  ok_ = datei_.write(teil.data(), teil.size()) == teil.size();
  if (!ok_) {
    systemFehler_ = errno;
    return false;
  }
  // The disk starts on this piece while the next is made, so that the sync at the end waits for less. Only
  // a start: whether it works or not, the sync in abschliessen makes the file durable.
  const int fehler = errno;
  ::sync_file_range(datei_.handle(), laenge_, teil.size(), SYNC_FILE_RANGE_WRITE);
  errno = fehler;
  laenge_ += teil.size();
  return true;
}

int SichererSchreiber::abschliessen(int* systemFehler) {
  if (ok_) {
    ok_ = datei_.size() == laenge_ && datei_.commit();
    if (!ok_) systemFehler_ = errno;
  }
  if (systemFehler) *systemFehler = ok_ ? 0 : systemFehler_;
  if (ok_) return 0;
  const int nummer = vb::FehlerAusDatei(datei_);
  datei_.cancelWriting();
  return nummer != 0 ? nummer : vb::ErrPfadDateiZugriff;
}
