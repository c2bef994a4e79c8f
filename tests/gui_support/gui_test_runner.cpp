#include "gui_test_runner.h"

#include <QStandardPaths>
#include <QStringList>
#include <QTest>
#include <cstdio>

#include "app/startup/application.h"
#include "htmlview/web_engine_setup.h"

std::vector<std::pair<QString, GuiTestFactory>>& registeredGuiTests() {
    static std::vector<std::pair<QString, GuiTestFactory>> tests;
    return tests;
}

int runGuiTests(int argc, char* argv[], const std::function<void()>& prepareFolder) {
    prepareWebEngine();
    Application application(argc, argv);
    // The windows read and write their settings apart from the user's (~/.qttest).
    QStandardPaths::setTestModeEnabled(true);
    QStringList arguments = QCoreApplication::arguments();
    QString only;
    if (arguments.size() > 1 && !arguments.at(1).startsWith(QLatin1Char('-'))) {
        only = arguments.takeAt(1);
    }
    prepareFolder();
    int failures = 0;
    bool found = false;
    for (const auto& [name, make] : registeredGuiTests()) {
        if (!only.isEmpty() && name != only) {
            continue;
        }
        found = true;
        const std::unique_ptr<QObject> test = make();
        failures += QTest::qExec(test.get(), arguments);
    }
    if (!found) {
        std::fprintf(stderr, "No test class named %s\n", qPrintable(only));
        return 2;
    }
    return failures;
}
