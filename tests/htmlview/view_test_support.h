#pragma once

#include <QApplication>
#include <QString>
#include <QTest>
#include <QVariant>

#include "../gui_support/engine_wait.h"

#include "htmlview/html_view.h"
#include "htmlview/web_engine_setup.h"

// Generous: the machine is small and shared, and a wait ends as soon as its signal comes.
constexpr int kWaitMs = 60000;

// The value of a script expression in the view's page (after every script run before it), or
// the text "<no answer>" when the page gave none in time.
QVariant eval(HtmlView& view, const QString& expression);

// Loads the lines and waits for the load to complete; false when it did not.
bool loadAndWait(HtmlView& view, const std::vector<std::string>& lines);

// The engine must be set up before the application exists.
#define HTMLVIEW_TEST_MAIN(TestClass)           \
    int main(int argc, char** argv) {           \
        prepareWebEngine();                     \
        QApplication app(argc, argv);           \
        TestClass test;                         \
        return QTest::qExec(&test, argc, argv); \
    }
