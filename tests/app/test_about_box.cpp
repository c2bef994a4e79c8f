// The about box: its window, the caption change by a press in the like page and its persistence,
// Escape, its link, and the three ways the main window shows it.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "app/about.h"
#include "app/clickable_label.h"
#include "app/form1.h"
#include "app_test_support.h"
#include "htmlview/embedded_wb.h"

namespace {

const QString kThanks = QStringLiteral("Thanks for liking!");

// Shows the box (not modally, so the test keeps control) once its page has loaded.
bool ShowLoaded(TAbout& about, QSignalSpy& loaded) {
    about.show();
    return QTest::qWaitForWindowExposed(&about) &&
           QTest::qWaitFor([&] { return loaded.count() >= 1; }, 30000);
}

// The widget that receives the mouse inside the view: the engine's child once a page is shown.
QWidget* PageWidget(TEmbeddedWB* view) {
    return view->focusProxy() != nullptr ? view->focusProxy() : view;
}

}  // namespace

class TestAboutBox : public QObject {
    Q_OBJECT
  private slots:
    void init() { WriteTestAppFiles(); }

    void theWindow() {
        AppWindows app;
        TAbout& about = *app.about;
        QVERIFY(!about.isVisible());
        QCOMPARE(about.windowTitle(), QStringLiteral("About Quorvel"));
        QVERIFY(!about.windowIcon().isNull());
        QCOMPARE(about.minimumSize(), QSize(485, 332));
        QCOMPARE(about.maximumSize(), QSize(485, 332));
        const Qt::WindowFlags flags = about.windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(flags & Qt::WindowContextHelpButtonHint));
        QCOMPARE(about.palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(about.Button1->text(), QStringLiteral("OK"));
        QVERIFY(!about.Button1->isDefault());
        QCOMPARE(about.GroupBox1->title(), QStringLiteral("The boring stuff:"));
        QCOMPARE(about.Label5->text(), QStringLiteral("www.quorvel.org"));
        QVERIFY(about.Label3->text().startsWith(QStringLiteral("Quorvel \u00A9 2026 ")));
        QCOMPARE(about.wb3->size(), QSize(100, 100));
        QVERIFY(
            !about.wb3->UserInterfaceOptions().Contains(TUserInterfaceOption::ForceFlatScrollBars));
        QVERIFY(
            about.wb3->UserInterfaceOptions().Contains(TUserInterfaceOption::DontUseScrollBars));

        // The page was asked for at creation, before the box was ever shown.
        QSignalSpy loaded(about.wb3, &TEmbeddedWB::OnDocumentComplete);
        QTRY_VERIFY_WITH_TIMEOUT(loaded.count() >= 1, 30000);
        QVERIFY(!about.isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(
            PageValue(about.wb3, QStringLiteral("document.body.innerText")).trimmed(),
            QStringLiteral("Like"), 30000);
    }

    void leftPressThanksAndItStays() {
        AppWindows app;
        TAbout& about = *app.about;
        QSignalSpy loaded(about.wb3, &TEmbeddedWB::OnDocumentComplete);
        QVERIFY(ShowLoaded(about, loaded));
        QWidget* page = PageWidget(about.wb3);
        QTest::mousePress(page, Qt::LeftButton, {}, page->rect().center());
        QTest::mouseRelease(page, Qt::LeftButton, {}, page->rect().center());
        QTRY_COMPARE(about.Button1->text(), kThanks);
        QVERIFY(about.isVisible());  // the press changes the caption and nothing else
        about.Button1->click();      // and the button still closes the box
        QVERIFY(!about.isVisible());

        // Every later showing keeps the new caption: menu, tool bar, exit.
        ModalWatcher watcher;
        app.form->About2->trigger();
        app.form->ToolButton1->click();
        app.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(app.form.get()));
        app.form->close();
        QCOMPARE(watcher.aboutCaptions, (QStringList{kThanks, kThanks, kThanks}));
        QCOMPARE(watcher.aboutShownModal, 3);
    }

    void rightPressThanksToo() {
        AppWindows app;
        TAbout& about = *app.about;
        QSignalSpy loaded(about.wb3, &TEmbeddedWB::OnDocumentComplete);
        QVERIFY(ShowLoaded(about, loaded));
        QCOMPARE(about.Button1->text(), QStringLiteral("OK"));
        QWidget* page = PageWidget(about.wb3);
        QTest::mousePress(page, Qt::RightButton, {}, page->rect().center());
        QTest::mouseRelease(page, Qt::RightButton, {}, page->rect().center());
        QTRY_COMPARE(about.Button1->text(), kThanks);
        QVERIFY(about.isVisible());
    }

    void escapeDoesNotClose() {
        AppWindows app;
        TAbout& about = *app.about;
        QSignalSpy loaded(about.wb3, &TEmbeddedWB::OnDocumentComplete);
        QVERIFY(ShowLoaded(about, loaded));
        QTest::keyClick(&about, Qt::Key_Escape);
        QVERIFY(about.isVisible());
        about.Button1->setFocus();
        QTest::keyClick(about.Button1, Qt::Key_Escape);
        QVERIFY(about.isVisible());
        // Enter presses the button while it has the focus.
        QTest::keyClick(about.Button1, Qt::Key_Return);
        QVERIFY(!about.isVisible());

        // Shown modally, as the program shows it: Escape leaves it open, the close box closes.
        ModalWatcher watcher;
        watcher.tryEscapeFirst = true;
        watcher.dismissAbout = ModalWatcher::Dismiss::ByCloseBox;
        app.form->About2->trigger();
        QCOMPARE(watcher.aboutShownModal, 1);
        QVERIFY(!watcher.escapeClosedAbout);
        QVERIFY(!about.isVisible());
    }

    void linkOpensTheProductPage() {
        AppWindows app;
        TAbout& about = *app.about;
        QSignalSpy loaded(about.wb3, &TEmbeddedWB::OnDocumentComplete);
        QVERIFY(ShowLoaded(about, loaded));
        UrlRecorder browser;
        QTest::mouseClick(about.Label5, Qt::LeftButton);
        QCOMPARE(browser.urls,
                 QList<QUrl>{QUrl(QStringLiteral("https://www.quorvel.org/quorvel"))});
        QVERIFY(about.isVisible());
        QCOMPARE(about.Label5->cursor().shape(), Qt::PointingHandCursor);
    }
};

QUORVEL_REGISTER_GUI_TEST(TestAboutBox);
#include "test_about_box.moc"
