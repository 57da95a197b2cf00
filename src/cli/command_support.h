#pragma once

#include "cli.h"
#include "pager_image.h"
#include "pager_session.h"
#include "progress_display.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>

#include <optional>

// What the subcommands share: their option parsing and help, the options of the programmer
// link, table files in and out, and the one line a failure prints.
namespace kz::cli {

inline const QString kProgram = QStringLiteral("kz904-cli");

// A subcommand's parser. parse() handles --help and usage errors itself.
class CommandLine {
public:
    CommandLine(QString command, QString synopsis, QString description);
    QCommandLineParser& parser() { return parser_; }
    // Adds -p/--port, --simulate and -q/--quiet.
    void addLinkOptions();
    // kSuccess to go on; otherwise the status to exit with (help shown: `done` is set).
    int parse(const QStringList& arguments, Console& console, bool& done, int minPositional,
              int maxPositional);
    QString helpText() const;

    LinkOptions linkOptions() const;
    bool quiet() const;

private:
    QString command_;
    QString synopsis_;
    QCommandLineParser parser_;
};

// Prints "kz904-cli: WHAT" on the error stream and returns `status`.
int fail(Console& console, int status, const QString& what);

// The progress display a link command uses on this console.
ProgressMode progressModeFor(const Console& console, bool quiet);

// A table file of exactly 512 bytes (`exact`), or the first 512 bytes of a longer one (a dump of
// a damaged read has 1024). A shorter file, or one that cannot be read, gives the line to print.
std::optional<TPagerImage> loadTable(const QString& path, bool exact, QString* error);

} // namespace kz::cli
