// The main window's controls: names, texts, places and sizes as the window was designed at
// 992 x 666 client pixels, and how they follow a resize.
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/main_window/find_field.h"
#include "app/main_window/keyboard_tool_button.h"
#include "app/main_window/main_window.h"
#include "app/main_window/single_choice_list.h"
#include "app/report_views/report_view.h"
#include "app/shared/app_fonts.h"
#include "htmlview/html_view.h"

namespace {

constexpr int kPanelHeight = 113;
constexpr int kListWidth = 249;
constexpr int kListItemHeight = 13;

// Draws list entries as usual but lays them out at a fixed height in pixels.
class RowHeightDelegate : public QStyledItemDelegate {
  public:
    RowHeightDelegate(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(height_);
        return size;
    }

  private:
    int height_;
};

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// What a screen reader says for a control; the description adds what it is for.
void describe(QWidget* widget, const QString& name, const QString& description = QString()) {
    widget->setAccessibleName(name);
    if (!description.isEmpty()) {
        widget->setAccessibleDescription(description);
    }
}

// A tool bar image in every size the program carries, so that a screen scaled by two gets the
// 96-pixel drawing instead of the 48-pixel one blown up.
QIcon toolBarImage(const char* name) {
    QIcon icon;
    for (const int size : {48, 96}) {
        icon.addFile(QStringLiteral(":/icons/%1-%2.png").arg(QLatin1String(name)).arg(size),
                     QSize(size, size));
    }
    return icon;
}

QPushButton* makeButton(const char* name, const QString& text, QWidget* parent,
                        const QRect& place) {
    auto* button = named(new QPushButton(text, parent), name);
    button->setGeometry(place);
    return button;
}

QPlainTextEdit* makeMemo(const char* name, const QString& text, QWidget* parent,
                         const QRect& place) {
    auto* memo = named(new QPlainTextEdit(text, parent), name);
    memo->setGeometry(place);
    memo->hide();
    return memo;
}

QToolButton* makeToolButton(const char* name, const char* image) {
    auto* button = named(new KeyboardToolButton, name);
    button->setIcon(toolBarImage(image));
    button->setIconSize(QSize(48, 48));
    button->setFixedSize(55, 54);
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    return button;
}

// A tab sheet whose view fills it.
QWidget* makeTabSheet(const char* name, HtmlView*& view, const char* viewName) {
    auto* sheet = named(new QWidget, name);
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    view = makeReportView(viewName, sheet);
    layout->addWidget(view);
    return sheet;
}

}  // namespace

void MainWindow::buildMenu() {
    helpMenu = named(menuBar()->addMenu(tr("Help")), "About1");
    aboutAction = named(helpMenu->addAction(tr("About")), "About2");
    exitAction = named(menuBar()->addAction(tr("Exit")), "Exit1");
    // The captions carry no access letters and no item has a key of its own: the keyboard
    // reaches the bar by Alt alone (the style's menu key), then the arrow keys and Return.
}

void MainWindow::buildClientArea() {
    auto* client = named(new QWidget, "client");
    setCentralWidget(client);

    // The panel keeps its height and follows the width; under it the list keeps its width and
    // the page control takes the rest.
    auto* rows = new QVBoxLayout(client);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    buildPanel(client);
    rows->addWidget(topPanel);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(0);
    rows->addLayout(columns, 1);

    // The find field over the list, both as wide as the list was designed.
    auto* listColumn = new QVBoxLayout;
    listColumn->setSpacing(0);
    findField = named(new FindField(client), "findField");
    findField->setFixedWidth(kListWidth);
    findField->setPlaceholderText(tr("Find a fruit"));
    listColumn->addWidget(findField);
    fruitList = named(new SingleChoiceList(client), "listafrutas");
    fruitList->setFixedWidth(kListWidth);
    fruitList->setSortingEnabled(false);
    fruitList->setUniformItemSizes(true);
    fruitList->setItemDelegate(new RowHeightDelegate(kListItemHeight, fruitList));
    listColumn->addWidget(fruitList, 1);
    columns->addLayout(listColumn);
    findAction = new QAction(this);
    findAction->setObjectName(QStringLiteral("findAction"));
    findAction->setShortcut(QKeySequence::Find);
    addAction(findAction);

    buildPages(client);
    columns->addWidget(reportTabs, 1);

    buildHiddenControls(client);
    describeControls();

    // Top to bottom, left to right: the find field, the list, the current fruit, the comparison,
    // the tool bar, the report tabs and the page under them.
    setTabOrder(findField, fruitList);
    setTabOrder(fruitList, addButton);
    setTabOrder(addButton, comparedFruitsCombo);
    setTabOrder(comparedFruitsCombo, removeButton);
    setTabOrder(removeButton, productPageButton);
    setTabOrder(productPageButton, aboutButton);
    setTabOrder(aboutButton, reportTabs);
    fruitList->setFocus();
}

