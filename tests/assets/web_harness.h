// A headless web page for testing the files that lie beside the program: loads page text with the
// program's folder as base URL, runs script files in the page's main world in order, evaluates
// expressions, and records console errors and every request that leaves the local disk.
#pragma once

#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>

#include <memory>

#include "data/language.h"

class QWebEngineProfile;
class QWebEngineView;

// Records every request whose scheme is not a local one.
class RequestRecorder : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
  public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
    QStringList nonLocal;
};

// A page that keeps the console messages of level error.
class ConsolePage : public QWebEnginePage {
    Q_OBJECT
  public:
    using QWebEnginePage::QWebEnginePage;
    QStringList errors;

  protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int line, const QString& source) override;
};

class WebHarness {
  public:
    // A view of the given size (the report view is 735 x 525) showing a fresh page.
    explicit WebHarness(int width = 735, int height = 525);
    ~WebHarness();

    WebHarness(const WebHarness&) = delete;
    WebHarness& operator=(const WebHarness&) = delete;

    // The chart words of a language, set in every page from the next one on before its scripts,
    // as the program's report views do; English from the start.
    void setChartWords(Language language);

    // The folder the build copies the assets into, ending in "/".
    static QString assetFolder();
    static QUrl assetFolderUrl();

    // Loads HTML text with the asset folder as base URL; false when the load failed or timed out.
    bool loadHtml(const QString& html);
    // Loads a URL (a file of the asset folder, about:blank).
    bool loadUrl(const QUrl& url);

    // Runs script texts one after the other, each a separate evaluation, and waits until the last
    // has run. Returns false on a time-out.
    bool runScripts(const QStringList& sources);
    // Reads the named files of the asset folder (as the program does: bytes, Windows-1252; the
    // scripts are ASCII) and runs them in order. A name whose file is missing makes it fail.
    bool runFiles(const QStringList& names);

    // Evaluates a JavaScript expression and returns its value passed through JSON.stringify.
    QJsonValue eval(const QString& expression);

    // Every console error the page has written so far. The messages come in the order the page
    // wrote them, so once a mark written now has come, so has every error written before it.
    QStringList errorsSoFar();

    ConsolePage& page() { return *page_; }
    QWebEngineView& view() { return *view_; }
    RequestRecorder& requests() { return *recorder_; }

    // The file sequences the program runs after a report page has loaded.
    static QStringList reportSequence();
    static QStringList comparisonSequence();

  private:
    std::unique_ptr<RequestRecorder> recorder_;
    std::unique_ptr<QWebEngineProfile> profile_;
    std::unique_ptr<QWebEngineView> view_;
    ConsolePage* page_ = nullptr;
};
