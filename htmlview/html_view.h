#pragma once

#include <QByteArray>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "html_code.h"
#include "view_settings.h"

class QAction;
class QVariant;
class QMenu;
class QWebEngineLoadingInfo;
class EmbeddedPage;
class RequestFilter;
class SharedWebProfile;

// The program's web view. It shows a page given as 8-bit lines of HTML or an address, runs
// script text in the page it shows, and tells its owner when a page has finished loading and
// when a mouse button is pressed in it. All views share one off-the-record web profile; pages
// never reach the network, and links the user clicks open in the user's browser. The view keeps
// no history: it shows the page its owner gave it last, and nothing the user does in it brings
// back an earlier one.
class HtmlView : public QWebEngineView {
    Q_OBJECT
  public:
    explicit HtmlView(QWidget* parent = nullptr);
    ~HtmlView() override;

    // Shows the lines, each followed by CR LF, as the page's text (Windows-1252), with the
    // program folder as its base. Returns 0 when the load has started, 1 when it could not be
    // (the view then keeps its page). Completion comes later as documentComplete.
    int loadHtmlLines(const std::vector<std::string>& lines);

    // Runs script text (Windows-1252) in the page's global scope, after the scripts run before
    // it; its result and errors are dropped. Does nothing before the view has shown a page.
    // "javascript" (the only language of the program), "jscript", "ecmascript" or no name.
    void runScript(const std::string& scriptText, const std::string& language);

    // Runs a script (already UTF-16) in the queue of runScript, also before the first page, and
    // hands its result to done, unless the view is gone first.
    void evaluate(const QString& script, std::function<void(const QVariant&)> done);

    // Runs script text (Windows-1252) in the main world of every page this view shows from now
    // on, when the page's document is created: before the page's own scripts and those handed to
    // runScript. Adds nothing to the page's text. An empty text takes the script away.
    void setDocumentStartScript(const std::string& scriptText);

    // Shows a file ("/x/y/page.html") or a URL. An address that is no URL at all throws
    // std::invalid_argument.
    void navigate(const QString& address);

    // The view's page code; a change of the list shows it (see showHtmlCode in the source).
    HtmlCode& htmlCode() { return *htmlCode_; }

    UserInterfaceOptions userInterfaceOptions() const { return uiOptions_; }
    void setUserInterfaceOptions(UserInterfaceOptions options);
    quint32 hostUiFlags() const { return hostUIFlags_; }
    quint32 downloadOptions() const { return kDefaultDownloadOptions; }
    // Letters whose Ctrl shortcut (without Shift) the page never sees; "N" by default.
    QString disableCtrlShortcuts() const { return disableCtrlShortcuts_; }
    void setDisableCtrlShortcuts(const QString& letters) { disableCtrlShortcuts_ = letters; }
    ScriptErrorAction scriptErrorAction() const { return ScriptErrorAction::Continue; }
    // A silent view shows no box a page's script asks for (alert, confirm, prompt); on by default.
    bool silent() const { return silent_; }
    void setSilent(bool silent);
    const PrintOptions& printOptions() const { return printOptions_; }
    PrintOptions& printOptions() { return printOptions_; }

    // The filter all views' requests pass through (to see what it blocked).
    RequestFilter& requestFilter() const;

  signals:
    // Once for every completed load, also one that failed and shows the engine's error page; a
    // load that a newer one replaced before it completed raises nothing. Always from the event
    // loop, never from inside the call that started the load.
    void documentComplete(HtmlView* sender, const QUrl& url);
    // Press of the left or the right button anywhere in the page; X and Y in the view.
    void mousePressed(HtmlView* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                      int y);
    // The page's console (script errors among it), which is otherwise dropped.
    void consoleMessage(int level, const QString& message, int line, const QString& sourceId);

  protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    // The engine's menu without what would leave the owner's page; see keepEntriesInPlace.
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void showHtmlCode();
    void startLoad();
    void showLastPageAgain();
    void keepEntriesInPlace(QMenu& menu);
    void onLoadingChanged(const QWebEngineLoadingInfo& info);
    void onRenderProcessGone(bool killed);
    void giveUpHungPage();
    bool swallowsKey(const QKeyEvent& key) const;
    void removePageFile();

    std::shared_ptr<SharedWebProfile> profile_;
    EmbeddedPage* page_ = nullptr;
    QAction* reloadAction_ = nullptr;  // the menu's Reload: the owner's last page again
    HtmlCode* htmlCode_ = nullptr;
    bool hasDocument_ = false;

    // What the owner asked to show last, to show it again when the engine's process dies.
    QByteArray lastContent_;  // page text (UTF-8) handed over as text
    QUrl lastUrl_;            // or the address, a large page's file among them
    QString pageFile_;        // the file of the large page this view shows, if any
    bool loadRequested_ = false;
    int recoveries_ = 0;  // reloads after a crash since the owner's last load

    // Scripts handed to the page that have not finished yet. A page whose script never ends
    // keeps its process busy, and the next page would wait behind it for ever.
    int pendingScripts_ = 0;
    QTimer* hungPageTimer_ = nullptr;

    UserInterfaceOptions uiOptions_ = kDefaultUserInterfaceOptions;
    quint32 hostUIFlags_ = hostUiFlagsOf(kDefaultUserInterfaceOptions);
    QString disableCtrlShortcuts_ = QStringLiteral("N");
    bool silent_ = true;
    PrintOptions printOptions_;
};
