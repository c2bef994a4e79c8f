// The view against the real web engine: loads and their completion, the code page, scripts, the
// page-code list, style sheets by path, large pages, the network filter and a dead engine process.
#include <signal.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>

#include "htmlview/program_folder_url.h"
#include "htmlview/request_filter.h"
#include "view_test_support.h"

namespace {

QString bodyText(HtmlView& view) {
    return eval(view, QStringLiteral("document.body ? document.body.textContent : ''")).toString();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A style sheet in the program folder, for links by name; removed when the test ends.
struct FileBesideProgram {
    explicit FileBesideProgram(const QString& name, const QByteArray& bytes)
        : path(programFolderUrl().toLocalFile() + name), written(writeFile(path, bytes)) {}
    ~FileBesideProgram() { QFile::remove(path); }
    QString path;
    bool written;
};

}  // namespace

class TestHtmlView : public QObject {
    Q_OBJECT
  private slots:
    void runScriptBeforeAnyPageDoesNothing();
    void documentCompleteOncePerCompletedLoad();
    void pageTextIsWindows1252Lines();
    void scriptsShareGlobalsAndDropErrors();
    void pageCodeListIsShownByItsForm();
    void styleSheetsAndImagesByPathAndByName();
    void largePageIsShownLikeAnyOther();
    void largePageThatCannotBeWrittenKeepsThePage();
    void pagesNeverReachTheNetwork();
    void deadEngineProcessShowsThePageAgain();
    void crashesEndTheReloadsButKillsNever();
};

void TestHtmlView::runScriptBeforeAnyPageDoesNothing() {
    HtmlView view;
    view.runScript("window.early = 1;", "javascript");
    QVERIFY(loadAndWait(view, {"<html><body>first</body></html>"}));
    QCOMPARE(eval(view, QStringLiteral("typeof window.early")).toString(),
             QStringLiteral("undefined"));
    QCOMPARE(bodyText(view), QStringLiteral("first\n"));
}

void TestHtmlView::documentCompleteOncePerCompletedLoad() {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("page.html"));
    QVERIFY(writeFile(file, "<html><body>from a file</body></html>"));

    HtmlView view;
    QSignalSpy complete(&view, &HtmlView::documentComplete);

    // The first load into a fresh view completes like any other, later than the call.
    QCOMPARE(view.loadHtmlLines({"<html><body>one</body></html>"}), 0);
    QCOMPARE(complete.count(), 0);
    QVERIFY(complete.wait(kWaitMs));
    QCOMPARE(complete.count(), 1);
    QCOMPARE(complete.at(0).at(0).value<HtmlView*>(), &view);
    QCOMPARE(complete.at(0).at(1).toUrl(), programFolderUrl());

    complete.clear();
    view.navigate(file);
    QCOMPARE(complete.count(), 0);
    QVERIFY(complete.wait(kWaitMs));
    QCOMPARE(complete.at(0).at(1).toUrl(), QUrl::fromLocalFile(file));
    QCOMPARE(bodyText(view), QStringLiteral("from a file"));

    // A load that a newer one replaces raises nothing; had it raised, the count below would
    // hold it, since it would come before the completion of the load after it.
    complete.clear();
    view.loadHtmlLines({"<html><body>replaced</body></html>"});
    view.loadHtmlLines({"<html><body>two</body></html>"});
    QVERIFY(complete.wait(kWaitMs));
    QCOMPARE(bodyText(view), QStringLiteral("two\n"));
    view.navigate(file);
    view.loadHtmlLines({"<html><body>three</body></html>"});
    QVERIFY(waitForEngine([&] { return complete.count() >= 2; }, kWaitMs));
    view.loadHtmlLines({"<html><body>four</body></html>"});
    QVERIFY(waitForEngine([&] { return complete.count() >= 3; }, kWaitMs));
    QCOMPARE(bodyText(view), QStringLiteral("four\n"));
    QCOMPARE(complete.count(), 3);

