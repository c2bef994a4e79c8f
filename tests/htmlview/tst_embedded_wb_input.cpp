// The view and the user: mouse presses, focus, the wheel, Ctrl shortcuts, text selection,
// scroll bars, links and the right-button menu.
#include <QClipboard>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWheelEvent>
#include <memory>

#include "htmlview/program_folder_url.h"
#include "view_test_support.h"

namespace {

using O = UserInterfaceOption;

const std::vector<std::string> kTallPage{
    "<html><body style=\"margin:0\">",
    "<div style=\"height:5000px;background:linear-gradient(#fff,#000)\">tall</div>",
    "</body></html>"};

// Two views side by side in a shown, active window.
struct TwoViews {
    TwoViews() {
        auto* layout = new QHBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        left = new HtmlView(&window);
        right = new HtmlView(&window);
        layout->addWidget(left);
        layout->addWidget(right);
        window.resize(600, 300);
        window.show();
        window.activateWindow();
    }
    QWidget window;
    HtmlView* left;
    HtmlView* right;
};

bool giveFocus(HtmlView& view) {
    view.setFocus(Qt::OtherFocusReason);
    return waitForEngine([&] { return view.hasFocus(); }, kWaitMs);
}

}  // namespace

// Catches what the view hands to the user's browser.
class BrowserStandIn : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> opened;
  public slots:
    void open(const QUrl& url) { opened << url; }
};

class TestHtmlViewInput : public QObject {
    Q_OBJECT
  private slots:
    void pressesRaiseOnClickAndTakeFocus();
    void wheelScrollsThePageUnderTheCursor();
    void ctrlShortcutsOfTheListAreSwallowed();
    void textSelectionAndScrollBarsFollowTheOptions();
    void clickedLinksOpenInTheUsersBrowser();
    void menuNeverLeavesTheLastPage();
};

