#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

// Test classes register themselves; the test program runs the one named on its command line.
using GuiTestFactory = std::function<std::unique_ptr<QObject>()>;
std::vector<std::pair<QString, GuiTestFactory>>& registeredGuiTests();
#define QUORVEL_REGISTER_GUI_TEST(Class)                                             \
    static const bool Class##Registered = [] {                                       \
        registeredGuiTests().emplace_back(QStringLiteral(#Class),                    \
                                          [] { return std::make_unique<Class>(); }); \
        return true;                                                                 \
    }()

// The body of a GUI test program: the web engine's set-up, the program's own application object
// (so its error handling is the one under test), the test folder made ready, then the test class
// named first on the command line (all of them without a name).
int runGuiTests(int argc, char* argv[], const std::function<void()>& prepareFolder);
