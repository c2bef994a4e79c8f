// The comparison: adding the listed fruit, removing the chosen one, choosing in the drop-down,
// and what each of them shows in the two report tabs. The program never selects a tab itself.
#include <QComboBox>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTabWidget>

#include "app/application_title.h"
#include "app/form1.h"
#include "data/fruta.h"
#include "htmlview/embedded_wb.h"
#include "htmlview/win1252.h"
#include "reports/comparison_report.h"

namespace {

const QString kComparisonCaption = QStringLiteral("Comparison Report");

// Replaces the memo's text with the page's lines, one line each.
void CopyLinesInto(QPlainTextEdit* memo, const std::vector<std::string>& lines) {
    QStringList text;
    text.reserve(static_cast<int>(lines.size()));
    for (const std::string& line : lines) {
        text.append(FromWindows1252(line));
    }
    memo->setPlainText(text.join(QLatin1Char('\n')));
}

}  // namespace

void TForm1::Button4Click() {
    if (frutascombo->count() >= static_cast<int>(ComparisonSet::kLimit)) {
        QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle),
                        QString::fromLatin1(ComparisonSet::kLimitMessage), QMessageBox::Ok, this);
        box.exec();
        return;
    }
    const QListWidgetItem* selected = listafrutas->currentItem();
    if (selected == nullptr) {
        return;
    }
    const QString name = selected->text();
    if (frutascombo->findText(name) >= 0) {
        return;  // compared already: nothing changes, nothing is rebuilt
    }
    AddListFruit();
    SetReportCaption(name);
    if (frutascombo->count() >= 2) {
        BringInComparisonTab();
        BuildComparisonReport();
    }
}

void TForm1::AddListFruit() {
    // The table line by the list's position, not by the name.
    const int row = listafrutas->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= FruitLines.size()) {
        return;
    }
    ComparisonFruits.Append(FruitLines[static_cast<std::size_t>(row)]);
    FillComparisonCombo();
    ShowComparedFruitReport();
}

void TForm1::Button5Click() {
    if (frutascombo->count() >= 1) {
        RemoveComboFruit();
    }
    if (frutascombo->count() >= 2) {
        BuildComparisonReport();
    } else {
        ParkComparisonTab();
    }
}

void TForm1::RemoveComboFruit() {
    const QString chosen = frutascombo->currentText();
    for (const auto& fruit : ComparisonFruits.Fruits()) {
        if (FromWindows1252(fruit->DisplayName()) == chosen) {
            ComparisonFruits.Remove(fruit->DisplayName());
            break;
        }
    }
    FillComparisonCombo();
    if (frutascombo->count() >= 1) {
        ShowComparedFruitReport();
        SetReportCaption(frutascombo->currentText());
    }
}

void TForm1::frutascomboChange() {
    ShowComparedFruitReport();
    SetReportCaption(frutascombo->currentText());
}

void TForm1::FillComparisonCombo() {
    frutascombo->clear();
    for (const std::string& name : ComparisonFruits.DisplayNames()) {
        frutascombo->addItem(FromWindows1252(name));
    }
    frutascombo->setCurrentIndex(frutascombo->count() - 1);
}

void TForm1::ShowComparedFruitReport() {
    // A fresh record from the table line: what the comparison page sets in the held records
    // never reaches the single-fruit page.
    const QString chosen = frutascombo->currentText();
    int row = -1;
    for (int i = 0; i < listafrutas->count(); ++i) {
        if (listafrutas->item(i)->text() == chosen) {
            row = i;
            break;
        }
    }
    if (row < 0 || static_cast<std::size_t>(row) >= FruitLines.size()) {
        return;  // nothing chosen
    }
    TFruta fruit(FruitLines[static_cast<std::size_t>(row)]);
    fruit.WriteReport(ReportLines);
    wb->LoadHtmlLines(ReportLines);
    CopyLinesInto(Memo1, ReportLines);
}

void TForm1::BuildComparisonReport() {
    const std::vector<std::string> lines = ComparisonReportLines(ComparisonFruits.Fruits());
    wb2->LoadHtmlLines(lines);
    CopyLinesInto(Memo2, lines);
}

void TForm1::SetReportCaption(const QString& fruitName) {
    // A tab caption takes "&" as the mark of an access key: doubled, it shows as itself.
    QString caption = fruitName + QStringLiteral(" Report");
    PageControl1->setTabText(PageControl1->indexOf(tab1),
                             caption.replace(QLatin1Char('&'), QLatin1String("&&")));
}

void TForm1::BringInComparisonTab() {
    if (PageControl1->indexOf(tab2) >= 0) {
        return;
    }
    pagecontrolhidden->removeTab(pagecontrolhidden->indexOf(tab2));
    // Added to the right of tab1; QTabWidget keeps the shown tab when it already has one.
    const int shown = PageControl1->currentIndex();
    PageControl1->addTab(tab2, kComparisonCaption);
    if (shown >= 0) {
        PageControl1->setCurrentIndex(shown);
    }
}

void TForm1::ParkComparisonTab() {
    if (pagecontrolhidden->indexOf(tab2) >= 0) {
        return;
    }
    const int index = PageControl1->indexOf(tab2);
    if (index >= 0) {
        PageControl1->removeTab(index);
    }
    pagecontrolhidden->addTab(tab2, kComparisonCaption);
}
