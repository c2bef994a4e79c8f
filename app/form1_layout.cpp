// The main window's controls: names, texts, places and sizes as the window was designed at
// 992 x 666 client pixels, and how they follow a resize.
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/app_fonts.h"
#include "app/form1.h"
#include "app/keyboard_tool_button.h"
#include "app/row_height_delegate.h"
#include "htmlview/embedded_wb.h"

namespace {

constexpr int kPanelHeight = 113;
constexpr int kListWidth = 249;
constexpr int kListItemHeight = 13;

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// What a screen reader says for a control; the description adds what it is for.
void Describe(QWidget* widget, const QString& name, const QString& description = QString()) {
    widget->setAccessibleName(name);
    if (!description.isEmpty()) {
        widget->setAccessibleDescription(description);
    }
}

// A tool bar image in every size the program carries, so that a screen scaled by two gets the
// 96-pixel drawing instead of the 48-pixel one blown up.
QIcon ToolBarImage(const char* name) {
    QIcon icon;
    for (const int size : {48, 96}) {
        icon.addFile(QStringLiteral(":/icons/%1-%2.png").arg(QLatin1String(name)).arg(size),
                     QSize(size, size));
    }
    return icon;
}

QPushButton* MakeButton(const char* name, const QString& text, QWidget* parent,
                        const QRect& place) {
    auto* button = Named(new QPushButton(text, parent), name);
    button->setGeometry(place);
    return button;
}

QPlainTextEdit* MakeMemo(const char* name, const QString& text, QWidget* parent,
                         const QRect& place) {
    auto* memo = Named(new QPlainTextEdit(text, parent), name);
    memo->setGeometry(place);
    memo->hide();
    return memo;
}

QToolButton* MakeToolButton(const char* name, const char* image) {
    auto* button = Named(new TKeyboardToolButton, name);
    button->setIcon(ToolBarImage(image));
    button->setIconSize(QSize(48, 48));
    button->setFixedSize(55, 54);
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    return button;
}

// The report views: no text selection, flat, themed; Ctrl+N never reaches the page.
TEmbeddedWB* MakeReportView(const char* name, QWidget* parent) {
    auto* view = Named(new TEmbeddedWB(parent), name);
    view->SetUserInterfaceOptions(
        {TUserInterfaceOption::DisableTextSelect, TUserInterfaceOption::DisableHelpMenu,
         TUserInterfaceOption::DontUse3DBorders, TUserInterfaceOption::ForceFlatScrollBars,
         TUserInterfaceOption::EnablesFormsAutoComplete, TUserInterfaceOption::EnableThemes});
    view->SetDisableCtrlShortcuts(QStringLiteral("N"));
    return view;
}

// A tab sheet whose view fills it.
QWidget* MakeTabSheet(const char* name, TEmbeddedWB*& view, const char* viewName) {
    auto* sheet = Named(new QWidget, name);
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    view = MakeReportView(viewName, sheet);
    layout->addWidget(view);
    return sheet;
}

}  // namespace

void TForm1::BuildMenu() {
    About1 = Named(menuBar()->addMenu(QStringLiteral("Help")), "About1");
    About2 = Named(About1->addAction(QStringLiteral("About")), "About2");
    Exit1 = Named(menuBar()->addAction(QStringLiteral("Exit")), "Exit1");
    // The captions carry no access letters and no item has a key of its own: the keyboard
    // reaches the bar by Alt alone (the style's menu key), then the arrow keys and Return.
}

void TForm1::BuildClientArea() {
    auto* client = Named(new QWidget, "client");
    setCentralWidget(client);

    // The panel keeps its height and follows the width; under it the list keeps its width and
    // the page control takes the rest.
    auto* rows = new QVBoxLayout(client);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    BuildPanel(client);
    rows->addWidget(Panel1);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(0);
    rows->addLayout(columns, 1);

    listafrutas = Named(new QListWidget(client), "listafrutas");
    listafrutas->setFixedWidth(kListWidth);
    listafrutas->setSelectionMode(QAbstractItemView::SingleSelection);
    listafrutas->setSortingEnabled(false);
    listafrutas->setUniformItemSizes(true);
    listafrutas->setItemDelegate(new TRowHeightDelegate(kListItemHeight, listafrutas));
    columns->addWidget(listafrutas);

    BuildPages(client);
    columns->addWidget(PageControl1, 1);

    BuildHiddenControls(client);
    DescribeControls();

    // Top to bottom, left to right: the list, the current fruit, the comparison, the tool bar,
    // the report tabs and the page under them.
    setTabOrder(listafrutas, Button4);
    setTabOrder(Button4, frutascombo);
    setTabOrder(frutascombo, Button5);
    setTabOrder(Button5, ToolButton2);
    setTabOrder(ToolButton2, ToolButton1);
    setTabOrder(ToolButton1, PageControl1);
    listafrutas->setFocus();
}

