#include "app/safe_file_write.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

QString fileErrorText(const QString& path, const QString& reason) {
    QString text =
        QCoreApplication::translate("ReportExport", "The file \"%1\" could not be saved: %2")
            .arg(QDir::toNativeSeparators(path), reason);
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    return text;
}

QString writeFileSafely(const QString& path, const QByteArray& bytes) {
    // QSaveFile says "Filename refers to a directory"; the user knows it as a folder.
    if (QFileInfo(path).isDir())
        return fileErrorText(
            path, QCoreApplication::translate("ReportExport", "there is a folder of that name"));
    QSaveFile file(path);
    // Unbuffered, so that a full disk fails the write itself, with the system's reason.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fileErrorText(path, file.errorString());
    // A short write (the disk filled up) carries no reason; the next write fails with it.
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return fileErrorText(path, reason);
        }
        done += static_cast<qsizetype>(written);
    }
    // The temporary file takes the file's name here.
    if (!file.commit())
        return fileErrorText(path, file.errorString());
    return QString();
}
