// read, write and verify: the window's Pager menu commands on a table file.
#include "command_support.h"
#include "commands.h"
#include "exit_status.h"
#include "pager_session.h"
#include "progress_display.h"
#include "table_file.h"

#include <QCommandLineOption>
#include <QFileInfo>
#include <QTextStream>

namespace kz::cli {

namespace {

const QCommandLineOption kVerifyOption(
    QStringLiteral("verify"),
    QStringLiteral("After a successful write, verify the pager against what was written (the "
                   "file with the pager's header and serial number, the version stamp and the "
                   "sum)."));
const QCommandLineOption kOutputOption({QStringLiteral("o"), QStringLiteral("output")},
                                       QStringLiteral("The table file to write."),
                                       QStringLiteral("FILE"));

// Connects as the options say and runs `operation`; prints its failure.
template <typename Operation>
int withSession(CommandLine& line, Console& console, Operation operation) {
    ProgressDisplay progress(progressModeFor(console, line.quiet()), console.err);
    PagerSession session(line.linkOptions(), progress);
    Outcome outcome = session.connect();
    if (outcome.ok())
        outcome = operation(session);
    progress.finish();
    if (!outcome.ok())
        return fail(console, outcome.status, outcome.error);
    return kSuccess;
}

// write and verify: the file's image against the pager.
int fileToPager(const QStringList& arguments, Console& console, const QString& command,
                const QString& description, bool write) {
    CommandLine line(command,
                     command + (write
                                    ? QStringLiteral(" FILE [-p PORT | --simulate] [-q] [--verify]")
                                    : QStringLiteral(" FILE [-p PORT | --simulate] [-q]")),
                     description);
    line.addLinkOptions();
    if (write)
        line.parser().addOption(kVerifyOption);
    line.parser().addPositionalArgument(QStringLiteral("FILE"),
                                        QStringLiteral("The table file (512 bytes)."));
    bool done = false;
    if (const int status = line.parse(arguments, console, done, 1, 1); status != kSuccess || done)
        return status;
    const QString path = line.parser().positionalArguments().constFirst();
    QString error;
    const std::optional<TPagerImage> image = loadTable(path, true, &error);
    if (!image)
        return fail(console, kFileError, error);
    return withSession(line, console, [&](PagerSession& session) {
        Outcome outcome = write ? session.write(*image) : session.verify(*image);
        if (write && outcome.ok() && line.parser().isSet(kVerifyOption))
            return session.verifyWritten();
        if (outcome.status == kDifferent)
            outcome.error += QStringLiteral(" than ") + path;
        return outcome;
    });
}

} // namespace

int readCommand(const QStringList& arguments, Console& console) {
    CommandLine line(QStringLiteral("read"),
                     QStringLiteral("read [-p PORT | --simulate] [-q] -o FILE"),
                     QStringLiteral("Reads the pager in the programmer and saves its 512 bytes as "
                                    "a table file. An existing file is kept as NAME.BAK beside "
                                    "it. When the pager's image sum is wrong, nothing is saved "
                                    "and what was read goes to errtbl.tbl in the current "
                                    "directory."));
    line.addLinkOptions();
    line.parser().addOption(kOutputOption);
    bool done = false;
    if (const int status = line.parse(arguments, console, done, 0, 0); status != kSuccess || done)
        return status;
    const QString path = line.parser().value(kOutputOption);
    if (path.isEmpty())
        return fail(
            console, kUsage,
            QStringLiteral("read: no output file (-o FILE) (see '%1 read --help')").arg(kProgram));
    return withSession(line, console, [&](PagerSession& session) {
        TPagerImage image;
        Outcome outcome = session.read(image);
        if (!outcome.ok())
            return outcome;
        QString reason;
        if (!writeTableFile(path, image, QFileInfo(path).absolutePath(), &reason))
            return Outcome{kFileError, QStringLiteral("%1: cannot write: %2").arg(path, reason)};
        return outcome;
    });
}

int writeCommand(const QStringList& arguments, Console& console) {
    return fileToPager(arguments, console, QStringLiteral("write"),
                       QStringLiteral("Writes the table file's configuration into the pager, "
                                      "block by block with a read-back of each, as the window's "
                                      "Write does: the pager keeps its own header and serial "
                                      "number, the image sum and the program version are "
                                      "stamped."),
                       true);
}

int verifyCommand(const QStringList& arguments, Console& console) {
    return fileToPager(arguments, console, QStringLiteral("verify"),
                       QStringLiteral("Compares all 512 bytes of the pager with the table file, "
                                      "as the window's Verify does. Exit status 1 when they "
                                      "differ."),
                       false);
}

} // namespace kz::cli
