#include "command_line.h"

#include "program_identity.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

namespace kz {

QString programVersionNumber() {
    return QStringLiteral("%1.%2.%3").arg(versionMajor()).arg(versionMinor()).arg(versionPatch());
}

ProgramOptions addProgramOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral(
        "Programming tool for TQ615 pagers: reads a pager's configuration through the "
        "programming cradle on a serial port, edits it, writes it back and verifies it."));
    parser.addHelpOption();
    parser.addVersionOption();
    ProgramOptions options{
        QCommandLineOption(
            QStringLiteral("simulate"),
            QStringLiteral("Run a simulated programmer cradle and list its port first.")),
        QCommandLineOption(
            QStringLiteral("port"),
            QStringLiteral("Also list the serial port at <path> (may be given more than once)."),
            QStringLiteral("path")),
    };
    parser.addOption(options.simulate);
    parser.addOption(options.port);
    return options;
}

StartOptions startOptionsFrom(const QCommandLineParser& parser, const ProgramOptions& options) {
    StartOptions start;
    start.simulate = parser.isSet(options.simulate);
    start.extraPorts = parser.values(options.port);
    return start;
}

void answerConsoleRequests(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    addProgramOptions(parser);
    // The window system's own options (-platform, -style, ...) are unknown here; they only
    // matter to a run, which parses the command line again once QApplication has taken them.
    // A mistake in one of our own options (--port without a path) is told here, on the console.
    const bool parsed = parser.parse(arguments);
    const bool ownMistake = !parsed && parser.unknownOptionNames().isEmpty();
    const bool version = parser.isSet(QStringLiteral("version"));
    const bool help =
        parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"));
    if (!version && !help && !ownMistake)
        return;

    const auto nameTheProgram = [] {
        QCoreApplication::setApplicationName(QStringLiteral("kz904"));
        QCoreApplication::setApplicationVersion(programVersionNumber());
    };
    if (parser.isSet(QStringLiteral("help-all")) && !version) {
        // Qt's own options are those of a widget application: list them from one on the
        // offscreen platform, which needs no display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication widgets(argc, argv);
        nameTheProgram();
        parser.process(widgets);
    }
    QCoreApplication console(argc, argv);
    nameTheProgram();
    // Without options of the window system the parser answers the usual way: the error (exit
    // status 1), the version or the help.
    if (parsed || ownMistake)
        parser.process(console);
    if (version)
        parser.showVersion();
    parser.showHelp(0);
}

} // namespace kz
