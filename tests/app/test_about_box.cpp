// The about box: its window, the caption change by a press in the like page and its persistence,
// the keyboard in the page, Escape, its link, the three ways the main window shows it, and its
// labels with a plain desktop's fonts.
#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "app/about_box/about_box.h"
#include "app/about_box/clickable_label.h"
#include "app/main_window/main_window.h"
#include "app_test_support.h"
#include "htmlview/html_view.h"

namespace {

const QString kThanks = QStringLiteral("Thanks for liking!");

// Shows the box (not modally, so the test keeps control) once its page has loaded.
bool showLoaded(AboutBox& about, QSignalSpy& loaded) {
    about.show();
    return QTest::qWaitForWindowExposed(&about) &&
           waitForEngine([&] { return loaded.count() >= 1; }, 30000);
}

// The widget that receives the mouse inside the view: the engine's child once a page is shown.
QWidget* pageWidget(HtmlView* view) {
    return view->focusProxy() != nullptr ? view->focusProxy() : view;
}

}  // namespace

class TestAboutBox : public QObject {
    Q_OBJECT
  private slots:
    void init() { writeTestAppFiles(); }

    void theWindow() {
        ProgramWindows app;
        AboutBox& about = app.aboutBox();
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
        QCOMPARE(about.okButton->text(), QStringLiteral("OK"));
        QVERIFY(!about.okButton->isDefault());
        QCOMPARE(about.detailsGroup->title(), QStringLiteral("The boring stuff:"));
        QCOMPARE(about.productLink->text(), QStringLiteral("www.quorvel.org"));
        QVERIFY(about.copyrightLabel->text().startsWith(QStringLiteral("Quorvel \u00A9 2026 ")));
        QCOMPARE(about.likeView->size(), QSize(100, 100));
        QVERIFY(!about.likeView->userInterfaceOptions().contains(
            UserInterfaceOption::ForceFlatScrollBars));
        QVERIFY(about.likeView->userInterfaceOptions().contains(
            UserInterfaceOption::DontUseScrollBars));

        // The page was asked for at creation, before the box was ever shown.
        QSignalSpy loaded(about.likeView, &HtmlView::documentComplete);
        QTRY_VERIFY_WITH_TIMEOUT(loaded.count() >= 1, 30000);
        QVERIFY(!about.isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(
            pageValue(about.likeView, QStringLiteral("document.body.innerText")).trimmed(),
            QStringLiteral("Like"), 30000);
    }

    void leftPressThanksAndItStays() {
        ProgramWindows app;
        AboutBox& about = app.aboutBox();
        QSignalSpy loaded(about.likeView, &HtmlView::documentComplete);
        QVERIFY(showLoaded(about, loaded));
        QWidget* page = pageWidget(about.likeView);
        QTest::mousePress(page, Qt::LeftButton, {}, page->rect().center());
        QTest::mouseRelease(page, Qt::LeftButton, {}, page->rect().center());
        QTRY_COMPARE_WITH_TIMEOUT(about.okButton->text(), kThanks, kEngineWaitMs);
        QVERIFY(about.isVisible());  // the press changes the caption and nothing else
        about.okButton->click();     // and the button still closes the box
        QVERIFY(!about.isVisible());

        // Every later showing keeps the new caption: menu, tool bar, exit.
        ModalWatcher watcher;
        app.mainWindow().aboutAction->trigger();
        app.mainWindow().aboutButton->click();
        app.mainWindow().show();
        QVERIFY(QTest::qWaitForWindowExposed(&app.mainWindow()));
        app.mainWindow().close();
        QCOMPARE(watcher.aboutCaptions, (QStringList{kThanks, kThanks, kThanks}));
        QCOMPARE(watcher.aboutShownModal, 3);
    }

    void rightPressThanksToo() {
        ProgramWindows app;
        AboutBox& about = app.aboutBox();
        QSignalSpy loaded(about.likeView, &HtmlView::documentComplete);
        QVERIFY(showLoaded(about, loaded));
        QCOMPARE(about.okButton->text(), QStringLiteral("OK"));
        QWidget* page = pageWidget(about.likeView);
        QTest::mousePress(page, Qt::RightButton, {}, page->rect().center());
        QTest::mouseRelease(page, Qt::RightButton, {}, page->rect().center());
        QTRY_COMPARE_WITH_TIMEOUT(about.okButton->text(), kThanks, kEngineWaitMs);
        QVERIFY(about.isVisible());
    }

    void escapeDoesNotClose() {
        ProgramWindows app;
        AboutBox& about = app.aboutBox();
        QSignalSpy loaded(about.likeView, &HtmlView::documentComplete);
        QVERIFY(showLoaded(about, loaded));
        QTest::keyClick(&about, Qt::Key_Escape);
        QVERIFY(about.isVisible());
        about.okButton->setFocus();
        QTest::keyClick(about.okButton, Qt::Key_Escape);
        QVERIFY(about.isVisible());
        // Enter presses the button while it has the focus.
        QTest::keyClick(about.okButton, Qt::Key_Return);
        QVERIFY(!about.isVisible());

        // Shown modally, as the program shows it: Escape leaves it open, the close box closes.
        ModalWatcher watcher;
        watcher.tryEscapeFirst = true;
        watcher.dismissAbout = ModalWatcher::Dismiss::ByCloseBox;
        app.mainWindow().aboutAction->trigger();
        QCOMPARE(watcher.aboutShownModal, 1);
        QVERIFY(!watcher.escapeClosedAbout);
        QVERIFY(!about.isVisible());
    }

    // The box opens in the page, but with none of its controls focused: Enter and Space press
    // nothing there. Tab reaches the like control, where they are a click; Tab again the button.
    void keysLikeOnlyOnTheLikeControl() {
        ProgramWindows app;
        AboutBox& about = app.aboutBox();
        QSignalSpy loaded(about.likeView, &HtmlView::documentComplete);
        QVERIFY(showLoaded(about, loaded));
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), pageWidget(about.likeView),
                                  kEngineWaitMs);
        // The page answers scripts in order: once it has named its focus, the box's own question
        // about the key pressed before has been answered too.
        const auto pressInPage = [&](Qt::Key key) {
            QTest::keyClick(QApplication::focusWidget(), key);
            return pageValue(about.likeView, QStringLiteral("document.activeElement.tagName"));
        };
        QCOMPARE(pressInPage(Qt::Key_Return), QStringLiteral("BODY"));
        QCOMPARE(pressInPage(Qt::Key_Space), QStringLiteral("BODY"));
        QApplication::processEvents();
        QCOMPARE(about.okButton->text(), QStringLiteral("OK"));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE_WITH_TIMEOUT(
            pageValue(about.likeView, QStringLiteral("document.activeElement.tagName")),
            QStringLiteral("BUTTON"), kEngineWaitMs);
        QCOMPARE(pageValue(about.likeView,
                           QStringLiteral("document.activeElement.matches(':focus-visible')")),
                 QStringLiteral("true"));  // its focus ring shows
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(about.okButton->text(), kThanks, kEngineWaitMs);
        about.okButton->setText(QStringLiteral("OK"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTRY_COMPARE_WITH_TIMEOUT(about.okButton->text(), kThanks, kEngineWaitMs);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), about.okButton, kEngineWaitMs);
        QTest::keyClick(about.okButton, Qt::Key_Return);
        QVERIFY(!about.isVisible());
    }

    void linkOpensTheProductPage() {
        ProgramWindows app;
        AboutBox& about = app.aboutBox();
        QSignalSpy loaded(about.likeView, &HtmlView::documentComplete);
        QVERIFY(showLoaded(about, loaded));
        UrlRecorder browser;
        QTest::mouseClick(about.productLink, Qt::LeftButton);
        QCOMPARE(browser.urls,
                 QList<QUrl>{QUrl(QStringLiteral("https://www.quorvel.org/quorvel"))});
        QVERIFY(about.isVisible());
        QCOMPARE(about.productLink->cursor().shape(), Qt::PointingHandCursor);
    }
};

