#pragma once

#include <QByteArray>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <memory>

class QTemporaryDir;
class QWebEngineProfile;
class QWebEnginePage;
class RequestFilter;

// The one web profile all views share: off the record (nothing on disk, no cache), with the
// request filter installed. Views hold it; it lives from the first view to the last one, so it
// always outlives their pages and goes before the application object does.
class SharedWebProfile {
  public:
    static std::shared_ptr<SharedWebProfile> acquire();
    ~SharedWebProfile();
    SharedWebProfile(const SharedWebProfile&) = delete;
    SharedWebProfile& operator=(const SharedWebProfile&) = delete;

    QWebEngineProfile* profile() const { return profile_.get(); }
    RequestFilter* filter() const { return filter_.get(); }

    // Writes a page (UTF-8) into a private temporary folder and returns its file URL, or an empty
    // URL when it cannot be written. For pages too large to be handed to the engine as text.
    QUrl writePageFile(const QByteArray& utf8);

    // A page has finished loading, and the one it replaced is garbage. Once no page has finished
    // for a second, the last one asks the engine's process to collect it (one collection serves
    // every page of the process).
    void collectGarbageSoon(QWebEnginePage* lastPage);

  private:
    SharedWebProfile();

    // Declared before the profile so that the profile, which uses it, goes first.
    std::unique_ptr<RequestFilter> filter_;
    std::unique_ptr<QWebEngineProfile> profile_;
    std::unique_ptr<QTemporaryDir> pageFolder_;  // made on the first large page
    quint64 pagesWritten_ = 0;
    QTimer collection_;
    QPointer<QWebEnginePage> lastPage_;
};
