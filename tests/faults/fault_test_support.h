#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QWebEngineView;
class TAbout;
class TForm1;

// Test classes register themselves; the test program runs the one named on its command line.
using FaultTestFactory = std::function<std::unique_ptr<QObject>()>;
std::vector<std::pair<QString, FaultTestFactory>>& RegisteredFaultTests();
#define QUORVEL_REGISTER_FAULT_TEST(Class)                                             \
    static const bool Class##Registered = [] {                                         \
        RegisteredFaultTests().emplace_back(QStringLiteral(#Class),                    \
                                            [] { return std::make_unique<Class>(); }); \
        return true;                                                                   \
    }()

// The two windows as the program makes them: main window first, then the about box.
struct AppWindows {
    AppWindows();
    ~AppWindows();
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TAbout> about;
};

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

// Runs a script in the page and returns its result as text ("" when it gave nothing).
QString PageValue(QWebEngineView* view, const QString& script);
// The mark the last chart script leaves on a report page: its number of charts, "" when the
// last script did not run.
QString Charts(QWebEngineView* view);

// The report view shows the charted page of this fruit, and the comparison view the charted
// page of this many fruits (not an earlier page still charted while the newest one loads).
bool ReportShows(TForm1& form, const QString& fruit);
bool ComparisonShows(TForm1& form, int fruits);

// Adds the fruit at that row of the list with the real button.
void AddFruit(TForm1& form, int row);

// Deals with the modal windows the program shows while a test waits: records every message
// box and presses its button, and dismisses the about box.
class ModalWatcher : public QObject {
    Q_OBJECT
  public:
    struct Box {
        QString title;
        QString text;
    };
    ModalWatcher();

    std::vector<Box> boxes;
    int aboutShown = 0;

  private:
    void Poll();
    QTimer timer_;
};
