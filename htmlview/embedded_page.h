#pragma once

#include <QWebEnginePage>

// The page behind every view. Console messages never reach standard error (they go to the
// logging category "quorvel.htmlview.console", off by default, and to consoleMessage for whoever
// wants them), and a link the user clicks opens in the user's browser instead of in the view.
class EmbeddedPage : public QWebEnginePage {
    Q_OBJECT
  public:
    EmbeddedPage(QWebEngineProfile* profile, QObject* parent);

    // The user pressed a mouse button or a key in the page: the next link it follows is the
    // user's. The engine counts a script's change of location as a clicked link too, and a
    // page is not to open the user's browser by itself.
    void noteUserInput() { userInput_ = true; }

    // A silent page shows none of the boxes a script may ask for (alert, confirm, prompt): each
    // is answered as if dismissed. Silent by default.
    void setSilent(bool silent) { silent_ = silent; }

  signals:
    void consoleMessage(int level, const QString& message, int line, const QString& sourceId);

  protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int lineNumber, const QString& sourceID) override;
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    void javaScriptAlert(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& msg,
                          const QString& defaultValue, QString* result) override;

  private:
    bool userInput_ = false;
    bool silent_ = true;
};
