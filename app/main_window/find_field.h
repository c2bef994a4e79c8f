#pragma once

#include <QLineEdit>

// The field above the fruit list that finds a fruit by typing. Escape empties it, as its clear
// button does; Down hands the keyboard on to the list below.
class FindField : public QLineEdit {
    Q_OBJECT
  public:
    explicit FindField(QWidget* parent = nullptr);

  signals:
    void downPressed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};
