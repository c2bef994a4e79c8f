// Reports taken out of the program with the real web engine, headless: a single-fruit report
// with its charts saved as PDF and printed through the dialogs, the comparison exported as CSV,
// cancelled dialogs, and files that cannot be written.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>

#include "app/report_out/report_export.h"
#include "app/report_out/report_file_name.h"
#include "app/report_out/safe_file_write.h"
#include "app/report_views/view_script_target.h"
#include "data/fruit.h"
#include "data/fruit_table.h"
#include "htmlview/html_view.h"
#include "htmlview/web_engine_setup.h"
#include "modal_watcher.h"
#include "page_value.h"
#include "reports/chart_runner.h"
#include "reports/chart_words.h"
#include "reports/comparison_csv.h"
#include "reports/comparison_report.h"
#include "reports/single_fruit_report.h"

namespace {

constexpr int kWait = 60000;
QTemporaryDir* home = nullptr;  // holds the user's documents folder and desktop settings

QString documents(const QString& name = QString()) {
    return home->filePath(QStringLiteral("Documents/") + name);
}

QString path(const QTemporaryDir& dir, const char* name) {
    return dir.filePath(QString::fromLatin1(name));
}

// Answers the next modal window of type W with answer, from the event loop, while it lives: the
// test that made it owns it, so an answer never outlives the test's locals, and it says whether
// the window came.
template <typename W>
class WhenShown {
  public:
    explicit WhenShown(std::function<void(W&)> answer) : answer_(std::move(answer)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* window = qobject_cast<W*>(QApplication::activeModalWidget())) {
                timer_.stop();
                answered_ = true;
                answer_(*window);
            }
        });
        timer_.start(10);
    }
    bool answered() const { return answered_; }

  private:
    std::function<void(W&)> answer_;
    QTimer timer_;
    bool answered_ = false;
};

// Accepts the next save dialog with the file it proposes, or with path; records what it showed.
std::unique_ptr<WhenShown<QFileDialog>> saveAs(QString* title, QString* proposed,
                                               const QString& path = QString()) {
    return std::make_unique<WhenShown<QFileDialog>>([=](QFileDialog& dialog) {
        *title = dialog.windowTitle();
        *proposed = dialog.selectedFiles().value(0);
        if (!path.isEmpty())
            dialog.selectFile(path);
        static_cast<QDialog&>(dialog).accept();  // Enter
    });
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(kWait);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

}  // namespace

