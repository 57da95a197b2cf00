// tq615-sim: the simulated programmer cradle as a program of its own (Unix only).
#include "cradle_options.h"
#include "pty_cradle.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <csignal>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tq615-sim"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulated TQ615 programmer cradle with a pager in it.\n"
        "Serves a 512-byte pager memory on a pseudo-terminal and answers the link frames "
        "(read, write with acknowledgement, bench commands without reply). Prints the port "
        "path, then serves until interrupted (Ctrl+C). Start KZ904 with --port PATH.\n"
        "Request counts include the board check (a read of 0 bytes at 0); addresses select "
        "the block that starts there (e.g. 64 = the third 32-byte block of a Write, "
        "416 = the serial-number block, 496 = the version block)."));
    parser.addHelpOption();
    kz::sim::addCradleOptions(parser);
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    QString error;
    const auto setup = kz::sim::cradleSetup(parser, &error);
    if (!setup) {
        err << "tq615-sim: " << error << Qt::endl;
        return 2;
    }
    // Serve until SIGINT or SIGTERM arrives; blocked before the serving thread starts, so that
    // it inherits the mask and only sigwait below sees them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    kz::sim::PtyCradle cradle(setup->memory, setup->paced);
    cradle.model().setFaults(setup->faults);
    if (!cradle.start()) {
        err << "tq615-sim: cannot open a pseudo-terminal: " << cradle.errorString() << Qt::endl;
        return 1;
    }
    out << cradle.portPath() << Qt::endl;

    int received = 0;
    sigwait(&stopSignals, &received);
    cradle.stop();
    return 0;
}
