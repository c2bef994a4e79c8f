// The menu "Report": taking the report shown out of the program (print, PDF), the comparison as
// CSV, and the ranking of all fruits by one amount in a window of its own.
#include <QAction>
#include <QComboBox>
#include <QKeySequence>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>

#include "app/main_window/main_window.h"
#include "app/ranking/ranking_window.h"
#include "app/report_out/report_export.h"
#include "app/startup/error_report.h"
#include "htmlview/html_view.h"
#include "htmlview/win1252.h"

void MainWindow::buildReportMenu() {
    // Before "Help": the menus of the original layout keep their places to its right.
    reportMenu = new QMenu(tr("Report"), this);
    reportMenu->setObjectName(QStringLiteral("reportMenu"));
    menuBar()->insertMenu(helpMenu->menuAction(), reportMenu);
    printAction = reportMenu->addAction(tr("Print..."));
    printAction->setObjectName(QStringLiteral("printAction"));
    printAction->setShortcut(QKeySequence::Print);
    // Ctrl+P prints the ranking too while its window is the active one.
    printAction->setShortcutContext(Qt::ApplicationShortcut);
    savePdfAction = reportMenu->addAction(tr("Save as PDF..."));
    savePdfAction->setObjectName(QStringLiteral("savePdfAction"));
    exportCsvAction = reportMenu->addAction(tr("Export comparison as CSV..."));
    exportCsvAction->setObjectName(QStringLiteral("exportCsvAction"));
    exportCsvAction->setEnabled(false);
    reportMenu->addSeparator();
    rankAction = reportMenu->addAction(tr("Rank fruits..."));
    rankAction->setObjectName(QStringLiteral("rankAction"));
}

void MainWindow::connectReportMenu() {
    connect(printAction, &QAction::triggered, this, guarded([this] {
                const ShownReport report = shownReport();
                printView(report.window, *report.view, report.name);
            }));
    connect(savePdfAction, &QAction::triggered, this, guarded([this] {
                const ShownReport report = shownReport();
                saveViewAsPdf(report.window, *report.view, report.name);
            }));
    connect(exportCsvAction, &QAction::triggered, this, guarded([this] {
                std::vector<AmountsOnBasis> amounts;
                for (const std::size_t line : model_.state().comparedLines) {
                    amounts.push_back(model_.amountsOf(line));
                }
                exportComparisonCsv(this, model_.fruitLines(), model_.state().comparedLines,
                                    amounts);
            }));
    connect(rankAction, &QAction::triggered, this, guarded([this] { showRankingWindow(); }));
}

MainWindow::ShownReport MainWindow::shownReport() {
    if (rankingWindow_ != nullptr && rankingWindow_->isActiveWindow()) {
        return {rankingWindow_, rankingWindow_->rankView,
                tr("Ranking - ") + rankingWindow_->amountCombo->currentText()};
    }
    if (reportTabs->currentWidget() == comparisonTab) {
        return {this, comparisonView, tr("Comparison")};
    }
    const ComparisonState& state = model_.state();
    if (state.chosenIndex < 0) {
        return {this, fruitReportView, QString()};  // the placeholder page
    }
    return {this, fruitReportView,
            fromWindows1252(state.comparedNames[static_cast<std::size_t>(state.chosenIndex)])};
}

void MainWindow::showRankingWindow() {
    if (rankingWindow_ == nullptr) {
        // A child window: it closes and goes with the main window.
        rankingWindow_ = new RankingWindow(model_.fruitLines(), this);
        // A fruit chosen in the ranking is selected in the list, as a click there would.
        connect(rankingWindow_, &RankingWindow::fruitChosen, this, [this](int tableLine) {
            fruitList->setCurrentRow(model_.rowOf(static_cast<std::size_t>(tableLine)));
        });
        showAmountsInRanking();
    }
    rankingWindow_->show();
    rankingWindow_->raise();
    rankingWindow_->activateWindow();
}
