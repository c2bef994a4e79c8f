#pragma once

#include <QString>
#include <string>

#include "app/startup/program_windows.h"
#include "engine_wait.h"
#include "gui_test_runner.h"
#include "modal_watcher.h"
#include "page_value.h"

class QWebEngineView;
class MainWindow;

// The nine files beside the program and the about box's page.
extern const char* const kScriptFiles[6];
extern const char* const kStyleSheets[3];
extern const char* const kLikePage;

// Puts the program's real files beside the test program again (replacing whatever a test made
// of them, a folder included).
void restoreAppFiles();

// What a test makes of one file beside the program.
enum class Fault { Missing, Empty, Directory, ByteOrderMark, Large, Garbage, Throws };
const char* faultName(Fault fault);
void breakAppFile(const std::string& name, Fault fault);
void writeAppFile(const std::string& name, const std::string& content);
std::string appFilePath(const std::string& name);

// The mark the last chart script leaves on a report page: its number of charts, "" when the
// last script did not run.
QString charts(QWebEngineView* view);

// The report view shows the charted page of this fruit, and the comparison view the charted
// page of this many fruits (not an earlier page still charted while the newest one loads).
bool reportShows(MainWindow& form, const QString& fruit);
bool comparisonShows(MainWindow& form, int fruits);

// Adds the fruit at that row of the list with the real button.
void addFruit(MainWindow& form, int row);