class TestReportExport : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        loadFruitTable(lines_);
        Fruit fruit(lines_.at(0));
        name_ = QString::fromLatin1(fruit.displayName().c_str());
        const std::vector<std::string> page = singleFruitReportLines(fruit);
        view_ = std::make_unique<HtmlView>();
        view_->resize(735, 525);
        view_->setDocumentStartScript(chartWordsScript(Language::English));
        view_->show();
        QSignalSpy complete(view_.get(), &HtmlView::documentComplete);
        view_->loadHtmlLines(page);
        QVERIFY(complete.wait(kWait));
        ViewScriptTarget target(*view_);
        runReportCharts(target);
        QTRY_COMPARE_WITH_TIMEOUT(pageValue(view_.get(), QStringLiteral("document.documentElement"
                                                                        ".dataset.charts")),
                                  QStringLiteral("5"), kWait);
    }

    void pdfHoldsTheTextAndTheChartsWithinTheMargins() {
        QString title, proposed;
        const auto dialog = saveAs(&title, &proposed);
        saveViewAsPdf(nullptr, *view_, name_);
        QVERIFY(dialog->answered());
        QVERIFY(title.contains(QStringLiteral("PDF")));
        QCOMPARE(proposed, documents(name_ + QStringLiteral(".pdf")));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(proposed), kWait);

        const QString text = run(QStringLiteral("pdftotext"), {proposed, QStringLiteral("-")});
        QVERIFY2(text.contains(name_ + QStringLiteral(" Minerals")), qPrintable(text));
        // The charts are vectors: their texts are text, and there is no picture in the file.
        QCOMPARE(text.count(QStringLiteral("per 100 g")), 5);
        const QString images =
            run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), proposed});
        QCOMPARE(images.count(QRegularExpression(QStringLiteral("^ *\\d+ +\\d+ +image "),
                                                 QRegularExpression::MultilineOption)),
                 0);
        // Page one's text starts 19.05 mm (54 pt) plus the page's own padding from the left.
        const QString boxes =
            run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-l"),
                                              QStringLiteral("1"), proposed, QStringLiteral("-")});
        double left = 1e9;
        for (auto it = QRegularExpression(QStringLiteral("xMin=\"([0-9.]+)\"")).globalMatch(boxes);
             it.hasNext();)
            left = std::min(left, it.next().captured(1).toDouble());
        QVERIFY2(left >= 54 && left < 80, qPrintable(QString::number(left)));
    }

    // A comparison's ten charts go into the PDF as vectors, none as a picture.
    void comparisonPdfHoldsItsChartsAsVectors() {
        std::vector<Fruit> fruits;
        for (int row = 0; row < 9; ++row)
            fruits.emplace_back(lines_.at(static_cast<std::size_t>(row * 7)));
        HtmlView view;
        view.resize(735, 525);
        view.setDocumentStartScript(chartWordsScript(Language::English));
        view.show();
        QSignalSpy complete(&view, &HtmlView::documentComplete);
        view.loadHtmlLines(comparisonReportLines(fruits));
        QVERIFY(complete.wait(kWait));
        ViewScriptTarget target(view);
        runComparisonCharts(target);
        QTRY_COMPARE_WITH_TIMEOUT(pageValue(&view, QStringLiteral("document.documentElement"
                                                                  ".dataset.charts")),
                                  QStringLiteral("10"), kWait);

        QTemporaryDir dir;
        const auto error = std::make_shared<QString>(QStringLiteral("not written"));
        writeViewPdf(view, path(dir, "comparison.pdf"), [error](const QString& e) { *error = e; });
        QTRY_VERIFY_WITH_TIMEOUT(error->isEmpty(), kWait);
        const QString text =
            run(QStringLiteral("pdftotext"), {path(dir, "comparison.pdf"), QStringLiteral("-")});
        QCOMPARE(text.count(QStringLiteral("per 100 g")), 10);
        const QString images = run(QStringLiteral("pdfimages"),
                                   {QStringLiteral("-list"), path(dir, "comparison.pdf")});
        QCOMPARE(images.count(QRegularExpression(QStringLiteral("^ *\\d+ +\\d+ +image "),
                                                 QRegularExpression::MultilineOption)),
                 0);
    }

    void csvHoldsTheComparedFruitsAndCancelDoesNothing() {
        QString title, proposed;
        const auto dialog = saveAs(&title, &proposed);
        exportComparisonCsv(nullptr, lines_, {144, 0});
        QVERIFY(dialog->answered());
        QVERIFY(title.contains(QStringLiteral("CSV")));
        QCOMPARE(proposed, documents(QStringLiteral("comparison.csv")));
        QFile file(proposed);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().toStdString(), comparisonCsv(lines_, {144, 0}));
        file.remove();

        const QStringList before = entries(documents());
        ModalWatcher boxes;
        auto cancel = [](QDialog& dialog) { dialog.reject(); };
        WhenShown<QFileDialog> cancelPdf(cancel);
        saveViewAsPdf(nullptr, *view_, QStringLiteral("Cancelled"));
        WhenShown<QFileDialog> cancelCsv(cancel);
        exportComparisonCsv(nullptr, lines_, {1});
        QSignalSpy printed(view_.get(), &QWebEngineView::printFinished);
        WhenShown<QPrintDialog> cancelPrint(cancel);
        printView(nullptr, *view_);
        // Each call returns once its dialog is answered; a cancelled one starts nothing.
        QVERIFY(cancelPdf.answered() && cancelCsv.answered() && cancelPrint.answered());
        QVERIFY(printed.isEmpty() && boxes.boxes.empty());
        QCOMPARE(entries(documents()), before);
    }

    // "Print to File" (the machine has no printer); then a file whose folder is a file.
    void printingReachesTheFileTheDialogNames() {
        QTemporaryDir dir;
        ModalWatcher boxes;
        for (const char* name : {"printed.pdf", "printed.pdf/x.pdf"}) {
            const QString file = path(dir, name);
            WhenShown<QPrintDialog> toFile([file](QPrintDialog& dialog) {
                dialog.findChild<QLineEdit*>(QStringLiteral("filename"))->setText(file);
                static_cast<QDialog&>(dialog).accept();
            });
            QSignalSpy finished(view_.get(), &QWebEngineView::printFinished);
            printView(nullptr, *view_, name_);
            QVERIFY(toFile.answered());
            QVERIFY(finished.wait(kWait));
            QCOMPARE(finished.first().first().toBool(), std::strcmp(name, "printed.pdf") == 0);
        }
        QFile file(path(dir, "printed.pdf"));
        QVERIFY(file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-");
        QTRY_COMPARE_WITH_TIMEOUT(boxes.boxes.size(), std::size_t(1), kWait);
        QVERIFY(boxes.boxes[0].text.contains(path(dir, "printed.pdf/x.pdf")));
    }

    // A folder of that name; a folder that is a file (root may write anywhere else): an error box
    // or text naming the file and the reason, and nothing left behind.
    void unwritableFilesGiveTheReasonAndLeaveNothing() {
        QTemporaryDir dir;
        QVERIFY(QDir().mkdir(path(dir, "Taken.pdf")));
        // The answer may come after a failed wait: it writes to what it shares, not to a local.
        const auto error = std::make_shared<QString>();
        writeViewPdf(*view_, path(dir, "Taken.pdf"), [error](const QString& e) { *error = e; });
        QTRY_VERIFY_WITH_TIMEOUT(error->contains(QStringLiteral("folder of that name")), kWait);
        QVERIFY(error->contains(QLatin1Char('"') + path(dir, "Taken.pdf") + QLatin1Char('"')));

        QString title, proposed;
        QFile(path(dir, "file")).open(QIODevice::WriteOnly);
        const auto dialog = saveAs(&title, &proposed, path(dir, "file/comparison.csv"));
        ModalWatcher boxes;
        exportComparisonCsv(nullptr, lines_, {0});
        QVERIFY(dialog->answered());
        QTRY_COMPARE_WITH_TIMEOUT(boxes.boxes.size(), std::size_t(1), kWait);
        QVERIFY2(boxes.boxes[0].text.contains(path(dir, "file/comparison.csv")) &&
                     boxes.boxes[0].text.contains(QString::fromLocal8Bit(strerror(ENOTDIR))),
                 qPrintable(boxes.boxes[0].text));
        QCOMPARE(entries(dir.path()),
                 (QStringList{QStringLiteral("file"), QStringLiteral("Taken.pdf")}));
        QVERIFY(entries(path(dir, "Taken.pdf")).isEmpty());
        // A full disk, which the core's saving meets like any failed write, is the core's test
        // (test_save_file): here it would need a file system mounted as root.
    }

    void proposedNamesAndPages() {
        QCOMPARE(reportFileName(QStringLiteral(" ../a/b:c*?\"<>|\t. "), QStringLiteral("pdf")),
                 QStringLiteral("-a-b-c-------.pdf"));
        QCOMPARE(reportFileName(QStringLiteral(". "), QStringLiteral("csv")),
                 QStringLiteral("Report.csv"));
        PrintOptions options;
        const QPageLayout a4 =
            reportPageLayout(options, QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(a4.pageSize().id(), QPageSize::A4);
        QCOMPARE(a4.margins(QPageLayout::Millimeter), QMarginsF(19.05, 19.05, 19.05, 19.05));
        options.Margins = {10, 12, 14, 16};
        const QPageLayout letter =
            reportPageLayout(options, QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(letter.pageSize().id(), QPageSize::Letter);
        QCOMPARE(letter.margins(QPageLayout::Millimeter), QMarginsF(10, 14, 12, 16));
    }

    void cleanupTestCase() { view_.reset(); }

  private:
    std::vector<std::string> lines_;
    QString name_;
    std::unique_ptr<HtmlView> view_;
};

int main(int argc, char** argv) {
    // The documents folder is the one the desktop's user-dirs file under XDG_CONFIG_HOME names.
    QTemporaryDir dir;
    home = &dir;
    QFile dirs(path(dir, "user-dirs.dirs"));
    if (!QDir().mkpath(documents()) || !dirs.open(QIODevice::WriteOnly))
        return 1;
    dirs.write("XDG_DOCUMENTS_DIR=\"" + documents().toUtf8() + "\"\n");
    dirs.close();
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    prepareWebEngine();
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    TestReportExport test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_report_export.moc"
