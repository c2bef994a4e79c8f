#include "app/report_out/safe_file_write.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <string_view>

#include "app/startup/program_language.h"
#include "data/error_text.h"
#include "reports/save_file.h"

QString fileErrorText(const QString& path, const QString& reason) {
    QString text =
        QCoreApplication::translate("ReportExport", "The file \"%1\" could not be saved: %2")
            .arg(QDir::toNativeSeparators(path), reason);
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    return text;
}

QString writeFileSafely(const QString& path, const QByteArray& bytes) {
    // The system's words would say "Is a directory"; the user knows it as a folder.
    if (QFileInfo(path).isDir())
        return fileErrorText(
            path, QCoreApplication::translate("ReportExport", "there is a folder of that name"));
    const int error = saveFileWhole(QFile::encodeName(path).toStdString(),
                                    std::string_view(bytes.constData(), bytes.size()));
    if (error == 0)
        return QString();
    // The reason in the program's language, not in the desktop's.
    return fileErrorText(path, QString::fromStdString(systemErrorText(error, programLanguage())));
}
