#pragma once

#include "cli.h"

// The subcommands; each takes its arguments after the subcommand's name.
namespace kz::cli {

int portsCommand(const QStringList& arguments, Console& console);
int readCommand(const QStringList& arguments, Console& console);
int writeCommand(const QStringList& arguments, Console& console);
int verifyCommand(const QStringList& arguments, Console& console);
int dumpCommand(const QStringList& arguments, Console& console);
int diffCommand(const QStringList& arguments, Console& console);

} // namespace kz::cli
