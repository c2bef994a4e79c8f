#include "html_view.h"

#include <signal.h>

#include <QAction>
#include <QApplication>
#include <QChildEvent>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <stdexcept>

#include "embedded_page.h"
#include "program_folder_url.h"
#include "request_filter.h"
#include "shared_web_profile.h"
#include "win1252.h"

Q_LOGGING_CATEGORY(lcHtmlView, "quorvel.htmlview")

namespace {

// The engine hands page text over as a data: URL, which it refuses above 2 MiB. The text is
// percent-encoded into it: every byte but the unreserved ASCII ones takes three characters.
bool fitsInDataUrl(const QByteArray& utf8) {
    constexpr qsizetype kLimit = 2 * 1024 * 1024 - 64 * 1024;  // headroom for the URL's head
    qsizetype size = 0;
    for (const char c : utf8) {
        const bool unreserved = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                                (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' ||
                                c == '~';
        size += unreserved ? 1 : 3;
        if (size > kLimit)
            return false;
    }
    return true;
}

const QString kNoTextSelectScript = QStringLiteral("quorvel-no-text-select");

QWebEngineScript noTextSelectScript() {
    QWebEngineScript script;
    script.setName(kNoTextSelectScript);
    // An adopted style sheet applies from the document's creation on and adds no element.
    script.setSourceCode(
        QStringLiteral("(function () {"
                       " var sheet = new CSSStyleSheet();"
                       " sheet.replaceSync('* { -webkit-user-select: none !important;"
                       " user-select: none !important; }');"
                       " document.adoptedStyleSheets = document.adoptedStyleSheets.concat([sheet]);"
                       "})();"));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(true);
    return script;
}

const QString kDocumentStartScript = QStringLiteral("quorvel-document-start");

// First characters of a one-line page code that make it an address.
bool looksLikeAddress(const std::string& line) {
    std::string head = line.substr(0, 6);
    for (char& c : head) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    const std::string four = head.substr(0, 4);
    return four == "http" || four == "www." || four == "ftp:" || four == "file" || head == "about:";
}

bool isJavaScriptName(const std::string& language) {
    const QString name = QString::fromLatin1(language.c_str()).trimmed().toLower();
    return name.isEmpty() || name == QLatin1String("javascript") ||
           name == QLatin1String("jscript") || name == QLatin1String("ecmascript");
}

// Entries of the engine's menu that act on the shown page in place: copying, editing, media.
// The others leave the owner's page (Back, Forward, links opened), want a window or a file the
// view has no place for (Save page, View page source, Save image, Save link, Inspect), or, for
// the engine's Reload, may bring back a page an unfinished newer load has replaced.
bool actsInPlace(QWebEnginePage::WebAction action) {
    switch (action) {
        case QWebEnginePage::Cut:
        case QWebEnginePage::Copy:
        case QWebEnginePage::Paste:
        case QWebEnginePage::PasteAndMatchStyle:
        case QWebEnginePage::Undo:
        case QWebEnginePage::Redo:
        case QWebEnginePage::SelectAll:
        case QWebEnginePage::Unselect:
        case QWebEnginePage::CopyLinkToClipboard:
        case QWebEnginePage::CopyImageToClipboard:
        case QWebEnginePage::CopyImageUrlToClipboard:
        case QWebEnginePage::CopyMediaUrlToClipboard:
        case QWebEnginePage::ToggleMediaControls:
        case QWebEnginePage::ToggleMediaLoop:
        case QWebEnginePage::ToggleMediaPlayPause:
        case QWebEnginePage::ToggleMediaMute:
            return true;
        default:
            return false;
    }
}

// No separator first, last or twice in a row once entries have gone.
void tidySeparators(QMenu& menu) {
    QAction* previous = nullptr;
    for (QAction* action : menu.actions()) {
        if (action->isSeparator() && (previous == nullptr || previous->isSeparator()))
            menu.removeAction(action);
        else
            previous = action;
    }
    if (previous != nullptr && previous->isSeparator())
        menu.removeAction(previous);
}

constexpr int kMaxRecoveries = 3;

// How long a new page waits for the scripts still running in the old one before the view gives
// the old page's process up. Far beyond what any script of the program takes.
constexpr int kHungScriptGraceMs = 5000;

}  // namespace

HtmlView::HtmlView(QWidget* parent)
    : QWebEngineView(parent), profile_(SharedWebProfile::acquire()), htmlCode_(new HtmlCode(this)) {
    page_ = new EmbeddedPage(profile_->profile(), this);
    setPage(page_);
    connect(page_, &QWebEnginePage::loadingChanged, this, &HtmlView::onLoadingChanged);
    connect(page_, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status) {
                if (status != QWebEnginePage::NormalTerminationStatus)
                    onRenderProcessGone(status == QWebEnginePage::KilledTerminationStatus);
            });
    connect(page_, &EmbeddedPage::consoleMessage, this, &HtmlView::consoleMessage);
    connect(htmlCode_, &HtmlCode::changed, this, &HtmlView::showHtmlCode);
    hungPageTimer_ = new QTimer(this);
    hungPageTimer_->setSingleShot(true);
    hungPageTimer_->setInterval(kHungScriptGraceMs);
    connect(hungPageTimer_, &QTimer::timeout, this, &HtmlView::giveUpHungPage);
    reloadAction_ = new QAction(this);
    connect(reloadAction_, &QAction::triggered, this, &HtmlView::showLastPageAgain);
    setUserInterfaceOptions(kDefaultUserInterfaceOptions);
}

