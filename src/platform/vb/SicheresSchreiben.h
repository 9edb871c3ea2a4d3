#pragma once
// Writing a whole file that holds user data: beside the old one, put in its place only when every byte
// was written, so that a failure half-way (disk full, size limit, a killed process) leaves the old file.
#include <QByteArray>
#include <QByteArrayView>
#include <QSaveFile>
#include <QString>

// 0 when the file is written, else the runtime's error number (the old file is then untouched);
// systemFehler, when given, receives the C library's error code of the step that failed (0 if unknown).
int DateiSicherSchreiben(const QString& pfad, const QByteArray& bytes, int* systemFehler = nullptr);

// The same for a file written piece by piece, so that its bytes need not be in memory at once: each
// piece goes to the new file beside the old one, which takes the old one's place in abschliessen only
// when every piece was written whole and synced. Left without abschliessen, the old file stays.
class SichererSchreiber {
 public:
  explicit SichererSchreiber(const QString& pfad);
  SichererSchreiber(const SichererSchreiber&) = delete;
  SichererSchreiber& operator=(const SichererSchreiber&) = delete;
  // false once a step failed: later pieces are not written.
  bool schreiben(QByteArrayView teil);
  // As DateiSicherSchreiben: 0 when the file is in place, else the runtime's error number.
  int abschliessen(int* systemFehler = nullptr);

 private:
  QSaveFile datei_;
  qint64 laenge_ = 0;
  bool ok_ = false;
  int systemFehler_ = 0;
};