QUORVEL_REGISTER_GUI_TEST(TestAboutBox);

// Run by ctest with the fonts of a plain desktop and those the package depends on, and no
// others: every label shows its whole text in its fixed place.
class TestAboutBoxPlainFonts : public QObject {
    Q_OBJECT
  private slots:
    void labelsShowTheirWholeTexts() {
        ProgramWindows app;
        AboutBox& about = app.aboutBox();
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QList<QLabel*> labels = about.findChildren<QLabel*>();
        QCOMPARE(labels.size(), 6);
        for (const QLabel* label : labels) {
            const QSize place = label->size();
            const QSize needed = label->wordWrap()
                                     ? QSize(place.width(), label->heightForWidth(place.width()))
                                     : label->sizeHint();
            QVERIFY2(needed.width() <= place.width() && needed.height() <= place.height(),
                     qPrintable(QStringLiteral("%1 in %2: needs %3 x %4 of %5 x %6")
                                    .arg(label->objectName(), QFontInfo(label->font()).family())
                                    .arg(needed.width())
                                    .arg(needed.height())
                                    .arg(place.width())
                                    .arg(place.height())));
        }
    }
};

QUORVEL_REGISTER_GUI_TEST(TestAboutBoxPlainFonts);
#include "test_about_box.moc"
