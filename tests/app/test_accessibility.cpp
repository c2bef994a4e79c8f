// Keyboard and screen-reader use of both windows: the names assistive tools read, the order the
// Tab key walks, the tool buttons and the about box's link pressed from the keyboard without
// looking any different at rest, the menu opened without the mouse, and the images that stay
// sharp on a screen scaled by two.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWebEngineView>

#include "app/about_box/about_box.h"
#include "app/about_box/clickable_label.h"
#include "app/main_window/find_field.h"
#include "app/main_window/main_window.h"
#include "app_test_support.h"
#include "htmlview/html_view.h"

namespace {

const QUrl kProductPage(QStringLiteral("https://www.quorvel.org/quorvel"));

QString accessibleText(QObject* object, QAccessible::Text text = QAccessible::Name) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face == nullptr ? QStringLiteral("(no accessible interface)") : face->text(text);
}

// The control among the given ones that holds the widget with the focus: a web view's focus sits
// on the engine's child widget, a tab widget's on its tab bar.
QWidget* focusedControl(const QList<QWidget*>& controls) {
    for (QWidget* widget = QApplication::focusWidget(); widget != nullptr;
         widget = widget->parentWidget()) {
        if (controls.contains(widget)) {
            return widget;
        }
    }
    return nullptr;
}

QString nameOf(const QWidget* widget) {
    return widget == nullptr ? QStringLiteral("(none of the controls)") : widget->objectName();
}

// The element with the focus inside a page; "" outside web views.
QString pageFocus(QWidget* control) {
    auto* view = qobject_cast<QWebEngineView*>(control);
    if (view == nullptr) {
        return QString();
    }
    static int probe = 0;
    // Marks the focused element, so a move to another element of the same kind shows too.
    return pageValue(view, QStringLiteral("(function () { var e = document.activeElement;"
                                          " if (!e) return 'none';"
                                          " if (!e.dataset.probe) e.dataset.probe = '%1';"
                                          " return e.tagName + e.dataset.probe; })()")
                               .arg(++probe));
}

// Presses Tab once in the focused control. A web view first moves the focus through its page's
// own elements; the press counts once the focus has moved, in the page or to another control.
bool pressTab(const QList<QWidget*>& controls) {
    QWidget* from = focusedControl(controls);
    const QString inPage = pageFocus(from);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    return waitForEngine(
        [&] {
            QWidget* now = focusedControl(controls);
            return now != from || (now != nullptr && pageFocus(now) != inPage);
        },
        10000);
}

// Presses Tab until the focus has gone once round the controls and returns the controls it
// went through, starting with the one it was in (each named once, however many stops it has).
QStringList walkTabOrder(const QList<QWidget*>& controls) {
    QStringList walked{nameOf(focusedControl(controls))};
    for (int press = 0; press < 20 && walked.size() <= controls.size(); ++press) {
        if (!pressTab(controls)) {
            walked.append(QStringLiteral("(stuck)"));
            break;
        }
        const QString now = nameOf(focusedControl(controls));
        if (now != walked.last()) {
            walked.append(now);
        }
    }
    return walked;
}

// Moves the focus with Tab until it is in the control.
bool tabTo(QWidget* control, const QList<QWidget*>& controls) {
    for (int press = 0; press < 20; ++press) {
        if (focusedControl(controls) == control) {
            return true;
        }
        if (!pressTab(controls)) {
            return false;
        }
    }
    return false;
}

// Premultiplied, as pixmaps hold their pixels, so equal drawings compare equal.
QImage pixels(const QPixmap& pixmap) {
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1.0);
    return image;
}

