// The main window's life (creation, closing, destruction) and the handlers of the shell itself.
#include "app/form1.h"

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

#include "app/about.h"
#include "app/app_fonts.h"
#include "app/app_icon.h"
#include "app/application_title.h"
#include "app/error_report.h"
#include "app/product_page.h"
#include "data/fruit_table.h"
#include "htmlview/embedded_wb.h"
#include "htmlview/win1252.h"
#include "reports/placeholder_page.h"

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    setWindowIcon(ApplicationIcon());
    setFont(TahomaFont(11));
    BuildMenu();
    BuildClientArea();
    // The client area is the designed size; the menu bar comes on top of it.
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    Guarded([this] { FormCreate(); })();
    ConnectHandlers();
}

TForm1::~TForm1() {
    FormDestroy();
}

void TForm1::ConnectHandlers() {
    connect(listafrutas, &QListWidget::currentRowChanged, this,
            Guarded([this] { listafrutasClick(); }));
    connect(Button4, &QPushButton::clicked, this, Guarded([this] { Button4Click(); }));
    connect(Button5, &QPushButton::clicked, this, Guarded([this] { Button5Click(); }));
    // Only a pick by the user: the program's own changes of the selection raise nothing.
    connect(frutascombo, &QComboBox::activated, this, Guarded([this] { frutascomboChange(); }));
    connect(Button1, &QPushButton::clicked, this, Guarded([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, Guarded([this] { Button2Click(); }));
    connect(Button3, &QPushButton::clicked, this, Guarded([this] { Button3Click(); }));
    connect(ToolButton1, &QToolButton::clicked, this, Guarded([this] { ToolButton1Click(); }));
    connect(ToolButton2, &QToolButton::clicked, this, Guarded([this] { ToolButton2Click(); }));
    connect(About2, &QAction::triggered, this, Guarded([this] { About2Click(); }));
    connect(Exit1, &QAction::triggered, this, Guarded([this] { Exit1Click(); }));
    connect(wb, &TEmbeddedWB::OnDocumentComplete, this, Guarded([this] { wbDocumentComplete(); }));
    connect(wb2, &TEmbeddedWB::OnDocumentComplete, this,
            Guarded([this] { wb2DocumentComplete(); }));
}

void TForm1::FormCreate() {
    // Selecting by program raises no selection event: the handlers are connected afterwards, so
    // Label1 keeps its layout text.
    const std::vector<std::string> names = LoadFruitTable(FruitLines);
    for (const std::string& name : names) {
        listafrutas->addItem(FromWindows1252(name));
    }
    if (listafrutas->count() > 0) {
        listafrutas->setCurrentRow(0);
    }
    ReportLines.clear();
    ComparisonFruits.Clear();
    wb->HTMLCode().Add(PlaceholderPage());
    ParkComparisonTab();
}

void TForm1::FormDestroy() {
    FruitLines.clear();
    FruitLines.shrink_to_fit();
    ReportLines.clear();
    ReportLines.shrink_to_fit();
    ComparisonFruits.Clear();
}

void TForm1::closeEvent(QCloseEvent* event) {
    // However the window is closed, the about box comes first; it cannot stop the exit.
    Guarded([this] { FormClose(); })();
    event->accept();
}

void TForm1::FormClose() {
    ShowAboutBox();
}

void TForm1::ShowAboutBox() {
    if (About != nullptr) {
        About->exec();
    }
}

void TForm1::listafrutasClick() {
    const QListWidgetItem* item = listafrutas->currentItem();
    if (item != nullptr) {
        Label1->setText(item->text());
    }
}

void TForm1::About2Click() {
    ShowAboutBox();
}

void TForm1::ToolButton1Click() {
    ShowAboutBox();
}

void TForm1::ToolButton2Click() {
    OpenProductPage();
}

void TForm1::Exit1Click() {
    close();
}

void TForm1::Button1Click() {
    ShowComparedFruitReport();
}

void TForm1::Button3Click() {
    Memo1->show();
    Memo1->raise();
}
