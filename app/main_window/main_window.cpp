// The main window's life (creation, closing, destruction), the user's actions handed to the
// comparison model, and the model's state shown in the controls.
#include "app/main_window/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>
#include <QTabWidget>
#include <QToolButton>
#include <utility>

#include "app/about_box/about_box.h"
#include "app/main_window/find_field.h"
#include "app/report_views/view_script_target.h"
#include "app/shared/app_fonts.h"
#include "app/shared/app_icon.h"
#include "app/shared/application_title.h"
#include "app/shared/product_page.h"
#include "app/startup/error_report.h"
#include "app/startup/program_language.h"
#include "data/fruit_table.h"
#include "htmlview/html_view.h"
#include "htmlview/win1252.h"
#include "reports/chart_runner.h"
#include "reports/placeholder_page.h"

namespace {

// The model's limit message, marked for the translation tools; the window shows its translation.
[[maybe_unused]] const char* const kLimitMessageText = QT_TRANSLATE_NOOP(
    "MainWindow", "Please remove some fruits from comparison before adding any more");

QString comparisonCaption() {
    return MainWindow::tr("Comparison Report");
}

// Replaces the text box's text with the page's lines, one line each.
void copyLinesInto(QPlainTextEdit* box, const std::vector<std::string>& lines) {
    QStringList text;
    text.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines) {
        text.append(fromWindows1252(line));
    }
    box->setPlainText(text.join(QLatin1Char('\n')));
}

QStringList itemsOf(const QComboBox& combo) {
    QStringList items;
    for (int i = 0; i < combo.count(); ++i) {
        items.append(combo.itemText(i));
    }
    return items;
}

// A tab caption takes "&" as the mark of an access key: doubled, it shows as itself.
QString literalCaption(const std::string& text) {
    return fromWindows1252(text).replace(QLatin1Char('&'), QLatin1String("&&"));
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    setWindowIcon(applicationIcon());
    setFont(tahomaFont(11));
    buildMenu();
    buildClientArea();
    buildReportMenu();
    buildAmountsMenu();
    // The client area is the designed size; the menu bar comes on top of it.
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    guarded([this] { loadFruitTable(); })();
    connectHandlers();
    connectReportMenu();
    connectAmountsMenu();
}

MainWindow::~MainWindow() = default;

void MainWindow::loadFruitTable() {
    // Nothing is connected yet, so selecting the first entry raises nothing: the label shows what
    // the model says (in English, its laid-out text). When the table cannot be read the error
    // goes on from here and the window keeps what it has.
    const Language language = programLanguage();
    std::vector<std::string> lines;
    ::loadFruitTable(lines, language);
    model_ = ComparisonModel(std::move(lines), language);
    if (model_.state().fruitLabel) {
        currentFruitLabel->setText(fromWindows1252(*model_.state().fruitLabel));
    }
    reportTabs->setTabText(reportTabs->indexOf(fruitReportTab),
                           literalCaption(model_.state().reportCaption));
    showFruitList();
    fruitReportView->htmlCode().add(placeholderPage(language));
    showComparisonTab(false);
}

void MainWindow::connectHandlers() {
    connect(findField, &QLineEdit::textChanged, this,
            guarded([this] { render(model_.findFruits(toWindows1252(findField->text()))); }));
    connect(findField, &FindField::downPressed, this, [this] { fruitList->setFocus(); });
    connect(findAction, &QAction::triggered, this, [this] {
        findField->setFocus(Qt::ShortcutFocusReason);
        findField->selectAll();
    });
    connect(fruitList, &QListWidget::currentRowChanged, this,
            guarded([this] { render(model_.selectFruit(fruitList->currentRow())); }));
    connect(addButton, &QPushButton::clicked, this,
            guarded([this] { render(model_.addSelectedFruit()); }));
    connect(removeButton, &QPushButton::clicked, this,
            guarded([this] { render(model_.removeChosenFruit()); }));
    // Only a pick by the user: the window's own changes of the current item raise nothing.
    connect(comparedFruitsCombo, &QComboBox::activated, this, guarded([this] {
                render(model_.chooseComparedFruit(comparedFruitsCombo->currentIndex()));
            }));
    connect(refreshReportButton, &QPushButton::clicked, this,
            guarded([this] { render(model_.refreshFruitReport()); }));
    connect(redrawChartsButton, &QPushButton::clicked, this,
            guarded([this] { runChartsIn(*fruitReportView, runReportCharts); }));
    connect(showSourceButton, &QPushButton::clicked, this, [this] {
        fruitReportSource->show();
        fruitReportSource->raise();
    });
    connect(aboutButton, &QToolButton::clicked, this, guarded([this] { showAboutBox(); }));
    connect(aboutAction, &QAction::triggered, this, guarded([this] { showAboutBox(); }));
    connect(productPageButton, &QToolButton::clicked, this, guarded([] { openProductPage(); }));
    connect(exitAction, &QAction::triggered, this, [this] { close(); });
    connect(fruitReportView, &HtmlView::documentComplete, this,
            guarded([this] { runChartsIn(*fruitReportView, runReportCharts); }));
    connect(comparisonView, &HtmlView::documentComplete, this,
            guarded([this] { runChartsIn(*comparisonView, runComparisonCharts); }));
}

