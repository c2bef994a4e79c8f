// The main window right after start-up, its layout when resized, the fruit list and Label1, the
// menu, and the product page tool button.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "app/about.h"
#include "app/form1.h"
#include "app_test_support.h"
#include "htmlview/embedded_wb.h"
#include "reports/placeholder_page.h"

namespace {

int RowOf(const TForm1& form, const QString& name) {
    const auto found = form.listafrutas->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return found.isEmpty() ? -1 : form.listafrutas->row(found.first());
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
  private slots:
    void startState() {
        AppWindows app;
        TForm1& form = *app.form;
        QSignalSpy loaded(form.wb, &TEmbeddedWB::OnDocumentComplete);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.windowTitle(), QStringLiteral("Quorvel"));
        QVERIFY(!form.windowIcon().isNull());

        QCOMPARE(form.listafrutas->count(), 145);
        QCOMPARE(form.listafrutas->currentRow(), 0);
        QVERIFY(form.listafrutas->item(0)->isSelected());
        QCOMPARE(form.listafrutas->item(0)->text(),
                 QStringLiteral("Acerola,(west Indian Cherry),raw"));
        // Selecting by program at start raises nothing: the label keeps its layout text.
        QCOMPARE(form.Label1->text(), QStringLiteral("Acerola (west indian cherry), raw"));
        QCOMPARE(form.frutascombo->count(), 0);
        QCOMPARE(form.PageControl1->count(), 1);
        QCOMPARE(form.PageControl1->tabText(0), QStringLiteral("Report"));
        QCOMPARE(form.pagecontrolhidden->indexOf(form.tab2), 0);
        QCOMPARE(form.wb->HTMLCode().Lines(), std::vector<std::string>{PlaceholderPage()});

        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget(), form.listafrutas);
        QVERIFY(!form.Memo1->isVisible());
        QVERIFY(!form.Memo2->isVisible());
        QVERIFY(!form.pagecontrolhidden->isVisible());
        QVERIFY(!form.Button1->isVisible() && !form.Button2->isVisible() &&
                !form.Button3->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(loaded.count() >= 1, 30000);
        QTRY_VERIFY_WITH_TIMEOUT(
            PageValue(form.wb, QStringLiteral("document.body.innerText"))
                .contains(QStringLiteral("Add a fruit to the comparison to build the report")),
            30000);
    }

    void layoutFollowsResize() {
        AppWindows app;
        TForm1& form = *app.form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.centralWidget()->size(), QSize(992, 666));
        QCOMPARE(form.Panel1->geometry(), QRect(0, 0, 992, 113));
        QCOMPARE(form.listafrutas->geometry(), QRect(0, 113, 249, 553));
        QCOMPARE(form.PageControl1->geometry(), QRect(249, 113, 743, 553));
        const QRect group1 = form.GroupBox1->geometry();
        const QRect group2 = form.GroupBox2->geometry();
        const QRect toolBar = form.ToolBar1->geometry();
        QCOMPARE(group1, QRect(7, 7, 460, 99));
        QCOMPARE(group2, QRect(473, 7, 388, 99));
        QCOMPARE(toolBar, QRect(872, 30, 116, 82));
        QVERIFY(form.ToolButton1->isVisible() && form.ToolButton2->isVisible());
        QVERIFY(form.ToolButton2->x() < form.ToolButton1->x());

        form.resize(form.width() + 208, form.height() + 134);
        QTRY_COMPARE(form.centralWidget()->size(), QSize(1200, 800));
        QCOMPARE(form.Panel1->geometry(), QRect(0, 0, 1200, 113));
        QCOMPARE(form.listafrutas->geometry(), QRect(0, 113, 249, 687));
        QCOMPARE(form.PageControl1->geometry(), QRect(249, 113, 951, 687));
        QCOMPARE(form.GroupBox1->geometry(), group1);
        QCOMPARE(form.GroupBox2->geometry(), group2);
        QCOMPARE(form.ToolBar1->geometry(), toolBar);
    }

    void selectionShowsTheNameOnly() {
        AppWindows app;
        TForm1& form = *app.form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        const QString caption = form.PageControl1->tabText(0);

        form.listafrutas->setCurrentRow(3);
        QCOMPARE(form.Label1->text(), form.listafrutas->item(3)->text());
        form.listafrutas->setCurrentRow(0);
        QCOMPARE(form.Label1->text(), QStringLiteral("Acerola,(west Indian Cherry),raw"));

        // The keyboard moves the selection one step at a time, and the label follows each step.
        form.listafrutas->setFocus();
        for (int row = 1; row <= 3; ++row) {
            QTest::keyClick(form.listafrutas, Qt::Key_Down);
            QCOMPARE(form.listafrutas->currentRow(), row);
            QCOMPARE(form.Label1->text(), form.listafrutas->item(row)->text());
        }

        // An "&" is shown as it is: plain text, no buddy that would make it a mnemonic.
        const QString currants = QStringLiteral("Currants,red&white,raw");
        const int row = RowOf(form, currants);
        QVERIFY(row > 0);
        form.listafrutas->setCurrentRow(row);
        QCOMPARE(form.Label1->text(), currants);
        QCOMPARE(form.Label1->textFormat(), Qt::PlainText);
        QVERIFY(form.Label1->buddy() == nullptr);

        // Nothing but the label changes.
        QCOMPARE(form.frutascombo->count(), 0);
        QCOMPARE(form.PageControl1->count(), 1);
        QCOMPARE(form.PageControl1->tabText(0), caption);
        QCOMPARE(form.Memo1->toPlainText(), QStringLiteral("Memo1"));
    }

    void menuHasNoShortcuts() {
        AppWindows app;
        TForm1& form = *app.form;
        const QList<QAction*> bar = form.menuBar()->actions();
        QCOMPARE(bar.size(), 2);
        QCOMPARE(bar.at(0)->text(), QStringLiteral("Help"));
        QCOMPARE(bar.at(0)->menu(), form.About1);
        QCOMPARE(form.About1->actions().size(), 1);
        QCOMPARE(form.About1->actions().at(0), form.About2);
        QCOMPARE(form.About2->text(), QStringLiteral("About"));
        QCOMPARE(bar.at(1), form.Exit1);
        QCOMPARE(form.Exit1->text(), QStringLiteral("Exit"));
        QVERIFY(form.Exit1->menu() == nullptr);
        for (QAction* action : {bar.at(0), form.About2, form.Exit1}) {
            QVERIFY(action->shortcut().isEmpty());
            QVERIFY(!action->text().contains(QLatin1Char('&')));
        }
    }

    void webPageButtonOpensTheProductPage() {
        AppWindows app;
        TForm1& form = *app.form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        UrlRecorder browser;
        ModalWatcher watcher;
        form.ToolButton2->click();
        QCOMPARE(browser.urls,
                 QList<QUrl>{QUrl(QStringLiteral("https://www.quorvel.org/quorvel"))});
        QVERIFY(form.isVisible());
        QCOMPARE(watcher.aboutCaptions.size(), 0);
        QCOMPARE(watcher.boxes.size(), std::size_t{0});
    }

    void hiddenButtonShowsTheReportText() {
        AppWindows app;
        TForm1& form = *app.form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.Button3->click();
        QVERIFY(form.Memo1->isVisible());
        QCOMPARE(form.Memo1->toPlainText(), QStringLiteral("Memo1"));
    }
};

QUORVEL_REGISTER_GUI_TEST(TestMainWindow);
#include "test_main_window.moc"
