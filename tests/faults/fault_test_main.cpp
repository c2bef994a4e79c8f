// Runs the test class named first on the command line (all of them without a name), in the
// program's own application object so its error handling is the one under test.
#include <QStringList>
#include <QTest>
#include <cstdio>

#include "app/application.h"
#include "fault_test_support.h"
#include "htmlview/web_engine_setup.h"

int main(int argc, char* argv[]) {
    PrepareWebEngine();
    TApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    QString only;
    if (arguments.size() > 1 && !arguments.at(1).startsWith(QLatin1Char('-'))) {
        only = arguments.takeAt(1);
    }
    RestoreAppFiles();
    int failures = 0;
    bool found = false;
    for (const auto& [name, make] : RegisteredFaultTests()) {
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
