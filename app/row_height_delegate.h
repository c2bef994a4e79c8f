#pragma once

#include <QStyledItemDelegate>

// Draws list entries as usual but lays them out at a fixed height in pixels.
class RowHeightDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    RowHeightDelegate(int height, QObject* parent);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    int height_;
};
