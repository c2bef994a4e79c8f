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
class TAbout;
class TEmbeddedWB;

// The main window: the fruit list on the left, the current fruit, the comparison controls and the
// tool bar on top, the report tabs filling the rest. It owns the fruit table's lines, the lines of
// the last single-fruit report and the fruits being compared.
class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr int kClientWidth = 992;
    static constexpr int kClientHeight = 666;

    // Builds the window hidden and runs FormCreate; an error there is shown in an error box and
    // the window goes on with what was built.
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The about box shown by the menu, the tool bar and every closing of the window.
    void SetAbout(TAbout* about) { About = about; }

    // The controls, named as in the window's layout.
    QFrame* Panel1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Button4 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QComboBox* frutascombo = nullptr;
    QPushButton* Button5 = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QToolButton* ToolButton2 = nullptr;  // the product web page
    QToolButton* ToolButton1 = nullptr;  // the about box
    QListWidget* listafrutas = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* tab1 = nullptr;
    TEmbeddedWB* wb = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QWidget* tab2 = nullptr;
    TEmbeddedWB* wb2 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QTabWidget* pagecontrolhidden = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPlainTextEdit* unnamedMemo = nullptr;  // has no name in the layout; nothing uses it
    QMenu* About1 = nullptr;
    QAction* About2 = nullptr;
    QAction* Exit1 = nullptr;

    // Runs the comparison page's chart scripts in wb2; no control calls it.
    void Button6Click();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenu();
    void BuildClientArea();
    void BuildPanel(QWidget* client);
    void BuildPages(QWidget* client);
    void BuildHiddenControls(QWidget* client);
    void DescribeControls();
    void ConnectHandlers();

    void FormCreate();
    void FormClose();
    void FormDestroy();
    void ShowAboutBox();

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
    void AddListFruit();
    void RemoveComboFruit();
    void FillComparisonCombo();
    void ShowComparedFruitReport();
    void BuildComparisonReport();
    void SetReportCaption(const QString& fruitName);
    void BringInComparisonTab();
    void ParkComparisonTab();

    // The chart scripts, after every page a report view has finished.
    void wbDocumentComplete();
    void wb2DocumentComplete();

    TAbout* About = nullptr;
    std::vector<std::string> FruitLines;
    std::vector<std::string> ReportLines;
    ComparisonSet ComparisonFruits;
};
