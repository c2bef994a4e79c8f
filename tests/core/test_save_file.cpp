// Saving a report's file: all of it or nothing, and the reason in the program's language whatever
// the desktop's locale.
#include <QtTest>

#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>

#include "data/error_text.h"
#include "german_locale.h"
#include "reports/save_file.h"

class TestSaveFile : public QObject {
    Q_OBJECT
  private slots:
    void wholeFileOrNothing() {
        QTemporaryDir dir;
        const std::string report = dir.filePath(QStringLiteral("report.csv")).toStdString();
        QCOMPARE(saveFileWhole(report, "first"), 0);
        QVERIFY(::chmod(report.c_str(), 0640) == 0);
        QCOMPARE(saveFileWhole(report, "second"), 0);
        QFile saved(QString::fromStdString(report));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("second"));
        struct stat info {};
        QVERIFY(::stat(report.c_str(), &info) == 0);
        QCOMPARE(info.st_mode & 0777, mode_t{0640});  // a replaced file keeps its permissions

        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        const struct {
            const char* name;
            int error;
        } failures[] = {
            {"folder", EISDIR}, {"missing/report.csv", ENOENT}, {"report.csv/inside.csv", ENOTDIR}};
        for (const auto& failure : failures) {
            const std::string path = dir.filePath(QString::fromLatin1(failure.name)).toStdString();
            QCOMPARE(saveFileWhole(path, "third"), failure.error);
        }
        // A write that fails half-way (here past a file size limit; a full disk fails the same
        // way) keeps the old file and leaves no part behind.
        struct rlimit before {};
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &before) == 0);
        const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = before;
        small.rlim_cur = 4096;
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
        const int tooBig = saveFileWhole(report, std::string(10000, 'x'));
        ::setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, oldSignal);
        QCOMPARE(tooBig, EFBIG);

        // Nothing half-written is left, and the file that was there is as it was.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("report.csv")});
        QVERIFY(saved.seek(0));
        QCOMPARE(saved.readAll(), QByteArray("second"));
    }

    void reasonsInTheProgramsLanguage() {
        const GermanLocale german;
        QVERIFY2(german.installed, kNoGermanLocale);
        QCOMPARE(systemErrorText(EROFS, Language::English), std::string("Read-only file system"));
        QCOMPARE(systemErrorText(EROFS, Language::Spanish),
                 std::string("Sistema de archivos de solo lectura"));
        // An error without Spanish words of ours still says what it is.
        const std::string other = systemErrorText(EXDEV, Language::Spanish);
        QVERIFY2(other.rfind("error del sistema ", 0) == 0 &&
                     other.find("Invalid cross-device link") != std::string::npos,
                 other.c_str());
    }
};

QTEST_APPLESS_MAIN(TestSaveFile)
#include "test_save_file.moc"
