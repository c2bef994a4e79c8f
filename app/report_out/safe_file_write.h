#pragma once

#include <QByteArray>
#include <QString>

// Writes a whole file or nothing (saveFileWhole). Returns "" on success, otherwise the error text
// naming the file and the system's reason in the program's language (fileErrorText).
QString writeFileSafely(const QString& path, const QByteArray& bytes);

// "The file "<native path>" could not be saved: <reason>."
QString fileErrorText(const QString& path, const QString& reason);
