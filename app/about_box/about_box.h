#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class ClickableLabel;
class HtmlView;

// The about box: asks the user to like the program, shows the small like page, says where the
// newest version is found and links to the product web page. Created once, hidden, at start-up;
// its page and its button's caption persist from one showing to the next.
class AboutBox : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kClientWidth = 485;
    static constexpr int kClientHeight = 332;

    explicit AboutBox(QWidget* parent = nullptr);

    QLabel* questionLabel = nullptr;
    QLabel* likeRequestLabel = nullptr;
    HtmlView* likeView = nullptr;
    QGroupBox* detailsGroup = nullptr;
    QLabel* copyrightLabel = nullptr;
    QLabel* newestVersionLabel = nullptr;
    ClickableLabel* productLink = nullptr;
    QLabel* supportLabel = nullptr;
    QPushButton* okButton = nullptr;

  protected:
    // Escape does not close the box; its OK button and its close box do.
    void keyPressEvent(QKeyEvent* event) override;
    // Tab and Shift+Tab go round the like page, the button and the link, in this order.
    bool focusNextPrevChild(bool next) override;
    // The first showing starts in the like page, with none of the page's controls focused.
    void showEvent(QShowEvent* event) override;
    // Space or Enter on the page's like control counts as a click in the page.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void loadLikePage();
    void likeIfOnPageControl();
    void acceptBox();
    void openProductLink();
    void like();
};
