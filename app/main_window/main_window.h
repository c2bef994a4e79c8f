#pragma once

#include <QMainWindow>
#include <QString>

#include "compare/comparison_model.h"

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolBar;
class QToolButton;
class AboutBox;
class FindField;
class HtmlView;
class RankingWindow;

// The main window: the fruit list on the left, the current fruit, the comparison controls and the
// tool bar on top, the report tabs filling the rest. It shows the comparison model's state and
// hands every action of the user to the model; the rules are the model's.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr int kClientWidth = 992;
    static constexpr int kClientHeight = 666;

    // Builds the window hidden and loads the fruit table; an error there is shown in an error box
    // and the window goes on with what was built.
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The about box shown by the menu, the tool bar and every closing of the window.
    void setAboutBox(AboutBox* aboutBox) { aboutBox_ = aboutBox; }

    const ComparisonModel& model() const { return model_; }

    // The controls; their object names are the layout's (docs/controls.md).
    QFrame* topPanel = nullptr;
    QGroupBox* currentFruitGroup = nullptr;
    QLabel* currentFruitLabel = nullptr;
    QPushButton* addButton = nullptr;
    QGroupBox* comparisonGroup = nullptr;
    QComboBox* comparedFruitsCombo = nullptr;
    QPushButton* removeButton = nullptr;
    QToolBar* toolBar = nullptr;
    QToolButton* productPageButton = nullptr;
    QToolButton* aboutButton = nullptr;
    FindField* findField = nullptr;
    QListWidget* fruitList = nullptr;
    QTabWidget* reportTabs = nullptr;
    QWidget* fruitReportTab = nullptr;
    HtmlView* fruitReportView = nullptr;
    QPlainTextEdit* fruitReportSource = nullptr;
    QWidget* comparisonTab = nullptr;
    HtmlView* comparisonView = nullptr;
    QPlainTextEdit* comparisonSource = nullptr;
    QTabWidget* parkedTabs = nullptr;
    // Hidden and out of the user's reach; the window tests press them to refresh the report, to
    // run its charts again and to show the page's source.
    QPushButton* refreshReportButton = nullptr;
    QPushButton* redrawChartsButton = nullptr;
    QPushButton* showSourceButton = nullptr;
    QMenu* reportMenu = nullptr;
    QAction* printAction = nullptr;
    QAction* savePdfAction = nullptr;
    QAction* exportCsvAction = nullptr;
    QAction* rankAction = nullptr;
    // The menu "Amounts" (amounts_menu.cpp).
    QMenu* amountsMenu = nullptr;
    QAction* per100gAction = nullptr;
    QAction* perPortionAction = nullptr;
    QAction* per100kcalAction = nullptr;
    QAction* noDailyValuesAction = nullptr;
    QAction* usDailyValuesAction = nullptr;
    QAction* euDailyValuesAction = nullptr;
    QMenu* portionMenu = nullptr;  // the measures of the fruit shown, rebuilt with every state
    QMenu* helpMenu = nullptr;
    QAction* aboutAction = nullptr;
    QAction* exitAction = nullptr;
    QAction* findAction = nullptr;  // Ctrl+F: the keyboard to the find field

    // Runs the comparison page's chart scripts again; no control calls it.
    void redrawComparisonCharts();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenu();
    void buildClientArea();
    void buildPanel(QWidget* client);
    void buildPages(QWidget* client);
    void buildHiddenControls(QWidget* client);
    void describeControls();
    void connectHandlers();
    void loadFruitTable();
    void showAboutBox();

    // Shows the model's state after an action and loads the pages the action wrote.
    void render(const ComparisonChange& change);
    void showComparisonTab(bool shown);
    void showFruitList();

    // The menu "Report".
    struct ShownReport {
        QWidget* window;  // the window it is shown in, which owns the dialogs about it
        HtmlView* view;
        QString name;  // what a file of it is called
    };
    void buildReportMenu();
    void connectReportMenu();
    ShownReport shownReport();
    void showRankingWindow();

    // The menu "Amounts": the model and the ranking on the checked basis and standard, which the
    // settings keep for the next run when the user chose them.
    void buildAmountsMenu();
    void connectAmountsMenu();
    void applyAmounts(bool remember);
    void showAmountsInRanking();
    void showPortionMenu();

    AboutBox* aboutBox_ = nullptr;
    RankingWindow* rankingWindow_ = nullptr;  // made when first asked for, a child of the window
    ComparisonModel model_;
};
