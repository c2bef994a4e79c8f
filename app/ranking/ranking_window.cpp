// The ranking window: the chosen amount's ranking page in a report view, the chart scripts after
// every page, and a click on a fruit's name traced back to the fruit's table row.
#include "app/ranking/ranking_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QShortcut>
#include <QVBoxLayout>
#include <utility>

#include "app/report_views/report_view.h"
#include "app/report_views/view_script_target.h"
#include "app/shared/app_fonts.h"
#include "app/shared/app_icon.h"
#include "app/startup/error_report.h"
#include "app/startup/program_language.h"
#include "data/nutrient_columns.h"
#include "htmlview/html_view.h"
#include "htmlview/win1252.h"
#include "reports/chart_runner.h"
#include "reports/ranking.h"
#include "reports/ranking_page.h"

namespace {

// The table row of the fruit whose name cell holds an element of the page, or -1. The page puts
// each fruit's row in data-row of its table row.
QString rowOfElementScript(const QString& element) {
    return QStringLiteral(
               "(function () { var e = %1;"
               " var name = e && e.closest ? e.closest('th[scope=\"row\"]') : null;"
               " var row = name ? name.parentElement.getAttribute('data-row') : null;"
               " return row === null ? -1 : Number(row); })()")
        .arg(element);
}

}  // namespace

RankingWindow::RankingWindow(std::vector<std::string> fruitLines, QWidget* parent)
    : QDialog(parent), fruitLines_(std::move(fruitLines)) {
    setObjectName(QStringLiteral("RankingWindow"));
    setWindowTitle(tr("Rank fruits"));
    setWindowIcon(applicationIcon());
    setSizeGripEnabled(true);
    setFont(tahomaFont(11));

    auto* label = new QLabel(tr("&Amount:"), this);
    amountCombo = new QComboBox(this);
    amountCombo->setObjectName(QStringLiteral("amountcombo"));
    amountCombo->setAccessibleName(tr("Amount"));
    amountCombo->setAccessibleDescription(tr("The amount the fruits are ranked by"));
    amountCombo->setMaxVisibleItems(16);
    for (std::size_t column = kFirstAmountColumn; column <= kLastAmountColumn; ++column) {
        // The units (with "\xB5g") stay in the page.
        amountCombo->addItem(fromWindows1252(tableColumns(programLanguage())[column].name),
                             static_cast<qulonglong>(column));
    }
    label->setBuddy(amountCombo);

    rankView = makeReportView("rankview", this);
    rankView->setAccessibleName(tr("Ranking"));

    auto* top = new QHBoxLayout;
    top->setContentsMargins(8, 8, 8, 6);
    top->addWidget(label);
    top->addWidget(amountCombo);
    top->addStretch(1);
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    rows->addLayout(top);
    rows->addWidget(rankView, 1);
    setTabOrder(amountCombo, rankView);
    resize(820, 700);

    // Every change of the amount, by keyboard, mouse or program, shows its ranking.
    connect(amountCombo, &QComboBox::currentIndexChanged, this, guarded([this] { showRanking(); }));
    connect(rankView, &HtmlView::documentComplete, this,
            guarded([this] { runChartsIn(*rankView, runRankingCharts); }));
    connect(
        rankView, &HtmlView::mousePressed, this,
        [this](HtmlView*, Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
            if (button == Qt::LeftButton) {
                // CSS pixels of the page: the view's pixels over its zoom.
                const double zoom = rankView->zoomFactor() > 0 ? rankView->zoomFactor() : 1.0;
                chooseFruitOf(rowOfElementScript(QStringLiteral("document.elementFromPoint(%1, %2)")
                                                     .arg(x / zoom)
                                                     .arg(y / zoom)));
            }
        });
    // Escape closes the window also from inside the page, which takes the key for itself.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QDialog::reject);
    close->setContext(Qt::WidgetWithChildrenShortcut);
    guarded([this] { showRanking(); })();
    amountCombo->setFocus();
}

void RankingWindow::showColumn(std::size_t column) {
    const int index = amountCombo->findData(static_cast<qulonglong>(column));
    if (index >= 0) {
        amountCombo->setCurrentIndex(index);
    }
}

std::size_t RankingWindow::column() const {
    return static_cast<std::size_t>(amountCombo->currentData().toULongLong());
}

void RankingWindow::showRanking() {
    rankView->loadHtmlLines(
        rankingPageLines(fruitLines_, column(), programLanguage(), amountsOfRow_));
}

void RankingWindow::setAmounts(std::vector<AmountsOnBasis> amountsOfRow) {
    if (amountsOfRow.empty() && amountsOfRow_.empty()) {
        return;  // per 100 g as it was: the page stands
    }
    amountsOfRow_ = std::move(amountsOfRow);
    showRanking();
}

void RankingWindow::keyPressEvent(QKeyEvent* event) {
    // Enter in the page, where no control of the page took it: the fruit whose name has the focus.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && rankView->hasFocus()) {
        chooseFruitOf(rowOfElementScript(QStringLiteral("document.activeElement")));
        return;
    }
    QDialog::keyPressEvent(event);
}

void RankingWindow::chooseFruitOf(const QString& findRowScript) {
    const int fruits = fruitLines_.empty() ? 0 : static_cast<int>(fruitLines_.size()) - 1;
    QPointer<RankingWindow> self(this);
    rankView->evaluate(findRowScript, [self, fruits](const QVariant& result) {
        bool ok = false;
        const int row = result.toInt(&ok);
        if (self && ok && row >= 0 && row < fruits) {
            emit self->fruitChosen(row);
        }
    });
}
