#include "app/about_box/about_box.h"

#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QWebEnginePage>

#include "app/shared/app_fonts.h"
#include "app/shared/app_icon.h"
#include "app/shared/centre_on_screen.h"
#include "app/about_box/clickable_label.h"
#include "app/startup/error_report.h"
#include "app/shared/product_page.h"
#include "data/app_folder.h"
#include "htmlview/html_view.h"

namespace {

QLabel* makeLabel(const char* name, const QString& text, QWidget* parent, const QRect& place,
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

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("About"));
    setWindowTitle(tr("About Quorvel"));
    setWindowIcon(applicationIcon());
    // A fixed frame with the system menu and the close box only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(tahomaFont(11));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    buildControls();
    connect(okButton, &QPushButton::clicked, this, guarded([this] { acceptBox(); }));
    connect(productLink, &ClickableLabel::clicked, this, guarded([this] { openProductLink(); }));
    connect(likeView, &HtmlView::mousePressed, this, guarded([this] { like(); }));
    guarded([this] { loadLikePage(); })();
}

void AboutBox::buildControls() {
    questionLabel =
        makeLabel("Label1", tr("Do you like this freebie?"), this, QRect(8, 20, 476, 36), false);
    questionLabel->setAlignment(Qt::AlignCenter);
    questionLabel->setFont(tahomaFont(29, true));
    likeRequestLabel = makeLabel("Label2", tr("Please help us by clicking the like button:"), this,
                                 QRect(50, 94, 292, 19), false);
    likeRequestLabel->setFont(tahomaFont(16));

    likeView = new HtmlView(this);
    likeView->setObjectName(QStringLiteral("wb3"));
    likeView->setUserInterfaceOptions(
        {UserInterfaceOption::DisableTextSelect, UserInterfaceOption::DisableHelpMenu,
         UserInterfaceOption::DontUse3DBorders, UserInterfaceOption::DontUseScrollBars,
         UserInterfaceOption::EnableThemes});
    likeView->setDisableCtrlShortcuts(QStringLiteral("N"));
    likeView->setSilent(false);
    likeView->setGeometry(370, 66, 100, 100);
    likeView->setAccessibleName(tr("Like page"));
    likeView->setAccessibleDescription(tr("Holds the like button"));
    // The engine puts its own widget into the view once a page is under way; the keys pressed in
    // the page reach that widget.
    likeView->installEventFilter(this);

    detailsGroup = new QGroupBox(tr("The boring stuff:"), this);
    detailsGroup->setObjectName(QStringLiteral("GroupBox1"));
    detailsGroup->setGeometry(16, 176, 454, 145);
    copyrightLabel = makeLabel("Label3",
                               tr("Quorvel \u00A9 2026 The Quorvel Project. All rights reserved. "
                                  "Provided as is, without warranty of any kind."),
                               detailsGroup, QRect(12, 21, 414, 26), true);
    newestVersionLabel =
        makeLabel("Label4", tr("The most up to date version of the software can be found at:"),
                  detailsGroup, QRect(12, 53, 301, 20), true);
    productLink = new ClickableLabel(productHost(), detailsGroup);
    productLink->setObjectName(QStringLiteral("Label5"));
    productLink->setTextFormat(Qt::PlainText);
    productLink->setGeometry(315, 53, 118, 16);
    productLink->setFont(tahomaFont(13, true));
    QPalette blue = productLink->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    productLink->setPalette(blue);
    productLink->setCursor(Qt::PointingHandCursor);
    productLink->setAccessibleName(productHost());
    productLink->setAccessibleDescription(tr("Opens the product web page in the browser"));
    supportLabel = makeLabel("Label6",
                             tr("You can support the development of this tool by telling us "
                                "you like it, linking to it on your blog or sending your "
                                "comments to our website."),
                             detailsGroup, QRect(13, 69, 420, 26), true);

    // Neither default nor cancel: Enter presses it only while it has the focus.
    okButton = new QPushButton(tr("OK"), detailsGroup);
    okButton->setObjectName(QStringLiteral("Button1"));
    okButton->setGeometry(170, 106, 114, 28);
    okButton->setDefault(false);
    okButton->setAccessibleName(okButton->text());
}

void AboutBox::loadLikePage() {
    // The page loads once, now, whether or not the box is ever shown.
    likeView->navigate(QFile::decodeName(QByteArray::fromStdString(appFolder() + "quorvel.html")));
}

void AboutBox::keyPressEvent(QKeyEvent* event) {
    // Enter that reaches the box itself (from the page or the link) presses no button: the
    // button takes it only while it has the focus.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (event->key() == Qt::Key_Escape || enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool AboutBox::focusNextPrevChild(bool next) {
    // The page view's focus sits on a child the engine adds later, which would put the view
    // behind the button in the window's focus chain; the order is kept here instead. Inside the
    // page Tab goes through the page's own controls first (the engine's doing) and comes here
    // when it leaves them. The link, a tab stop only for keyboard users, comes after the button.
    const QList<QWidget*> order{likeView, okButton, productLink};
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

void AboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(*this);  // the desktop's centre, not the main window's
    for (QWidget* child : likeView->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        child->installEventFilter(this);
    }
    if (focusWidget() == nullptr) {
        likeView->setFocus(Qt::OtherFocusReason);
    }
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == likeView && event->type() == QEvent::ChildAdded) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType()) {
            child->installEventFilter(this);
        }
    } else if (event->type() == QEvent::KeyPress && watched->parent() == likeView) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool press = key->key() == Qt::Key_Space || key->key() == Qt::Key_Return ||
                           key->key() == Qt::Key_Enter;
        if (press && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
            !key->isAutoRepeat()) {
            likeIfOnPageControl();
        }
    }
    return QDialog::eventFilter(watched, event);
}

// Space or Enter presses the page's like control only while that control has the focus, as a
// click there does; in the page itself they press nothing, so a user who opens the box and
// presses Enter to leave it has not liked anything.
void AboutBox::likeIfOnPageControl() {
    QPointer<AboutBox> self(this);
    likeView->evaluate(
        QStringLiteral("(function () { var e = document.activeElement;"
                       " return !!e && e !== document.body && e !== document.documentElement;"
                       " })()"),
        [self](const QVariant& onControl) {
            if (self && onControl.toBool())
                guarded([self] { self->like(); })();
        });
}

void AboutBox::acceptBox() {
    accept();
}

void AboutBox::openProductLink() {
    openProductPage();
}

void AboutBox::like() {
    okButton->setText(tr("Thanks for liking!"));
    okButton->setAccessibleName(okButton->text());
}
