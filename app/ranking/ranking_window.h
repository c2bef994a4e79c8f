#pragma once

#include <QDialog>
#include <cstddef>
#include <string>
#include <vector>

#include "reports/amounts_on_basis.h"

class QComboBox;
class QKeyEvent;
class HtmlView;

// The window "Rank fruits": a drop-down of the table's 32 amounts and a report view showing the
// ranking of all fruits by the chosen one, its chart drawn by the chart scripts beside the program
// after every page. A click on a fruit's name in the ranking, or Enter on the name the keyboard
// has reached (Tab moves through the names), raises fruitChosen with the fruit's table row. A
// modeless dialog: a window of its own beside its parent, closed by Escape, destroyed with the
// parent.
class RankingWindow : public QDialog {
    Q_OBJECT
  public:
    // fruitLines: the fruit table's lines, closing line included, as the main window loaded them.
    explicit RankingWindow(std::vector<std::string> fruitLines, QWidget* parent = nullptr);

    // Chooses amount column (1 to 32) in the drop-down, which shows its ranking.
    void showColumn(std::size_t column);
    // The column the drop-down shows.
    std::size_t column() const;
    // Ranks on the basis of these amounts, one per fruit row (none: per 100 g), from now on.
    void setAmounts(std::vector<AmountsOnBasis> amountsOfRow);

    QComboBox* amountCombo = nullptr;
    HtmlView* rankView = nullptr;

  signals:
    void fruitChosen(int tableRow);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void showRanking();
    void chooseFruitOf(const QString& findRowScript);

    std::vector<std::string> fruitLines_;
    std::vector<AmountsOnBasis> amountsOfRow_;
};
