// dump and diff: table files (and the pager) shown field by field.
#include "command_support.h"
#include "commands.h"
#include "exit_status.h"
#include "image_text.h"
#include "progress_display.h"

#include <QCommandLineOption>
#include <QJsonDocument>
#include <QTextStream>

namespace kz::cli {

namespace {

const QCommandLineOption kJsonOption(QStringLiteral("json"),
                                     QStringLiteral("Write JSON instead of text."));
// A diff side that names the pager instead of a file.
const QString kPagerSide = QStringLiteral("pager:");

void printJson(Console& console, const QJsonObject& object) {
    console.out << QJsonDocument(object).toJson(QJsonDocument::Indented);
    console.out.flush();
}

} // namespace

int dumpCommand(const QStringList& arguments, Console& console) {
    CommandLine line(QStringLiteral("dump"), QStringLiteral("dump FILE [--json]"),
                     QStringLiteral("Lists every field of a table file: offset, name, raw bytes "
                                    "and the value as the editor shows it. Bytes of no field are "
                                    "listed by offset. A longer file (errtbl.tbl) is listed by "
                                    "its first 512 bytes."));
    line.parser().addOption(kJsonOption);
    line.parser().addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The table file."));
    bool done = false;
    if (const int status = line.parse(arguments, console, done, 1, 1); status != kSuccess || done)
        return status;
    const QString path = line.parser().positionalArguments().constFirst();
    QString error;
    const std::optional<TPagerImage> image = loadTable(path, false, &error);
    if (!image)
        return fail(console, kFileError, error);
    if (line.parser().isSet(kJsonOption)) {
        QJsonObject root = dumpJson(*image);
        root[QStringLiteral("file")] = path;
        printJson(console, root);
    } else {
        console.out << dumpText(*image);
        console.out.flush();
    }
    return kSuccess;
}

int diffCommand(const QStringList& arguments, Console& console) {
    CommandLine line(QStringLiteral("diff"),
                     QStringLiteral("diff A B [--json] [-p PORT | --simulate] [-q]"),
                     QStringLiteral("Lists the fields whose bytes differ between two table "
                                    "files, with both raw and decoded values. Either side may be "
                                    "'pager:', the pager in the programmer, read first. Exit "
                                    "status 0 when equal, 1 when different."));
    line.addLinkOptions();
    line.parser().addOption(kJsonOption);
    line.parser().addPositionalArgument(QStringLiteral("A"),
                                        QStringLiteral("A table file, or pager:."));
    line.parser().addPositionalArgument(QStringLiteral("B"),
                                        QStringLiteral("A table file, or pager:."));
    bool done = false;
    if (const int status = line.parse(arguments, console, done, 2, 2); status != kSuccess || done)
        return status;
    const QStringList names = line.parser().positionalArguments();

    std::optional<TPagerImage> images[2];
    for (int i = 0; i < 2; ++i) {
        if (names.at(i) == kPagerSide)
            continue;
        QString error;
        images[i] = loadTable(names.at(i), false, &error);
        if (!images[i])
            return fail(console, kFileError, error);
    }
    if (!images[0] || !images[1]) {
        // The pager is read once, whichever side names it.
        ProgressDisplay progress(progressModeFor(console, line.quiet()), console.err);
        PagerSession session(line.linkOptions(), progress);
        Outcome outcome = session.connect();
        TPagerImage pager;
        if (outcome.ok())
            outcome = session.read(pager);
        progress.finish();
        if (!outcome.ok())
            return fail(console, outcome.status, outcome.error);
        for (auto& image : images)
            if (!image)
                image = pager;
    }

    const bool equal = images[0]->bytes() == images[1]->bytes();
    if (line.parser().isSet(kJsonOption)) {
        QJsonObject root = diffJson(*images[0], *images[1], names.at(0), names.at(1));
        root[QStringLiteral("equal")] = equal;
        printJson(console, root);
    } else {
        console.out << diffText(*images[0], *images[1], names.at(0), names.at(1));
        console.out.flush();
    }
    return equal ? kSuccess : kDifferent;
}

} // namespace kz::cli