HtmlView::~HtmlView() {
    // The page goes before the profile it was made on; the profile goes with the last view.
    delete page_;
    page_ = nullptr;
    removePageFile();
}

RequestFilter& HtmlView::requestFilter() const {
    return *profile_->filter();
}

int HtmlView::loadHtmlLines(const std::vector<std::string>& lines) {
    std::string joined;
    std::size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    joined.reserve(size);
    for (const auto& line : lines) {
        joined += line;
        joined += "\r\n";
    }
    QByteArray utf8 = fromWindows1252(joined).toUtf8();

    if (fitsInDataUrl(utf8)) {
        removePageFile();
        lastContent_ = std::move(utf8);
        lastUrl_.clear();
    } else {
        const QUrl file = profile_->writePageFile(utf8);
        if (file.isEmpty())
            return 1;
        removePageFile();
        pageFile_ = file.toLocalFile();
        lastContent_.clear();
        lastUrl_ = file;
    }
    recoveries_ = 0;
    startLoad();
    return 0;
}

void HtmlView::navigate(const QString& address) {
    const QUrl url = address.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(address)
                                                          : QUrl::fromUserInput(address);
    if (!url.isValid() || url.isEmpty())
        throw std::invalid_argument("Not an address: \"" + address.toStdString() + "\"");
    removePageFile();
    lastContent_.clear();
    lastUrl_ = url;
    recoveries_ = 0;
    startLoad();
}

void HtmlView::startLoad() {
    loadRequested_ = true;
    if (pendingScripts_ > 0 && !hungPageTimer_->isActive())
        hungPageTimer_->start();
    if (lastUrl_.isEmpty())
        page_->setContent(lastContent_, QStringLiteral("text/html;charset=UTF-8"),
                          programFolderUrl());
    else
        page_->load(lastUrl_);
}

// What the menu's Reload does: the page the owner gave last, shown anew, which completes like
// any load (so the owner's scripts run on it again).
void HtmlView::showLastPageAgain() {
    if (!loadRequested_)
        return;
    recoveries_ = 0;
    startLoad();
}

void HtmlView::removePageFile() {
    if (!pageFile_.isEmpty()) {
        QFile::remove(pageFile_);
        pageFile_.clear();
    }
}

void HtmlView::setSilent(bool silent) {
    silent_ = silent;
    page_->setSilent(silent);
}

