#pragma once

#include <QList>
#include <QString>
#include <QUrl>
#include <QWebEngineUrlRequestInterceptor>

// Keeps pages off the network: the program only shows its own pages and the files beside it.
// Requests for file:, data:, about: and qrc: pass; everything else is blocked and reported.
//
// It also gives pages that are too large to hand over as text the same base as the others: such
// a page is shown from a file in a private temporary folder, and a request for any other file in
// that folder (a link by name) is sent to the same name in the program folder.
class RequestFilter : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
  public:
    explicit RequestFilter(QObject* parent = nullptr);

    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

    // Folder ("/.../", with the slash) whose page files stand in for the program folder.
    void setPageFolder(const QString& folder) { pageFolder_ = folder; }
    static bool isPageFileName(const QString& name);

    // The latest blocked requests, oldest first (a bounded list).
    const QList<QUrl>& blockedUrls() const { return blocked_; }
    static constexpr int kKeptBlockedUrls = 100;

  signals:
    void requestBlocked(const QUrl& url);

  private:
    QString pageFolder_;
    QList<QUrl> blocked_;
};