void MainWindow::describeControls() {
    describe(findField, tr("Find a fruit"), tr("Lists only the fruits whose names hold the text"));
    describe(fruitList, tr("Fruits"), tr("The fruit to add to the comparison"));
    describe(addButton, tr("Add to comparison"),
             tr("Adds the fruit selected in the list to the comparison"));
    describe(comparedFruitsCombo, tr("Fruits in comparison"),
             tr("Choose a compared fruit to see its report"));
    describe(removeButton, tr("Remove from comparison"),
             tr("Removes the fruit chosen in the drop-down from the comparison"));
    describe(toolBar, tr("Tool bar"));
    describe(productPageButton, tr("Product web page"),
             tr("Opens the product web page in the browser"));
    describe(aboutButton, tr("About Quorvel"));
    // The tabs themselves are named by their captions, which change with the report shown.
    describe(reportTabs, tr("Reports"));
    describe(reportTabs->tabBar(), tr("Report tabs"));
    describe(fruitReportView, tr("Fruit report"));
    describe(comparisonView, tr("Comparison report"));
}

void MainWindow::buildPanel(QWidget* client) {
    topPanel = named(new QFrame(client), "Panel1");
    topPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    topPanel->setFixedHeight(kPanelHeight);

    // Inside the panel nothing moves or grows with the window.
    currentFruitGroup = named(new QGroupBox(tr("Current Fruit"), topPanel), "GroupBox1");
    currentFruitGroup->setGeometry(7, 7, 460, 99);
    // Plain text and no buddy: an "&" in a fruit's name is shown as it is, never as a mnemonic.
    currentFruitLabel = named(new QLabel(currentFruitGroup), "Label1");
    currentFruitLabel->setTextFormat(Qt::PlainText);
    currentFruitLabel->setText(QStringLiteral("Acerola (west indian cherry), raw"));
    currentFruitLabel->setAlignment(Qt::AlignCenter);
    currentFruitLabel->setWordWrap(false);
    currentFruitLabel->setFont(tahomaFont(21, true));
    currentFruitLabel->setGeometry(4, 15, 453, 29);
    addButton = makeButton("Button4", tr("Add to comparison >>"), currentFruitGroup,
                           QRect(169, 50, 122, 41));

    comparisonGroup = named(new QGroupBox(tr("Fruits in comparison"), topPanel), "GroupBox2");
    comparisonGroup->setGeometry(473, 7, 388, 99);
    comparedFruitsCombo = named(new QComboBox(comparisonGroup), "frutascombo");
    comparedFruitsCombo->setEditable(false);
    comparedFruitsCombo->setGeometry(16, 23, 353, 21);
    removeButton = makeButton("Button5", tr("Remove from comparison"), comparisonGroup,
                              QRect(132, 50, 144, 41));

    toolBar = named(new QToolBar(topPanel), "ToolBar1");
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setIconSize(QSize(48, 48));
    toolBar->setGeometry(872, 30, 116, 82);
    // The two 55-pixel buttons fill the bar: no margins or gaps that would push one of them
    // into the overflow menu.
    toolBar->layout()->setContentsMargins(0, 0, 0, 0);
    toolBar->layout()->setSpacing(0);
    productPageButton = makeToolButton("ToolButton2", "website");
    aboutButton = makeToolButton("ToolButton1", "about");
    toolBar->addWidget(productPageButton);
    toolBar->addWidget(aboutButton);
}

void MainWindow::buildPages(QWidget* client) {
    reportTabs = named(new QTabWidget(client), "PageControl1");
    fruitReportTab = makeTabSheet("tab1", fruitReportView, "wb");
    fruitReportSource =
        makeMemo("Memo1", QStringLiteral("Memo1"), fruitReportTab, QRect(16, 16, 649, 449));
    reportTabs->addTab(fruitReportTab, tr("Report"));
    comparisonTab = makeTabSheet("tab2", comparisonView, "wb2");
    comparisonView->setSilent(false);
    comparisonSource =
        makeMemo("Memo2", QStringLiteral("Memo2"), comparisonTab, QRect(22, 3, 595, 519));
    reportTabs->addTab(comparisonTab, tr("Comparison Report"));
}

void MainWindow::buildHiddenControls(QWidget* client) {
    parkedTabs = named(new QTabWidget(client), "pagecontrolhidden");
    parkedTabs->setGeometry(412, 58, 31, 42);
    parkedTabs->hide();
    refreshReportButton =
        makeButton("Button1", QStringLiteral("Button1"), client, QRect(304, 57, 75, 25));
    redrawChartsButton =
        makeButton("Button2", QStringLiteral("Button2"), client, QRect(385, 57, 75, 25));
    showSourceButton =
        makeButton("Button3", QStringLiteral("Button3"), client, QRect(466, 57, 75, 25));
    for (QPushButton* hidden : {refreshReportButton, redrawChartsButton, showSourceButton}) {
        hidden->hide();
    }
}
