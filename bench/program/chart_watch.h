#pragma once

#include <QObject>
#include <QString>

class HtmlView;

// Watches a report view: after each page it completes (connected after the main window, so the
// window's chart scripts are queued in the page already), asks the page for the mark the last
// chart script leaves, and notes when the mark shows the expected number of charts.
class ChartWatch : public QObject {
    Q_OBJECT
  public:
    explicit ChartWatch(HtmlView* view);

    // Forget earlier pages and wait for the next completed page marked with this count.
    void expect(const QString& charts);
    bool done() const { return doneAt_ >= 0; }
    double doneAt() const { return doneAt_; }            // the mark seen (ms since start)
    double completedAt() const { return completedAt_; }  // after the window's handler
    double loadFinishedAt() const { return loadedAt_; }  // the engine's loadFinished

  signals:
    void marked();

  private:
    void pageCompleted();

    HtmlView* view_;
    QString expected_;
    bool armed_ = false;
    double doneAt_ = -1;
    double completedAt_ = -1;
    double loadedAt_ = -1;
};
