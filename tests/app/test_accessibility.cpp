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

#include "app/about.h"
#include "app/clickable_label.h"
#include "app/form1.h"
#include "app_test_support.h"
#include "htmlview/embedded_wb.h"

namespace {

const QUrl kProductPage(QStringLiteral("https://www.quorvel.org/quorvel"));

QString AccessibleText(QObject* object, QAccessible::Text text = QAccessible::Name) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face == nullptr ? QStringLiteral("(no accessible interface)") : face->text(text);
}

// The control among the given ones that holds the widget with the focus: a web view's focus sits
// on the engine's child widget, a tab widget's on its tab bar.
QWidget* FocusedControl(const QList<QWidget*>& controls) {
    for (QWidget* widget = QApplication::focusWidget(); widget != nullptr;
         widget = widget->parentWidget()) {
        if (controls.contains(widget)) {
            return widget;
        }
    }
    return nullptr;
}

QString NameOf(const QWidget* widget) {
    return widget == nullptr ? QStringLiteral("(none of the controls)") : widget->objectName();
}

// The element with the focus inside a page; "" outside web views.
QString PageFocus(QWidget* control) {
    auto* view = qobject_cast<QWebEngineView*>(control);
    if (view == nullptr) {
        return QString();
    }
    static int probe = 0;
    // Marks the focused element, so a move to another element of the same kind shows too.
    return PageValue(view, QStringLiteral("(function () { var e = document.activeElement;"
                                          " if (!e) return 'none';"
                                          " if (!e.dataset.probe) e.dataset.probe = '%1';"
                                          " return e.tagName + e.dataset.probe; })()")
                               .arg(++probe));
}

// Presses Tab once in the focused control. A web view first moves the focus through its page's
// own elements; the press counts once the focus has moved, in the page or to another control.
bool PressTab(const QList<QWidget*>& controls) {
    QWidget* from = FocusedControl(controls);
    const QString inPage = PageFocus(from);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    return QTest::qWaitFor(
        [&] {
            QWidget* now = FocusedControl(controls);
            return now != from || (now != nullptr && PageFocus(now) != inPage);
        },
        10000);
}

// Presses Tab until the focus has gone once round the controls and returns the controls it
// went through, starting with the one it was in (each named once, however many stops it has).
QStringList WalkTabOrder(const QList<QWidget*>& controls) {
    QStringList walked{NameOf(FocusedControl(controls))};
    for (int press = 0; press < 20 && walked.size() <= controls.size(); ++press) {
        if (!PressTab(controls)) {
            walked.append(QStringLiteral("(stuck)"));
            break;
        }
        const QString now = NameOf(FocusedControl(controls));
        if (now != walked.last()) {
            walked.append(now);
        }
    }
    return walked;
}

// Moves the focus with Tab until it is in the control.
bool TabTo(QWidget* control, const QList<QWidget*>& controls) {
    for (int press = 0; press < 20; ++press) {
        if (FocusedControl(controls) == control) {
            return true;
        }
        if (!PressTab(controls)) {
            return false;
        }
    }
    return false;
}

// Premultiplied, as pixmaps hold their pixels, so equal drawings compare equal.
QImage Pixels(const QPixmap& pixmap) {
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1.0);
    return image;
}

