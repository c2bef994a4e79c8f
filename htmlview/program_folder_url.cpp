#include "program_folder_url.h"

#include <QDir>
#include <QFileInfo>

const QUrl& programFolderUrl() {
    static const QUrl url = [] {
        const QFileInfo exe(QFile::symLinkTarget(QStringLiteral("/proc/self/exe")));
        QString folder = exe.absolutePath();
        if (!folder.endsWith(QLatin1Char('/')))
            folder += QLatin1Char('/');
        return QUrl::fromLocalFile(folder);
    }();
    return url;
}