    // A load that fails still completes once, with the engine's error page in the view.
    complete.clear();
    view.navigate(folder.filePath(QStringLiteral("missing.html")));
    QVERIFY(complete.wait(kWaitMs));
    view.loadHtmlLines({"<html><body>five</body></html>"});
    QVERIFY(waitForEngine([&] { return complete.count() >= 2; }, kWaitMs));
    QCOMPARE(complete.count(), 2);
    QCOMPARE(bodyText(view), QStringLiteral("five\n"));
}

void TestHtmlView::pageTextIsWindows1252Lines() {
    HtmlView view;
    QVERIFY(loadAndWait(view, {"<html><body><p id=\"a\">100 \xB5g</p>", "<p id=\"b\">\x80 5</p>",
                               "<pre id=\"c\">one", "two</pre></body></html>"}));
    QCOMPARE(eval(view, QStringLiteral("document.getElementById('a').textContent")).toString(),
             QString::fromUtf8("100 µg"));
    QCOMPARE(eval(view, QStringLiteral("document.getElementById('b').textContent")).toString(),
             QString::fromUtf8("€ 5"));
    // Lines end in CR LF, which the page reads as line breaks.
    QCOMPARE(eval(view, QStringLiteral("document.getElementById('c').textContent")).toString(),
             QStringLiteral("one\ntwo"));

    // An empty list is an empty page.
    QVERIFY(loadAndWait(view, {}));
    QCOMPARE(eval(view, QStringLiteral("document.documentElement.outerHTML")).toString(),
             QStringLiteral("<html><head></head><body></body></html>"));
}

void TestHtmlView::scriptsShareGlobalsAndDropErrors() {
    HtmlView view;
    QSignalSpy console(&view, &HtmlView::consoleMessage);
    QVERIFY(loadAndWait(view, {"<html><body><p id=\"p\">page</p></body></html>"}));

    view.runScript("var shared = 20;", "javascript");
    view.runScript("document.getElementById('p').textContent = 'changed'; this is (not",
                   "javascript");
    view.runScript("throw new Error('thrown');", "javascript");
    view.runScript("var result = shared + 1;", "JavaScript");
    view.runScript("window.text = 'a \xB5 \x80';", "javascript");
    view.runScript("window.vb = 1;", "vbscript");  // no such language here: not run
    QCOMPARE(eval(view, QStringLiteral("result")).toInt(), 21);
    QCOMPARE(eval(view, QStringLiteral("text")).toString(), QString::fromUtf8("a µ €"));
    QCOMPARE(eval(view, QStringLiteral("typeof vb")).toString(), QStringLiteral("undefined"));
    // The engine's set-up lets a page have its garbage collected when it is done.
    QCOMPARE(eval(view, QStringLiteral("quorvelCollectGarbage(), typeof quorvelCollectGarbage"))
                 .toString(),
             QStringLiteral("function"));
    // The script with a syntax error changed nothing, not even before the error.
    QCOMPARE(bodyText(view), QStringLiteral("page\n"));
    // Its errors reached the console, which the view keeps to itself but lets one watch.
    QVERIFY(waitForEngine([&] { return console.count() >= 2; }, kWaitMs));
    QStringList messages;
    for (const auto& args : console)
        messages << args.at(1).toString();
    QVERIFY2(messages.join('|').contains(QStringLiteral("SyntaxError")),
             qPrintable(messages.join('|')));
    QVERIFY2(messages.join('|').contains(QStringLiteral("thrown")), qPrintable(messages.join('|')));

    // Once no page has come for a second, the pages replaced are collected.
    QVERIFY(loadAndWait(view, {"<html><body><script>window.collected = 0;"
                               " window.quorvelCollectGarbage = function () { collected++; };"
                               "</script></body></html>"}));
    QTRY_COMPARE_WITH_TIMEOUT(eval(view, QStringLiteral("collected")).toInt(), 1, kWaitMs);
}