QImage resourceImage(const QString& file) {
    return QImage(file).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The widget as drawn now, after the pending repaints.
QImage drawn(QWidget* widget) {
    QApplication::processEvents();
    return pixels(widget->grab());
}

struct AppUnderTest {
    ProgramWindows app;
    MainWindow& form = app.mainWindow();
    AboutBox& about = app.aboutBox();
    QList<QWidget*> formControls{
        form.findField,           form.fruitList,    form.addButton,
        form.comparedFruitsCombo, form.removeButton, form.productPageButton,
        form.aboutButton,         form.reportTabs,   form.fruitReportView};
    QList<QWidget*> aboutControls{about.likeView, about.productLink, about.okButton};

    bool showForm() {
        form.show();
        return QTest::qWaitForWindowActive(&form);
    }

    // Shows the box, not modally so the test keeps control, with its page loaded (not the
    // empty page the view holds before it).
    bool showAbout() {
        about.show();
        return QTest::qWaitForWindowActive(&about) &&
               waitForEngine(
                   [this] {
                       return pageValue(
                                  about.likeView,
                                  QStringLiteral("location.protocol + document.readyState")) ==
                              QStringLiteral("file:complete");
                   },
                   30000);
    }
};

}  // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
  private slots:
    void init() { writeTestAppFiles(); }

    void everyControlHasAName() {
        AppUnderTest t;
        MainWindow& form = t.form;
        QCOMPARE(accessibleText(form.fruitList), QStringLiteral("Fruits"));
        QCOMPARE(accessibleText(form.comparedFruitsCombo), QStringLiteral("Fruits in comparison"));
        QCOMPARE(accessibleText(form.addButton), QStringLiteral("Add to comparison"));
        QCOMPARE(accessibleText(form.removeButton), QStringLiteral("Remove from comparison"));
        QCOMPARE(accessibleText(form.productPageButton), QStringLiteral("Product web page"));
        QVERIFY(!accessibleText(form.productPageButton, QAccessible::Description).isEmpty());
        QCOMPARE(accessibleText(form.aboutButton), QStringLiteral("About Quorvel"));
        QCOMPARE(accessibleText(form.reportTabs), QStringLiteral("Reports"));
        // The tab bar, where the focus goes, reads as its current tab.
        QCOMPARE(accessibleText(form.reportTabs->tabBar()), QStringLiteral("Report"));
        QCOMPARE(accessibleText(form.fruitReportView), QStringLiteral("Fruit report"));
        QCOMPARE(accessibleText(form.comparisonView), QStringLiteral("Comparison report"));

        // Each tab is read by its caption, also when the caption changes.
        QAccessibleInterface* tabs =
            QAccessible::queryAccessibleInterface(form.reportTabs->tabBar());
        QVERIFY(tabs != nullptr);
        const auto tabNames = [&] {
            QStringList names;
            for (int i = 0; i < tabs->childCount(); ++i) {
                if (tabs->child(i)->role() == QAccessible::PageTab) {
                    names.append(tabs->child(i)->text(QAccessible::Name));
                }
            }
            return names;
        };
        QCOMPARE(tabNames(), QStringList{QStringLiteral("Report")});
        QVERIFY(t.showForm());
        form.addButton->click();
        form.fruitList->setCurrentRow(1);
        form.addButton->click();
        QCOMPARE(tabNames(),
                 (QStringList{form.reportTabs->tabText(0), QStringLiteral("Comparison Report")}));
        QVERIFY(tabNames().at(0).endsWith(QStringLiteral(" Report")));
        QVERIFY(tabNames().at(0) != QStringLiteral("Report"));

        // The about box: the page, the link (a link that can be pressed) and the button, whose
        // name follows its caption.
        AboutBox& about = t.about;
        QCOMPARE(accessibleText(about.likeView), QStringLiteral("Like page"));
        QAccessibleInterface* link = QAccessible::queryAccessibleInterface(about.productLink);
        QVERIFY(link != nullptr);
        QCOMPARE(link->role(), QAccessible::Link);
        QCOMPARE(link->text(QAccessible::Name), QStringLiteral("www.quorvel.org"));
        QVERIFY(!link->text(QAccessible::Description).isEmpty());
        QCOMPARE(accessibleText(about.okButton), QStringLiteral("OK"));
        QVERIFY(t.showAbout());
        QWidget* page =
            about.likeView->focusProxy() != nullptr ? about.likeView->focusProxy() : about.likeView;
        QTest::mousePress(page, Qt::LeftButton, {}, page->rect().center());
        QTest::mouseRelease(page, Qt::LeftButton, {}, page->rect().center());
        QTRY_COMPARE_WITH_TIMEOUT(about.okButton->text(), QStringLiteral("Thanks for liking!"),
                                  kEngineWaitMs);
        QCOMPARE(accessibleText(about.okButton), QStringLiteral("Thanks for liking!"));
    }

    void tabWalksTheDescribedOrder() {
        AppUnderTest t;
        QVERIFY(t.showForm());
        // The list has the focus when the window opens; Tab goes round, through the find field
        // over the list, and comes back to it.
        QCOMPARE(QApplication::focusWidget(), t.form.fruitList);
        QCOMPARE(walkTabOrder(t.formControls),
                 (QStringList{"listafrutas", "Button4", "frutascombo", "Button5", "ToolButton2",
                              "ToolButton1", "PageControl1", "wb", "findField", "listafrutas"}));
        t.form.hide();

        // The about box starts in its page, then the button and the link, then the page again.
        QVERIFY(t.showAbout());
        QCOMPARE(nameOf(focusedControl(t.aboutControls)), QStringLiteral("wb3"));
        QCOMPARE(walkTabOrder(t.aboutControls), (QStringList{"wb3", "Button1", "Label5", "wb3"}));
    }

    void toolButtonsFromTheKeyboard() {
        AppUnderTest t;
        MainWindow& form = t.form;
        QVERIFY(t.showForm());
        UrlRecorder browser;
        ModalWatcher watcher;

        // At rest they look exactly like plain tool buttons.
        const auto plainTwin = [&](QToolButton* button) {
            auto* twin = new QToolButton(form.topPanel);
            twin->setIcon(button->icon());
            twin->setIconSize(button->iconSize());
            twin->setFixedSize(button->size());
            twin->setAutoRaise(true);
            twin->setToolButtonStyle(Qt::ToolButtonIconOnly);
            twin->move(0, 0);
            twin->show();
            const QImage image = drawn(twin);
            delete twin;
            return image;
        };
        QCOMPARE(drawn(form.productPageButton), plainTwin(form.productPageButton));
        QCOMPARE(drawn(form.aboutButton), plainTwin(form.aboutButton));
        const QImage atRest = drawn(form.productPageButton);

        QVERIFY(tabTo(form.productPageButton, t.formControls));
        QVERIFY(drawn(form.productPageButton) != atRest);  // the focus shows
        QTest::keyClick(form.productPageButton, Qt::Key_Space);
        QCOMPARE(browser.urls, QList<QUrl>{kProductPage});
        QTest::keyClick(form.productPageButton, Qt::Key_Return);
        QTest::keyClick(form.productPageButton, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(browser.urls, (QList<QUrl>{kProductPage, kProductPage, kProductPage}));
        QCOMPARE(watcher.aboutShownModal, 0);

        QTest::keyClick(form.productPageButton, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.aboutButton);
        QTest::keyClick(form.aboutButton, Qt::Key_Space);
        QCOMPARE(watcher.aboutShownModal, 1);
        QTest::keyClick(form.aboutButton, Qt::Key_Return);
        QCOMPARE(watcher.aboutShownModal, 2);
        QCOMPARE(browser.urls.size(), 3);
        QVERIFY(form.isVisible());
        QCOMPARE(watcher.boxes.size(), std::size_t{0});
    }

    void linkFromTheKeyboard() {
        AppUnderTest t;
        AboutBox& about = t.about;
        UrlRecorder browser;

        // The focus shows on the link, and nothing of it stays once the focus has moved on.
        QVERIFY(t.showAbout());
        const QRect place = about.productLink->geometry();
        const auto drawnInPlace = [&] {
            QApplication::processEvents();
            return pixels(about.detailsGroup->grab(place));
        };
        const QImage atRest = drawnInPlace();
        QVERIFY(tabTo(about.productLink, t.aboutControls));
        QVERIFY(drawnInPlace() != atRest);  // the focus shows
        QTest::keyClick(about.productLink, Qt::Key_Return);
        QCOMPARE(browser.urls, QList<QUrl>{kProductPage});
        QTest::keyClick(about.productLink, Qt::Key_Space);
        QTest::keyClick(about.productLink, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(browser.urls.size(), 3);
        QVERIFY(about.isVisible());  // the box stays open
        QCOMPARE(about.okButton->text(), QStringLiteral("OK"));

        // Other keys do nothing; assistive tools press it through its action.
        QTest::keyClick(about.productLink, Qt::Key_A);
        QCOMPARE(browser.urls.size(), 3);
        QAccessibleInterface* link = QAccessible::queryAccessibleInterface(about.productLink);
        QVERIFY(link != nullptr && link->actionInterface() != nullptr);
        QCOMPARE(link->actionInterface()->actionNames(),
                 QStringList{QAccessibleActionInterface::pressAction()});
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(browser.urls.size(), 4);

        // Tab back into the page lands on its like control, where Enter likes, as a click
        // there does; it closes the box only from the button.
        QVERIFY(tabTo(about.likeView, t.aboutControls));
        QTRY_COMPARE_WITH_TIMEOUT(
            pageValue(about.likeView, QStringLiteral("document.activeElement.tagName")),
            QStringLiteral("BUTTON"), kEngineWaitMs);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(about.okButton->text(), QStringLiteral("Thanks for liking!"),
                                  kEngineWaitMs);
        QVERIFY(about.isVisible());
        QVERIFY(tabTo(about.okButton, t.aboutControls));
        QCOMPARE(drawnInPlace(), atRest);
        QTest::keyClick(about.okButton, Qt::Key_Return);
        QVERIFY(!about.isVisible());
    }

    void menuFromTheKeyboard() {
        AppUnderTest t;
        MainWindow& form = t.form;
        QVERIFY(t.showForm());
        ModalWatcher watcher;

        // Alt alone puts the keyboard on the menu bar, on "Report"; Right goes to "Amounts", again
        // to "Help", Down drops it, Return picks "About".
        QTest::keyPress(form.fruitList, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(form.fruitList, Qt::Key_Alt);
        QCOMPARE(form.menuBar()->activeAction(), form.reportMenu->menuAction());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(form.menuBar()->activeAction(), form.amountsMenu->menuAction());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(form.menuBar()->activeAction(), form.helpMenu->menuAction());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTRY_VERIFY(form.helpMenu->isVisible());
        QTest::keyClick(form.helpMenu, Qt::Key_Return);
        QCOMPARE(watcher.aboutShownModal, 1);
        QTRY_VERIFY(!form.helpMenu->isVisible());

        // Alt again, Right three times goes on to "Exit", Return closes the window.
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyPress(QApplication::focusWidget(), Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Alt);
        QCOMPARE(form.menuBar()->activeAction(), form.reportMenu->menuAction());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(form.menuBar()->activeAction(), form.exitAction);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!form.isVisible());
        QCOMPARE(watcher.aboutShownModal, 2);  // the about box on the way out
        QVERIFY(form.helpMenu->actions().at(0)->shortcut().isEmpty());
    }

    void imagesStaySharpWhenScaledByTwo() {
        AppUnderTest t;
        // Each image drawn at 48 logical pixels on a screen scaled by two is the 96-pixel
        // drawing itself, not the 48-pixel one blown up.
        QCOMPARE(pixels(t.form.productPageButton->icon().pixmap(QSize(48, 48), 2.0)),
                 resourceImage(QStringLiteral(":/icons/website-96.png")));
        QCOMPARE(pixels(t.form.aboutButton->icon().pixmap(QSize(48, 48), 2.0)),
                 resourceImage(QStringLiteral(":/icons/about-96.png")));
        QCOMPARE(pixels(t.form.aboutButton->icon().pixmap(QSize(48, 48), 1.0)),
                 resourceImage(QStringLiteral(":/icons/about-48.png")));
        for (const QIcon& icon :
             {t.form.windowIcon(), t.about.windowIcon(), QApplication::windowIcon()}) {
            QCOMPARE(pixels(icon.pixmap(QSize(32, 32), 2.0)),
                     resourceImage(QStringLiteral(":/icons/quorvel-64.png")));
            QCOMPARE(pixels(icon.pixmap(QSize(64, 64), 2.0)),
                     resourceImage(QStringLiteral(":/icons/quorvel-128.png")));
            QCOMPARE(pixels(icon.pixmap(QSize(16, 16), 1.0)),
                     resourceImage(QStringLiteral(":/icons/quorvel-16.png")));
        }
    }
};

QUORVEL_REGISTER_GUI_TEST(TestAccessibility);
#include "test_accessibility.moc"
