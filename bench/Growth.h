// What the benchmarks share: each measures at a tenth, at and ten times its size, every size in a
// fresh process of its own so that one size's memory does not weigh on the next, and prints each
// figure beside its goal with the growth from one size to the next (linear growth is 10).
#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QStringList>

#include <cstdio>
#include <optional>
#include <vector>

namespace bench {

// The figures of one run by name, as the run prints them ("figure <name> <value>").
using Figures = QMap<QString, double>;

inline void printFigure(const char* name, double value) {
    std::printf("figure %s %.1f\n", name, value);
    std::fflush(stdout);
}

// The size a run was started with ("--size N" first on the command line); none in the parent.
inline std::optional<int> runSize(int argc, char** argv) {
    if (argc > 2 && QByteArray(argv[1]) == "--size")
        return QByteArray(argv[2]).toInt();
    return std::nullopt;
}

// Runs this program again with `arguments` and collects the figures it prints; its other output is
// passed on.
inline Figures runChild(const QStringList& arguments) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(-1);
    Figures figures;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() == 3 && parts[0] == "figure")
            figures.insert(QString::fromLatin1(parts[1]), parts[2].toDouble());
        else if (!line.isEmpty())
            std::printf("%s\n", line.constData());
    }
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        std::printf("the run %s failed\n", qPrintable(arguments.join(u' ')));
    return figures;
}

// The peak resident memory of this process so far, in megabytes (0 where the system does not say).
inline double peakResidentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

// One figure's goal: below `limit` at the size `atSize`; a limit of 0 shows the figure without a goal.
struct Goal {
    const char* figure;
    const char* what;
    const char* unit;
    double limit;
    int atSize;
};

// Prints each goal's figure at every size, the growth per tenfold size, and whether the goal is met.
inline void report(const std::vector<int>& sizes, const std::vector<Figures>& runs,
                   const std::vector<Goal>& goals) {
    for (const Goal& goal : goals) {
        const QString name = QString::fromLatin1(goal.figure);
        std::printf("%-44s", goal.what);
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            if (runs[i].contains(name))
                std::printf("  %9d: %8.1f %s", sizes[i], runs[i].value(name), goal.unit);
        }
        std::printf("\n%-44s", "  growth per tenfold size (linear: 10)");
        for (std::size_t i = 1; i < sizes.size(); ++i) {
            const double before = runs[i - 1].value(name), after = runs[i].value(name);
            if (runs[i - 1].contains(name) && runs[i].contains(name) && before > 0)
                std::printf("  %d -> %d: %.1f", sizes[i - 1], sizes[i], after / before);
        }
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            if (sizes[i] != goal.atSize || goal.limit <= 0)
                continue;
            const bool measured = runs[i].contains(name);
            const double value = runs[i].value(name);
            std::printf("\n  goal at %d: below %.0f %s; measured %.1f %s: %s", goal.atSize, goal.limit,
                        goal.unit, value, goal.unit,
                        !measured            ? "NOT MEASURED"
                        : value < goal.limit ? "met"
                                             : "NOT MET");
        }
        std::printf("\n");
    }
}

} // namespace bench
