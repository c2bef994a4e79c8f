#pragma once

#include <QByteArray>
#include <QString>

// Writes a whole file or nothing: the bytes go to a temporary file in the same folder, which then
// takes the file's name in one step. A file of that name that was there stays as it was when the
// write fails, and no half-written file is left behind. Returns "" on success, otherwise the
// error text naming the file and the system's reason (fileErrorText).
QString writeFileSafely(const QString& path, const QByteArray& bytes);

// "The file "<native path>" could not be saved: <reason>."
QString fileErrorText(const QString& path, const QString& reason);
