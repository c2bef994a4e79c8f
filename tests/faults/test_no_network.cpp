// A whole session (start, three fruits, the comparison tab, a removal, the about box, the exit)
// asks for nothing but the program's own files and page texts: every request the views make is
// recorded on the way to the program's request filter, which lets it through or blocks it.
#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>

#include "app/about_box/about_box.h"
#include "app/main_window/main_window.h"
#include "fault_test_support.h"
#include "htmlview/html_view.h"
#include "htmlview/request_filter.h"

namespace {

constexpr int kWait = 60000;

class RecordingInterceptor : public QWebEngineUrlRequestInterceptor {
  public:
    explicit RecordingInterceptor(RequestFilter& next) : next_(next) {}
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        urls.append(info.requestUrl());
        next_.interceptRequest(info);
    }
    QList<QUrl> urls;

  private:
    RequestFilter& next_;
};

}  // namespace

class TestNoNetwork : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { restoreAppFiles(); }

    void wholeSessionStaysOffTheNetwork() {
        ModalWatcher watcher;
        ProgramWindows app;
        MainWindow& form = app.mainWindow();
        RequestFilter& filter = form.fruitReportView->requestFilter();
        QWebEngineProfile* profile = form.fruitReportView->page()->profile();
        RecordingInterceptor recorder(filter);
        profile->setUrlRequestInterceptor(&recorder);

        QTRY_COMPARE_WITH_TIMEOUT(charts(form.fruitReportView), QStringLiteral("0"), kWait);
        for (const int row : {10, 20, 30}) {
            addFruit(form, row);
        }
        form.reportTabs->setCurrentWidget(form.comparisonTab);
        QTRY_VERIFY_WITH_TIMEOUT(reportShows(form, form.comparedFruitsCombo->currentText()), kWait);
        QTRY_VERIFY_WITH_TIMEOUT(comparisonShows(form, 3), kWait);
        form.removeButton->click();
        QTRY_VERIFY_WITH_TIMEOUT(comparisonShows(form, 2), kWait);
        form.aboutButton->click();
        form.close();
        QCOMPARE(watcher.aboutShown, 2);
        profile->setUrlRequestInterceptor(&filter);

        // The recorder saw the pages' own requests: the style sheets of the report pages.
        QStringList files;
        for (const QUrl& url : recorder.urls) {
            QVERIFY2(QStringList({"file", "data", "about", "qrc"}).contains(url.scheme()),
                     qPrintable(url.toString()));
            if (url.isLocalFile()) {
                files << url.fileName();
            }
        }
        for (const char* sheet : kStyleSheets) {
            QVERIFY2(files.contains(QLatin1String(sheet)), sheet);
        }
        // Nothing was blocked either, from the first page on.
        QCOMPARE(filter.blockedUrls(), QList<QUrl>());
        QCOMPARE(watcher.boxes.size(), std::size_t{0});
    }
};

QUORVEL_REGISTER_GUI_TEST(TestNoNetwork);
#include "test_no_network.moc"
