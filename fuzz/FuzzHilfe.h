#pragma once
// What every fuzz target shares: a Qt application object, a private folder for files (and the program's
// folders pointed there, so that no run touches a real home), and the check that stops the run with the
// input's findings.
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

inline QString& ordnerPfad() {
  static QString pfad;
  return pfad;
}

// Call from LLVMFuzzerInitialize.
inline void start(int* argc, char*** argv) {
  // In memory where there is such a folder: the settings engine syncs every write to disk.
  static QTemporaryDir ordner(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                  ? QStringLiteral("/dev/shm/kartulon-fuzz-XXXXXX")
                                  : QDir::tempPath() + QStringLiteral("/kartulon-fuzz-XXXXXX"));
  ordnerPfad() = ordner.path();
  qputenv("KARTULON_HOME", ordner.path().toLocal8Bit());
  qputenv("KARTULON_WINDIR", ordner.path().toLocal8Bit());
  static QCoreApplication app(*argc, *argv);
}

inline QString ordner() { return ordnerPfad(); }

inline QByteArray bytes(const uint8_t* data, size_t size) {
  return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

[[noreturn]] inline void fehler(const char* bedingung, const char* datei, int zeile, const QString& detail) {
  std::fprintf(stderr, "\nEigenschaft verletzt: %s (%s:%d)\n%s\n", bedingung, datei, zeile,
               detail.toUtf8().replace(QByteArray(1, 0), QByteArray("\\0")).constData());
  std::abort();
}

}  // namespace fuzz

// Stops the run when the property does not hold; detail says what was seen.
#define FUZZ_PRUEFEN(bedingung, detail)                                       \
  do {                                                                        \
    if (!(bedingung)) fuzz::fehler(#bedingung, __FILE__, __LINE__, (detail)); \
  } while (0)
