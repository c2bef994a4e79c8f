// The main window right after start-up, its layout when resized, the fruit list and Label1, the
// menu, and the product page tool button.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMarginsF>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "app/about_box/about_box.h"
#include "app/main_window/find_field.h"
#include "app/main_window/main_window.h"
#include "app/ranking/ranking_window.h"
#include "app_test_support.h"
#include "htmlview/html_view.h"
#include "reports/placeholder_page.h"

namespace {

int rowOf(const MainWindow& form, const QString& name) {
    const auto found = form.fruitList->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return found.isEmpty() ? -1 : form.fruitList->row(found.first());
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
  private slots:
    void startState() {
        ProgramWindows app;
        MainWindow& form = app.mainWindow();
        QSignalSpy loaded(form.fruitReportView, &HtmlView::documentComplete);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.windowTitle(), QStringLiteral("Quorvel"));
        QVERIFY(!form.windowIcon().isNull());

        QCOMPARE(form.fruitList->count(), 145);
        QCOMPARE(form.fruitList->currentRow(), 0);
        QVERIFY(form.fruitList->item(0)->isSelected());
        QCOMPARE(form.fruitList->item(0)->text(),
                 QStringLiteral("Acerola,(west Indian Cherry),raw"));
        // Selecting by program at start raises nothing: the label keeps its layout text.
        QCOMPARE(form.currentFruitLabel->text(),
                 QStringLiteral("Acerola (west indian cherry), raw"));
        QCOMPARE(form.comparedFruitsCombo->count(), 0);
        QCOMPARE(form.reportTabs->count(), 1);
        QCOMPARE(form.reportTabs->tabText(0), QStringLiteral("Report"));
        QCOMPARE(form.parkedTabs->indexOf(form.comparisonTab), 0);
        QCOMPARE(form.fruitReportView->htmlCode().Lines(),
                 std::vector<std::string>{placeholderPage()});
        // Printing and PDF take the views' margins; the rest of their page setup is data.
        for (HtmlView* view : {form.fruitReportView, form.comparisonView}) {
            const PrintMargins& m = view->printOptions().Margins;
            QCOMPARE(QMarginsF(m.Left, m.Top, m.Right, m.Bottom),
                     QMarginsF(19.05, 19.05, 19.05, 19.05));
            QCOMPARE(view->printOptions().Footer, std::string("&u&b&d"));
        }

        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget(), form.fruitList);
        QVERIFY(!form.fruitReportSource->isVisible());
        QVERIFY(!form.comparisonSource->isVisible());
        QVERIFY(!form.parkedTabs->isVisible());
        QVERIFY(!form.refreshReportButton->isVisible() && !form.redrawChartsButton->isVisible() &&
                !form.showSourceButton->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(loaded.count() >= 1, 30000);
        QTRY_VERIFY_WITH_TIMEOUT(
            pageValue(form.fruitReportView, QStringLiteral("document.body.innerText"))
                .contains(QStringLiteral("Add a fruit to the comparison to build the report")),
            30000);
    }

    void layoutFollowsResize() {
        ProgramWindows app;
        MainWindow& form = app.mainWindow();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.centralWidget()->size(), QSize(992, 666));
        QCOMPARE(form.topPanel->geometry(), QRect(0, 0, 992, 113));
        // The find field takes the top of the list's place.
        const QRect find = form.findField->geometry();
        QCOMPARE(find.topLeft(), QPoint(0, 113));
        QCOMPARE(find.width(), 249);
        QCOMPARE(form.fruitList->geometry(), QRect(0, find.bottom() + 1, 249, 553 - find.height()));
        QCOMPARE(form.reportTabs->geometry(), QRect(249, 113, 743, 553));
        const QRect group1 = form.currentFruitGroup->geometry();
        const QRect group2 = form.comparisonGroup->geometry();
        const QRect toolBar = form.toolBar->geometry();
        QCOMPARE(group1, QRect(7, 7, 460, 99));
        QCOMPARE(group2, QRect(473, 7, 388, 99));
        QCOMPARE(toolBar, QRect(872, 30, 116, 82));
        QVERIFY(form.aboutButton->isVisible() && form.productPageButton->isVisible());
        QVERIFY(form.productPageButton->x() < form.aboutButton->x());

