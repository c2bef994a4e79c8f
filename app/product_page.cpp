#include "app/product_page.h"

#include <QDesktopServices>

QString ProductHost() {
    return QString::fromLatin1(kProductHost);
}

QUrl ProductPageUrl() {
    return QUrl(QStringLiteral("https://") + ProductHost() + QStringLiteral("/quorvel"));
}

void OpenProductPage() {
    QDesktopServices::openUrl(ProductPageUrl());
}
