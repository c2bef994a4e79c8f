#pragma once

#include <QToolButton>

// A tool button the keyboard reaches like any other control: Tab stops on it, and Space, Enter
// or Return press it. It looks like a plain tool button; only while it has the focus does the
// style draw its focus frame.
class KeyboardToolButton : public QToolButton {
    Q_OBJECT
  public:
    explicit KeyboardToolButton(QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};
