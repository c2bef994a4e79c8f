#pragma once

#include <QByteArray>
#include <QUrl>
#include <memory>

class QTemporaryDir;
class QWebEngineProfile;
class TRequestFilter;

// The one web profile all views share: off the record (nothing on disk, no cache), with the
// request filter installed. Views hold it; it lives from the first view to the last one, so it
// always outlives their pages and goes before the application object does.
class TSharedWebProfile {
  public:
    static std::shared_ptr<TSharedWebProfile> Acquire();
    ~TSharedWebProfile();
    TSharedWebProfile(const TSharedWebProfile&) = delete;
    TSharedWebProfile& operator=(const TSharedWebProfile&) = delete;

    QWebEngineProfile* Profile() const { return profile_.get(); }
    TRequestFilter* Filter() const { return filter_.get(); }

    // Writes a page (UTF-8) into a private temporary folder and returns its file URL, or an empty
    // URL when it cannot be written. For pages too large to be handed to the engine as text.
    QUrl WritePageFile(const QByteArray& utf8);

  private:
    TSharedWebProfile();

    // Declared before the profile so that the profile, which uses it, goes first.
    std::unique_ptr<TRequestFilter> filter_;
    std::unique_ptr<QWebEngineProfile> profile_;
    std::unique_ptr<QTemporaryDir> pageFolder_;  // made on the first large page
    quint64 pagesWritten_ = 0;
};
