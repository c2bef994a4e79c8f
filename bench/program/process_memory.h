#pragma once

#include <sys/types.h>
#include <QList>
#include <QString>

// The process and all its descendants (the web engine's helper processes among them).
QList<pid_t> processTree(pid_t root);

// Proportional memory (Pss from /proc/<pid>/smaps_rollup) of the whole tree, in MiB.
double treePssMiB(pid_t root);

// Each process of the tree with its kind ("program", "zygote", "renderer", ...) and its Pss.
QString helperKinds(pid_t root);

// Where each process's Pss lies, by kind of mapping: "code" (files mapped from disk: libraries,
// fonts), "shared" (shared memory between the engine's processes: raster tiles, bitmaps), "heap"
// (malloc's heap and anonymous memory: the JavaScript heaps, canvases, caches), "other".
QString pssByMapping(pid_t root);

// Memory is taken once the engine has settled: runs the event loop for 2.5 s. The pages have
// what they replaced collected a second after their last chart, a hidden page's timers fire on
// the next whole second, and a user reads a task manager seconds after a click.
void settle();
