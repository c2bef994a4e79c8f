// The about box's like page, the icons compiled into the program, and the bytes of the files
// placed beside the program.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QWebEngineView>

#include "web_harness.h"

namespace {
constexpr int kTimeoutMs = 30000;
}

class TestLikePageAndIcons : public QObject {
    Q_OBJECT

  private slots:
    void filesBesideTheProgram();
    void chartScriptsArePureAscii();
    void chartLibraryIsTheVendoredVersion();
    void likePageFitsAndToggles();
    void applicationIcon();
    void toolBarImages_data();
    void toolBarImages();
};

void TestLikePageAndIcons::filesBesideTheProgram() {
    for (const char* name :
         {"basic.css", "visualize.css", "visualize-light.css", "jq.dat", "enh.dat", "exc.dat",
          "vis.dat", "exa.dat", "exacomp.dat", "rank.dat", "quorvel.html"}) {
        QFileInfo file(WebHarness::assetFolder() + QString::fromLatin1(name));
        QVERIFY2(file.isFile() && file.size() > 100, name);
    }
}

// The program hands the script files to the page as Windows-1252 bytes: only ASCII survives that
// unchanged. The style sheets and the like page are kept ASCII as well.
void TestLikePageAndIcons::chartScriptsArePureAscii() {
    for (const char* name :
         {"jq.dat", "enh.dat", "exc.dat", "vis.dat", "exa.dat", "exacomp.dat", "rank.dat",
          "basic.css", "visualize.css", "visualize-light.css", "quorvel.html"}) {
        QFile file(WebHarness::assetFolder() + QString::fromLatin1(name));
        QVERIFY2(file.open(QIODevice::ReadOnly), name);
        const QByteArray bytes = file.readAll();
        const auto bad = std::find_if(bytes.begin(), bytes.end(),
                                      [](char c) { return static_cast<unsigned char>(c) > 0x7F; });
        QVERIFY2(bad == bytes.end(), qPrintable(QStringLiteral("%1: non-ASCII byte at offset %2")
                                                    .arg(QString::fromLatin1(name))
                                                    .arg(bad - bytes.begin())));
    }
}

// The chart library beside the program is the bundle of the versions the bundling tool pins:
// every package VERSION names is locked at that version, and its licence lies beside it.
void TestLikePageAndIcons::chartLibraryIsTheVendoredVersion() {
    QFile version(QStringLiteral(QUORVEL_ASSET_SOURCE_DIR "/vendor/VERSION"));
    QVERIFY(version.open(QIODevice::ReadOnly));
    QFile lock(QStringLiteral(QUORVEL_ASSET_SOURCE_DIR "/../tools/chart-bundle/package-lock.json"));
    QVERIFY(lock.open(QIODevice::ReadOnly));
    const QJsonObject locked =
        QJsonDocument::fromJson(lock.readAll()).object()[QStringLiteral("packages")].toObject();
    QStringList bundled;
    for (const QByteArray& line : version.readAll().split('\n')) {
        const QList<QByteArray> words = line.split(' ');  // "d3-scale 4.0.2 (ISC)"
        if (words.size() != 3 || !words[0].startsWith("d3-")) {
            continue;
        }
        const QString name = QString::fromLatin1(words[0]);
        bundled << name;
        QCOMPARE(locked[QStringLiteral("node_modules/") + name]
                     .toObject()[QStringLiteral("version")]
                     .toString(),
                 QString::fromLatin1(words[1]));
        QVERIFY2(QFile::exists(QStringLiteral(QUORVEL_ASSET_SOURCE_DIR "/vendor/licenses/") + name +
                               QStringLiteral(".LICENSE")),
                 qPrintable(name));
    }
    QVERIFY(bundled.contains(QStringLiteral("d3-scale")));
    QVERIFY(bundled.contains(QStringLiteral("d3-format")));
    QFile script(WebHarness::assetFolder() + QStringLiteral("jq.dat"));
    QVERIFY(script.open(QIODevice::ReadOnly));
    QVERIFY(script.readAll().contains("QuorvelD3"));
}

