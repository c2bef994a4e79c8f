#pragma once

#include <QString>
#include <string>

#include "app_windows.h"
#include "gui_test_runner.h"
#include "modal_watcher.h"
#include "page_value.h"

class QWebEngineView;
class TForm1;

// The nine files beside the program and the about box's page.
extern const char* const kScriptFiles[6];
extern const char* const kStyleSheets[3];
extern const char* const kLikePage;

// Puts the program's real files beside the test program again (replacing whatever a test made
// of them, a folder included).
void RestoreAppFiles();

// What a test makes of one file beside the program.
enum class Fault { Missing, Empty, Directory, ByteOrderMark, Large, Garbage, Throws };
const char* FaultName(Fault fault);
void BreakAppFile(const std::string& name, Fault fault);
void WriteAppFile(const std::string& name, const std::string& content);
std::string AppFilePath(const std::string& name);

// The mark the last chart script leaves on a report page: its number of charts, "" when the
// last script did not run.
QString Charts(QWebEngineView* view);

// The report view shows the charted page of this fruit, and the comparison view the charted
// page of this many fruits (not an earlier page still charted while the newest one loads).
bool ReportShows(TForm1& form, const QString& fruit);
bool ComparisonShows(TForm1& form, int fruits);

// Adds the fruit at that row of the list with the real button.
void AddFruit(TForm1& form, int row);