void HtmlView::runScript(const std::string& scriptText, const std::string& language) {
    if (!hasDocument_)
        return;
    if (!isJavaScriptName(language)) {
        qCWarning(lcHtmlView) << "Script language not supported:" << language.c_str();
        return;
    }
    // The result is dropped, and so is any error.
    evaluate(fromWindows1252(scriptText), nullptr);
}

void HtmlView::evaluate(const QString& script, std::function<void(const QVariant&)> done) {
    // Scripts run in call order; each counts as pending until its answer is back, so that a page
    // whose script never ends is given up (giveUpHungPage).
    ++pendingScripts_;
    QPointer<HtmlView> self(this);
    page_->runJavaScript(script, QWebEngineScript::MainWorld,
                         [self, done = std::move(done)](const QVariant& result) {
                             if (!self)
                                 return;
                             if (self->pendingScripts_ > 0 && --self->pendingScripts_ == 0)
                                 self->hungPageTimer_->stop();
                             if (done)
                                 done(result);
                         });
}

// A new page has waited too long behind a script of the old one that does not end: end the old
// page's process. The view then shows the owner's newest page, as after any death of it.
void HtmlView::giveUpHungPage() {
    if (pendingScripts_ == 0)
        return;
    const qint64 pid = page_->renderProcessPid();
    pendingScripts_ = 0;
    if (pid > 0)
        ::kill(static_cast<pid_t>(pid), SIGKILL);
}

// A change of the page code shows it: one line that starts like an address is navigated to
// (a folder as a file: URL; a blank line does nothing), any other list is the page's text.
void HtmlView::showHtmlCode() {
    const auto& lines = htmlCode_->Lines();
    if (lines.size() != 1) {
        loadHtmlLines(lines);
        return;
    }
    const QString line = fromWindows1252(lines.front());
    if (line.trimmed().isEmpty())
        return;
    if (!looksLikeAddress(lines.front())) {
        loadHtmlLines(lines);
        return;
    }
    const QFileInfo folder(line);
    if (folder.isDir())
        navigate(folder.absoluteFilePath());
    else
        navigate(line.trimmed());
}

void HtmlView::onLoadingChanged(const QWebEngineLoadingInfo& info) {
    // A stopped load is one a newer load replaced (or a stop): that newer one completes instead.
    // A failed load completes too, with the engine's error page in the view.
    if (info.status() != QWebEngineLoadingInfo::LoadSucceededStatus &&
        info.status() != QWebEngineLoadingInfo::LoadFailedStatus)
        return;
    if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus && info.errorCode() == -3)
        return;  // net::ERR_ABORTED: replaced by a newer load
    // Every page replaces the one before: no way back to an earlier one.
    page_->history()->clear();
    const QUrl url = info.url();
    QMetaObject::invokeMethod(
        this,
        [this, url] {
            hasDocument_ = true;
            profile_->collectGarbageSoon(page_);
            emit documentComplete(this, url);
        },
        Qt::QueuedConnection);
}

// The engine's process for this page died (a crash, or killed): show the owner's last page
// again, which raises documentComplete as any load does. A page that keeps crashing its
// process is not reloaded forever; a kill from outside (the user, the system, the hung-page
// watchdog) is no fault of the page and never uses up its chances. The views share one
// process, so one kill takes every page down at once.
void HtmlView::onRenderProcessGone(bool killed) {
    pendingScripts_ = 0;  // their callbacks died with the process
    hungPageTimer_->stop();
    if (!loadRequested_ || (!killed && recoveries_ >= kMaxRecoveries))
        return;
    if (!killed)
        ++recoveries_;
    QTimer::singleShot(0, this, [this] { startLoad(); });
}

void HtmlView::setDocumentStartScript(const std::string& scriptText) {
    QWebEngineScriptCollection& scripts = page_->scripts();
    for (const auto& script : scripts.find(kDocumentStartScript))
        scripts.remove(script);
    if (scriptText.empty())
        return;
    QWebEngineScript script;
    script.setName(kDocumentStartScript);
    script.setSourceCode(fromWindows1252(scriptText));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(false);
    scripts.insert(script);
}