void TestHtmlView::pageCodeListIsShownByItsForm() {
    HtmlView view;
    QSignalSpy complete(&view, &HtmlView::documentComplete);

    // One line of page text (like the placeholder page) is loaded as text.
    view.htmlCode().add("<html><body>placeholder</body></html>");
    QVERIFY(complete.wait(kWaitMs));
    QCOMPARE(bodyText(view), QStringLiteral("placeholder\n"));

    // One line that is an address is navigated to.
    complete.clear();
    view.htmlCode().setText({"about:blank"});
    QVERIFY(complete.wait(kWaitMs));
    QCOMPARE(complete.at(0).at(1).toUrl(), QUrl(QStringLiteral("about:blank")));

    // Two lines are page text, even when the first looks like an address.
    complete.clear();
    view.htmlCode().setText({"http://127.0.0.1:9/", "<b>second</b>"});
    QVERIFY(complete.wait(kWaitMs));
    QCOMPARE(complete.at(0).at(1).toUrl(), programFolderUrl());
    QCOMPARE(bodyText(view), QStringLiteral("http://127.0.0.1:9/\nsecond\n"));

    // A blank line does nothing: the view still holds the page before it, which is what it
    // shows again when its process dies.
    complete.clear();
    view.htmlCode().setText({"   "});
    QCOMPARE(::kill(static_cast<pid_t>(view.page()->renderProcessPid()), SIGKILL), 0);
    QVERIFY(complete.wait(kWaitMs));
    QCOMPARE(complete.count(), 1);
    QCOMPARE(bodyText(view), QStringLiteral("http://127.0.0.1:9/\nsecond\n"));

    // A line that names a folder shows the folder.
    complete.clear();
    QTemporaryDir folder(QDir::current().filePath(QStringLiteral("fileXXXXXX")));
    QVERIFY(folder.isValid());
    const QString name = QDir::current().relativeFilePath(folder.path());
    QVERIFY(name.startsWith(QLatin1String("file")));
    view.htmlCode().setText({name.toStdString()});
    QVERIFY(complete.wait(kWaitMs));
    QCOMPARE(complete.at(0).at(1).toUrl().toLocalFile(), folder.path() + QLatin1Char('/'));
}

void TestHtmlView::styleSheetsAndImagesByPathAndByName() {
    QTemporaryDir folder;
    const QString css = folder.filePath(QStringLiteral("basic.css"));
    QVERIFY(writeFile(css, "body { color: rgb(1, 2, 3); }"));
    const QString picture = folder.filePath(QStringLiteral("dot.png"));
    QImage image(7, 5, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(picture));
    const FileBesideProgram beside(QStringLiteral("tst-htmlview-beside.css"),
                                   "p { background-color: rgb(4, 5, 6); }");
    QVERIFY(beside.written);

    HtmlView view;
    QVERIFY(loadAndWait(
        view,
        {"<html><head><link rel=\"stylesheet\" href=\"" + css.toStdString() + "\">",
         "<link rel=\"stylesheet\" href=\"tst-htmlview-beside.css\"></head>",
         "<body><p>text</p><img id=\"i\" src=\"" + picture.toStdString() + "\"></body></html>"}));
    QCOMPARE(eval(view, QStringLiteral("getComputedStyle(document.body).color")).toString(),
             QStringLiteral("rgb(1, 2, 3)"));
    QCOMPARE(
        eval(view, QStringLiteral("getComputedStyle(document.querySelector('p')).backgroundColor"))
            .toString(),
        QStringLiteral("rgb(4, 5, 6)"));
    QTRY_COMPARE_WITH_TIMEOUT(
        eval(view, QStringLiteral("document.getElementById('i').naturalWidth")).toInt(), 7,
        kWaitMs);
    QCOMPARE(eval(view, QStringLiteral("location.href")).toString(), programFolderUrl().toString());
}

