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

#include "app/about.h"
#include "app/form1.h"
#include "data/app_folder.h"
#include "htmlview/embedded_wb.h"

const char* const kScriptFiles[6] = {"jq.dat",  "enh.dat", "exc.dat",
                                     "vis.dat", "exa.dat", "exacomp.dat"};
const char* const kStyleSheets[3] = {"basic.css", "visualize.css", "visualize-light.css"};
const char* const kLikePage = "quorvel.html";

namespace {

std::string ReadWhole(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The file as the build placed it beside the program.
std::string Original(const std::string& name) {
    return ReadWhole(std::string(QUORVEL_INSTALLED_FILES) + name);
}

bool IsScript(const std::string& name) {
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

std::string AppFilePath(const std::string& name) {
    return AppFolder() + name;
}

void WriteAppFile(const std::string& name, const std::string& content) {
    std::filesystem::remove_all(AppFilePath(name));
    std::ofstream file(AppFilePath(name), std::ios::binary | std::ios::trunc);
    file << content;
}

void RestoreAppFiles() {
    for (const char* name : kScriptFiles) {
        WriteAppFile(name, Original(name));
    }
    for (const char* name : kStyleSheets) {
        WriteAppFile(name, Original(name));
    }
    WriteAppFile(kLikePage, Original(kLikePage));
}

const char* FaultName(Fault fault) {
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

void BreakAppFile(const std::string& name, Fault fault) {
    const std::string path = AppFilePath(name);
    switch (fault) {
        case Fault::Missing:
            std::filesystem::remove_all(path);
            break;
        case Fault::Empty:
            WriteAppFile(name, "");
            break;
        case Fault::Directory:
            std::filesystem::remove_all(path);
            std::filesystem::create_directory(path);
            break;
        case Fault::ByteOrderMark:
            WriteAppFile(name, "\xEF\xBB\xBF" + Original(name));
            break;
        case Fault::Large:
            WriteAppFile(name, Large(name));
            break;
        case Fault::Garbage:
            WriteAppFile(name, Garbage());
            break;
        case Fault::Throws:
            if (IsScript(name)) {
                WriteAppFile(name, "throw new Error(\"broken on purpose\");\n");
            } else {
                WriteAppFile(name,
                             "<html><body><script>throw new Error(\"broken on purpose\");"
                             "</script>" +
                                 Original(name) + "</body></html>");
            }
            break;
    }
}

QString Charts(QWebEngineView* view) {
    return PageValue(view, QStringLiteral("document.documentElement.dataset.charts || ''"));
}

bool ReportShows(TForm1& form, const QString& fruit) {
    const QString shown =
        PageValue(form.wb, QStringLiteral("var h = document.querySelector('h1');"
                                          "(document.documentElement.dataset.charts || '') + '|' +"
                                          " (h ? h.textContent : '')"));
    return shown.startsWith(QStringLiteral("5|")) && shown.endsWith(QStringLiteral(": ") + fruit);
}

bool ComparisonShows(TForm1& form, int fruits) {
    const QString shown = PageValue(
        form.wb2, QStringLiteral("var t = document.querySelector('table');"
                                 "(document.documentElement.dataset.charts || '') + '|' +"
                                 " (t ? t.querySelectorAll('th[scope=row]').length : 0)"));
    return shown == QStringLiteral("10|%1").arg(fruits);
}

void AddFruit(TForm1& form, int row) {
    form.listafrutas->setCurrentRow(row);
    form.Button4->click();
}
