#include "modal_watcher.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "app/about_box/about_box.h"

ModalWatcher::ModalWatcher() {
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &ModalWatcher::poll);
    timer_.start();
}

void ModalWatcher::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        boxes.push_back({box->windowTitle(), box->text(), box->icon()});
        box->buttons().value(0)->click();
    } else if (auto* about = qobject_cast<AboutBox*>(modal)) {
        ++aboutShown;
        aboutCaptions.append(about->okButton->text());
        if (about->isModal()) {
            ++aboutShownModal;
        }
        if (tryEscapeFirst) {
            QTest::keyClick(about, Qt::Key_Escape);
            escapeClosedAbout = escapeClosedAbout || !about->isVisible();
        }
        if (dismissAbout == Dismiss::ByOk) {
            about->okButton->click();
        } else {
            about->close();
        }
    }
}
