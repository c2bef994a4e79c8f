#include "bench/program/process_memory.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QMap>
#include <QStringList>
#include <QTimer>

namespace {

QByteArray readProcFile(pid_t pid, const char* name) {
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

pid_t parentOf(pid_t pid) {
    const QByteArray text = readProcFile(pid, "stat");
    const int close = text.lastIndexOf(')');
    if (close < 0) {
        return -1;
    }
    const QList<QByteArray> fields = text.mid(close + 2).split(' ');
    return static_cast<pid_t>(fields.value(1).toInt());
}

}  // namespace

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

}  // namespace

double treePssMiB(pid_t root) {
    double kib = 0;
    for (const pid_t pid : processTree(root)) {
        kib += pssKiB(pid);
    }
    return kib / 1024.0;
}

QString helperKinds(pid_t root) {
    // Render processes are forked from the zygote and keep its command line.
    QStringList parts;
    for (const pid_t pid : processTree(root)) {
        QString kind = kindOf(pid);
        if (kind == QLatin1String("zygote") && kindOf(parentOf(pid)) == kind) {
            kind = QStringLiteral("renderer");
        }
        parts.append(QStringLiteral("%1:%2MiB").arg(kind).arg(pssKiB(pid) / 1024.0, 0, 'f', 0));
    }
    return parts.join(QLatin1Char(' '));
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
        parts.append(QStringLiteral("%1 [%2]").arg(kindOf(pid), each.join(QLatin1Char(' '))));
    }
    return parts.join(QStringLiteral("; "));
}

void settle() {
    constexpr int kSettleMs = 2500;
    QEventLoop loop;
    QTimer::singleShot(kSettleMs, &loop, &QEventLoop::quit);
    loop.exec();
}
