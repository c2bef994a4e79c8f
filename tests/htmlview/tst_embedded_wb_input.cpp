// The view and the user: mouse presses, focus, the wheel, Ctrl shortcuts, text selection,
// scroll bars and links.
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QSignalSpy>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWheelEvent>
#include <memory>

#include "program_folder_url.h"
#include "view_test_support.h"

namespace {

using O = TUserInterfaceOption;

const std::vector<std::string> kTallPage{
    "<html><body style=\"margin:0\">",
    "<div style=\"height:5000px;background:linear-gradient(#fff,#000)\">tall</div>",
    "</body></html>"};

// Two views side by side in a shown, active window.
struct TwoViews {
    TwoViews() {
        auto* layout = new QHBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        left = new TEmbeddedWB(&window);
        right = new TEmbeddedWB(&window);
        layout->addWidget(left);
        layout->addWidget(right);
        window.resize(600, 300);
        window.show();
        window.activateWindow();
    }
    QWidget window;
    TEmbeddedWB* left;
    TEmbeddedWB* right;
};

bool GiveFocus(TEmbeddedWB& view) {
    view.setFocus(Qt::OtherFocusReason);
    return QTest::qWaitFor([&] { return view.hasFocus(); }, kWaitMs);
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

class TestEmbeddedWBInput : public QObject {
    Q_OBJECT
  private slots:
    void pressesRaiseOnClickAndTakeFocus();
    void wheelScrollsThePageUnderTheCursor();
    void ctrlShortcutsOfTheListAreSwallowed();
    void textSelectionAndScrollBarsFollowTheOptions();
    void clickedLinksOpenInTheUsersBrowser();
};

void TestEmbeddedWBInput::pressesRaiseOnClickAndTakeFocus() {
    TwoViews views;
    QVERIFY(QTest::qWaitForWindowActive(&views.window));
    QVERIFY(LoadAndWait(*views.left, {"<html><body>left</body></html>"}));
    QVERIFY(LoadAndWait(*views.right, {"<html><body>right</body></html>"}));
    QVERIFY(GiveFocus(*views.left));

    QSignalSpy clicks(views.right, &TEmbeddedWB::OnClick);
    QWidget* page = views.right->focusProxy();
    QVERIFY(page);
    QTest::mousePress(page, Qt::LeftButton, Qt::ShiftModifier, QPoint(30, 40));
    QVERIFY(clicks.wait(kWaitMs));
    QCOMPARE(clicks.at(0).at(0).value<TEmbeddedWB*>(), views.right);
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
    QVERIFY(QTest::qWaitFor([&] { return clicks.count() >= 2; }, kWaitMs));
    QTest::mouseRelease(page, Qt::RightButton, {}, QPoint(50, 60));
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(clicks.at(1).at(1).value<Qt::MouseButton>(), Qt::RightButton);
    // The middle button is no click.
    QTest::mousePress(page, Qt::MiddleButton, {}, QPoint(50, 60));
    QTest::mouseRelease(page, Qt::MiddleButton, {}, QPoint(50, 60));
    QTest::mousePress(page, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(page, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(QTest::qWaitFor([&] { return clicks.count() >= 3; }, kWaitMs));
    QCOMPARE(clicks.count(), 3);
    QCOMPARE(clicks.at(2).at(1).value<Qt::MouseButton>(), Qt::LeftButton);
}

void TestEmbeddedWBInput::wheelScrollsThePageUnderTheCursor() {
    TwoViews views;
    QVERIFY(QTest::qWaitForWindowActive(&views.window));
    QVERIFY(LoadAndWait(*views.left, kTallPage));
    QVERIFY(LoadAndWait(*views.right, kTallPage));
    QVERIFY(GiveFocus(*views.left));

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
    QVERIFY(QTest::qWaitFor(
        [&] {
            // Turns apart as a hand makes them: the engine counts turns that follow each other
            // within half a second as one gesture, and a gesture that began while the page was
            // not yet ready for it scrolls nothing.
            turn();
            QTest::qWait(700);
            return Eval(*views.right, QStringLiteral("window.scrollY")).toInt() > 0;
        },
        kWaitMs));
    QCOMPARE(Eval(*views.left, QStringLiteral("window.scrollY")).toInt(), 0);

    // With no focus anywhere in the program the wheel leaves the focus alone.
    views.right->clearFocus();
    QCOMPARE(QApplication::focusWidget(), nullptr);
    turn();
    QVERIFY(!views.right->hasFocus());
}

void TestEmbeddedWBInput::ctrlShortcutsOfTheListAreSwallowed() {
    TEmbeddedWB view;
    view.resize(300, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    QCOMPARE(view.DisableCtrlShortcuts(), QStringLiteral("N"));
    QVERIFY(LoadAndWait(view, {"<html><body><script>window.keys = [];",
                               "document.addEventListener('keydown', function (e) {",
                               " if (e.key.length === 1) keys.push((e.ctrlKey ? 'C' : '') +",
                               "  (e.shiftKey ? 'S' : '') + e.key.toUpperCase()); });",
                               "</script></body></html>"}));
    QVERIFY(GiveFocus(view));
    QWidget* page = view.focusProxy();
    QTest::keyClick(page, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(page, Qt::Key_M, Qt::ControlModifier);
    QTest::keyClick(page, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(page, Qt::Key_N, Qt::ControlModifier | Qt::AltModifier);
    QTest::keyClick(page, Qt::Key_X);
    QTRY_COMPARE_WITH_TIMEOUT(Eval(view, QStringLiteral("keys.join(',')")).toString(),
                              QStringLiteral("CM,CSN,X"), kWaitMs);

    // With no letters listed Ctrl+N reaches the page.
    view.SetDisableCtrlShortcuts(QString());
    QTest::keyClick(page, Qt::Key_N, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(Eval(view, QStringLiteral("keys.join(',')")).toString(),
                              QStringLiteral("CM,CSN,X,CN"), kWaitMs);
}

void TestEmbeddedWBInput::textSelectionAndScrollBarsFollowTheOptions() {
    const TUserInterfaceOptions aboutView{O::DisableTextSelect, O::DisableHelpMenu,
                                          O::DontUse3DBorders, O::DontUseScrollBars,
                                          O::EnableThemes};
    TwoViews views;
    views.right->SetUserInterfaceOptions(aboutView);
    QCOMPARE(views.right->HostUIFlags(), 0x4000Fu);
    QCOMPARE(views.left->HostUIFlags(), 0x44000u);
    QVERIFY(LoadAndWait(*views.left, kTallPage));
    QVERIFY(LoadAndWait(*views.right, kTallPage));

    const QString select = QStringLiteral(
        "getSelection().selectAllChildren(document.body); getSelection().toString()");
    QCOMPARE(Eval(*views.left, select).toString(), QStringLiteral("tall"));
    QCOMPARE(Eval(*views.right, select).toString(), QString());
    QCOMPARE(
        Eval(*views.right, QStringLiteral("getComputedStyle(document.body).userSelect")).toString(),
        QStringLiteral("none"));

    const QString scrollBarWidth =
        QStringLiteral("window.innerWidth - document.documentElement.clientWidth");
    QVERIFY(Eval(*views.left, scrollBarWidth).toInt() > 0);
    QCOMPARE(Eval(*views.right, scrollBarWidth).toInt(), 0);

    // Taking the option away lets the next page be selected again.
    views.right->SetUserInterfaceOptions(kDefaultUserInterfaceOptions);
    QVERIFY(LoadAndWait(*views.right, kTallPage));
    QCOMPARE(Eval(*views.right, select).toString(), QStringLiteral("tall"));
}

void TestEmbeddedWBInput::clickedLinksOpenInTheUsersBrowser() {
    BrowserStandIn browser;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
    TEmbeddedWB view;
    view.resize(400, 300);
    view.show();
    QVERIFY(LoadAndWait(
        view, {"<html><body style=\"margin:0\">",
               "<a id=\"out\" href=\"https://127.0.0.1:9/product\" "
               "style=\"display:block;height:50px\">out</a>",
               "<a id=\"in\" href=\"#below\" style=\"display:block;height:50px\">in</a>",
               "<div style=\"height:3000px\"></div><p id=\"below\">below</p>", "</body></html>"}));
    QSignalSpy complete(&view, &TEmbeddedWB::OnDocumentComplete);
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
    view.RunScript("location.href = '" + byItself.toString().toStdString() + "';", "javascript");
    QVERIFY(QTest::qWaitFor([byItselfEnded] { return *byItselfEnded; }, kWaitMs));
    QCOMPARE(Eval(view, QStringLiteral("location.href")).toString(), ProgramFolderUrl().toString());
    QCOMPARE(browser.opened.size(), 0);
    QTest::mouseClick(view.focusProxy(), Qt::LeftButton, {}, QPoint(20, 25));
    QTRY_COMPARE_WITH_TIMEOUT(browser.opened.size(), 1, kWaitMs);
    QCOMPARE(browser.opened.at(0), QUrl(QStringLiteral("https://127.0.0.1:9/product")));
    QCOMPARE(Eval(view, QStringLiteral("location.href")).toString(), ProgramFolderUrl().toString());

    // A link inside the page stays in the view.
    QTest::mouseClick(view.focusProxy(), Qt::LeftButton, {}, QPoint(20, 75));
    QTRY_VERIFY_WITH_TIMEOUT(Eval(view, QStringLiteral("window.scrollY")).toInt() > 0, kWaitMs);
    QCOMPARE(browser.opened.size(), 1);
    QCOMPARE(complete.count(), 0);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

HTMLVIEW_TEST_MAIN(TestEmbeddedWBInput)
#include "tst_embedded_wb_input.moc"
