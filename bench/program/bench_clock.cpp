#include "bench/program/bench_clock.h"

#include <unistd.h>

#include <QByteArray>
#include <QList>
#include <cstdio>
#include <ctime>

#include "bench/program/process_memory.h"

namespace {

double monotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

double bootTimeMs() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The process's start as a point on the monotonic clock.
double startOnMonotonicClock() {
    bool ok = false;
    const double passed = qEnvironmentVariable("QUORVEL_BENCH_T0").toDouble(&ok);
    if (ok) {
        return passed / 1e6;
    }
    // Field 22 of /proc/<pid>/stat: the start time in clock ticks since boot.
    const QList<QByteArray> fields = statFields(getpid());
    if (fields.isEmpty()) {
        return monotonicMs();
    }
    const double ticks = fields.value(19).toDouble();
    const double startedAgoMs = bootTimeMs() - ticks * 1000.0 / sysconf(_SC_CLK_TCK);
    return monotonicMs() - startedAgoMs;
}

}  // namespace

double sinceStart() {
    static const double start = startOnMonotonicClock();
    return monotonicMs() - start;
}

void printFigure(const QString& name, double value) {
    std::printf("%s %.1f\n", qPrintable(name), value);
    std::fflush(stdout);
}
