#pragma once

#include <QString>

// Milestones of a probe, in milliseconds since the driver started the process (the driver
// passes its monotonic clock in QUORVEL_BENCH_T0, nanoseconds), or since the process started
// (from /proc/self/stat, 10 ms steps) when run alone.
double sinceStart();

// Prints one milestone line "name value" on standard output, flushed at once.
void printFigure(const QString& name, double value);
