#pragma once

#include "start_options.h"

#include <QCommandLineOption>
#include <QString>

class QCommandLineParser;

namespace kz {

// The options of kz904's command line.
struct ProgramOptions {
    QCommandLineOption simulate;
    QCommandLineOption port;
};

// The version as --version prints it: "1.0.8", the digits of the program version.
QString programVersionNumber();

// Gives `parser` the program's description, --help, --version and the options of a run.
ProgramOptions addProgramOptions(QCommandLineParser& parser);

// The start options a parsed command line asks for.
StartOptions startOptionsFrom(const QCommandLineParser& parser, const ProgramOptions& options);

// When the command line asks for the help or the version, prints it to standard output and ends
// the process with exit status 0; when one of the program's own options is wrong (--port without
// a path), says so on standard error and ends it with exit status 1; otherwise returns at once.
// Runs before any application object exists, so it needs no window system (no display) and never
// meets the single-instance guard.
void answerConsoleRequests(int argc, char** argv);

} // namespace kz