void TestHtmlView::largePageIsShownLikeAnyOther() {
    QTemporaryDir folder;
    const QString css = folder.filePath(QStringLiteral("basic.css"));
    QVERIFY(writeFile(css, "body { color: rgb(1, 2, 3); }"));
    const FileBesideProgram beside(QStringLiteral("tst-htmlview-beside-large.css"),
                                   "p { background-color: rgb(4, 5, 6); }");
    QVERIFY(beside.written);

    std::vector<std::string> lines{
        "<html><head><link rel=\"stylesheet\" href=\"" + css.toStdString() + "\">",
        "<link rel=\"stylesheet\" href=\"tst-htmlview-beside-large.css\"></head><body>"};
    std::size_t size = 0;
    int rows = 0;
    while (size < 5 * 1024 * 1024) {
        lines.push_back("<p>Row " + std::to_string(++rows) +
                        ": 100 \xB5g of something, and a line long enough to count.</p>");
        size += lines.back().size() + 2;
    }
    lines.push_back("<div id=\"end\">last \x80</div></body></html>");

    HtmlView view;
    QSignalSpy complete(&view, &HtmlView::documentComplete);
    QCOMPARE(view.loadHtmlLines(lines), 0);
    QCOMPARE(complete.count(), 0);
    QVERIFY(complete.wait(kWaitMs));
    const QUrl shown = complete.at(0).at(1).toUrl();
    QVERIFY(shown.isLocalFile());
    QCOMPARE(eval(view, QStringLiteral("document.querySelectorAll('p').length")).toInt(), rows);
    QCOMPARE(eval(view, QStringLiteral("document.getElementById('end').textContent")).toString(),
             QString::fromUtf8("last €"));
    QCOMPARE(eval(view, QStringLiteral("document.querySelector('p').textContent")).toString(),
             QString::fromUtf8("Row 1: 100 µg of something, and a line long enough to count."));
    QCOMPARE(eval(view, QStringLiteral("getComputedStyle(document.body).color")).toString(),
             QStringLiteral("rgb(1, 2, 3)"));
    QCOMPARE(
        eval(view, QStringLiteral("getComputedStyle(document.querySelector('p')).backgroundColor"))
            .toString(),
        QStringLiteral("rgb(4, 5, 6)"));

    // The next page replaces it, and its file goes.
    QVERIFY(QFile::exists(shown.toLocalFile()));
    QVERIFY(loadAndWait(view, {"<html><body>small</body></html>"}));
    QVERIFY(!QFile::exists(shown.toLocalFile()));
}

