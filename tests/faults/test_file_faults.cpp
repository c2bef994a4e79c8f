// The files beside the program, each broken in every way a user's disk can break it: missing,
// empty, a folder in its place, a byte-order mark in front, 10 MB large, binary garbage, or (for
// the scripts and the like page) a script that throws. The program goes on; a script it cannot
// open gives exactly one error box per finished page that needed it, and the next page tries
// again; everything else is silent.
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "app/about_box/about_box.h"
#include "app/main_window/main_window.h"
#include "app/startup/program_language.h"
#include "fault_test_support.h"
#include "htmlview/html_view.h"

Q_DECLARE_METATYPE(Fault)

namespace {

constexpr int kWait = 60000;
const QString kReportCharts = QStringLiteral("5");
const QString kComparisonCharts = QStringLiteral("10");

// Waits for one finished page in each view and for the chart scripts handed to them.
void waitForPages(QSignalSpy& reports, QSignalSpy& comparisons) {
    QTRY_VERIFY_WITH_TIMEOUT(reports.count() >= 1 && comparisons.count() >= 1, kWait);
}

// Two fruits compared and both pages charted: the state every case starts from and ends in.
void comparingTwo(std::unique_ptr<ProgramWindows>& app) {
    restoreAppFiles();
    app = std::make_unique<ProgramWindows>();
    MainWindow& form = app->mainWindow();
    addFruit(form, 0);
    addFruit(form, 1);
    QTRY_VERIFY_WITH_TIMEOUT(reportShows(form, form.comparedFruitsCombo->currentText()), kWait);
    QTRY_VERIFY_WITH_TIMEOUT(comparisonShows(form, 2), kWait);
}

// Restores the files and removes the third fruit: both views show charted pages again.
void restoreAndRemoveThird(MainWindow& form) {
    restoreAppFiles();
    QSignalSpy reports(form.fruitReportView, &HtmlView::documentComplete);
    QSignalSpy comparisons(form.comparisonView, &HtmlView::documentComplete);
    form.removeButton->click();
    waitForPages(reports, comparisons);
    QTRY_VERIFY_WITH_TIMEOUT(reportShows(form, form.comparedFruitsCombo->currentText()), kWait);
    QTRY_VERIFY_WITH_TIMEOUT(comparisonShows(form, 2), kWait);
    QCOMPARE(form.comparedFruitsCombo->count(), 2);
}

void addFaultRows(const std::vector<const char*>& files, const std::vector<Fault>& faults) {
    QTest::addColumn<QString>("file");
    QTest::addColumn<Fault>("fault");
    for (const char* file : files) {
        for (const Fault fault : faults) {
            QTest::addRow("%s %s", file, faultName(fault)) << QString::fromLatin1(file) << fault;
        }
    }
}

const std::vector<Fault> kAllFaults = {Fault::Missing,       Fault::Empty, Fault::Directory,
                                       Fault::ByteOrderMark, Fault::Large, Fault::Garbage,
                                       Fault::Throws};

}  // namespace

class TestScriptFileFaults : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { comparingTwo(app_); }
    void cleanupTestCase() {
        app_.reset();
        restoreAppFiles();
    }

    void brokenScript_data() { addFaultRows({kScriptFiles, kScriptFiles + 6}, kAllFaults); }
    void brokenScript() {
        QFETCH(QString, file);
        QFETCH(Fault, fault);
        MainWindow& form = app_->mainWindow();
        ModalWatcher watcher;
        breakAppFile(file.toStdString(), fault);
        QSignalSpy reports(form.fruitReportView, &HtmlView::documentComplete);
        QSignalSpy comparisons(form.comparisonView, &HtmlView::documentComplete);

        addFruit(form, 20);  // a third fruit: one new page in each view
        waitForPages(reports, comparisons);
        // Queued behind the chart scripts: the answers come after every script has run.
        const QString reportCharts = charts(form.fruitReportView);
        const QString comparisonCharts = charts(form.comparisonView);
        QCOMPARE(reports.count(), 1);
        QCOMPARE(comparisons.count(), 1);
        QCOMPARE(form.comparedFruitsCombo->count(), 3);

        const bool inReport = file != QLatin1String("exacomp.dat");
        const bool inComparison = file != QLatin1String("exa.dat");
        const bool last = file.startsWith(QLatin1String("exa"));
        const bool cannotOpen = fault == Fault::Missing || fault == Fault::Directory;
        const std::size_t pagesUsingIt = (inReport ? 1 : 0) + (inComparison ? 1 : 0);
        QCOMPARE(watcher.boxes.size(), cannotOpen ? pagesUsingIt : 0);
        const QString expected =
            QStringLiteral("Cannot open file \"%1\". %2.")
                .arg(QString::fromStdString(appFilePath(file.toStdString())),
                     fault == Fault::Missing ? QStringLiteral("No such file or directory")
                                             : QStringLiteral("Is a directory"));
        for (const auto& box : watcher.boxes) {
            QCOMPARE(box.text, expected);
            QCOMPARE(box.title, QStringLiteral("Quorvel"));
        }

        // A page that does not use the file is charted; in one that does, the last script runs
        // unless the sequence stopped or the broken file is the last one; a large file works.
        const auto check = [&](bool uses, const QString& charts, const QString& full) {
            if (!uses || fault == Fault::Large) {
                QCOMPARE(charts, full);
            } else if (cannotOpen || last) {
                QCOMPARE(charts, QString());
            } else {
                QVERIFY2(!charts.isEmpty(), "the scripts after a broken one did not run");
            }
        };
        check(inReport, reportCharts, kReportCharts);
        check(inComparison, comparisonCharts, kComparisonCharts);

        // The next pages read the files afresh.
        const std::size_t boxes = watcher.boxes.size();
        restoreAndRemoveThird(form);
        QCOMPARE(watcher.boxes.size(), boxes);
    }

    // The placeholder page at start runs the report's scripts too: a missing first script gives
    // one box before the user has done anything, and the window goes on.
    void missingScriptAtStart() {
        restoreAppFiles();
        breakAppFile("jq.dat", Fault::Missing);
        ModalWatcher watcher;
        ProgramWindows app;
        QSignalSpy reports(app.mainWindow().fruitReportView, &HtmlView::documentComplete);
        QTRY_COMPARE_WITH_TIMEOUT(reports.count(), 1, kWait);
        QCOMPARE(charts(app.mainWindow().fruitReportView), QString());
        QCOMPARE(watcher.boxes.size(), std::size_t{1});
        QVERIFY(watcher.boxes.at(0).text.startsWith(
            QStringLiteral("Cannot open file \"%1\".")
                .arg(QString::fromStdString(appFilePath("jq.dat")))));
        restoreAppFiles();
        addFruit(app.mainWindow(), 3);
        QTRY_VERIFY_WITH_TIMEOUT(
            reportShows(app.mainWindow(), app.mainWindow().comparedFruitsCombo->currentText()),
            kWait);
        QCOMPARE(watcher.boxes.size(), std::size_t{1});
    }

  private:
    std::unique_ptr<ProgramWindows> app_;
};

