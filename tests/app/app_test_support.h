#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QObject;
class QWebEngineView;
class TAbout;
class TForm1;

// Test classes register themselves; the test program runs the one named on its command line.
using TestFactory = std::function<std::unique_ptr<QObject>()>;
std::vector<std::pair<QString, TestFactory>>& RegisteredTests();
#define QUORVEL_REGISTER_APP_TEST(Class)                                          \
    static const bool Class##Registered = [] {                                    \
        RegisteredTests().emplace_back(QStringLiteral(#Class),                    \
                                       [] { return std::make_unique<Class>(); }); \
        return true;                                                              \
    }()

// The two windows as the program makes them: main window first, then the about box.
struct AppWindows {
    AppWindows();
    ~AppWindows();
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TAbout> about;
};

// The chart scripts each add their own file name to the attribute "data-ran" of the page's root
// element, so a test can read which scripts ran in a page and in which order.
void WriteTestScript(const std::string& name, const std::string& record);
void WriteTestAppFiles();  // all six scripts and a small like page, beside the test program
void RemoveAppFile(const std::string& name);
QString ScriptsRan(QWebEngineView* view);
// Runs a script in the page and returns its result as text ("" when it gave nothing).
QString PageValue(QWebEngineView* view, const QString& script);

// Deals with the modal windows the program shows while a test waits for it: records every
// message box and presses its button, and records every showing of the about box and dismisses
// it as told.
class ModalWatcher : public QObject {
    Q_OBJECT
  public:
    struct Box {
        QString title;
        QString text;
        QMessageBox::Icon icon;
    };
    enum class Dismiss { ByOk, ByCloseBox };

    ModalWatcher();

    std::vector<Box> boxes;
    QStringList aboutCaptions;  // the about box's button text at each showing
    int aboutShownModal = 0;    // showings that were modal
    bool escapeClosedAbout = false;
    Dismiss dismissAbout = Dismiss::ByOk;
    bool tryEscapeFirst = false;

  private:
    void Poll();
    QTimer timer_;
};

// Takes the product page's address instead of a browser.
class UrlRecorder : public QObject {
    Q_OBJECT
  public:
    UrlRecorder();
    ~UrlRecorder() override;
    QList<QUrl> urls;

  public slots:
    void Open(const QUrl& url);
};
