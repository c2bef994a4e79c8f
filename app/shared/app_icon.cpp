#include "app/shared/app_icon.h"

#include <QFile>

QIcon applicationIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128}) {
        const QString file = QStringLiteral(":/icons/quorvel-%1.png").arg(size);
        if (QFile::exists(file)) {
            icon.addFile(file, QSize(size, size));
        }
    }
    return icon;
}
