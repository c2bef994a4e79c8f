#pragma once

#include <QWidget>
#include <cstddef>
#include <string>
#include <vector>

#include "reports/amounts_on_basis.h"

class QComboBox;
class HtmlView;

// The window "Rank fruits": a drop-down of the table's 32 amounts and a report view showing the
// ranking of all fruits by the chosen one, its chart drawn by the chart scripts beside the program
// after every page. A click on a fruit's name in the ranking raises fruitChosen with the fruit's
// table row, which is also its row in the main window's fruit list. With a parent it is a window
// of its own beside the parent, closed and destroyed with it.
class RankingWindow : public QWidget {
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

  private:
    void showRanking();
    void findClickedFruit(int x, int y);

    std::vector<std::string> fruitLines_;
    std::vector<AmountsOnBasis> amountsOfRow_;
};