// The about box shows the page in a 100 x 100 view without scroll bars.
void TestLikePageAndIcons::likePageFitsAndToggles() {
    WebHarness web(100, 100);
    QVERIFY(web.loadUrl(QUrl::fromLocalFile(WebHarness::assetFolder() + "quorvel.html")));
    const QJsonObject size =
        web.eval(QStringLiteral("{w: document.documentElement.scrollWidth,"
                                " h: document.documentElement.scrollHeight,"
                                " bw: document.body.scrollWidth, bh: document.body.scrollHeight}"))
            .toObject();
    QVERIFY(size[QStringLiteral("w")].toInt() <= 100);
    QVERIFY(size[QStringLiteral("h")].toInt() <= 100);
    QVERIFY(size[QStringLiteral("bw")].toInt() <= 100);
    QVERIFY(size[QStringLiteral("bh")].toInt() <= 100);

    const QString state = QStringLiteral(
        "(function () { var b = document.querySelector('button');"
        " var r = b.getBoundingClientRect();"
        " return {text: b.textContent.trim(), pressed: b.getAttribute('aria-pressed'),"
        " svg: !!b.querySelector('svg'), left: r.left, top: r.top, right: r.right,"
        " bottom: r.bottom, background: getComputedStyle(b).backgroundColor}; })()");
    QJsonObject button = web.eval(state).toObject();
    QCOMPARE(button[QStringLiteral("text")].toString(), QStringLiteral("Like"));
    QCOMPARE(button[QStringLiteral("pressed")].toString(), QStringLiteral("false"));
    QVERIFY(button[QStringLiteral("svg")].toBool());
    QVERIFY(button[QStringLiteral("left")].toDouble() >= 0);
    QVERIFY(button[QStringLiteral("top")].toDouble() >= 0);
    QVERIFY(button[QStringLiteral("right")].toDouble() <= 100);
    QVERIFY(button[QStringLiteral("bottom")].toDouble() <= 100);
    const QString unpressedBackground = button[QStringLiteral("background")].toString();

    // A real click in the middle of the view presses the button; a second one releases it.
    QWidget* input = web.view().focusProxy() ? web.view().focusProxy() : &web.view();
    QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(50, 50));
    QTRY_COMPARE_WITH_TIMEOUT(web.eval(state).toObject()[QStringLiteral("pressed")].toString(),
                              QStringLiteral("true"), kTimeoutMs);
    button = web.eval(state).toObject();
    QVERIFY(button[QStringLiteral("text")].toString().startsWith(QLatin1String("Like")));
    QVERIFY(button[QStringLiteral("background")].toString() != unpressedBackground);
    QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(50, 50));
    QTRY_COMPARE_WITH_TIMEOUT(web.eval(state).toObject()[QStringLiteral("pressed")].toString(),
                              QStringLiteral("false"), kTimeoutMs);

    QCOMPARE(web.errorsSoFar(), QStringList());
    QCOMPARE(web.requests().nonLocal, QStringList());
}

void TestLikePageAndIcons::applicationIcon() {
    QVERIFY(QFile::exists(QStringLiteral(":/icons/quorvel.svg")));
    for (int size : {16, 32, 48, 64, 128}) {
        const QString path = QStringLiteral(":/icons/quorvel-%1.png").arg(size);
        QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(image.hasAlphaChannel());
        // Transparent corner, strawberry red in the middle of the berry.
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
        const QColor middle = image.pixelColor(size / 2, size * 5 / 8);
        QVERIFY2(middle.red() > 150 && middle.green() < 110 && middle.blue() < 120,
                 qPrintable(path + QStringLiteral(" ") + middle.name()));
    }
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/quorvel-16.png"));
    icon.addFile(QStringLiteral(":/icons/quorvel-128.png"));
    QCOMPARE(icon.availableSizes().size(), 2);
}

void TestLikePageAndIcons::toolBarImages_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("square");
    QTest::newRow("about box: question mark on blue") << "about" << QColor(0x30, 0x78, 0xd0);
    QTest::newRow("web page: hand on orange") << "website" << QColor(0xf5, 0x8c, 0x25);
}

void TestLikePageAndIcons::toolBarImages() {
    QFETCH(QString, name);
    QFETCH(QColor, square);
    QVERIFY(QFile::exists(QStringLiteral(":/icons/%1.svg").arg(name)));
    for (int size : {48, 96}) {
        QImage image(QStringLiteral(":/icons/%1-%2.png").arg(name).arg(size));
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(image.hasAlphaChannel());
        // Soft corners: the very corner is transparent; just inside the edge is the square.
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
        const QColor edge = image.pixelColor(size / 2, size / 12);
        QVERIFY2(qAbs(edge.hue() - square.hue()) < 20 && edge.saturation() > 120,
                 qPrintable(name + QStringLiteral(" ") + edge.name()));
        // Some white symbol on it.
        int white = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QColor c = image.pixelColor(x, y);
                white += c.alpha() == 255 && c.red() > 245 && c.green() > 245 && c.blue() > 245;
            }
        }
        QVERIFY2(white > size * size / 12, qPrintable(QString::number(white)));
    }
}

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestLikePageAndIcons test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_like_page_and_icons.moc"
