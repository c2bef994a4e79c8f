#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QUrl>
#include <string>

#include "app/startup/program_windows.h"
#include "engine_wait.h"
#include "gui_test_runner.h"
#include "modal_watcher.h"
#include "page_value.h"

class QWebEngineView;

// How long a test waits for a round trip through the web engine: generous, since a loaded machine
// is slow, not wrong.
constexpr int kEngineWaitMs = 30000;

// The chart scripts each add their own file name to the attribute "data-ran" of the page's root
// element, so a test can read which scripts ran in a page and in which order.
void writeTestScript(const std::string& name, const std::string& record);
void writeTestAppFiles();  // all seven scripts and a small like page, beside the test program
void removeAppFile(const std::string& name);
QString scriptsRan(QWebEngineView* view);
// The centre of a cell ("th", "td:last-child") of the ranking page's row of a table row,
// scrolled into view, in view pixels.
QPoint cellOfRow(QWebEngineView* view, int row, const char* cell);
// Takes the product page's address instead of a browser.
class UrlRecorder : public QObject {
    Q_OBJECT
  public:
    UrlRecorder();
    ~UrlRecorder() override;
    QList<QUrl> urls;

  public slots:
    void open(const QUrl& url);
};
