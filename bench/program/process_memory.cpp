#include "bench/program/process_memory.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QStringList>

namespace {

QByteArray ReadProcFile(pid_t pid, const char* name) {
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

pid_t ParentOf(pid_t pid) {
    const QByteArray text = ReadProcFile(pid, "stat");
    const int close = text.lastIndexOf(')');
    if (close < 0) {
        return -1;
    }
    const QList<QByteArray> fields = text.mid(close + 2).split(' ');
    return static_cast<pid_t>(fields.value(1).toInt());
}

}  // namespace

QList<pid_t> ProcessTree(pid_t root) {
    QMap<pid_t, pid_t> parents;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& entry : entries) {
        bool number = false;
        const pid_t pid = static_cast<pid_t>(entry.toInt(&number));
        if (number) {
            parents.insert(pid, ParentOf(pid));
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

double PssKiB(pid_t pid) {
    const QList<QByteArray> lines = ReadProcFile(pid, "smaps_rollup").split('\n');
    for (const QByteArray& line : lines) {
        if (line.startsWith("Pss:")) {
            return line.mid(4).trimmed().split(' ').value(0).toDouble();
        }
    }
    return 0;
}

QString KindOf(pid_t pid) {
    const QList<QByteArray> args = ReadProcFile(pid, "cmdline").split('\0');
    for (const QByteArray& arg : args) {
        if (arg.startsWith("--type=")) {
            return QString::fromLatin1(arg.mid(7));
        }
    }
    return QStringLiteral("program");
}

}  // namespace

double TreePssMiB(pid_t root) {
    double kib = 0;
    for (const pid_t pid : ProcessTree(root)) {
        kib += PssKiB(pid);
    }
    return kib / 1024.0;
}

QString HelperKinds(pid_t root) {
    // Render processes are forked from the zygote and keep its command line.
    QStringList parts;
    for (const pid_t pid : ProcessTree(root)) {
        QString kind = KindOf(pid);
        if (kind == QLatin1String("zygote") && KindOf(ParentOf(pid)) == kind) {
            kind = QStringLiteral("renderer");
        }
        parts.append(QStringLiteral("%1:%2MiB").arg(kind).arg(PssKiB(pid) / 1024.0, 0, 'f', 0));
    }
    return parts.join(QLatin1Char(' '));
}
