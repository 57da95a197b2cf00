// Benchmark of kz904-cli, run as a script runs it (a process per command).
//
// read --simulate and write --simulate: the measured wall time of the whole process against the
// wire-time bound of the transfer benchmark (every byte the operation sends and receives x 10
// bits / 9600 baud, plus its closing pause). The bytes are counted by running the same
// operation in this process against a paced simulated cradle. Target: ratio at most 1.10.
// dump of a table file and diff of two: wall time of the process. Target: under 50 ms.
#include "comm_port.h"
#include "counting_host.h"
#include "cradle_memory.h"
#include "pager_operations.h"
#include "pty_cradle.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>

namespace {

constexpr double kBaud = 9600.0;
constexpr double kBitsPerByte = 10.0;

// Seconds on the wire for what `operation` sends and receives, plus its closing pause.
double wireBound(const std::function<void(kz::PagerOperations&)>& operation, int pauseMs,
                 const QString& directory) {
    kz::sim::PtyCradle cradle(kz::sim::defaultCradleMemory(), true);
    if (!cradle.start())
        return 0;
    CountingHost host;
    host.image = kz::sim::defaultCradleMemory();
    host.directory = directory;
    kz::TCommPort port;
    kz::PagerOperations operations(port, host);
    operations.setPortNames({cradle.portPath()});
    operation(operations);
    port.close();
    return host.lineBytes * kBitsPerByte / kBaud + pauseMs / 1000.0;
}

// The best of `runs` wall times of the command, in seconds; -1 when it failed.
double timeCommand(const QStringList& arguments, const QString& directory, int runs,
                   int expectedStatus = 0) {
    double best = -1;
    for (int i = 0; i < runs; ++i) {
        QProcess process;
        process.setWorkingDirectory(directory);
        QElapsedTimer wall;
        wall.start();
        process.start(QStringLiteral(KZ904_CLI), arguments);
        if (!process.waitForFinished(60000) || process.exitCode() != expectedStatus)
            return -1;
        const double seconds = wall.nsecsElapsed() / 1e9;
        best = best < 0 ? seconds : std::min(best, seconds);
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;

    out << "kz904-cli against its simulated cradle, paced at 9600 baud (10 bits a byte)\n\n";
    out << QStringLiteral("%1 %2 %3 %4\n")
               .arg("command", -28)
               .arg("measured s", 11)
               .arg("bound s", 8)
               .arg("ratio", 6);
    bool withinTargets = true;
    const double readBound =
        wireBound([](kz::PagerOperations& ops) { ops.Read1Click(); }, 800, dir.path());
    const double read = timeCommand({"read", "--simulate", "-q", "-o", "pager.tbl"}, dir.path(), 3);
    const double writeBound =
        wireBound([](kz::PagerOperations& ops) { ops.Write1Click(); }, 600, dir.path());
    const double write = timeCommand({"write", "pager.tbl", "--simulate", "-q"}, dir.path(), 3);
    const struct {
        const char* name;
        double seconds;
        double bound;
    } transfers[] = {{"read --simulate", read, readBound}, {"write --simulate", write, writeBound}};
    for (const auto& t : transfers) {
        const double ratio = t.bound > 0 && t.seconds > 0 ? t.seconds / t.bound : -1;
        withinTargets = withinTargets && ratio > 0 && ratio <= 1.10;
        out << QStringLiteral("%1 %2 %3 %4\n")
                   .arg(t.name, -28)
                   .arg(t.seconds, 11, 'f', 3)
                   .arg(t.bound, 8, 'f', 3)
                   .arg(ratio, 6, 'f', 3);
    }

    // diff needs a second file that differs in a few places.
    QFile copy(dir.filePath("pager.tbl"));
    if (copy.open(QIODevice::ReadOnly)) {
        QByteArray bytes = copy.readAll();
        for (int offset : {100, 200, 386, 413})
            bytes[offset] = static_cast<char>(bytes[offset] ^ 0x5A);
        QFile other(dir.filePath("other.tbl"));
        if (other.open(QIODevice::WriteOnly))
            other.write(bytes);
    }
    out << "\n"
        << QStringLiteral("%1 %2 %3\n").arg("command", -28).arg("measured s", 11).arg("limit s", 8);
    const struct {
        const char* name;
        QStringList arguments;
        int status;
    } files[] = {{"dump", {"dump", "pager.tbl"}, 0},
                 {"dump --json", {"dump", "--json", "pager.tbl"}, 0},
                 {"diff", {"diff", "pager.tbl", "other.tbl"}, 1},
                 {"diff --json", {"diff", "--json", "pager.tbl", "other.tbl"}, 1}};
    for (const auto& f : files) {
        const double seconds = timeCommand(f.arguments, dir.path(), 5, f.status);
        withinTargets = withinTargets && seconds > 0 && seconds < 0.050;
        out << QStringLiteral("%1 %2 %3\n")
                   .arg(f.name, -28)
                   .arg(seconds, 11, 'f', 3)
                   .arg(0.050, 8, 'f', 3);
    }
    out << "\nTargets (ratio <= 1.10, dump and diff < 50 ms): "
        << (withinTargets ? "met" : "NOT met") << Qt::endl;
    return withinTargets ? 0 : 1;
}
