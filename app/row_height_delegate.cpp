#include "app/row_height_delegate.h"

RowHeightDelegate::RowHeightDelegate(int height, QObject* parent)
    : QStyledItemDelegate(parent), height_(height) {}

QSize RowHeightDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(height_);
    return size;
}
