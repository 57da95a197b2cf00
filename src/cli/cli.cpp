#include "cli.h"

#include "command_support.h"
#include "commands.h"
#include "exit_status.h"
#include "program_identity.h"

#include <QTextStream>

#include <functional>

namespace kz::cli {

namespace {

struct Subcommand {
    const char* name;
    const char* summary;
    std::function<int(const QStringList&, Console&)> run;
};

const std::vector<Subcommand>& subcommands() {
    static const std::vector<Subcommand> list{
        {"ports", "list the serial ports as the window lists them", portsCommand},
        {"read", "read the pager into a table file", readCommand},
        {"write", "write a table file into the pager", writeCommand},
        {"verify", "compare the pager with a table file", verifyCommand},
        {"dump", "list every field of a table file", dumpCommand},
        {"diff", "list the fields that differ between two table files or a file and the pager",
         diffCommand},
    };
    return list;
}

QString overview() {
    QString text = QStringLiteral("Usage: %1 COMMAND [OPTIONS] [ARGUMENTS]\n\n"
                                  "Reads, writes and verifies TQ615 pagers in the programming "
                                  "cradle and shows table files, without a window.\n\n"
                                  "Commands:\n")
                       .arg(kProgram);
    for (const Subcommand& command : subcommands())
        text += QStringLiteral("  %1  %2\n")
                    .arg(QString::fromLatin1(command.name), -7)
                    .arg(QString::fromLatin1(command.summary));
    text += QStringLiteral("  help     this text; 'help COMMAND' or 'COMMAND --help' for one "
                           "command\n\n"
                           "Exit status: 0 done or equal, 1 different or verify failed, 2 usage, "
                           "3 file error, 4 port unusable, 5 no answer from the programmer, "
                           "6 transfer failed.\n");
    return text;
}

} // namespace

int run(const QStringList& arguments, Console& console) {
    if (arguments.isEmpty())
        return fail(console, kUsage, QStringLiteral("no command (see '%1 help')").arg(kProgram));
    const QString name = arguments.constFirst();
    if (name == QStringLiteral("help") || name == QStringLiteral("--help") ||
        name == QStringLiteral("-h")) {
        if (arguments.size() > 1 && name == QStringLiteral("help"))
            return run({arguments.at(1), QStringLiteral("--help")}, console);
        console.out << overview();
        console.out.flush();
        return kSuccess;
    }
    if (name == QStringLiteral("--version")) {
        console.out << kProgram << ' ' << QString::fromStdString(programTitle()) << '\n';
        console.out.flush();
        return kSuccess;
    }
    for (const Subcommand& command : subcommands())
        if (name == QLatin1String(command.name))
            return command.run(arguments.mid(1), console);
    return fail(console, kUsage,
                QStringLiteral("unknown command '%1' (see '%2 help')").arg(name, kProgram));
}

} // namespace kz::cli
