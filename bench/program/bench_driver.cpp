// quorvel-bench: starts the program probe and the floor probe beside it several times each
// (alternating, so both see the same machine), and prints for every figure the median and the
// range over the runs, the floor's, and their ratio against the goal; beside them the second
// floor (the bare view with the same chart scripts) and the program's ratio to it, which tells
// how much of a figure is the program and how much is the charts. Figures 2, 3 and 3c stop when
// every chart of the page is drawn; 3c adds the ninth fruit while the comparison tab is the one
// shown, as a user comparing sees it. The floor also loads the two pages of an added fruit
// together, without scripts, as the program hands them over. (Figures 2v and 3v, the charts in view
// only, are retired: every chart is drawn at once, so they equal 2 and 3.)
//
//   quorvel-bench [--runs N] [--app-env NAME=VALUE]...
//
// --app-env sets a variable for the program probe only (to try, say, engine flags).
#include <QCoreApplication>
#include <QDir>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

using Figures = QMap<QString, std::vector<double>>;

QString monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return QString::number(static_cast<qint64>(now.tv_sec) * 1000000000LL + now.tv_nsec);
}

// Runs one probe and adds its "name value" lines to the figures; '#' lines are shown as they come.
bool runProbe(const QString& program, const QProcessEnvironment& environment, Figures& figures) {
    QProcess probe;
    QProcessEnvironment env = environment;
    env.insert(QStringLiteral("QUORVEL_BENCH_T0"), monotonicNs());
    probe.setProcessEnvironment(env);
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    probe.start(program, {});
    if (!probe.waitForFinished(300000) || probe.exitStatus() != QProcess::NormalExit ||
        probe.exitCode() != 0) {
        std::fprintf(stderr, "quorvel-bench: %s failed (exit %d)\n", qPrintable(program),
                     probe.exitCode());
        probe.kill();
        probe.waitForFinished();
        return false;
    }
    const QList<QByteArray> lines = probe.readAllStandardOutput().split('\n');
    for (const QByteArray& line : lines) {
        if (line.startsWith('#')) {
            std::printf("   %s\n", line.constData());
            continue;
        }
        const QList<QByteArray> parts = line.trimmed().split(' ');
        bool ok = false;
        const double value = parts.value(1).toDouble(&ok);
        if (parts.size() == 2 && ok) {
            figures[QString::fromLatin1(parts.at(0))].push_back(value);
        }
    }
    return true;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

QString spread(const std::vector<double>& values, const char* unit) {
    if (values.empty()) {
        return QStringLiteral("(none)");
    }
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return QStringLiteral("%1 %2 [%3-%4]")
        .arg(median(values), 0, 'f', 0)
        .arg(QLatin1String(unit))
        .arg(*low, 0, 'f', 0)
        .arg(*high, 0, 'f', 0);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    int runs = 5;
    QProcessEnvironment common = QProcessEnvironment::systemEnvironment();
    if (!common.contains(QStringLiteral("QT_QPA_PLATFORM"))) {
        common.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    }
    QProcessEnvironment appEnv = common;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--runs") && i + 1 < args.size()) {
            runs = std::max(1, args.at(++i).toInt());
        } else if (args.at(i) == QLatin1String("--app-env") && i + 1 < args.size()) {
            const QString setting = args.at(++i);
            const int equals = setting.indexOf(QLatin1Char('='));
            appEnv.insert(setting.left(equals), setting.mid(equals + 1));
        } else {
            std::fprintf(stderr,
                         "usage: quorvel-bench [--runs N] [--app-env NAME=VALUE]...\n"
                         "figures 1, 2, 3, 3c, 4a and 4b against a bare web view; 2v and 3v "
                         "are retired (every chart is drawn at once)\n");
            return 2;
        }
    }
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    Figures program;
    Figures floor;
    for (int run = 1; run <= runs; ++run) {
        std::printf("run %d of %d\n", run, runs);
        std::fflush(stdout);
        if (!runProbe(folder + QStringLiteral("quorvel-bench-app"), appEnv, program) ||
            !runProbe(folder + QStringLiteral("quorvel-bench-floor"), common, floor)) {
            return 1;
        }
    }

    struct Row {
        const char* label;
        const char* figure;
        const char* floorFigure;
        const char* chartedFigure;  // the second floor: the bare view with the chart scripts
        const char* unit;
        double goal;
    };
    const Row rows[] = {
        {"1 start to placeholder charts", "start", "start", "", "ms", 1.25},
        {"2 add to single-fruit charts", "add", "add", "charted.add", "ms", 1.5},
        {"3 ninth fruit to comparison charts", "ninth", "ninth", "charted.ninth", "ms", 1.6},
        {"3c the same, comparison shown", "ninth.shown", "ninth", "charted.ninth", "ms", 1.6},
        {"4a memory at start (PSS)", "memory.start", "memory.start", "", "MiB", 0},
        {"4b memory with nine fruits (PSS)", "memory.nine", "memory.start", "charted.memory.nine",
         "MiB", 1.2},
    };
    std::printf("\n%-36s %-24s %-24s %-7s %-16s %-24s %s\n", "figure (median [range])", "program",
                "floor", "ratio", "goal", "floor with charts", "program/it");
    for (const Row& row : rows) {
        const auto& mine = program.value(QString::fromLatin1(row.figure));
        const auto& base = floor.value(QString::fromLatin1(row.floorFigure));
        const auto& charted = floor.value(QString::fromLatin1(row.chartedFigure));
        const double ratio = mine.empty() || base.empty() ? 0 : median(mine) / median(base);
        const QString goal = row.goal > 0 ? QStringLiteral("<= %1x %2")
                                                .arg(row.goal, 0, 'f', 2)
                                                .arg(ratio <= row.goal ? QStringLiteral("met")
                                                                       : QStringLiteral("MISSED"))
                                          : QStringLiteral("-");
        const QString chartedRatio =
            mine.empty() || charted.empty()
                ? QStringLiteral("-")
                : QStringLiteral("(%1)").arg(median(mine) / median(charted), 0, 'f', 2);
        std::printf("%-36s %-24s %-24s %-7s %-16s %-24s %s\n", row.label,
                    qPrintable(spread(mine, row.unit)), qPrintable(spread(base, row.unit)),
                    qPrintable(QStringLiteral("%1x").arg(ratio, 0, 'f', 2)), qPrintable(goal),
                    qPrintable(charted.empty() ? QStringLiteral("-") : spread(charted, row.unit)),
                    qPrintable(chartedRatio));
    }
    std::printf("\nwhere the program's time goes (median [range], ms):\n");
    for (auto it = program.cbegin(); it != program.cend(); ++it) {
        if (it.key().contains(QLatin1Char('.')) && !it.key().startsWith(QLatin1String("memory"))) {
            std::printf("  %-32s %s\n", qPrintable(it.key()), qPrintable(spread(it.value(), "")));
        }
    }
    std::printf("\nthe floor with both pages of an added fruit at once (median [range], ms):\n");
    for (auto it = floor.cbegin(); it != floor.cend(); ++it) {
        if (it.key().startsWith(QLatin1String("pair."))) {
            std::printf("  %-32s %s\n", qPrintable(it.key()), qPrintable(spread(it.value(), "")));
        }
    }
    return 0;
}
