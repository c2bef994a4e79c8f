#pragma once

#include <QObject>
#include <QString>

class TEmbeddedWB;

// Watches a report view: after each page it completes (connected after the main window, so the
// window's chart scripts are queued in the page already), asks the page for the mark the last
// chart script leaves, and notes when the mark shows the expected number of charts.
class ChartWatch : public QObject {
    Q_OBJECT
  public:
    explicit ChartWatch(TEmbeddedWB* view);

    // Forget earlier pages and wait for the next completed page marked with this count.
    void Expect(const QString& charts);
    bool Done() const { return doneAt_ >= 0; }
    double DoneAt() const { return doneAt_; }            // the mark seen (ms since start)
    double CompletedAt() const { return completedAt_; }  // after the window's handler
    double LoadFinishedAt() const { return loadedAt_; }  // the engine's loadFinished

  signals:
    void Marked();

  private:
    void PageCompleted();

    TEmbeddedWB* view_;
    QString expected_;
    bool armed_ = false;
    double doneAt_ = -1;
    double completedAt_ = -1;
    double loadedAt_ = -1;
};
