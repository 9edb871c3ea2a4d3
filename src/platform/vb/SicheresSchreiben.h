#pragma once
// Writing a whole file that holds user data: beside the old one, put in its place only when every byte
// was written, so that a failure half-way (disk full, size limit, a killed process) leaves the old file.
#include <QByteArray>
#include <QString>

// 0 when the file is written, else the runtime's error number (the old file is then untouched);
// systemFehler, when given, receives the C library's error code of the step that failed (0 if unknown).
int DateiSicherSchreiben(const QString& pfad, const QByteArray& bytes, int* systemFehler = nullptr);
