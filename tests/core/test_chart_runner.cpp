// Reading the chart scripts beside the program and running them in order.
#include <QtTest>

#include <unistd.h>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "data/error_text.h"
#include "reports/chart_runner.h"
#include "reports/read_app_file.h"

namespace {

// Records every script it is asked to run.
class RecordingView : public ScriptTarget {
  public:
    void runScript(const std::string& scriptText, const std::string& language) override {
        scripts.push_back(scriptText);
        languages.push_back(language);
    }
    std::vector<std::string> scripts;
    std::vector<std::string> languages;
};

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

}  // namespace

class TestChartRunner : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir dir_;
    std::string folder_;

    void writeAll(const ChartScriptFiles& files) {
        for (const char* name : files) {
            write(dir_.filePath(name), QByteArray("// ") + name);
        }
    }

  private slots:
    void init() {
        QVERIFY(dir_.isValid());
        folder_ = dir_.path().toStdString() + "/";
        for (const QString& f :
             QDir(dir_.path())
                 .entryList(QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot)) {
            QFileInfo(dir_.filePath(f)).isDir() ? QDir(dir_.filePath(f)).removeRecursively()
                                                : QFile::remove(dir_.filePath(f));
        }
    }

    void runsEachViewsFilesInOrder() {
        writeAll(kReportChartFiles);
        writeAll(kComparisonChartFiles);
        RecordingView view;
        runChartScripts(view, kReportChartFiles, folder_);
        QCOMPARE(view.scripts, (std::vector<std::string>{"// jq.dat", "// enh.dat", "// exc.dat",
                                                         "// vis.dat", "// exa.dat"}));
        QCOMPARE(view.languages, std::vector<std::string>(5, "javascript"));
        RecordingView comparisonView;
        runChartScripts(comparisonView, kComparisonChartFiles, folder_);
        QCOMPARE(comparisonView.scripts.back(), std::string("// exacomp.dat"));
        QCOMPARE(comparisonView.scripts.size(), std::size_t(5));
    }

    void missingFileStopsTheSequenceWithItsPath() {
        writeAll(kReportChartFiles);
        QVERIFY(QFile::remove(dir_.filePath("vis.dat")));
        RecordingView view;
        try {
            runChartScripts(view, kReportChartFiles, folder_);
            QFAIL("no error");
        } catch (const std::runtime_error& error) {
            QCOMPARE(QString(error.what()),
                     QString("Cannot open file \"%1vis.dat\". No such file or "
                             "directory")
                         .arg(QString::fromStdString(folder_)));
            // The Spanish program says it in Spanish, the system's words included.
            QCOMPARE(QString::fromStdString(errorText(error, Language::Spanish)),
                     QString::fromUtf8("No se puede abrir el archivo \"%1vis.dat\". No existe el "
                                       "archivo o el directorio")
                         .arg(QString::fromStdString(folder_)));
        }
        QCOMPARE(view.scripts.size(), std::size_t(3));
        // The next page tries again and, with the file back, runs everything.
        writeAll(kReportChartFiles);
        RecordingView again;
        runChartScripts(again, kReportChartFiles, folder_);
        QCOMPARE(again.scripts.size(), std::size_t(5));
    }

    void folderInsteadOfAFileCannotBeOpened() {
        QVERIFY(QDir(dir_.path()).mkdir("jq.dat"));
        try {
            readFileInFolder(folder_, "jq.dat");
            QFAIL("no error");
        } catch (const std::runtime_error& error) {
            QCOMPARE(QString(error.what()), QString("Cannot open file \"%1jq.dat\". Is a directory")
                                                .arg(QString::fromStdString(folder_)));
        }
    }

    void filesAreReadByteForByteAndAfresh() {
        write(dir_.filePath("enh.dat"), QByteArray());
        QCOMPARE(readFileInFolder(folder_, "enh.dat"), std::string());
        const QByteArray bom("\xEF\xBB\xBFvar a = '\xB5';\0tail", 19);
        write(dir_.filePath("exc.dat"), bom);
        QCOMPARE(readFileInFolder(folder_, "exc.dat"), bom.toStdString());
        write(dir_.filePath("exc.dat"), "edited");
        QCOMPARE(readFileInFolder(folder_, "exc.dat"), std::string("edited"));
        const QByteArray big(10 * 1024 * 1024, 'x');
        write(dir_.filePath("exa.dat"), big);
        QCOMPARE(readFileInFolder(folder_, "exa.dat").size(), std::size_t(big.size()));
    }

    // Files nobody can read, root included: a name under a file, and a link that leads to
    // itself. Without root, a file without read permission too. Each stops the sequence there
    // with the path and the system's reason.
    void unreadableFileIsReportedNotSkipped_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("error");
        QTest::newRow("name under a file") << "exa.dat/vis.dat" << ENOTDIR;
        QTest::newRow("link to itself") << "vis.dat" << ELOOP;
        if (geteuid() != 0) {
            QTest::newRow("no read permission") << "" << EACCES;
        }
    }
    void unreadableFileIsReportedNotSkipped() {
        QFETCH(QString, target);
        QFETCH(int, error);
        writeAll(kReportChartFiles);
        QVERIFY(QFile::remove(dir_.filePath("vis.dat")));
        if (target.isEmpty()) {
            write(dir_.filePath("vis.dat"), "x");
            QVERIFY(QFile::setPermissions(dir_.filePath("vis.dat"), QFileDevice::WriteOwner));
        } else {
            QVERIFY(QFile::link(target, dir_.filePath("vis.dat")));
        }
        RecordingView view;
        try {
            runChartScripts(view, kReportChartFiles, folder_);
            QFAIL("no error");
        } catch (const std::runtime_error& e) {
            QCOMPARE(QString(e.what()), QString("Cannot open file \"%1vis.dat\". %2")
                                            .arg(QString::fromStdString(folder_),
                                                 QString::fromLocal8Bit(std::strerror(error))));
            const std::string spanish = errorText(e, Language::Spanish);
            QVERIFY2(spanish.rfind("No se puede abrir el archivo", 0) == 0 &&
                         spanish.find(std::strerror(error)) == std::string::npos,
                     spanish.c_str());
        }
        QCOMPARE(view.scripts.size(), std::size_t(3));
    }
};

QTEST_GUILESS_MAIN(TestChartRunner)
#include "test_chart_runner.moc"
