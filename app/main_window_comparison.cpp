// The comparison: adding the listed fruit, removing the chosen one, choosing in the drop-down,
// and what each of them shows in the two report tabs. The program never selects a tab itself.
#include <QComboBox>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTabWidget>

#include "app/application_title.h"
#include "app/main_window.h"
#include "data/fruit.h"
#include "htmlview/html_view.h"
#include "htmlview/win1252.h"
#include "reports/comparison_report.h"

namespace {

const QString kComparisonCaption = QStringLiteral("Comparison Report");

// Replaces the memo's text with the page's lines, one line each.
void copyLinesInto(QPlainTextEdit* memo, const std::vector<std::string>& lines) {
    QStringList text;
    text.reserve(static_cast<int>(lines.size()));
    for (const std::string& line : lines) {
        text.append(fromWindows1252(line));
    }
    memo->setPlainText(text.join(QLatin1Char('\n')));
}

}  // namespace

void MainWindow::Button4Click() {
    if (comparedFruitsCombo->count() >= static_cast<int>(ComparisonSet::kLimit)) {
        QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle),
                        QString::fromLatin1(ComparisonSet::kLimitMessage), QMessageBox::Ok, this);
        box.exec();
        return;
    }
    const QListWidgetItem* selected = fruitList->currentItem();
    if (selected == nullptr) {
        return;
    }
    const QString name = selected->text();
    if (comparedFruitsCombo->findText(name) >= 0) {
        return;  // compared already: nothing changes, nothing is rebuilt
    }
    addListFruit();
    setReportCaption(name);
    if (comparedFruitsCombo->count() >= 2) {
        bringInComparisonTab();
        buildComparisonReport();
    }
}

void MainWindow::addListFruit() {
    // The table line by the list's position, not by the name.
    const int row = fruitList->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= fruitLines.size()) {
        return;
    }
    ComparisonFruits.append(fruitLines[static_cast<std::size_t>(row)]);
    fillComparisonCombo();
    showComparedFruitReport();
}

void MainWindow::Button5Click() {
    if (comparedFruitsCombo->count() >= 1) {
        removeComboFruit();
    }
    if (comparedFruitsCombo->count() >= 2) {
        buildComparisonReport();
    } else {
        parkComparisonTab();
    }
}

void MainWindow::removeComboFruit() {
    const QString chosen = comparedFruitsCombo->currentText();
    for (const auto& fruit : ComparisonFruits.fruits()) {
        if (fromWindows1252(fruit->displayName()) == chosen) {
            ComparisonFruits.remove(fruit->displayName());
            break;
        }
    }
    fillComparisonCombo();
    if (comparedFruitsCombo->count() >= 1) {
        showComparedFruitReport();
        setReportCaption(comparedFruitsCombo->currentText());
    }
}

void MainWindow::frutascomboChange() {
    showComparedFruitReport();
    setReportCaption(comparedFruitsCombo->currentText());
}

void MainWindow::fillComparisonCombo() {
    comparedFruitsCombo->clear();
    for (const std::string& name : ComparisonFruits.displayNames()) {
        comparedFruitsCombo->addItem(fromWindows1252(name));
    }
    comparedFruitsCombo->setCurrentIndex(comparedFruitsCombo->count() - 1);
}

void MainWindow::showComparedFruitReport() {
    // A fresh record from the table line: what the comparison page sets in the held records
    // never reaches the single-fruit page.
    const QString chosen = comparedFruitsCombo->currentText();
    int row = -1;
    for (int i = 0; i < fruitList->count(); ++i) {
        if (fruitList->item(i)->text() == chosen) {
            row = i;
            break;
        }
    }
    if (row < 0 || static_cast<std::size_t>(row) >= fruitLines.size()) {
        return;  // nothing chosen
    }
    Fruit fruit(fruitLines[static_cast<std::size_t>(row)]);
    fruit.writeReport(ReportLines);
    fruitReportView->loadHtmlLines(ReportLines);
    copyLinesInto(fruitReportSource, ReportLines);
}

void MainWindow::buildComparisonReport() {
    const std::vector<std::string> lines = comparisonReportLines(ComparisonFruits.fruits());
    comparisonView->loadHtmlLines(lines);
    copyLinesInto(comparisonSource, lines);
}

void MainWindow::setReportCaption(const QString& fruitName) {
    // A tab caption takes "&" as the mark of an access key: doubled, it shows as itself.
    QString caption = fruitName + QStringLiteral(" Report");
    reportTabs->setTabText(reportTabs->indexOf(fruitReportTab),
                           caption.replace(QLatin1Char('&'), QLatin1String("&&")));
}

void MainWindow::bringInComparisonTab() {
    if (reportTabs->indexOf(comparisonTab) >= 0) {
        return;
    }
    parkedTabs->removeTab(parkedTabs->indexOf(comparisonTab));
    // Added to the right of tab1; QTabWidget keeps the shown tab when it already has one.
    const int shown = reportTabs->currentIndex();
    reportTabs->addTab(comparisonTab, kComparisonCaption);
    if (shown >= 0) {
        reportTabs->setCurrentIndex(shown);
    }
}

void MainWindow::parkComparisonTab() {
    if (parkedTabs->indexOf(comparisonTab) >= 0) {
        return;
    }
    const int index = reportTabs->indexOf(comparisonTab);
    if (index >= 0) {
        reportTabs->removeTab(index);
    }
    parkedTabs->addTab(comparisonTab, kComparisonCaption);
}
