// The menu "Amounts": the basis of the pages (per 100 g, per portion, per 100 kcal), the daily
// values they measure against, and the portion of the fruit shown; basis and standard are
// remembered between runs.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include "app/main_window/main_window.h"
#include "app/ranking/ranking_window.h"
#include "app/startup/error_report.h"
#include "app/startup/program_language.h"
#include "htmlview/win1252.h"

namespace {

// The program's settings are in the desktop's place for them: ~/.config/Quorvel/Quorvel.conf.
const QString kSettingsName = QStringLiteral("Quorvel");
const QString kBasisKey = QStringLiteral("amounts/basis");
const QString kStandardKey = QStringLiteral("amounts/standard");

// The settings' words for the choices; anything else reads as the first choice.
const std::pair<Basis, const char*> kBases[] = {
    {Basis::Per100g, "100g"}, {Basis::PerPortion, "portion"}, {Basis::Per100kcal, "100kcal"}};
const std::pair<DailyValueStandard, const char*> kStandards[] = {
    {DailyValueStandard::None, "none"},
    {DailyValueStandard::Us2016, "us"},
    {DailyValueStandard::Eu2011, "eu"}};

// A group of checkable entries of which one is checked.
QActionGroup* radioGroup(QMenu* menu, const std::vector<std::pair<QAction**, QString>>& entries,
                         const char* objectNames[]) {
    auto* group = new QActionGroup(menu);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        QAction* action = menu->addAction(entries[i].second);
        action->setObjectName(QLatin1String(objectNames[i]));
        action->setCheckable(true);
        group->addAction(action);
        *entries[i].first = action;
    }
    return group;
}

}  // namespace

void MainWindow::buildAmountsMenu() {
    // After "Report", before "Help".
    amountsMenu = new QMenu(tr("Amounts"), this);
    amountsMenu->setObjectName(QStringLiteral("amountsMenu"));
    menuBar()->insertMenu(helpMenu->menuAction(), amountsMenu);
    const char* basisNames[] = {"per100gAction", "perPortionAction", "per100kcalAction"};
    radioGroup(amountsMenu,
               {{&per100gAction, tr("Per 100 g")},
                {&perPortionAction, tr("Per portion")},
                {&per100kcalAction, tr("Per 100 kcal")}},
               basisNames);
    amountsMenu->addSeparator();
    const char* standardNames[] = {"noDailyValuesAction", "usDailyValuesAction",
                                   "euDailyValuesAction"};
    radioGroup(amountsMenu,
               {{&noDailyValuesAction, tr("No daily values")},
                {&usDailyValuesAction, tr("% of US daily values")},
                {&euDailyValuesAction, tr("% of EU reference intakes")}},
               standardNames);
    amountsMenu->addSeparator();
    portionMenu = amountsMenu->addMenu(tr("Portion"));
    portionMenu->setObjectName(QStringLiteral("portionMenu"));
}

void MainWindow::connectAmountsMenu() {
    // The measures come with the fruit table, in its language; a table that could not be read
    // has none.
    const std::size_t fruits = model_.state().fruitNames.size();
    if (fruits > 0) {
        guarded(
            [this, fruits] { model_.setMeasures(loadMeasureTable(programLanguage(), fruits)); })();
    }
    const QSettings settings(kSettingsName, kSettingsName);
    const QString basis = settings.value(kBasisKey).toString();
    const QString standard = settings.value(kStandardKey).toString();
    QAction* const basisActions[] = {per100gAction, perPortionAction, per100kcalAction};
    QAction* const standardActions[] = {noDailyValuesAction, usDailyValuesAction,
                                        euDailyValuesAction};
    basisActions[0]->setChecked(true);
    standardActions[0]->setChecked(true);
    for (std::size_t i = 0; i < 3; ++i) {
        if (basis == QLatin1String(kBases[i].second)) {
            basisActions[i]->setChecked(true);
        }
        if (standard == QLatin1String(kStandards[i].second)) {
            standardActions[i]->setChecked(true);
        }
    }
    for (QAction* action : {per100gAction, perPortionAction, per100kcalAction, noDailyValuesAction,
                            usDailyValuesAction, euDailyValuesAction}) {
        connect(action, &QAction::triggered, this, guarded([this] { applyAmounts(true); }));
    }
    // What the last run chose, without writing it back.
    guarded([this] { applyAmounts(false); })();
}

void MainWindow::applyAmounts(bool remember) {
    QAction* const basisActions[] = {per100gAction, perPortionAction, per100kcalAction};
    QAction* const standardActions[] = {noDailyValuesAction, usDailyValuesAction,
                                        euDailyValuesAction};
    std::size_t basis = 0;
    std::size_t standard = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        basis = basisActions[i]->isChecked() ? i : basis;
        standard = standardActions[i]->isChecked() ? i : standard;
    }
    if (remember) {
        QSettings settings(kSettingsName, kSettingsName);
        settings.setValue(kBasisKey, QLatin1String(kBases[basis].second));
        settings.setValue(kStandardKey, QLatin1String(kStandards[standard].second));
    }
    render(model_.setAmounts(kBases[basis].first, kStandards[standard].first));
    showAmountsInRanking();
}

void MainWindow::showAmountsInRanking() {
    if (rankingWindow_ == nullptr) {
        return;
    }
    std::vector<AmountsOnBasis> amounts;
    if (model_.basis() != Basis::Per100g) {
        for (std::size_t line = 0; line < model_.state().fruitNames.size(); ++line) {
            amounts.push_back(model_.amountsOf(line));
        }
    }
    rankingWindow_->setAmounts(std::move(amounts));
}

void MainWindow::showPortionMenu() {
    // The entries go later, not now: the one the user picked may be what called for this.
    for (QAction* action : portionMenu->actions()) {
        portionMenu->removeAction(action);
        action->deleteLater();
    }
    for (QActionGroup* group :
         portionMenu->findChildren<QActionGroup*>(QString(), Qt::FindDirectChildrenOnly)) {
        group->deleteLater();
    }
    const auto line = model_.chosenTableLine();
    if (!line) {
        portionMenu->setTitle(tr("Portion"));
        portionMenu->setEnabled(false);
        return;
    }
    const ComparisonState& state = model_.state();
    portionMenu->setTitle(
        tr("Portion of %1")
            .arg(fromWindows1252(state.comparedNames[static_cast<std::size_t>(state.chosenIndex)])
                     .replace(QLatin1Char('&'), QLatin1String("&&"))));
    const std::vector<HouseholdMeasure>& measures = model_.measuresOf(*line);
    portionMenu->setEnabled(!measures.empty());
    auto* group = new QActionGroup(portionMenu);
    for (std::size_t i = 0; i < measures.size(); ++i) {
        const QString label = fromWindows1252(measureLabel(measures[i], programLanguage()));
        QAction* action =
            portionMenu->addAction(QString(label).replace(QLatin1Char('&'), QLatin1String("&&")));
        action->setCheckable(true);
        action->setChecked(i == model_.portionOf(*line));
        group->addAction(action);
        connect(action, &QAction::triggered, this, guarded([this, line, i] {
                    render(model_.choosePortion(*line, i));
                    showAmountsInRanking();
                }));
    }
}
