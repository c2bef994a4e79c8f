#include "app/report_out/report_file_name.h"

#include <QDir>
#include <QStandardPaths>

QString reportFileName(const QString& baseName, const QString& suffix) {
    static const QString kUnsafe = QStringLiteral("/\\:*?\"<>|");
    QString name;
    name.reserve(baseName.size());
    for (const QChar c : baseName) {
        const bool unsafe = c.unicode() < 0x20 || c.unicode() == 0x7F || kUnsafe.contains(c);
        name += unsafe ? QLatin1Char('-') : c;
    }
    // A leading dot hides the file, a trailing dot or blank is lost on some systems.
    qsizetype start = 0;
    qsizetype end = name.size();
    while (start < end && (name[start] == QLatin1Char('.') || name[start].isSpace()))
        ++start;
    while (end > start && (name[end - 1] == QLatin1Char('.') || name[end - 1].isSpace()))
        --end;
    name = name.mid(start, end - start);
    if (name.isEmpty())
        name = QStringLiteral("Report");
    return name + QLatin1Char('.') + suffix;
}

QString proposedReportPath(const QString& fileName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(fileName);
}
