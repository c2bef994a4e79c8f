#include "app/shared/product_page.h"

#include <QDesktopServices>

QString productHost() {
    return QString::fromLatin1(kProductHost);
}

QUrl productPageUrl() {
    return QUrl(QStringLiteral("https://") + productHost() + QStringLiteral("/quorvel"));
}

void openProductPage() {
    QDesktopServices::openUrl(productPageUrl());
}
