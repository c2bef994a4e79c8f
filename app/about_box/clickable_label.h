#pragma once

#include <QLabel>

// A label that acts as a link: it reports a click of the left button (pressed and released over
// it), and, because it takes the focus from the Tab key, a press of Enter, Return or Space while
// it has the focus. At rest it looks like any label; with the focus the style's focus frame is
// drawn around it. Assistive tools see it as a link that can be pressed.
class ClickableLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    bool pressed_ = false;
};
