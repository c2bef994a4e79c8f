#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class TClickableLabel;
class TEmbeddedWB;

// The about box: asks the user to like the program, shows the small like page, says where the
// newest version is found and links to the product web page. Created once, hidden, at start-up;
// its page and its button's caption persist from one showing to the next.
class TAbout : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kClientWidth = 485;
    static constexpr int kClientHeight = 332;

    explicit TAbout(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    TEmbeddedWB* wb3 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    TClickableLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QPushButton* Button1 = nullptr;

  protected:
    // Escape does not close the box; its OK button and its close box do.
    void keyPressEvent(QKeyEvent* event) override;
    // Tab and Shift+Tab go round the like page, the link and the button, in this order.
    bool focusNextPrevChild(bool next) override;
    // The first showing starts in the like page.
    void showEvent(QShowEvent* event) override;
    // Space or Enter in the like page counts as a click in it.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    void FormCreate();
    void Button1Click();
    void Label5Click();
    void wb3Click();
};
