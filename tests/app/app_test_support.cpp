#include "app_test_support.h"

#include <QDesktopServices>
#include <cstdio>
#include <fstream>

#include "data/app_folder.h"

void WriteTestScript(const std::string& name, const std::string& record) {
    std::ofstream file(AppFolder() + name, std::ios::binary | std::ios::trunc);
    file << "(function () { var root = document.documentElement;\n"
            "root.setAttribute('data-ran', (root.getAttribute('data-ran') || '') + '"
         << record << ";'); })();\n";
}

void WriteTestAppFiles() {
    for (const char* name : {"jq.dat", "enh.dat", "exc.dat", "vis.dat", "exa.dat", "exacomp.dat"}) {
        WriteTestScript(name, name);
    }
    std::ofstream page(AppFolder() + "quorvel.html", std::ios::binary | std::ios::trunc);
    page << "<!DOCTYPE html><html><body style=\"margin:0\"><button style=\"width:100px;"
            "height:100px\">Like</button></body></html>\n";
}

void RemoveAppFile(const std::string& name) {
    std::remove((AppFolder() + name).c_str());
}

QString ScriptsRan(QWebEngineView* view) {
    return PageValue(view, QStringLiteral("document.documentElement.getAttribute('data-ran')"));
}

UrlRecorder::UrlRecorder() {
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "Open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "Open");
}

UrlRecorder::~UrlRecorder() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}

void UrlRecorder::Open(const QUrl& url) {
    urls.append(url);
}
