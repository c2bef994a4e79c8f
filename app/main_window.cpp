// The main window's life (creation, closing, destruction) and the handlers of the shell itself.
#include "app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include "app/about_box.h"
#include "app/app_fonts.h"
#include "app/app_icon.h"
#include "app/application_title.h"
#include "app/error_report.h"
#include "app/product_page.h"
#include "data/fruit_table.h"
#include "htmlview/html_view.h"
#include "htmlview/win1252.h"
#include "reports/placeholder_page.h"

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    setWindowIcon(applicationIcon());
    setFont(tahomaFont(11));
    buildMenu();
    buildClientArea();
    // The client area is the designed size; the menu bar comes on top of it.
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    guarded([this] { formCreate(); })();
    connectHandlers();
}

MainWindow::~MainWindow() {
    formDestroy();
}

void MainWindow::connectHandlers() {
    connect(fruitList, &QListWidget::currentRowChanged, this,
            guarded([this] { listafrutasClick(); }));
    connect(addButton, &QPushButton::clicked, this, guarded([this] { Button4Click(); }));
    connect(removeButton, &QPushButton::clicked, this, guarded([this] { Button5Click(); }));
    // Only a pick by the user: the program's own changes of the selection raise nothing.
    connect(comparedFruitsCombo, &QComboBox::activated, this,
            guarded([this] { frutascomboChange(); }));
    connect(refreshReportButton, &QPushButton::clicked, this, guarded([this] { Button1Click(); }));
    connect(redrawChartsButton, &QPushButton::clicked, this, guarded([this] { Button2Click(); }));
    connect(showSourceButton, &QPushButton::clicked, this, guarded([this] { Button3Click(); }));
    connect(aboutButton, &QToolButton::clicked, this, guarded([this] { ToolButton1Click(); }));
    connect(productPageButton, &QToolButton::clicked, this,
            guarded([this] { ToolButton2Click(); }));
    connect(aboutAction, &QAction::triggered, this, guarded([this] { About2Click(); }));
    connect(exitAction, &QAction::triggered, this, guarded([this] { Exit1Click(); }));
    connect(fruitReportView, &HtmlView::documentComplete, this,
            guarded([this] { wbDocumentComplete(); }));
    connect(comparisonView, &HtmlView::documentComplete, this,
            guarded([this] { wb2DocumentComplete(); }));
}

void MainWindow::formCreate() {
    // Selecting by program raises no selection event: the handlers are connected afterwards, so
    // Label1 keeps its layout text.
    const std::vector<std::string> names = loadFruitTable(fruitLines);
    for (const std::string& name : names) {
        fruitList->addItem(fromWindows1252(name));
    }
    if (fruitList->count() > 0) {
        fruitList->setCurrentRow(0);
    }
    ReportLines.clear();
    ComparisonFruits.clear();
    fruitReportView->htmlCode().add(placeholderPage());
    parkComparisonTab();
}

void MainWindow::formDestroy() {
    fruitLines.clear();
    fruitLines.shrink_to_fit();
    ReportLines.clear();
    ReportLines.shrink_to_fit();
    ComparisonFruits.clear();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // However the window is closed, the about box comes first; it cannot stop the exit.
    guarded([this] { formClose(); })();
    event->accept();
}

void MainWindow::formClose() {
    showAboutBox();
}

void MainWindow::showAboutBox() {
    if (About != nullptr) {
        About->exec();
    }
}

void MainWindow::listafrutasClick() {
    const QListWidgetItem* item = fruitList->currentItem();
    if (item != nullptr) {
        currentFruitLabel->setText(item->text());
    }
}

void MainWindow::About2Click() {
    showAboutBox();
}

void MainWindow::ToolButton1Click() {
    showAboutBox();
}

void MainWindow::ToolButton2Click() {
    openProductPage();
}

void MainWindow::Exit1Click() {
    close();
}

void MainWindow::Button1Click() {
    showComparedFruitReport();
}

void MainWindow::Button3Click() {
    fruitReportSource->show();
    fruitReportSource->raise();
}
