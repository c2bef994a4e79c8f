#pragma once

#include <QDeadlineTimer>
#include <QTest>

// Waits until the condition holds or the time is up; true when it holds. Unlike QTest::qWaitFor,
// which handles only the events already waiting before each 10 ms sleep, it lets the event loop
// run on while events keep coming (QTest::qWait): the web engine answers a script by a chain of
// tasks, each posting the next, and after a burst of replaced pages that chain is thousands long
// (23 s of sleeps instead of 70 ms).
template <typename Condition>
[[nodiscard]] bool waitForEngine(Condition condition, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QTest::qWait(10);
    }
    return true;
}
