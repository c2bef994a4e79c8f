// The embedded tables, their lines, the fruit list's names and the program folder.
#include <QtTest>

#include <fstream>
#include <sstream>
#include <system_error>

#include "data/app_folder.h"
#include "data/capitalize_words.h"
#include "data/fruit_table.h"
#include "data/resource_text.h"
#include "data/win1252_lower.h"

namespace {

std::string readSourceFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace

class TestFruitTable : public QObject {
    Q_OBJECT
  private slots:
    void resourcesAreTheExactBytesFoundWithoutRegardToCase() {
        const std::string source = readSourceFile(QUORVEL_SOURCE_DIR "/data/fruits.en.txt");
        QVERIFY(!source.empty());
        QVERIFY(loadResourceText("endat", "text") == source);
        QVERIFY(loadResourceText("ENDAT", "TEXT") == source);
        QVERIFY(loadResourceText("EnDaT", "tExT") == source);
        QVERIFY(loadResourceText("esdat", "text") ==
                readSourceFile(QUORVEL_SOURCE_DIR "/data/fruits.es.txt"));
    }

    void unknownResourceRaisesTheSystemText() {
        try {
            loadResourceText("nodat", "text");
            QFAIL("no error raised");
        } catch (const std::system_error& error) {
            QCOMPARE(error.code().value(), ENOENT);
            QCOMPARE(QString(error.what()), QString("No such file or directory"));
        }
        QVERIFY_THROWS_EXCEPTION(std::system_error, loadResourceText("endat", "bitmap"));
    }

    void embeddedTableGives146LinesAnd145Names() {
        std::vector<std::string> lines{"stale"};
        const auto names = loadFruitTable(lines);
        QCOMPARE(lines.size(), std::size_t(146));
        QCOMPARE(names.size(), std::size_t(145));
        QCOMPARE(QString::fromStdString(names.front()),
                 QString("Acerola,(west Indian Cherry),raw"));
        QCOMPARE(QString::fromStdString(names[2]), QString("Apples,raw,with Skin"));
        QCOMPARE(QString::fromStdString(names[27]), QString("Currants,red&white,raw"));
        QCOMPARE(QString::fromStdString(names[107]),
                 QString("Plums,dried (prunes),without Added Sugar"));
        QCOMPARE(QString::fromStdString(names.back()), QString("Horned Melon (kiwano)"));
        QCOMPARE(QString::fromStdString(lines.back()),
                 QString(";;;;;;;;;;;;;;;;;;;;;;;;;;;0;;;;;"));
        for (std::size_t i = 0; i < names.size(); ++i) {
            QCOMPARE(names[i], displayNameOf(lines[i]));
        }
    }

    void linesEndAtAnyBreakAndNul() {
        using Lines = std::vector<std::string>;
        QCOMPARE(splitTableLines("a\r\nb\r\n"), (Lines{"a", "b"}));
        QCOMPARE(splitTableLines("a\rb\nc"), (Lines{"a", "b", "c"}));
        QCOMPARE(splitTableLines("a\n\nb"), (Lines{"a", "", "b"}));
        QCOMPARE(splitTableLines("a\n\r\n"), (Lines{"a", ""}));
        QCOMPARE(splitTableLines(std::string("a\nb\0c\nd", 7)), (Lines{"a", "b"}));
        QCOMPARE(splitTableLines(""), Lines{});
    }

    void lastLineIsNeverListed() {
        using Lines = std::vector<std::string>;
        QCOMPARE(fruitListNames(Lines{"KIWI;1", "PEAR;2"}), Lines{"Kiwi"});
        QCOMPARE(fruitListNames(Lines{"KIWI;1"}), Lines{});
        QCOMPARE(fruitListNames(Lines{}), Lines{});
        QCOMPARE(fruitListNames(Lines{"NO SEMICOLON", ""}), Lines{"No Semicolon"});
        QCOMPARE(fruitListNames(Lines{";1;2", ""}), Lines{""});
    }

    void capitalizesOnlyAfterBlanks() {
        QCOMPARE(capitalizeWords("grapefruit,raw,pink & red,florida"),
                 std::string("Grapefruit,raw,pink & Red,florida"));
        QCOMPARE(capitalizeWords("custard-apple,(bullock's-heart),raw"),
                 std::string("Custard-apple,(bullock's-heart),raw"));
        QCOMPARE(capitalizeWords(""), std::string());
        QCOMPARE(capitalizeWords(" a  b\tc"), std::string(" A  B\tc"));
        QCOMPARE(capitalizeWords("\xE9t\xE9 x"), std::string("\xE9t\xE9 X"));  // accents stay
        const std::string longText = std::string(300, 'a') + " z";
        const std::string capitalized = capitalizeWords(longText);
        QCOMPARE(capitalized.size(), longText.size());
        QCOMPARE(capitalized.substr(298), std::string("aa Z"));
    }

    void lowerCasesWindows1252() {
        QCOMPARE(lowerCaseWin1252("ABC xyz \xC0\xC9\xDE\xD7\x8A\x8C\x8E\x9F\xDF"),
                 std::string("abc xyz \xE0\xE9\xFE\xD7\x9A\x9C\x9E\xFF\xDF"));
    }

    void appFolderIsTheExecutablesFolder() {
        const std::string folder = appFolder();
        QVERIFY(!folder.empty());
        QCOMPARE(folder.back(), '/');
        QCOMPARE(QString::fromStdString(folder),
                 QDir(QCoreApplication::applicationDirPath()).canonicalPath() + "/");
    }
};

QTEST_GUILESS_MAIN(TestFruitTable)
#include "test_fruit_table.moc"
