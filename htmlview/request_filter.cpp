#include "request_filter.h"

#include <QRegularExpression>

#include "program_folder_url.h"

RequestFilter::RequestFilter(QObject* parent) : QWebEngineUrlRequestInterceptor(parent) {}

bool RequestFilter::isPageFileName(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^page-\\d+\\.html$"));
    return pattern.match(name).hasMatch();
}

void RequestFilter::interceptRequest(QWebEngineUrlRequestInfo& info) {
    const QUrl url = info.requestUrl();
    const QString scheme = url.scheme();
    if (scheme == QLatin1String("file")) {
        const QString path = url.toLocalFile();
        if (!pageFolder_.isEmpty() && path.startsWith(pageFolder_)) {
            const QString rest = path.mid(pageFolder_.size());
            if (!isPageFileName(rest))
                info.redirect(QUrl::fromLocalFile(programFolderUrl().toLocalFile() + rest));
        }
        return;
    }
    if (scheme == QLatin1String("data") || scheme == QLatin1String("about") ||
        scheme == QLatin1String("qrc"))
        return;
    info.block(true);
    if (blocked_.size() >= kKeptBlockedUrls)
        blocked_.removeFirst();
    blocked_.append(url);
    emit requestBlocked(url);
}
