#include "app/about.h"

#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "app/app_fonts.h"
#include "app/app_icon.h"
#include "app/centre_on_screen.h"
#include "app/clickable_label.h"
#include "app/error_report.h"
#include "app/product_page.h"
#include "data/app_folder.h"
#include "htmlview/embedded_wb.h"

namespace {

QLabel* MakeLabel(const char* name, const QString& text, QWidget* parent, const QRect& place,
                  bool wrap) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setWordWrap(wrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(place);
    return label;
}

}  // namespace

TAbout::TAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About Quorvel"));
    setWindowIcon(ApplicationIcon());
    // A fixed frame with the system menu and the close box only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(TahomaFont(11));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    BuildControls();
    connect(Button1, &QPushButton::clicked, this, Guarded([this] { Button1Click(); }));
    connect(Label5, &TClickableLabel::clicked, this, Guarded([this] { Label5Click(); }));
    connect(wb3, &TEmbeddedWB::OnClick, this, Guarded([this] { wb3Click(); }));
    Guarded([this] { FormCreate(); })();
}

void TAbout::BuildControls() {
    Label1 = MakeLabel("Label1", QStringLiteral("Do you like this freebie?"), this,
                       QRect(8, 20, 476, 36), false);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(TahomaFont(29, true));
    Label2 = MakeLabel("Label2", QStringLiteral("Please help us by clicking the like button:"),
                       this, QRect(50, 94, 292, 19), false);
    Label2->setFont(TahomaFont(16));

    wb3 = new TEmbeddedWB(this);
    wb3->setObjectName(QStringLiteral("wb3"));
    wb3->SetUserInterfaceOptions(
        {TUserInterfaceOption::DisableTextSelect, TUserInterfaceOption::DisableHelpMenu,
         TUserInterfaceOption::DontUse3DBorders, TUserInterfaceOption::DontUseScrollBars,
         TUserInterfaceOption::EnableThemes});
    wb3->SetDisableCtrlShortcuts(QStringLiteral("N"));
    wb3->setGeometry(370, 66, 100, 100);
    wb3->setAccessibleName(QStringLiteral("Like page"));
    wb3->setAccessibleDescription(QStringLiteral("Holds the like button"));
    // The engine puts its own widget into the view once a page is under way; the keys pressed in
    // the page reach that widget.
    wb3->installEventFilter(this);

    GroupBox1 = new QGroupBox(QStringLiteral("The boring stuff:"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(16, 176, 454, 145);
    Label3 =
        MakeLabel("Label3",
                  QStringLiteral("Quorvel \u00A9 2026 The Quorvel Project. All rights reserved. "
                                 "Provided as is, without warranty of any kind."),
                  GroupBox1, QRect(12, 21, 414, 26), true);
    Label4 = MakeLabel(
        "Label4", QStringLiteral("The most up to date version of the software can be found at:"),
        GroupBox1, QRect(12, 53, 301, 20), true);
    Label5 = new TClickableLabel(ProductHost(), GroupBox1);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setTextFormat(Qt::PlainText);
    Label5->setGeometry(315, 53, 118, 16);
    Label5->setFont(TahomaFont(13, true));
    QPalette blue = Label5->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    Label5->setPalette(blue);
    Label5->setCursor(Qt::PointingHandCursor);
    Label5->setAccessibleName(ProductHost());
    Label5->setAccessibleDescription(QStringLiteral("Opens the product web page in the browser"));
    Label6 = MakeLabel("Label6",
                       QStringLiteral("You can support the development of this tool by telling us "
                                      "you like it, linking to it on your blog or sending your "
                                      "comments to our website."),
                       GroupBox1, QRect(13, 69, 420, 26), true);

    // Neither default nor cancel: Enter presses it only while it has the focus.
    Button1 = new QPushButton(QStringLiteral("OK"), GroupBox1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(170, 106, 114, 28);
    Button1->setDefault(false);
    Button1->setAccessibleName(Button1->text());
}

void TAbout::FormCreate() {
    // The page loads once, now, whether or not the box is ever shown.
    wb3->Navigate(QFile::decodeName(QByteArray::fromStdString(AppFolder() + "quorvel.html")));
}

void TAbout::keyPressEvent(QKeyEvent* event) {
    // Enter that reaches the box itself (from the page or the link) presses no button: the
    // button takes it only while it has the focus.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (event->key() == Qt::Key_Escape || enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TAbout::focusNextPrevChild(bool next) {
    // The page view's focus sits on a child the engine adds later, which would put the view
    // behind the button in the window's focus chain; the order is kept here instead.
    const QList<QWidget*> order{wb3, Label5, Button1};
    qsizetype current = -1;
    for (QWidget* widget = focusWidget(); widget != nullptr && current < 0;
         widget = widget->parentWidget()) {
        current = order.indexOf(widget);
    }
    const qsizetype count = order.size();
    const qsizetype target =
        current < 0 ? (next ? 0 : count - 1) : (current + (next ? 1 : count - 1)) % count;
    order.at(target)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void TAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);  // the desktop's centre, not the main window's
    for (QWidget* child : wb3->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        child->installEventFilter(this);
    }
    if (focusWidget() == nullptr) {
        wb3->setFocus(Qt::OtherFocusReason);
    }
}

bool TAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == wb3 && event->type() == QEvent::ChildAdded) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType()) {
            child->installEventFilter(this);
        }
    } else if (event->type() == QEvent::KeyPress && watched->parent() == wb3) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool press = key->key() == Qt::Key_Space || key->key() == Qt::Key_Return ||
                           key->key() == Qt::Key_Enter;
        if (press && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
            !key->isAutoRepeat()) {
            Guarded([this] { wb3Click(); })();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TAbout::Button1Click() {
    accept();
}

void TAbout::Label5Click() {
    OpenProductPage();
}

void TAbout::wb3Click() {
    Button1->setText(QStringLiteral("Thanks for liking!"));
    Button1->setAccessibleName(Button1->text());
}
