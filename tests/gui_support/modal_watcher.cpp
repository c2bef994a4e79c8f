#include "modal_watcher.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "app/about.h"

ModalWatcher::ModalWatcher() {
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &ModalWatcher::Poll);
    timer_.start();
}

void ModalWatcher::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        boxes.push_back({box->windowTitle(), box->text(), box->icon()});
        box->buttons().value(0)->click();
    } else if (auto* about = qobject_cast<TAbout*>(modal)) {
        ++aboutShown;
        aboutCaptions.append(about->Button1->text());
        if (about->isModal()) {
            ++aboutShownModal;
        }
        if (tryEscapeFirst) {
            QTest::keyClick(about, Qt::Key_Escape);
            escapeClosedAbout = escapeClosedAbout || !about->isVisible();
        }
        if (dismissAbout == Dismiss::ByOk) {
            about->Button1->click();
        } else {
            about->close();
        }
    }
}
