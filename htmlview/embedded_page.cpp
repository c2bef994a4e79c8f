#include "embedded_page.h"

#include <QDesktopServices>
#include <QLoggingCategory>
#include <QWebEngineNewWindowRequest>

Q_LOGGING_CATEGORY(lcPageConsole, "quorvel.htmlview.console", QtWarningMsg)

namespace {

bool samePageApartFromFragment(const QUrl& a, const QUrl& b) {
    return a.adjusted(QUrl::RemoveFragment) == b.adjusted(QUrl::RemoveFragment);
}

}  // namespace

EmbeddedPage::EmbeddedPage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent) {
    // A link that asks for a new window is a link too: the user's browser opens it.
    connect(this, &QWebEnginePage::newWindowRequested, this,
            [](QWebEngineNewWindowRequest& request) {
                if (request.isUserInitiated())
                    QDesktopServices::openUrl(request.requestedUrl());
            });
}

void EmbeddedPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                            const QString& message, int lineNumber,
                                            const QString& sourceID) {
    qCDebug(lcPageConsole) << level << sourceID << lineNumber << message;
    emit consoleMessage(static_cast<int>(level), message, lineNumber, sourceID);
}

bool EmbeddedPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    // A jump inside the shown page stays in the view; a link the user follows out of it opens
    // in the user's browser, and one no user asked for goes nowhere.
    if (type == NavigationTypeLinkClicked && isMainFrame &&
        !samePageApartFromFragment(url, this->url())) {
        if (userInput_)
            QDesktopServices::openUrl(url);
        userInput_ = false;
        return false;
    }
    return true;
}

void EmbeddedPage::javaScriptAlert(const QUrl& securityOrigin, const QString& msg) {
    if (!silent_)
        QWebEnginePage::javaScriptAlert(securityOrigin, msg);
}

bool EmbeddedPage::javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) {
    return !silent_ && QWebEnginePage::javaScriptConfirm(securityOrigin, msg);
}

bool EmbeddedPage::javaScriptPrompt(const QUrl& securityOrigin, const QString& msg,
                                    const QString& defaultValue, QString* result) {
    return !silent_ && QWebEnginePage::javaScriptPrompt(securityOrigin, msg, defaultValue, result);
}