void MainWindow::redrawComparisonCharts() {
    runChartsIn(*comparisonView, runComparisonCharts);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // However the window is closed, the about box comes first; it cannot stop the exit.
    guarded([this] { showAboutBox(); })();
    event->accept();
}

void MainWindow::showAboutBox() {
    if (aboutBox_ != nullptr) {
        aboutBox_->exec();
    }
}

void MainWindow::render(const ComparisonChange& change) {
    if (change.limitReached) {
        QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle),
                        tr(ComparisonModel::kLimitMessage), QMessageBox::Ok, this);
        box.exec();
        return;
    }
    const ComparisonState& state = model_.state();
    showFruitList();
    if (state.fruitLabel) {
        currentFruitLabel->setText(fromWindows1252(*state.fruitLabel));
    }
    QStringList items;
    for (const std::string& name : state.comparedNames) {
        items.append(fromWindows1252(name));
    }
    if (itemsOf(*comparedFruitsCombo) != items) {
        comparedFruitsCombo->clear();
        comparedFruitsCombo->addItems(items);
    }
    comparedFruitsCombo->setCurrentIndex(state.chosenIndex);
    exportCsvAction->setEnabled(!state.comparedNames.empty());
    reportTabs->setTabText(reportTabs->indexOf(fruitReportTab),
                           literalCaption(state.reportCaption));
    showComparisonTab(state.comparisonTabShown);
    if (change.fruitReportChanged) {
        fruitReportView->loadHtmlLines(state.fruitReport);
        copyLinesInto(fruitReportSource, state.fruitReport);
    }
    if (change.comparisonChanged) {
        comparisonView->loadHtmlLines(state.comparisonReport);
        copyLinesInto(comparisonSource, state.comparisonReport);
    }
    showPortionMenu();
}

// The list's entries and selection as the model has them; the window's own changes raise nothing.
void MainWindow::showFruitList() {
    const ComparisonState& state = model_.state();
    const QSignalBlocker quiet(fruitList);
    const auto rows = static_cast<int>(state.fruitNames.size());
    bool same = fruitList->count() == rows;
    for (int row = 0; same && row < rows; ++row) {
        same = fruitList->item(row)->text() ==
               fromWindows1252(state.fruitNames[static_cast<std::size_t>(row)]);
    }
    if (!same) {
        fruitList->clear();
        for (const std::string& name : state.fruitNames) {
            fruitList->addItem(fromWindows1252(name));
        }
    }
    if (fruitList->currentRow() != state.selectedRow) {
        fruitList->setCurrentRow(state.selectedRow);
    }
}

void MainWindow::showComparisonTab(bool shown) {
    // The program never selects a tab itself: the comparison tab comes in to the right of the
    // report tab and leaves the shown tab as it was; parked, it leaves the report tab shown.
    if (shown && reportTabs->indexOf(comparisonTab) < 0) {
        parkedTabs->removeTab(parkedTabs->indexOf(comparisonTab));
        const int current = reportTabs->currentIndex();
        reportTabs->addTab(comparisonTab, comparisonCaption());
        if (current >= 0) {
            reportTabs->setCurrentIndex(current);
        }
    } else if (!shown && parkedTabs->indexOf(comparisonTab) < 0) {
        const int index = reportTabs->indexOf(comparisonTab);
        if (index >= 0) {
            reportTabs->removeTab(index);
        }
        parkedTabs->addTab(comparisonTab, comparisonCaption());
    }
}
