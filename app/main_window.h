#pragma once

#include <QMainWindow>
#include <string>
#include <vector>

#include "compare/comparison_set.h"

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
class HtmlView;

// The main window: the fruit list on the left, the current fruit, the comparison controls and the
// tool bar on top, the report tabs filling the rest. It owns the fruit table's lines, the lines of
// the last single-fruit report and the fruits being compared.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr int kClientWidth = 992;
    static constexpr int kClientHeight = 666;

    // Builds the window hidden and runs formCreate; an error there is shown in an error box and
    // the window goes on with what was built.
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The about box shown by the menu, the tool bar and every closing of the window.
    void setAbout(AboutBox* about) { About = about; }

    // The controls, named as in the window's layout.
    QFrame* topPanel = nullptr;
    QGroupBox* currentFruitGroup = nullptr;
    QLabel* currentFruitLabel = nullptr;
    QPushButton* addButton = nullptr;
    QGroupBox* comparisonGroup = nullptr;
    QComboBox* comparedFruitsCombo = nullptr;
    QPushButton* removeButton = nullptr;
    QToolBar* toolBar = nullptr;
    QToolButton* productPageButton = nullptr;  // the product web page
    QToolButton* aboutButton = nullptr;        // the about box
    QListWidget* fruitList = nullptr;
    QTabWidget* reportTabs = nullptr;
    QWidget* fruitReportTab = nullptr;
    HtmlView* fruitReportView = nullptr;
    QPlainTextEdit* fruitReportSource = nullptr;
    QWidget* comparisonTab = nullptr;
    HtmlView* comparisonView = nullptr;
    QPlainTextEdit* comparisonSource = nullptr;
    QTabWidget* parkedTabs = nullptr;
    QPushButton* refreshReportButton = nullptr;
    QPushButton* redrawChartsButton = nullptr;
    QPushButton* showSourceButton = nullptr;
    QPlainTextEdit* spareMemo = nullptr;  // has no name in the layout; nothing uses it
    QMenu* helpMenu = nullptr;
    QAction* aboutAction = nullptr;
    QAction* exitAction = nullptr;

    // Runs the comparison page's chart scripts in wb2; no control calls it.
    void Button6Click();

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

    void formCreate();
    void formClose();
    void formDestroy();
    void showAboutBox();

    void listafrutasClick();
    void About2Click();
    void Exit1Click();
    void ToolButton1Click();
    void ToolButton2Click();
    void Button1Click();
    void Button2Click();
    void Button3Click();

    // The comparison.
    void Button4Click();
    void Button5Click();
    void frutascomboChange();
    void addListFruit();
    void removeComboFruit();
    void fillComparisonCombo();
    void showComparedFruitReport();
    void buildComparisonReport();
    void setReportCaption(const QString& fruitName);
    void bringInComparisonTab();
    void parkComparisonTab();

    // The chart scripts, after every page a report view has finished.
    void wbDocumentComplete();
    void wb2DocumentComplete();

    AboutBox* About = nullptr;
    std::vector<std::string> fruitLines;
    std::vector<std::string> ReportLines;
    ComparisonSet ComparisonFruits;
};
