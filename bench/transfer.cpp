// Benchmark of the programmer link: Read, Write and Verify against tq615-sim paced at the real
// 9600-baud rate, run in its own process so that only this program's CPU time is counted.
//
// For each operation it prints the measured wall time, the wire-time bound (every byte sent and
// received x 10 bits / 9600 baud, plus the operation's closing pause), their ratio and the CPU
// time this program spent. Targets: ratio at most 1.10, CPU under 5 % of the wall time.
#include "comm_port.h"
#include "counting_host.h"
#include "cradle_memory.h"
#include "pager_image.h"
#include "pager_operations.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <ctime>
#include <functional>

namespace {

struct Operation {
    const char* name;
    std::function<void(kz::PagerOperations&)> run;
    int pauseMs;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);

    QProcess sim;
    sim.start(QStringLiteral(TQ615_SIM), {QStringLiteral("--paced")});
    if (!sim.waitForStarted() || !sim.waitForReadyRead(5000)) {
        out << "cannot start " << TQ615_SIM << Qt::endl;
        return 1;
    }
    const QString portPath = QString::fromLocal8Bit(sim.readLine()).trimmed();

    QTemporaryDir dir;
    CountingHost host;
    host.image = kz::sim::defaultCradleMemory();
    host.directory = dir.path();
    kz::TCommPort port;
    kz::PagerOperations operations(port, host);
    operations.setPortNames({portPath});

    const Operation plan[] = {
        {"Read", [](kz::PagerOperations& ops) { ops.Read1Click(); }, 800},
        {"Write", [](kz::PagerOperations& ops) { ops.Write1Click(); }, 600},
        {"Verify", [](kz::PagerOperations& ops) { ops.Verify1Click(); }, 800},
    };
    out << "Programmer link against tq615-sim --paced (9600 baud, 10 bits a byte) on " << portPath
        << "\n\n";
    out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7  %8\n")
               .arg("operation", -10)
               .arg("bytes", 6)
               .arg("measured s", 11)
               .arg("bound s", 8)
               .arg("ratio", 6)
               .arg("cpu s", 6)
               .arg("cpu %", 6)
               .arg("result");
    bool withinTargets = true;
    for (const Operation& op : plan) {
        host.lineBytes = 0;
        QElapsedTimer wall;
        const std::clock_t cpuStart = std::clock();
        wall.start();
        op.run(operations);
        const double seconds = wall.nsecsElapsed() / 1e9;
        const double cpu = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        const double bound = host.lineBytes * 10.0 / 9600.0 + op.pauseMs / 1000.0;
        const double ratio = seconds / bound;
        const double cpuShare = 100.0 * cpu / seconds;
        withinTargets = withinTargets && ratio <= 1.10 && cpuShare < 5.0;
        out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7  %8\n")
                   .arg(op.name, -10)
                   .arg(host.lineBytes, 6)
                   .arg(seconds, 11, 'f', 3)
                   .arg(bound, 8, 'f', 3)
                   .arg(ratio, 6, 'f', 3)
                   .arg(cpu, 6, 'f', 3)
                   .arg(cpuShare, 6, 'f', 2)
                   .arg(host.lastState.trimmed());
    }
    out << "\nTargets (ratio <= 1.10, cpu < 5 %): " << (withinTargets ? "met" : "NOT met")
        << Qt::endl;
    sim.terminate();
    sim.waitForFinished(2000);
    return withinTargets ? 0 : 1;
}
