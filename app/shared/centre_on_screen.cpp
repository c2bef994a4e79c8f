#include "app/shared/centre_on_screen.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>

void centreOnScreen(QWidget& window) {
    if (const QScreen* screen = window.screen()) {
        window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                               screen->availableGeometry()));
    }
}
