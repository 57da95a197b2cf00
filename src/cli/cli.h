#pragma once

#include <QStringList>

class QTextStream;

// kz904-cli: Read, Write and Verify of a pager from the command line, and the dump and diff of
// table files. Each subcommand returns its exit status (exit_status.h).
namespace kz::cli {

struct Console {
    QTextStream& out;
    QTextStream& err;
    // The progress bar redraws itself only on a terminal; elsewhere each step is a line.
    bool errIsTerminal = false;
};

// `arguments` without the program name: the subcommand first.
int run(const QStringList& arguments, Console& console);

} // namespace kz::cli
