#include "bench/program/process_memory.h"

#include <sys/mman.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMap>
#include <QStringList>
#include <QTimer>
#include <cstddef>

namespace {

QByteArray readProcFile(pid_t pid, const char* name) {
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

pid_t parentOf(pid_t pid) {
    const QList<QByteArray> fields = statFields(pid);
    return fields.isEmpty() ? -1 : static_cast<pid_t>(fields.value(1).toInt());
}

}  // namespace

QList<QByteArray> statFields(pid_t pid) {
    const QByteArray text = readProcFile(pid, "stat");
    const int close = text.lastIndexOf(')');
    return close < 0 ? QList<QByteArray>() : text.mid(close + 2).split(' ');
}

QList<pid_t> processTree(pid_t root) {
    QMap<pid_t, pid_t> parents;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& entry : entries) {
        bool number = false;
        const pid_t pid = static_cast<pid_t>(entry.toInt(&number));
        if (number) {
            parents.insert(pid, parentOf(pid));
        }
    }
    QList<pid_t> tree{root};
    for (int i = 0; i < tree.size(); ++i) {
        for (auto it = parents.cbegin(); it != parents.cend(); ++it) {
            if (it.value() == tree.at(i)) {
                tree.append(it.key());
            }
        }
    }
    return tree;
}

namespace {

double pssKiB(pid_t pid) {
    const QList<QByteArray> lines = readProcFile(pid, "smaps_rollup").split('\n');
    for (const QByteArray& line : lines) {
        if (line.startsWith("Pss:")) {
            return line.mid(4).trimmed().split(' ').value(0).toDouble();
        }
    }
    return 0;
}

QString kindOf(pid_t pid) {
    const QList<QByteArray> args = readProcFile(pid, "cmdline").split('\0');
    for (const QByteArray& arg : args) {
        if (arg.startsWith("--type=")) {
            return QString::fromLatin1(arg.mid(7));
        }
    }
    return QStringLiteral("program");
}

// The kind of a process of the tree; render processes are forked from the zygote and keep its
// command line.
QString helperKind(pid_t pid) {
    const QString kind = kindOf(pid);
    return kind == QLatin1String("zygote") && kindOf(parentOf(pid)) == kind
               ? QStringLiteral("renderer")
               : kind;
}

}  // namespace

double treePssMiB(pid_t root) {
    double kib = 0;
    for (const pid_t pid : processTree(root)) {
        kib += pssKiB(pid);
    }
    return kib / 1024.0;
}

QString helperKinds(pid_t root) {
    QStringList parts;
    for (const pid_t pid : processTree(root)) {
        parts.append(
            QStringLiteral("%1:%2MiB").arg(helperKind(pid)).arg(pssKiB(pid) / 1024.0, 0, 'f', 0));
    }
    return parts.join(QLatin1Char(' '));
}

QMap<pid_t, qint64> minorFaults(pid_t root) {
    QMap<pid_t, qint64> faults;
    for (const pid_t pid : processTree(root)) {
        faults.insert(pid, statFields(pid).value(7).toLongLong());  // minflt
    }
    return faults;
}

QString faultsSince(pid_t root, const QMap<pid_t, qint64>& before) {
    QStringList parts;
    const QMap<pid_t, qint64> now = minorFaults(root);
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        const qint64 taken = it.value() - before.value(it.key(), 0);
        if (taken > 0) {
            parts.append(QStringLiteral("%1:%2").arg(helperKind(it.key())).arg(taken));
        }
    }
    return parts.join(QLatin1Char(' '));
}

double freshPageMicroseconds() {
    constexpr std::size_t kBytes = 16U << 20U;
    const long page = ::sysconf(_SC_PAGESIZE);
    if (page <= 0) {
        return -1;
    }
    void* memory =
        ::mmap(nullptr, kBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) {
        return -1;
    }
    auto* bytes = static_cast<volatile char*>(memory);
    const auto step = static_cast<std::size_t>(page);
    QElapsedTimer timer;
    timer.start();
    for (std::size_t at = 0; at < kBytes; at += step) {
        bytes[at] = 1;
    }
    const double microseconds = static_cast<double>(timer.nsecsElapsed()) / 1000.0;
    ::munmap(memory, kBytes);
    const std::size_t pages = kBytes / step;
    return microseconds / static_cast<double>(pages);
}

QString pssByMapping(pid_t root) {
    QStringList parts;
    for (const pid_t pid : processTree(root)) {
        QMap<QString, double> kib;
        QString kind;
        const QList<QByteArray> lines = readProcFile(pid, "smaps").split('\n');
        for (const QByteArray& line : lines) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            if (fields.size() >= 5 && fields.at(0).contains('-') && !line.endsWith(':')) {
                const QByteArray name = fields.size() >= 6 ? fields.at(5) : QByteArray();
                if (name.startsWith("/dev/shm") || name.startsWith("/memfd") ||
                    name.startsWith("/SYSV")) {
                    kind = QStringLiteral("shared");
                } else if (name.startsWith('/')) {
                    kind = QStringLiteral("code");
                } else if (name.isEmpty() || name == "[heap]") {
                    kind = QStringLiteral("heap");
                } else {
                    kind = QStringLiteral("other");
                }
            } else if (line.startsWith("Pss:")) {
                kib[kind] += line.mid(4).trimmed().split(' ').value(0).toDouble();
            }
        }
        QStringList each;
        for (auto it = kib.cbegin(); it != kib.cend(); ++it) {
            each.append(QStringLiteral("%1 %2").arg(it.key()).arg(it.value() / 1024.0, 0, 'f', 0));
        }
        parts.append(QStringLiteral("%1 [%2]").arg(helperKind(pid), each.join(QLatin1Char(' '))));
    }
    return parts.join(QStringLiteral("; "));
}

void settle() {
    constexpr int kSettleMs = 2500;
    QEventLoop loop;
    QTimer::singleShot(kSettleMs, &loop, &QEventLoop::quit);
    loop.exec();
}
