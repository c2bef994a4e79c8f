#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <vector>

// Deals with the modal windows the program shows while a test waits for it: records every
// message box and presses its button, and records every showing of the about box and dismisses
// it as told.
class ModalWatcher : public QObject {
    Q_OBJECT
  public:
    struct Box {
        QString title;
        QString text;
        QMessageBox::Icon icon;
    };
    enum class Dismiss { ByOk, ByCloseBox };

    ModalWatcher();

    std::vector<Box> boxes;
    int aboutShown = 0;         // showings of the about box
    QStringList aboutCaptions;  // the about box's button text at each showing
    int aboutShownModal = 0;    // showings that were modal
    bool escapeClosedAbout = false;
    Dismiss dismissAbout = Dismiss::ByOk;
    bool tryEscapeFirst = false;

  private:
    void poll();
    QTimer timer_;
};
