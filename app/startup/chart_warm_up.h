#pragma once

#include <QObject>
#include <QTimer>
#include <memory>

class HtmlView;

// Draws the charts of a small comparison once, in a view nobody sees, as soon as the main
// window's first page has finished. A fresh page draws its charts faster once the web engine has
// compiled the chart library and scripts in an earlier page (the user's first report comes some
// 35 ms sooner on a two-core machine), so without this the user's first report and first
// comparison would pay for the compiling. Each page still reads the chart scripts
// afresh; the warm-up only makes the engine's caches warm. It says nothing of a script file it
// cannot read: the page the user asks for reports that.
class ChartWarmUp : public QObject {
    Q_OBJECT
  public:
    explicit ChartWarmUp(QObject* parent = nullptr);
    ~ChartWarmUp() override;

    // Starts once, when firstView has finished its first page.
    void startAfterFirstPage(HtmlView& firstView);
    // Starts now: loads the comparison and runs its chart scripts in a hidden view.
    void start();
    bool finished() const { return finished_; }
    // The number of charts the hidden page was marked with, or -1 when it got no mark (a script
    // file missing or failing, or the page's process gone).
    int charts() const { return charts_; }

  signals:
    // The hidden view has drawn its charts (or given up) and is gone.
    void done();

  private:
    void runChartScripts();
    void giveUp();
    void finish(int charts);

    std::unique_ptr<HtmlView> view_;
    QTimer giveUp_;  // a page that never finishes must not keep its view, nor its process busy
    bool started_ = false;
    bool scriptsHanded_ = false;
    bool finished_ = false;
    int charts_ = -1;
};
