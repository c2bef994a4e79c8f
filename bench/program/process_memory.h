#pragma once

#include <sys/types.h>
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

// The fields of /proc/<pid>/stat after the command name, which may hold blanks: the state
// first, then the parent, ...; empty when the process is gone.
QList<QByteArray> statFields(pid_t pid);

// The process and all its descendants (the web engine's helper processes among them).
QList<pid_t> processTree(pid_t root);

// Proportional memory (Pss from /proc/<pid>/smaps_rollup) of the whole tree, in MiB.
double treePssMiB(pid_t root);

// Each process of the tree with its kind ("program", "zygote", "renderer", ...) and its Pss.
QString helperKinds(pid_t root);

// Minor page faults so far of each process of the tree, by pid: each is the first touch of a
// page of fresh memory (a new canvas, a grown heap), which the kernel fills with zeros.
QMap<pid_t, qint64> minorFaults(pid_t root);

// The minor faults each process of the tree took since the snapshot, with its kind
// ("program:300 renderer:1200"); a process that is new since then counts from zero.
QString faultsSince(pid_t root, const QMap<pid_t, qint64>& before);

// What one minor fault costs on this machine, in microseconds: 16 MiB of fresh memory touched
// page by page. Some tenths of a microsecond on bare hardware, ten and more on some virtual
// machines: there the first drawing into a new canvas of 1 MiB costs some milliseconds. -1 when
// the memory cannot be had.
double freshPageMicroseconds();

// Where each process's Pss lies, by kind of mapping: "code" (files mapped from disk: libraries,
// fonts), "shared" (shared memory between the engine's processes: raster tiles, bitmaps), "heap"
// (malloc's heap and anonymous memory: the JavaScript heaps, canvases, caches), "other".
QString pssByMapping(pid_t root);

// Memory is taken once the engine has settled: runs the event loop for 2.5 s. A hidden page's
// timers fire on the next whole second, and a user reads a task manager seconds after a click.
void settle();