void TestHtmlView::largePageThatCannotBeWrittenKeepsThePage() {
    // No view lives here before this one, so its profile has no folder for large pages yet;
    // it cannot make one where nobody can make folders, not even root.
    const QByteArray tmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", "/proc");
    HtmlView view;
    QVERIFY(loadAndWait(view, {"<html><body>kept</body></html>"}));
    QSignalSpy complete(&view, &HtmlView::documentComplete);
    const std::vector<std::string> large(30000, std::string(100, 'x'));
    const int result = view.loadHtmlLines(large);
    if (tmp.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", tmp);
    QCOMPARE(result, 1);
    QCOMPARE(bodyText(view), QStringLiteral("kept\n"));
    QCOMPARE(complete.count(), 0);
}

void TestHtmlView::pagesNeverReachTheNetwork() {
    HtmlView view;
    QSignalSpy blocked(&view.requestFilter(), &RequestFilter::requestBlocked);
    QSignalSpy complete(&view, &HtmlView::documentComplete);

    // An address on the web is not loaded; the load completes with the engine's error page.
    const QUrl address(QStringLiteral("https://127.0.0.1:9/"));
    view.navigate(address.toString());
    QVERIFY(complete.wait(kWaitMs));
    QCOMPARE(complete.at(0).at(1).toUrl(), address);
    QCOMPARE(blocked.count(), 1);
    QCOMPARE(blocked.at(0).at(0).toUrl(), address);

    // Nor is a picture on the web; one carried in the page is.
    complete.clear();
    const QUrl picture(QStringLiteral("http://127.0.0.1:9/picture.png"));
    QVERIFY(loadAndWait(
        view, {"<html><body><img id=\"web\" src=\"" + picture.toString().toStdString() + "\">",
               "<img id=\"data\" src=\"data:image/gif;base64,"
               "R0lGODlhAQABAAAAACH5BAEKAAEALAAAAAABAAEAAAICTAEAOw==\"></body></html>"}));
    QTRY_COMPARE_WITH_TIMEOUT(
        eval(view, QStringLiteral("document.getElementById('data').naturalWidth")).toInt(), 1,
        kWaitMs);
    QCOMPARE(eval(view, QStringLiteral("document.getElementById('web').naturalWidth")).toInt(), 0);
    QVERIFY(!view.requestFilter().blockedUrls().contains(programFolderUrl()));

    QVERIFY_EXCEPTION_THROWN(view.navigate(QString()), std::invalid_argument);
}

void TestHtmlView::deadEngineProcessShowsThePageAgain() {
    HtmlView view;
    view.resize(300, 200);
    view.show();
    QVERIFY(loadAndWait(view, {"<html><body>survivor</body></html>"}));
    view.runScript("window.mark = 1;", "javascript");
    QCOMPARE(eval(view, QStringLiteral("window.mark")).toInt(), 1);

    QSignalSpy complete(&view, &HtmlView::documentComplete);
    const qint64 pid = view.page()->renderProcessPid();
    QVERIFY(pid > 0);
    QCOMPARE(::kill(static_cast<pid_t>(pid), SIGKILL), 0);
    QVERIFY(complete.wait(kWaitMs));
    QCOMPARE(complete.count(), 1);
    QVERIFY(view.page()->renderProcessPid() != pid);
    QCOMPARE(bodyText(view), QStringLiteral("survivor\n"));
    QCOMPARE(eval(view, QStringLiteral("typeof window.mark")).toString(),
             QStringLiteral("undefined"));

    // The engine's new render widget reports presses as the old one did.
    QSignalSpy clicks(&view, &HtmlView::mousePressed);
    QTRY_VERIFY_WITH_TIMEOUT(view.focusProxy() != nullptr, kWaitMs);
    QTest::mousePress(view.focusProxy(), Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(clicks.wait(kWaitMs));
}

// A page that keeps crashing its process is shown again three times, then left; a kill from
// outside is always followed by the page, however often it comes.
void TestHtmlView::crashesEndTheReloadsButKillsNever() {
    HtmlView view;
    view.resize(300, 200);
    view.show();
    QVERIFY(loadAndWait(view, {"<html><body>again</body></html>"}));
    QSignalSpy complete(&view, &HtmlView::documentComplete);
    const auto end = [&](int signal) {
        complete.clear();
        const qint64 pid = view.page()->renderProcessPid();
        return pid > 0 && ::kill(static_cast<pid_t>(pid), signal) == 0 &&
               waitForEngine([&] { return view.page()->renderProcessPid() != pid; }, kWaitMs);
    };

    for (int kill = 0; kill < 5; ++kill) {
        QVERIFY(end(SIGKILL));
        QVERIFY(complete.wait(kWaitMs));
    }
    for (int crash = 0; crash < 3; ++crash) {
        QVERIFY(end(SIGSEGV));
        QVERIFY(complete.wait(kWaitMs));
        QCOMPARE(bodyText(view), QStringLiteral("again\n"));
    }
    // The fourth is one too many. The view hears of the death before this test does and queues
    // its reload; once the events queued after that have run, a reload would be under way.
    QSignalSpy gone(view.page(), &QWebEnginePage::renderProcessTerminated);
    QVERIFY(end(SIGSEGV));
    QVERIFY(waitForEngine([&] { return gone.count() >= 1; }, kWaitMs));
    bool queueRan = false;
    QTimer::singleShot(0, &view, [&queueRan] { queueRan = true; });
    QVERIFY(waitForEngine([&] { return queueRan; }, kWaitMs));
    QVERIFY(!view.page()->isLoading());
    QCOMPARE(complete.count(), 0);

    // The owner's next page starts afresh.
    QVERIFY(loadAndWait(view, {"<html><body>next</body></html>"}));
    QVERIFY(end(SIGSEGV));
    QVERIFY(complete.wait(kWaitMs));
    QCOMPARE(bodyText(view), QStringLiteral("next\n"));
}

HTMLVIEW_TEST_MAIN(TestHtmlView)
#include "tst_embedded_wb.moc"