void HtmlView::setUserInterfaceOptions(UserInterfaceOptions options) {
    uiOptions_ = options;
    hostUIFlags_ = hostUiFlagsOf(options);

    QWebEngineScriptCollection& scripts = page_->scripts();
    const bool noSelect = options.contains(UserInterfaceOption::DisableTextSelect);
    const auto present = scripts.find(kNoTextSelectScript);
    if (noSelect && present.isEmpty())
        scripts.insert(noTextSelectScript());
    for (const auto& script : present) {
        if (!noSelect)
            scripts.remove(script);
    }
    page_->settings()->setAttribute(QWebEngineSettings::ShowScrollBars,
                                    !options.contains(UserInterfaceOption::DontUseScrollBars));
}

bool HtmlView::swallowsKey(const QKeyEvent& key) const {
    const auto mods = key.modifiers();
    if (disableCtrlShortcuts_.isEmpty() || !(mods & Qt::ControlModifier) ||
        (mods & Qt::ShiftModifier))
        return false;
    const int code = key.key();
    if (code < 0x20 || code > 0x7E)
        return false;
    return disableCtrlShortcuts_.toUpper().contains(QChar(code).toUpper());
}

bool HtmlView::event(QEvent* e) {
    // The engine puts its render widget in the view as a child when a page first shows, and
    // replaces it after its process died: watch every child widget for presses and keys.
    if (e->type() == QEvent::ChildAdded) {
        QObject* child = static_cast<QChildEvent*>(e)->child();
        if (child->isWidgetType())
            child->installEventFilter(this);
    }
    return QWebEngineView::event(e);
}

bool HtmlView::eventFilter(QObject* watched, QEvent* e) {
    if (watched->parent() == this) {
        if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::KeyPress)
            page_->noteUserInput();
        if (e->type() == QEvent::MouseButtonPress) {
            const auto* press = static_cast<QMouseEvent*>(e);
            const Qt::MouseButton button = press->button();
            if (button == Qt::LeftButton || button == Qt::RightButton) {
                if (!hasFocus())
                    setFocus(Qt::MouseFocusReason);
                const QPoint at =
                    static_cast<QWidget*>(watched)->mapTo(this, press->position().toPoint());
                const Qt::KeyboardModifiers shift = press->modifiers();
                // Raised once the press has gone its ordinary way into the page.
                QMetaObject::invokeMethod(
                    this,
                    [this, button, shift, at] {
                        emit mousePressed(this, button, shift, at.x(), at.y());
                    },
                    Qt::QueuedConnection);
            }
        } else if (e->type() == QEvent::KeyPress) {
            if (swallowsKey(*static_cast<QKeyEvent*>(e)))
                return true;
        } else if (e->type() == QEvent::Wheel) {
            // The wheel over a page takes the focus there while the program is active. The views
            // share one render process, and the engine may not scroll a page without the focus
            // until the pointer has moved over it: the turn would be lost.
            if (QApplication::focusWidget() != nullptr && !hasFocus())
                setFocus(Qt::MouseFocusReason);
        }
    }
    return QWebEngineView::eventFilter(watched, e);
}

void HtmlView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();  // deletes itself when closed
    keepEntriesInPlace(*menu);
    if (menu->isEmpty()) {
        delete menu;
        return;
    }
    menu->popup(event->globalPos());
}

void HtmlView::keepEntriesInPlace(QMenu& menu) {
    const QList<QAction*> entries = menu.actions();
    for (int i = 0; i < QWebEnginePage::WebActionCount; ++i) {
        const auto webAction = static_cast<QWebEnginePage::WebAction>(i);
        QAction* entry = page_->action(webAction);
        if (!entries.contains(entry) || actsInPlace(webAction))
            continue;
        if (webAction == QWebEnginePage::Reload && loadRequested_) {
            reloadAction_->setText(entry->text());
            reloadAction_->setIcon(entry->icon());
            menu.insertAction(entry, reloadAction_);
        }
        menu.removeAction(entry);
    }
    tidySeparators(menu);
}
