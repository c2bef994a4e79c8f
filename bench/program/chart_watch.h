#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QWebEnginePage;

// The page-side watch behind the chart figures: run in a page once its chart scripts have been
// handed over, it notes (page clock, as wall-clock ms) when every chart that lies, even in part,
// in the visible part of the view is drawn, and when every chart of the page is drawn. The
// visible part is the view's size, also when the view is hidden.
extern const char* const kChartMilestonesScript;
// Asks the page for the two moments noted by kChartMilestonesScript and its clock now:
// "inView all now", each a wall-clock ms or "-" while it has not come.
extern const char* const kChartMilestonesQuery;

// A page's wall-clock ms as milliseconds since the probe started (the bench clock).
double pageTimeToBenchClock(double wallClockMs);

// Asks a page every few ms for the moments its watch noted, until both have come.
class ChartMilestones : public QObject {
    Q_OBJECT
  public:
    explicit ChartMilestones(QObject* parent = nullptr);
    // Installs the watch in the page (queued behind the scripts handed to it before) and asks.
    void watch(QWebEnginePage* page);
    void reset();
    bool done() const { return inViewAt_ >= 0 && allDrawnAt_ >= 0; }
    double inViewAt() const { return inViewAt_; }      // bench clock, ms
    double allDrawnAt() const { return allDrawnAt_; }  // bench clock, ms

  private:
    void ask();

    QWebEnginePage* page_ = nullptr;
    QTimer poll_;
    int generation_ = 0;
    double inViewAt_ = -1;
    double allDrawnAt_ = -1;
    double skew_ = 0;  // how far the page's clock is seen to run ahead of the probe's, ms
};

class HtmlView;

// Watches a report view: after each page it completes (connected after the main window, so the
// window's chart scripts are queued in the page already), asks the page for the mark the last
// chart script leaves, and notes when the mark shows the expected number of charts; then when
// the charts in view and all charts are drawn.
class ChartWatch : public QObject {
    Q_OBJECT
  public:
    explicit ChartWatch(HtmlView* view);

    // Forget earlier pages and wait for the next completed page marked with this count.
    void expect(const QString& charts);
    // The mark seen and every chart drawn.
    bool done() const { return doneAt_ >= 0 && milestones_.done(); }
    double markedAt() const { return doneAt_; }                 // the mark seen
    double inViewAt() const { return milestones_.inViewAt(); }  // charts in view drawn
    double doneAt() const { return milestones_.allDrawnAt(); }  // all charts drawn
    double completedAt() const { return completedAt_; }         // after the window's handler
    double loadFinishedAt() const { return loadedAt_; }         // the engine's loadFinished

  signals:
    void marked();

  private:
    void pageCompleted();

    HtmlView* view_;
    ChartMilestones milestones_;
    QString expected_;
    bool armed_ = false;
    double doneAt_ = -1;
    double completedAt_ = -1;
    double loadedAt_ = -1;
};