// A style sheet is the engine's business: whatever it holds, no box, and the charts are drawn.
class TestStyleSheetFaults : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { comparingTwo(app_); }
    void cleanupTestCase() {
        app_.reset();
        restoreAppFiles();
    }

    void brokenStyleSheet_data() {
        addFaultRows({kStyleSheets, kStyleSheets + 3},
                     {Fault::Missing, Fault::Empty, Fault::Directory, Fault::ByteOrderMark,
                      Fault::Large, Fault::Garbage});
    }
    void brokenStyleSheet() {
        QFETCH(QString, file);
        QFETCH(Fault, fault);
        MainWindow& form = app_->mainWindow();
        ModalWatcher watcher;
        breakAppFile(file.toStdString(), fault);
        QSignalSpy reports(form.fruitReportView, &HtmlView::documentComplete);
        QSignalSpy comparisons(form.comparisonView, &HtmlView::documentComplete);
        addFruit(form, 30);
        waitForPages(reports, comparisons);
        QTRY_VERIFY_WITH_TIMEOUT(reportShows(form, form.comparedFruitsCombo->currentText()), kWait);
        QTRY_VERIFY_WITH_TIMEOUT(comparisonShows(form, 3), kWait);
        QCOMPARE(watcher.boxes.size(), std::size_t{0});
        restoreAndRemoveThird(form);
        QCOMPARE(watcher.boxes.size(), std::size_t{0});
    }

  private:
    std::unique_ptr<ProgramWindows> app_;
};

// The about box's page: whatever it holds, the about box shows and closes, and no box appears.
class TestLikePageFaults : public QObject {
    Q_OBJECT
  private slots:
    void cleanupTestCase() { restoreAppFiles(); }

    void brokenLikePage_data() { addFaultRows({kLikePage}, kAllFaults); }
    void brokenLikePage() {
        QFETCH(QString, file);
        QFETCH(Fault, fault);
        restoreAppFiles();
        breakAppFile(file.toStdString(), fault);
        ModalWatcher watcher;
        ProgramWindows app;
        QSignalSpy likePages(app.aboutBox().likeView, &HtmlView::documentComplete);
        QTRY_VERIFY_WITH_TIMEOUT(likePages.count() >= 1, kWait);
        app.mainWindow().aboutButton->click();  // shown modally, dismissed by the watcher
        QCOMPARE(watcher.aboutShown, 1);
        QCOMPARE(pageValue(app.aboutBox().likeView, QStringLiteral("String(6 * 7)")),
                 QStringLiteral("42"));
        addFruit(app.mainWindow(), 2);
        QTRY_VERIFY_WITH_TIMEOUT(
            reportShows(app.mainWindow(), app.mainWindow().comparedFruitsCombo->currentText()),
            kWait);
        QCOMPARE(watcher.boxes.size(), std::size_t{0});
    }
};

// A build without the Spanish window texts (this test program carries none): the Spanish program
// says so, keeps its window in English, and still lists and reports the fruits in Spanish.
class TestMissingTranslation : public QObject {
    Q_OBJECT
  private slots:
    void spanishWithoutItsWindowTexts() {
        restoreAppFiles();
        setProgramLanguage(Language::Spanish);
        QVERIFY(!installTranslations(*QCoreApplication::instance(), Language::Spanish));
        ModalWatcher watcher;
        ProgramWindows app;
        MainWindow& form = app.mainWindow();
        QCOMPARE(form.reportMenu->title(), QStringLiteral("Report"));
        QCOMPARE(form.fruitList->item(0)->text(), QStringLiteral("Abiyuch, en crudo"));
        addFruit(form, 0);
        QTRY_VERIFY_WITH_TIMEOUT(reportShows(form, form.fruitList->item(0)->text()), kWait);
        QCOMPARE(watcher.boxes.size(), std::size_t{0});
        setProgramLanguage(Language::English);
    }
};

QUORVEL_REGISTER_GUI_TEST(TestScriptFileFaults);
QUORVEL_REGISTER_GUI_TEST(TestMissingTranslation);
QUORVEL_REGISTER_GUI_TEST(TestStyleSheetFaults);
QUORVEL_REGISTER_GUI_TEST(TestLikePageFaults);
#include "test_file_faults.moc"