void TForm1::DescribeControls() {
    Describe(listafrutas, QStringLiteral("Fruits"),
             QStringLiteral("The fruit to add to the comparison"));
    Describe(Button4, QStringLiteral("Add to comparison"),
             QStringLiteral("Adds the fruit selected in the list to the comparison"));
    Describe(frutascombo, QStringLiteral("Fruits in comparison"),
             QStringLiteral("Choose a compared fruit to see its report"));
    Describe(Button5, QStringLiteral("Remove from comparison"),
             QStringLiteral("Removes the fruit chosen in the drop-down from the comparison"));
    Describe(ToolBar1, QStringLiteral("Tool bar"));
    Describe(ToolButton2, QStringLiteral("Product web page"),
             QStringLiteral("Opens the product web page in the browser"));
    Describe(ToolButton1, QStringLiteral("About Quorvel"));
    // The tabs themselves are named by their captions, which change with the report shown.
    Describe(PageControl1, QStringLiteral("Reports"));
    Describe(PageControl1->tabBar(), QStringLiteral("Report tabs"));
    Describe(wb, QStringLiteral("Fruit report"));
    Describe(wb2, QStringLiteral("Comparison report"));
}

void TForm1::BuildPanel(QWidget* client) {
    Panel1 = Named(new QFrame(client), "Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setFixedHeight(kPanelHeight);

    // Inside the panel nothing moves or grows with the window.
    GroupBox1 = Named(new QGroupBox(QStringLiteral("Current Fruit"), Panel1), "GroupBox1");
    GroupBox1->setGeometry(7, 7, 460, 99);
    // Plain text and no buddy: an "&" in a fruit's name is shown as it is, never as a mnemonic.
    Label1 = Named(new QLabel(GroupBox1), "Label1");
    Label1->setTextFormat(Qt::PlainText);
    Label1->setText(QStringLiteral("Acerola (west indian cherry), raw"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(false);
    Label1->setFont(TahomaFont(21, true));
    Label1->setGeometry(4, 15, 453, 29);
    Button4 = MakeButton("Button4", QStringLiteral("Add to comparison >>"), GroupBox1,
                         QRect(169, 50, 122, 41));

    GroupBox2 = Named(new QGroupBox(QStringLiteral("Fruits in comparison"), Panel1), "GroupBox2");
    GroupBox2->setGeometry(473, 7, 388, 99);
    frutascombo = Named(new QComboBox(GroupBox2), "frutascombo");
    frutascombo->setEditable(false);
    frutascombo->setGeometry(16, 23, 353, 21);
    Button5 = MakeButton("Button5", QStringLiteral("Remove from comparison"), GroupBox2,
                         QRect(132, 50, 144, 41));

    ToolBar1 = Named(new QToolBar(Panel1), "ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(48, 48));
    ToolBar1->setGeometry(872, 30, 116, 82);
    // The two 55-pixel buttons fill the bar: no margins or gaps that would push one of them
    // into the overflow menu.
    ToolBar1->layout()->setContentsMargins(0, 0, 0, 0);
    ToolBar1->layout()->setSpacing(0);
    ToolButton2 = MakeToolButton("ToolButton2", "website");
    ToolButton1 = MakeToolButton("ToolButton1", "about");
    ToolBar1->addWidget(ToolButton2);
    ToolBar1->addWidget(ToolButton1);
}

void TForm1::BuildPages(QWidget* client) {
    PageControl1 = Named(new QTabWidget(client), "PageControl1");
    tab1 = MakeTabSheet("tab1", wb, "wb");
    Memo1 = MakeMemo("Memo1", QStringLiteral("Memo1"), tab1, QRect(16, 16, 649, 449));
    PageControl1->addTab(tab1, QStringLiteral("Report"));
    tab2 = MakeTabSheet("tab2", wb2, "wb2");
    Memo2 = MakeMemo("Memo2", QStringLiteral("Memo2"), tab2, QRect(22, 3, 595, 519));
    PageControl1->addTab(tab2, QStringLiteral("Comparison Report"));
}

void TForm1::BuildHiddenControls(QWidget* client) {
    pagecontrolhidden = Named(new QTabWidget(client), "pagecontrolhidden");
    pagecontrolhidden->setGeometry(412, 58, 31, 42);
    pagecontrolhidden->hide();
    Button1 = MakeButton("Button1", QStringLiteral("Button1"), client, QRect(304, 57, 75, 25));
    Button2 = MakeButton("Button2", QStringLiteral("Button2"), client, QRect(385, 57, 75, 25));
    Button3 = MakeButton("Button3", QStringLiteral("Button3"), client, QRect(466, 57, 75, 25));
    for (QPushButton* hidden : {Button1, Button2, Button3}) {
        hidden->hide();
    }
    unnamedMemo = MakeMemo("", QStringLiteral("Memo1"), client, QRect(328, 57, 457, 489));
}