void TestHtmlViewInput::pressesRaiseOnClickAndTakeFocus() {
    TwoViews views;
    QVERIFY(QTest::qWaitForWindowActive(&views.window));
    QVERIFY(loadAndWait(*views.left, {"<html><body>left</body></html>"}));
    QVERIFY(loadAndWait(*views.right, {"<html><body>right</body></html>"}));
    QVERIFY(giveFocus(*views.left));

    QSignalSpy clicks(views.right, &HtmlView::mousePressed);
    QWidget* page = views.right->focusProxy();
    QVERIFY(page);
    QTest::mousePress(page, Qt::LeftButton, Qt::ShiftModifier, QPoint(30, 40));
    QVERIFY(clicks.wait(kWaitMs));
    QCOMPARE(clicks.at(0).at(0).value<HtmlView*>(), views.right);
    QCOMPARE(clicks.at(0).at(1).value<Qt::MouseButton>(), Qt::LeftButton);
    QCOMPARE(clicks.at(0).at(2).value<Qt::KeyboardModifiers>(),
             Qt::KeyboardModifiers(Qt::ShiftModifier));
    const QPoint expected = page->mapTo(views.right, QPoint(30, 40));
    QCOMPARE(clicks.at(0).at(3).toInt(), expected.x());
    QCOMPARE(clicks.at(0).at(4).toInt(), expected.y());
    QTRY_VERIFY_WITH_TIMEOUT(views.right->hasFocus(), kWaitMs);

    // The release raises nothing; the right button raises it like the left one.
    QTest::mouseRelease(page, Qt::LeftButton, Qt::ShiftModifier, QPoint(30, 40));
    QTest::mousePress(page, Qt::RightButton, {}, QPoint(50, 60));
    QVERIFY(waitForEngine([&] { return clicks.count() >= 2; }, kWaitMs));
    QTest::mouseRelease(page, Qt::RightButton, {}, QPoint(50, 60));
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(clicks.at(1).at(1).value<Qt::MouseButton>(), Qt::RightButton);
    // The middle button is no click.
    QTest::mousePress(page, Qt::MiddleButton, {}, QPoint(50, 60));
    QTest::mouseRelease(page, Qt::MiddleButton, {}, QPoint(50, 60));
    QTest::mousePress(page, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(page, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(waitForEngine([&] { return clicks.count() >= 3; }, kWaitMs));
    QCOMPARE(clicks.count(), 3);
    QCOMPARE(clicks.at(2).at(1).value<Qt::MouseButton>(), Qt::LeftButton);
}

void TestHtmlViewInput::wheelScrollsThePageUnderTheCursor() {
    TwoViews views;
    QVERIFY(QTest::qWaitForWindowActive(&views.window));
    QVERIFY(loadAndWait(*views.left, kTallPage));
    QVERIFY(loadAndWait(*views.right, kTallPage));
    QVERIFY(giveFocus(*views.left));

    // A turn of the wheel with no move of the mouse before it: the page under the cursor takes
    // the focus, and turning on scrolls it (the first turn may go while the focus moves).
    QWidget* page = views.right->focusProxy();
    QVERIFY(page);
    const QPointF at(100, 100);
    const auto turn = [&] {
        QWheelEvent wheel(at, page->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(page, &wheel);
    };
    turn();
    QVERIFY(views.right->hasFocus());
    QVERIFY(waitForEngine(
        [&] {
            // Turns apart as a hand makes them: the engine counts turns that follow each other
            // within half a second as one gesture, and a gesture that began while the page was
            // not yet ready for it scrolls nothing.
            turn();
            QTest::qWait(700);
            return eval(*views.right, QStringLiteral("window.scrollY")).toInt() > 0;
        },
        kWaitMs));
    QCOMPARE(eval(*views.left, QStringLiteral("window.scrollY")).toInt(), 0);

    // With no focus anywhere in the program the wheel leaves the focus alone.
    views.right->clearFocus();
    QCOMPARE(QApplication::focusWidget(), nullptr);
    turn();
    QVERIFY(!views.right->hasFocus());
}

void TestHtmlViewInput::ctrlShortcutsOfTheListAreSwallowed() {
    HtmlView view;
    view.resize(300, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    QCOMPARE(view.disableCtrlShortcuts(), QStringLiteral("N"));
    QVERIFY(loadAndWait(view, {"<html><body><script>window.keys = [];",
                               "document.addEventListener('keydown', function (e) {",
                               " if (e.key.length === 1) keys.push((e.ctrlKey ? 'C' : '') +",
                               "  (e.shiftKey ? 'S' : '') + e.key.toUpperCase()); });",
                               "</script></body></html>"}));
    QVERIFY(giveFocus(view));
    QWidget* page = view.focusProxy();
    QTest::keyClick(page, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(page, Qt::Key_M, Qt::ControlModifier);
    QTest::keyClick(page, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(page, Qt::Key_N, Qt::ControlModifier | Qt::AltModifier);
    QTest::keyClick(page, Qt::Key_X);
    QTRY_COMPARE_WITH_TIMEOUT(eval(view, QStringLiteral("keys.join(',')")).toString(),
                              QStringLiteral("CM,CSN,X"), kWaitMs);

    // With no letters listed Ctrl+N reaches the page.
    view.setDisableCtrlShortcuts(QString());
    QTest::keyClick(page, Qt::Key_N, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(eval(view, QStringLiteral("keys.join(',')")).toString(),
                              QStringLiteral("CM,CSN,X,CN"), kWaitMs);
}

void TestHtmlViewInput::textSelectionAndScrollBarsFollowTheOptions() {
    const UserInterfaceOptions aboutView{O::DisableTextSelect, O::DisableHelpMenu,
                                         O::DontUse3DBorders, O::DontUseScrollBars,
                                         O::EnableThemes};
    TwoViews views;
    views.right->setUserInterfaceOptions(aboutView);
    QCOMPARE(views.right->hostUiFlags(), 0x4000Fu);
    QCOMPARE(views.left->hostUiFlags(), 0x44000u);
    QVERIFY(loadAndWait(*views.left, kTallPage));
    QVERIFY(loadAndWait(*views.right, kTallPage));

    const QString select = QStringLiteral(
        "getSelection().selectAllChildren(document.body); getSelection().toString()");
    QCOMPARE(eval(*views.left, select).toString(), QStringLiteral("tall"));
    QCOMPARE(eval(*views.right, select).toString(), QString());
    QCOMPARE(
        eval(*views.right, QStringLiteral("getComputedStyle(document.body).userSelect")).toString(),
        QStringLiteral("none"));

    const QString scrollBarWidth =
        QStringLiteral("window.innerWidth - document.documentElement.clientWidth");
    QVERIFY(eval(*views.left, scrollBarWidth).toInt() > 0);
    QCOMPARE(eval(*views.right, scrollBarWidth).toInt(), 0);

    // Taking the option away lets the next page be selected again.
    views.right->setUserInterfaceOptions(kDefaultUserInterfaceOptions);
    QVERIFY(loadAndWait(*views.right, kTallPage));
    QCOMPARE(eval(*views.right, select).toString(), QStringLiteral("tall"));
}

void TestHtmlViewInput::clickedLinksOpenInTheUsersBrowser() {
    BrowserStandIn browser;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
    HtmlView view;
    view.resize(400, 300);
    view.show();
    QVERIFY(loadAndWait(
        view, {"<html><body style=\"margin:0\">",
               "<a id=\"out\" href=\"https://127.0.0.1:9/product\" "
               "style=\"display:block;height:50px\">out</a>",
               "<a id=\"in\" href=\"#below\" style=\"display:block;height:50px\">in</a>",
               "<div style=\"height:3000px\"></div><p id=\"below\">below</p>", "</body></html>"}));
    QSignalSpy complete(&view, &HtmlView::documentComplete);
    // A page that goes away by itself opens nothing (the engine calls that a clicked link too)
    // and stays: the engine has ended that load once it says so.
    const QUrl byItself(QStringLiteral("https://127.0.0.1:9/by-itself"));
    auto byItselfEnded = std::make_shared<bool>(false);
    connect(view.page(), &QWebEnginePage::loadingChanged, this,
            [byItself, byItselfEnded](const QWebEngineLoadingInfo& info) {
                *byItselfEnded =
                    *byItselfEnded || (info.url() == byItself &&
                                       info.status() != QWebEngineLoadingInfo::LoadStartedStatus);
            });
    view.runScript("location.href = '" + byItself.toString().toStdString() + "';", "javascript");
    QVERIFY(waitForEngine([byItselfEnded] { return *byItselfEnded; }, kWaitMs));
    QCOMPARE(eval(view, QStringLiteral("location.href")).toString(), programFolderUrl().toString());
    QCOMPARE(browser.opened.size(), 0);
    QTest::mouseClick(view.focusProxy(), Qt::LeftButton, {}, QPoint(20, 25));
    QTRY_COMPARE_WITH_TIMEOUT(browser.opened.size(), 1, kWaitMs);
    QCOMPARE(browser.opened.at(0), QUrl(QStringLiteral("https://127.0.0.1:9/product")));
    QCOMPARE(eval(view, QStringLiteral("location.href")).toString(), programFolderUrl().toString());

    // A link inside the page stays in the view.
    QTest::mouseClick(view.focusProxy(), Qt::LeftButton, {}, QPoint(20, 75));
    QTRY_VERIFY_WITH_TIMEOUT(eval(view, QStringLiteral("window.scrollY")).toInt() > 0, kWaitMs);
    QCOMPARE(browser.opened.size(), 1);
    QCOMPARE(complete.count(), 0);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

// Two pages, then the menu over the page's text and over a drawing: nothing brings the first page
// back, and each entry offered works on the last one (Reload shows it anew, and it completes).
void TestHtmlViewInput::menuNeverLeavesTheLastPage() {
    HtmlView view;
    view.resize(400, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const auto page = [](const std::string& name) {
        return std::vector<std::string>{
            "<html><body style=\"margin:0\"><canvas id=\"c\" width=\"200\" height=\"100\">",
            "</canvas><p style=\"height:150px\">" + name + "</p><script>",
            "var g = document.getElementById('c').getContext('2d');",
            "g.fillStyle = '#c00'; g.fillRect(0, 0, 200, 100);</script></body></html>"};
    };
    QVERIFY(loadAndWait(view, page("first")));
    QVERIFY(loadAndWait(view, page("second")));
    const auto showsSecond = [&] {
        return eval(view, QStringLiteral("document.body.innerText")).toString().trimmed() ==
               QStringLiteral("second");
    };

    // The engine's own Back, as a mouse's back button gives it, has nowhere to go.
    QVERIFY(!view.history()->canGoBack());
    view.page()->triggerAction(QWebEnginePage::Back);
    QVERIFY(showsSecond());

    QSignalSpy complete(&view, &HtmlView::documentComplete);
    QStringList offered;
    int reloads = 0;
    for (const QPoint at : {QPoint(300, 200), QPoint(50, 50)}) {  // text, drawing
        QTest::mouseClick(view.focusProxy(), Qt::RightButton, {}, at);
        QPointer<QMenu> menu;
        QVERIFY(waitForEngine(
            [&] {
                for (QMenu* shown : view.findChildren<QMenu*>())
                    menu = shown->isVisible() ? shown : menu.data();
                return !menu.isNull();
            },
            kWaitMs));
        for (QWebEnginePage::WebAction gone :
             {QWebEnginePage::Back, QWebEnginePage::Forward, QWebEnginePage::SavePage,
              QWebEnginePage::ViewSource, QWebEnginePage::DownloadImageToDisk})
            QVERIFY(!menu->actions().contains(view.page()->action(gone)));
        for (QAction* entry : menu->actions()) {
            if (entry->isSeparator())
                continue;
            offered << entry->text();
            QApplication::clipboard()->clear();
            entry->trigger();
            if (entry->text() == view.page()->action(QWebEnginePage::Reload)->text()) {
                QVERIFY(complete.wait(kWaitMs));
                QCOMPARE(complete.count(), ++reloads);
            } else if (entry == view.page()->action(QWebEnginePage::CopyImageToClipboard)) {
                QTRY_VERIFY_WITH_TIMEOUT(!QApplication::clipboard()->image().isNull(), kWaitMs);
                QCOMPARE(QApplication::clipboard()->image().size(), QSize(200, 100));
            }
            QVERIFY2(showsSecond(), qPrintable(entry->text()));
        }
        menu->close();
        QTRY_VERIFY(menu.isNull());
    }
    // The engine's own entries, named by the engine in the machine's language.
    const QString reload = view.page()->action(QWebEnginePage::Reload)->text();
    const QString copyImage = view.page()->action(QWebEnginePage::CopyImageToClipboard)->text();
    QCOMPARE(offered, (QStringList{reload, reload, copyImage}));
    QVERIFY(!view.history()->canGoBack());
    QCOMPARE(complete.count(), reloads);  // one completion for each Reload
}

HTMLVIEW_TEST_MAIN(TestHtmlViewInput)
#include "tst_embedded_wb_input.moc"
