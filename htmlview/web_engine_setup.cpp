#include "web_engine_setup.h"

#include <unistd.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <cstdio>

void prepareWebEngine() {
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;

    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The engine describes its graphics set-up in some 25 lines at every start where there is no
    // GPU; that is for those who ask (QT_LOGGING_RULES, which comes after this rule).
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));

    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    const auto addFlag = [&flags](const char* flag) {
        if (!flags.isEmpty())
            flags += ' ';
        flags += flag;
    };
    // Chromium writes its own errors (GPU probing, D-Bus) to standard error; only fatal ones
    // are of interest to a user of a desktop program. A choice made by the user stays.
    if (!flags.contains("--log-level"))
        addFlag("--log-level=3");
    // Every view of the program shows pages of the program's folder: one render process for all
    // of them needs far less memory than one each. A choice made by the user stays.
    if (!flags.contains("--renderer-process-limit") && !flags.contains("--single-process"))
        addFlag("--renderer-process-limit=1");
    // The pages' scripts build many short-lived objects (a chart library draws charts): the
    // JavaScript engine's young generation would grow to 16 MiB a half, most of it free between
    // bursts. Capped at 1 MiB it is collected more often, each time quickly, and the shared
    // render process holds some 10 MiB less.
    // Each new page leaves the one before it, with its charts, as garbage that the engine
    // collects only when its heap has grown or many seconds later: the views have it collected
    // (quorvelCollectGarbage) once no page has come for a second (shared_web_profile.cpp).
    // Qt splits this variable at spaces, the JavaScript engine its flags at any white space:
    // hence the tab. A choice made by the user stays.
    if (!flags.contains("--js-flags"))
        addFlag("--js-flags=--max-semi-space-size=1\t--expose-gc-as=quorvelCollectGarbage");
    // The switch rather than QTWEBENGINE_DISABLE_SANDBOX: the engine answers that variable with
    // a line of its own, and the user is told once.
    if (geteuid() == 0) {
        if (!flags.contains("--no-sandbox"))
            addFlag("--no-sandbox");
        std::fputs("Warning: running as root, so the web engine's sandbox is turned off.\n",
                   stderr);
    }
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
}