        form.resize(form.width() + 208, form.height() + 134);
        QTRY_COMPARE(form.centralWidget()->size(), QSize(1200, 800));
        QCOMPARE(form.topPanel->geometry(), QRect(0, 0, 1200, 113));
        QCOMPARE(form.fruitList->geometry(), QRect(0, find.bottom() + 1, 249, 687 - find.height()));
        QCOMPARE(form.reportTabs->geometry(), QRect(249, 113, 951, 687));
        QCOMPARE(form.currentFruitGroup->geometry(), group1);
        QCOMPARE(form.comparisonGroup->geometry(), group2);
        QCOMPARE(form.toolBar->geometry(), toolBar);
    }

    void selectionShowsTheNameOnly() {
        ProgramWindows app;
        MainWindow& form = app.mainWindow();
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        const QString caption = form.reportTabs->tabText(0);

        form.fruitList->setCurrentRow(3);
        QCOMPARE(form.currentFruitLabel->text(), form.fruitList->item(3)->text());
        form.fruitList->setCurrentRow(0);
        QCOMPARE(form.currentFruitLabel->text(),
                 QStringLiteral("Acerola,(west Indian Cherry),raw"));

        // The keyboard moves the selection one step at a time, and the label follows each step.
        form.fruitList->setFocus();
        for (int row = 1; row <= 3; ++row) {
            QTest::keyClick(form.fruitList, Qt::Key_Down);
            QCOMPARE(form.fruitList->currentRow(), row);
            QCOMPARE(form.currentFruitLabel->text(), form.fruitList->item(row)->text());
        }

        // An "&" is shown as it is: plain text, no buddy that would make it a mnemonic.
        const QString currants = QStringLiteral("Currants,red&white,raw");
        const int row = rowOf(form, currants);
        QVERIFY(row > 0);
        form.fruitList->setCurrentRow(row);
        QCOMPARE(form.currentFruitLabel->text(), currants);
        QCOMPARE(form.currentFruitLabel->textFormat(), Qt::PlainText);
        QVERIFY(form.currentFruitLabel->buddy() == nullptr);

        // Nothing but the label changes.
        QCOMPARE(form.comparedFruitsCombo->count(), 0);
        QCOMPARE(form.reportTabs->count(), 1);
        QCOMPARE(form.reportTabs->tabText(0), caption);
        QCOMPARE(form.fruitReportSource->toPlainText(), QStringLiteral("Memo1"));
    }

    // Ctrl with a click or with Space on the chosen fruit leaves it chosen; Ctrl with a click on
    // another one chooses that one.
    void listAlwaysHasOneChoice() {
        ProgramWindows app;
        MainWindow& form = app.mainWindow();
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QListWidget* list = form.fruitList;
        const auto clickRow = [list](int row, Qt::KeyboardModifiers keys) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, keys,
                              list->visualItemRect(list->item(row)).center());
        };
        const auto chosen = [list] { return list->selectedItems(); };
        clickRow(2, {});
        QCOMPARE(chosen(), QList<QListWidgetItem*>{list->item(2)});

        clickRow(2, Qt::ControlModifier);
        QCOMPARE(chosen(), QList<QListWidgetItem*>{list->item(2)});
        QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(chosen(), QList<QListWidgetItem*>{list->item(2)});
        QCOMPARE(form.currentFruitLabel->text(), list->item(2)->text());

        clickRow(4, Qt::ControlModifier);
        QCOMPARE(chosen(), QList<QListWidgetItem*>{list->item(4)});
        QCOMPARE(form.currentFruitLabel->text(), list->item(4)->text());
    }

    // Ctrl+F, typing, Down into the list, and Escape bringing every fruit back; adding works on
    // what the narrowed list shows.
    void findFieldNarrowsTheList() {
        ProgramWindows app;
        MainWindow& form = app.mainWindow();
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QListWidget* list = form.fruitList;
        QCOMPARE(form.findField->accessibleName(), QStringLiteral("Find a fruit"));
        QTest::keyClick(&form, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), form.findField);
        QTest::keyClicks(form.findField, QStringLiteral("APRICOT"));
        QVERIFY(list->count() > 1 && list->count() < 145);
        for (int row = 0; row < list->count(); ++row)
            QVERIFY(
                list->item(row)->text().contains(QStringLiteral("apricot"), Qt::CaseInsensitive));
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(form.currentFruitLabel->text(), list->item(0)->text());
        QTest::keyClick(form.findField, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), list);
        QTest::keyClick(list, Qt::Key_Down);
        const QString second = list->item(1)->text();
        form.addButton->click();
        QCOMPARE(form.comparedFruitsCombo->currentText(), second);

        // A text no name holds leaves the list empty and the add button idle; Escape brings all
        // the fruits back with the selected one still selected.
        QTest::keyClicks(form.findField, QStringLiteral("zzz"));
        QCOMPARE(list->count(), 0);
        form.addButton->click();
        QCOMPARE(form.comparedFruitsCombo->count(), 1);
        form.findField->setText(QStringLiteral("apricot"));
        list->setCurrentRow(1);
        QTest::keyClick(form.findField, Qt::Key_Escape);
        QCOMPARE(list->count(), 145);
        QCOMPARE(list->currentItem()->text(), second);
    }

    // Print and Save as PDF take the report of the window the user works in: the ranking while
    // its window is the active one, the main window's report otherwise.
    void reportMenuTakesTheActiveWindowsReport() {
        ProgramWindows app(false);
        MainWindow& form = app.mainWindow();
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        // What the next print or save dialog is about (the document, the file it proposes); the
        // dialog is then cancelled.
        QString about;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&about] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* print = qobject_cast<QPrintDialog*>(modal)) {
                about = print->printer()->docName();
                static_cast<QDialog*>(print)->reject();
            } else if (auto* save = qobject_cast<QFileDialog*>(modal)) {
                about = QFileInfo(save->selectedFiles().value(0)).fileName();
                static_cast<QDialog*>(save)->reject();
            }
        });
        answer.start(20);

        form.rankAction->trigger();
        auto* ranking = form.findChild<RankingWindow*>();
        QVERIFY(ranking != nullptr);
        ranking->activateWindow();
        QTRY_VERIFY(ranking->isActiveWindow());
        form.printAction->trigger();
        QCOMPARE(about, QStringLiteral("Ranking - Water"));
        ranking->activateWindow();
        QTRY_VERIFY(ranking->isActiveWindow());
        form.savePdfAction->trigger();
        QCOMPARE(about, QStringLiteral("Ranking - Water.pdf"));

        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.printAction->trigger();
        QCOMPARE(about, QStringLiteral("Quorvel"));  // the placeholder page has no name
        form.savePdfAction->trigger();
        QCOMPARE(about, QStringLiteral("Report.pdf"));
    }

    void menusOfTheLayoutAndTheReportMenu() {
        ProgramWindows app;
        MainWindow& form = app.mainWindow();
        const QList<QAction*> bar = form.menuBar()->actions();
        QCOMPARE(bar.size(), 4);
        // The new menus come before "Help": "Report", then "Amounts".
        QCOMPARE(bar.at(0)->menu(), form.reportMenu);
        QCOMPARE(bar.at(1)->menu(), form.amountsMenu);
        QCOMPARE(bar.at(2)->text(), QStringLiteral("Help"));
        QCOMPARE(bar.at(2)->menu(), form.helpMenu);
        QCOMPARE(form.helpMenu->actions().size(), 1);
        QCOMPARE(form.helpMenu->actions().at(0), form.aboutAction);
        QCOMPARE(form.aboutAction->text(), QStringLiteral("About"));
        QCOMPARE(bar.at(3), form.exitAction);
        QCOMPARE(form.exitAction->text(), QStringLiteral("Exit"));
        QVERIFY(form.exitAction->menu() == nullptr);
        for (QAction* action : {bar.at(2), form.aboutAction, form.exitAction}) {
            QVERIFY(action->shortcut().isEmpty());
            QVERIFY(!action->text().contains(QLatin1Char('&')));
        }
        QCOMPARE(form.printAction->shortcut(), QKeySequence(QKeySequence::Print));

        // The CSV export waits for a compared fruit.
        QVERIFY(!form.exportCsvAction->isEnabled());
        form.fruitList->setCurrentRow(3);
        form.addButton->click();
        QVERIFY(form.exportCsvAction->isEnabled());
        form.removeButton->click();
        QVERIFY(!form.exportCsvAction->isEnabled());

        // "Rank fruits..." opens its window beside this one; a fruit chosen there is selected in
        // the list, and the label follows as after a click in the list.
        form.rankAction->trigger();
        auto* ranking = form.findChild<RankingWindow*>();
        QVERIFY(ranking != nullptr && ranking->isVisible());
        QCOMPARE(ranking->windowTitle(), QStringLiteral("Rank fruits"));
        emit ranking->fruitChosen(27);
        QCOMPARE(form.fruitList->currentRow(), 27);
        QCOMPARE(form.currentFruitLabel->text(), QStringLiteral("Currants,red&white,raw"));
        form.rankAction->trigger();
        QCOMPARE(form.findChildren<RankingWindow*>().size(), 1);
    }

    void amountsMenuChoosesTheBasisAndRemembersIt() {
        // The test runner keeps the settings apart from the user's; this test starts afresh.
        QSettings settings(QStringLiteral("Quorvel"), QStringLiteral("Quorvel"));
        settings.remove(QStringLiteral("amounts"));
        {
            ProgramWindows app;
            MainWindow& form = app.mainWindow();
            // A fresh profile: 100 g, no percentages, and no fruit shown to take a portion of.
            QVERIFY(form.per100gAction->isChecked() && form.noDailyValuesAction->isChecked());
            QCOMPARE(form.amountsMenu->title(), QStringLiteral("Amounts"));
            QVERIFY(!form.portionMenu->isEnabled());
            const int oranges = rowOf(form, QStringLiteral("Oranges,raw,navels"));
            for (const int row : {rowOf(form, QStringLiteral("Bananas,raw")), oranges}) {
                form.fruitList->setCurrentRow(row);
                form.addButton->click();
            }
            const std::vector<std::string> per100g = form.model().state().fruitReport;
            // The shown fruit's measures, its usual portion checked.
            QCOMPARE(form.portionMenu->title(), QStringLiteral("Portion of Oranges,raw,navels"));
            const QList<QAction*> portions = form.portionMenu->actions();
            QCOMPARE(portions.size(), 3);
            QCOMPARE(portions.at(1)->text(), QStringLiteral("1 fruit (2-7/8\" dia) (140 g)"));
            QVERIFY(portions.at(0)->isChecked());

            form.perPortionAction->trigger();
            QVERIFY(form.fruitReportSource->toPlainText().contains(
                QStringLiteral("per 1 cup sections, without membranes (165 g)</h1>")));
            QVERIFY(form.comparisonSource->toPlainText().contains(
                QStringLiteral("Bananas,raw \u2014 1 cup, mashed (225 g)")));
            form.portionMenu->actions().at(1)->trigger();
            QVERIFY(form.fruitReportSource->toPlainText().contains(
                QStringLiteral("per 1 fruit (2-7/8\" dia) (140 g)</h1>")));
            QVERIFY(form.portionMenu->actions().at(1)->isChecked());
            form.usDailyValuesAction->trigger();
            QVERIFY(form.fruitReportSource->toPlainText().contains(
                QStringLiteral("<h2>% of daily value:</h2>")));
            // The ranking ranks on the basis too.
            form.rankAction->trigger();
            const auto* ranking = form.findChild<RankingWindow*>();
            QTRY_COMPARE_WITH_TIMEOUT(
                pageValue(ranking->rankView,
                          QStringLiteral("document.querySelector('#ranking') ? document."
                                         "querySelector('#ranking').getAttribute('data-qv-per')"
                                         " : ''")),
                QStringLiteral("per portion"), 30000);
        }
        {
            // The next run starts where this one ended; 100 g without a standard is the page of
            // before, byte for byte.
            ProgramWindows app;
            MainWindow& form = app.mainWindow();
            QVERIFY(form.perPortionAction->isChecked() && form.usDailyValuesAction->isChecked());
            form.fruitList->setCurrentRow(rowOf(form, QStringLiteral("Oranges,raw,navels")));
            form.addButton->click();
            QVERIFY(form.model().state().fruitReport.size() > 19);
            form.per100gAction->trigger();
            form.noDailyValuesAction->trigger();
            QCOMPARE(form.model().state().fruitReport.size(), std::size_t(19));
        }
        settings.remove(QStringLiteral("amounts"));
    }

    void webPageButtonOpensTheProductPage() {
        ProgramWindows app;
        MainWindow& form = app.mainWindow();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        UrlRecorder browser;
        ModalWatcher watcher;
        form.productPageButton->click();
        QCOMPARE(browser.urls,
                 QList<QUrl>{QUrl(QStringLiteral("https://www.quorvel.org/quorvel"))});
        QVERIFY(form.isVisible());
        QCOMPARE(watcher.aboutCaptions.size(), 0);
        QCOMPARE(watcher.boxes.size(), std::size_t{0});
    }

    void hiddenButtonShowsTheReportText() {
        ProgramWindows app;
        MainWindow& form = app.mainWindow();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.showSourceButton->click();
        QVERIFY(form.fruitReportSource->isVisible());
        QCOMPARE(form.fruitReportSource->toPlainText(), QStringLiteral("Memo1"));
    }
};

QUORVEL_REGISTER_GUI_TEST(TestMainWindow);
#include "test_main_window.moc"
