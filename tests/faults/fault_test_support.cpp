#include "fault_test_support.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/about_box/about_box.h"
#include "app/main_window/main_window.h"
#include "data/app_folder.h"
#include "htmlview/html_view.h"

const char* const kScriptFiles[6] = {"jq.dat",  "enh.dat", "exc.dat",
                                     "vis.dat", "exa.dat", "exacomp.dat"};
const char* const kStyleSheets[3] = {"basic.css", "visualize.css", "visualize-light.css"};
const char* const kLikePage = "quorvel.html";

namespace {

std::string readWhole(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The file as the build placed it beside the program.
std::string Original(const std::string& name) {
    return readWhole(std::string(QUORVEL_INSTALLED_FILES) + name);
}

bool isScript(const std::string& name) {
    return name.size() > 4 && name.compare(name.size() - 4, 4, ".dat") == 0;
}

// The same file grown to 10 MB by a comment of its own language, so it still works.
std::string Large(const std::string& name) {
    const std::size_t size = 10 * 1024 * 1024;
    std::string text = Original(name);
    const bool html = name == kLikePage;
    text += html ? "\n<!-- " : "\n/* ";
    text.append(size - text.size() - 4, 'x');
    text += html ? " -->" : " */\n";
    return text;
}

// 64 KiB of bytes of every value, NUL and the code page's high half among them.
std::string Garbage() {
    std::string bytes(64 * 1024, '\0');
    std::uint32_t state = 12345;
    for (char& byte : bytes) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<char>(state >> 24);
    }
    return bytes;
}

}  // namespace

std::string appFilePath(const std::string& name) {
    return appFolder() + name;
}

void writeAppFile(const std::string& name, const std::string& content) {
    std::filesystem::remove_all(appFilePath(name));
    std::ofstream file(appFilePath(name), std::ios::binary | std::ios::trunc);
    file << content;
}

void restoreAppFiles() {
    for (const char* name : kScriptFiles) {
        writeAppFile(name, Original(name));
    }
    for (const char* name : kStyleSheets) {
        writeAppFile(name, Original(name));
    }
    writeAppFile(kLikePage, Original(kLikePage));
}

const char* faultName(Fault fault) {
    switch (fault) {
        case Fault::Missing:
            return "missing";
        case Fault::Empty:
            return "empty";
        case Fault::Directory:
            return "directory";
        case Fault::ByteOrderMark:
            return "byte-order mark";
        case Fault::Large:
            return "10 MB";
        case Fault::Garbage:
            return "garbage";
        case Fault::Throws:
            return "throws";
    }
    return "?";
}

void breakAppFile(const std::string& name, Fault fault) {
    const std::string path = appFilePath(name);
    switch (fault) {
        case Fault::Missing:
            std::filesystem::remove_all(path);
            break;
        case Fault::Empty:
            writeAppFile(name, "");
            break;
        case Fault::Directory:
            std::filesystem::remove_all(path);
            std::filesystem::create_directory(path);
            break;
        case Fault::ByteOrderMark:
            writeAppFile(name, "\xEF\xBB\xBF" + Original(name));
            break;
        case Fault::Large:
            writeAppFile(name, Large(name));
            break;
        case Fault::Garbage:
            writeAppFile(name, Garbage());
            break;
        case Fault::Throws:
            if (isScript(name)) {
                writeAppFile(name, "throw new Error(\"broken on purpose\");\n");
            } else {
                writeAppFile(name,
                             "<html><body><script>throw new Error(\"broken on purpose\");"
                             "</script>" +
                                 Original(name) + "</body></html>");
            }
            break;
    }
}

QString charts(QWebEngineView* view) {
    return pageValue(view, QStringLiteral("document.documentElement.dataset.charts || ''"));
}

bool reportShows(MainWindow& form, const QString& fruit) {
    const QString shown =
        pageValue(form.fruitReportView,
                  QStringLiteral("var h = document.querySelector('h1');"
                                 "(document.documentElement.dataset.charts || '') + '|' +"
                                 " (h ? h.textContent : '')"));
    return shown.startsWith(QStringLiteral("5|")) && shown.endsWith(QStringLiteral(": ") + fruit);
}

bool comparisonShows(MainWindow& form, int fruits) {
    const QString shown =
        pageValue(form.comparisonView,
                  QStringLiteral("var t = document.querySelector('table');"
                                 "(document.documentElement.dataset.charts || '') + '|' +"
                                 " (t ? t.querySelectorAll('th[scope=row]').length : 0)"));
    return shown == QStringLiteral("10|%1").arg(fruits);
}

void addFruit(MainWindow& form, int row) {
    form.fruitList->setCurrentRow(row);
    form.addButton->click();
}