QImage ResourceImage(const QString& file) {
    return QImage(file).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The widget as drawn now, after the pending repaints.
QImage Drawn(QWidget* widget) {
    QApplication::processEvents();
    return Pixels(widget->grab());
}

struct AppUnderTest {
    AppWindows app;
    TForm1& form = *app.form;
    TAbout& about = *app.about;
    QList<QWidget*> formControls{form.listafrutas,  form.Button4,     form.frutascombo,
                                 form.Button5,      form.ToolButton2, form.ToolButton1,
                                 form.PageControl1, form.wb};
    QList<QWidget*> aboutControls{about.wb3, about.Label5, about.Button1};

    bool ShowForm() {
        form.show();
        return QTest::qWaitForWindowActive(&form);
    }

    // Shows the box, not modally so the test keeps control, with its page loaded.
    bool ShowAbout() {
        about.show();
        return QTest::qWaitForWindowActive(&about) &&
               QTest::qWaitFor(
                   [this] {
                       return PageValue(about.wb3, QStringLiteral("document.readyState")) ==
                              QStringLiteral("complete");
                   },
                   30000);
    }
};

}  // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
  private slots:
    void init() { WriteTestAppFiles(); }

    void everyControlHasAName() {
        AppUnderTest t;
        TForm1& form = t.form;
        QCOMPARE(AccessibleText(form.listafrutas), QStringLiteral("Fruits"));
        QCOMPARE(AccessibleText(form.frutascombo), QStringLiteral("Fruits in comparison"));
        QCOMPARE(AccessibleText(form.Button4), QStringLiteral("Add to comparison"));
        QCOMPARE(AccessibleText(form.Button5), QStringLiteral("Remove from comparison"));
        QCOMPARE(AccessibleText(form.ToolButton2), QStringLiteral("Product web page"));
        QVERIFY(!AccessibleText(form.ToolButton2, QAccessible::Description).isEmpty());
        QCOMPARE(AccessibleText(form.ToolButton1), QStringLiteral("About Quorvel"));
        QCOMPARE(AccessibleText(form.PageControl1), QStringLiteral("Reports"));
        // The tab bar, where the focus goes, reads as its current tab.
        QCOMPARE(AccessibleText(form.PageControl1->tabBar()), QStringLiteral("Report"));
        QCOMPARE(AccessibleText(form.wb), QStringLiteral("Fruit report"));
        QCOMPARE(AccessibleText(form.wb2), QStringLiteral("Comparison report"));

        // Each tab is read by its caption, also when the caption changes.
        QAccessibleInterface* tabs =
            QAccessible::queryAccessibleInterface(form.PageControl1->tabBar());
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
        QVERIFY(t.ShowForm());
        form.Button4->click();
        form.listafrutas->setCurrentRow(1);
        form.Button4->click();
        QCOMPARE(tabNames(),
                 (QStringList{form.PageControl1->tabText(0), QStringLiteral("Comparison Report")}));
        QVERIFY(tabNames().at(0).endsWith(QStringLiteral(" Report")));
        QVERIFY(tabNames().at(0) != QStringLiteral("Report"));

        // The about box: the page, the link (a link that can be pressed) and the button, whose
        // name follows its caption.
        TAbout& about = t.about;
        QCOMPARE(AccessibleText(about.wb3), QStringLiteral("Like page"));
        QAccessibleInterface* link = QAccessible::queryAccessibleInterface(about.Label5);
        QVERIFY(link != nullptr);
        QCOMPARE(link->role(), QAccessible::Link);
        QCOMPARE(link->text(QAccessible::Name), QStringLiteral("www.quorvel.org"));
        QVERIFY(!link->text(QAccessible::Description).isEmpty());
        QCOMPARE(AccessibleText(about.Button1), QStringLiteral("OK"));
        QVERIFY(t.ShowAbout());
        QWidget* page = about.wb3->focusProxy() != nullptr ? about.wb3->focusProxy() : about.wb3;
        QTest::mousePress(page, Qt::LeftButton, {}, page->rect().center());
        QTest::mouseRelease(page, Qt::LeftButton, {}, page->rect().center());
        QTRY_COMPARE(about.Button1->text(), QStringLiteral("Thanks for liking!"));
        QCOMPARE(AccessibleText(about.Button1), QStringLiteral("Thanks for liking!"));
    }

    void tabWalksTheDescribedOrder() {
        AppUnderTest t;
        QVERIFY(t.ShowForm());
        // The list has the focus when the window opens; Tab goes round and comes back to it.
        QCOMPARE(QApplication::focusWidget(), t.form.listafrutas);
        QCOMPARE(WalkTabOrder(t.formControls),
                 (QStringList{"listafrutas", "Button4", "frutascombo", "Button5", "ToolButton2",
                              "ToolButton1", "PageControl1", "wb", "listafrutas"}));
        t.form.hide();

        // The about box starts in its page, then the link and the button, then the page again.
        QVERIFY(t.ShowAbout());
        QCOMPARE(NameOf(FocusedControl(t.aboutControls)), QStringLiteral("wb3"));
        QCOMPARE(WalkTabOrder(t.aboutControls), (QStringList{"wb3", "Label5", "Button1", "wb3"}));
    }

    void toolButtonsFromTheKeyboard() {
        AppUnderTest t;
        TForm1& form = t.form;
        QVERIFY(t.ShowForm());
        UrlRecorder browser;
        ModalWatcher watcher;

        // At rest they look exactly like plain tool buttons.
        const auto plainTwin = [&](QToolButton* button) {
            auto* twin = new QToolButton(form.Panel1);
            twin->setIcon(button->icon());
            twin->setIconSize(button->iconSize());
            twin->setFixedSize(button->size());
            twin->setAutoRaise(true);
            twin->setToolButtonStyle(Qt::ToolButtonIconOnly);
            twin->move(0, 0);
            twin->show();
            const QImage drawn = Drawn(twin);
            delete twin;
            return drawn;
        };
        QCOMPARE(Drawn(form.ToolButton2), plainTwin(form.ToolButton2));
        QCOMPARE(Drawn(form.ToolButton1), plainTwin(form.ToolButton1));
        const QImage atRest = Drawn(form.ToolButton2);

        QVERIFY(TabTo(form.ToolButton2, t.formControls));
        QVERIFY(Drawn(form.ToolButton2) != atRest);  // the focus shows
        QTest::keyClick(form.ToolButton2, Qt::Key_Space);
        QCOMPARE(browser.urls, QList<QUrl>{kProductPage});
        QTest::keyClick(form.ToolButton2, Qt::Key_Return);
        QTest::keyClick(form.ToolButton2, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(browser.urls, (QList<QUrl>{kProductPage, kProductPage, kProductPage}));
        QCOMPARE(watcher.aboutShownModal, 0);

        QTest::keyClick(form.ToolButton2, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.ToolButton1);
        QTest::keyClick(form.ToolButton1, Qt::Key_Space);
        QCOMPARE(watcher.aboutShownModal, 1);
        QTest::keyClick(form.ToolButton1, Qt::Key_Return);
        QCOMPARE(watcher.aboutShownModal, 2);
        QCOMPARE(browser.urls.size(), 3);
        QVERIFY(form.isVisible());
        QCOMPARE(watcher.boxes.size(), std::size_t{0});
    }

    void linkFromTheKeyboard() {
        AppUnderTest t;
        TAbout& about = t.about;
        UrlRecorder browser;

        // The focus shows on the link, and nothing of it stays once the focus has moved on.
        QVERIFY(t.ShowAbout());
        const QRect place = about.Label5->geometry();
        const auto drawnInPlace = [&] {
            QApplication::processEvents();
            return Pixels(about.GroupBox1->grab(place));
        };
        const QImage atRest = drawnInPlace();
        QVERIFY(TabTo(about.Label5, t.aboutControls));
        QVERIFY(drawnInPlace() != atRest);  // the focus shows
        QTest::keyClick(about.Label5, Qt::Key_Return);
        QCOMPARE(browser.urls, QList<QUrl>{kProductPage});
        QTest::keyClick(about.Label5, Qt::Key_Space);
        QTest::keyClick(about.Label5, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(browser.urls.size(), 3);
        QVERIFY(about.isVisible());  // the box stays open
        QCOMPARE(about.Button1->text(), QStringLiteral("OK"));

        // Other keys do nothing; assistive tools press it through its action.
        QTest::keyClick(about.Label5, Qt::Key_A);
        QCOMPARE(browser.urls.size(), 3);
        QAccessibleInterface* link = QAccessible::queryAccessibleInterface(about.Label5);
        QVERIFY(link != nullptr && link->actionInterface() != nullptr);
        QCOMPARE(link->actionInterface()->actionNames(),
                 QStringList{QAccessibleActionInterface::pressAction()});
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(browser.urls.size(), 4);

        // In the like page Enter likes, as a click there does; it closes the box only from
        // the button.
        QVERIFY(TabTo(about.wb3, t.aboutControls));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(about.Button1->text(), QStringLiteral("Thanks for liking!"));
        QVERIFY(about.isVisible());
        QVERIFY(TabTo(about.Button1, t.aboutControls));
        QCOMPARE(drawnInPlace(), atRest);
        QTest::keyClick(about.Button1, Qt::Key_Return);
        QVERIFY(!about.isVisible());
    }

    void menuFromTheKeyboard() {
        AppUnderTest t;
        TForm1& form = t.form;
        QVERIFY(t.ShowForm());
        ModalWatcher watcher;

        // Alt alone puts the keyboard on the menu bar; Down drops "Help", Return picks "About".
        QTest::keyPress(form.listafrutas, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(form.listafrutas, Qt::Key_Alt);
        QCOMPARE(form.menuBar()->activeAction(), form.About1->menuAction());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTRY_VERIFY(form.About1->isVisible());
        QTest::keyClick(form.About1, Qt::Key_Return);
        QCOMPARE(watcher.aboutShownModal, 1);
        QTRY_VERIFY(!form.About1->isVisible());

        // Alt again, Right goes on to "Exit", Return closes the window.
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyPress(QApplication::focusWidget(), Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Alt);
        QCOMPARE(form.menuBar()->activeAction(), form.About1->menuAction());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(form.menuBar()->activeAction(), form.Exit1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!form.isVisible());
        QCOMPARE(watcher.aboutShownModal, 2);  // the about box on the way out
        QVERIFY(form.About1->actions().at(0)->shortcut().isEmpty());
    }

    void imagesStaySharpWhenScaledByTwo() {
        AppUnderTest t;
        // Each image drawn at 48 logical pixels on a screen scaled by two is the 96-pixel
        // drawing itself, not the 48-pixel one blown up.
        QCOMPARE(Pixels(t.form.ToolButton2->icon().pixmap(QSize(48, 48), 2.0)),
                 ResourceImage(QStringLiteral(":/icons/website-96.png")));
        QCOMPARE(Pixels(t.form.ToolButton1->icon().pixmap(QSize(48, 48), 2.0)),
                 ResourceImage(QStringLiteral(":/icons/about-96.png")));
        QCOMPARE(Pixels(t.form.ToolButton1->icon().pixmap(QSize(48, 48), 1.0)),
                 ResourceImage(QStringLiteral(":/icons/about-48.png")));
        for (const QIcon& icon :
             {t.form.windowIcon(), t.about.windowIcon(), QApplication::windowIcon()}) {
            QCOMPARE(Pixels(icon.pixmap(QSize(32, 32), 2.0)),
                     ResourceImage(QStringLiteral(":/icons/quorvel-64.png")));
            QCOMPARE(Pixels(icon.pixmap(QSize(64, 64), 2.0)),
                     ResourceImage(QStringLiteral(":/icons/quorvel-128.png")));
            QCOMPARE(Pixels(icon.pixmap(QSize(16, 16), 1.0)),
                     ResourceImage(QStringLiteral(":/icons/quorvel-16.png")));
        }
    }
};

QUORVEL_REGISTER_GUI_TEST(TestAccessibility);
#include "test_accessibility.moc"
