#pragma once

#include <QLabel>

// A label that reports a click of the left button: pressed and released over it.
class TClickableLabel : public QLabel {
    Q_OBJECT
  public:
    explicit TClickableLabel(const QString& text, QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool pressed_ = false;
};
