#include "app/main_window/find_field.h"

#include <QKeyEvent>

FindField::FindField(QWidget* parent) : QLineEdit(parent) {
    setClearButtonEnabled(true);
}

void FindField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !text().isEmpty()) {
        clear();
        return;
    }
    if (event->key() == Qt::Key_Down) {
        emit downPressed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
