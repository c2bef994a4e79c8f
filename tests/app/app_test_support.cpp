#include "app_test_support.h"

#include <QApplication>
#include <QDesktopServices>
#include <QPushButton>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <cstdio>
#include <fstream>

#include "app/about.h"
#include "app/form1.h"
#include "data/app_folder.h"

std::vector<std::pair<QString, TestFactory>>& RegisteredTests() {
    static std::vector<std::pair<QString, TestFactory>> tests;
    return tests;
}

AppWindows::AppWindows() {
    form = std::make_unique<TForm1>();
    about = std::make_unique<TAbout>();
    form->SetAbout(about.get());
}

AppWindows::~AppWindows() {
    about.reset();
    form.reset();
}

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

QString PageValue(QWebEngineView* view, const QString& script) {
    struct Answer {
        bool done = false;
        QString text;
    };
    auto answer = std::make_shared<Answer>();
    view->page()->runJavaScript(script, [answer](const QVariant& value) {
        answer->text = value.isNull() ? QString() : value.toString();
        answer->done = true;
    });
    if (!QTest::qWaitFor([answer] { return answer->done; }, 30000)) {
        return QStringLiteral("(no answer from the page)");
    }
    return answer->text;
}

QString ScriptsRan(QWebEngineView* view) {
    return PageValue(view, QStringLiteral("document.documentElement.getAttribute('data-ran')"));
}

ModalWatcher::ModalWatcher() {
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &ModalWatcher::Poll);
    timer_.start();
}

void ModalWatcher::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        boxes.push_back({box->windowTitle(), box->text(), box->icon()});
        box->buttons().value(0)->click();
    } else if (auto* about = qobject_cast<TAbout*>(modal)) {
        aboutCaptions.append(about->Button1->text());
        if (about->isModal()) {
            ++aboutShownModal;
        }
        if (tryEscapeFirst) {
            QTest::keyClick(about, Qt::Key_Escape);
            escapeClosedAbout = escapeClosedAbout || !about->isVisible();
        }
        if (dismissAbout == Dismiss::ByOk) {
            about->Button1->click();
        } else {
            about->close();
        }
    }
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
