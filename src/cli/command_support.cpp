#include "command_support.h"

#include "exit_status.h"
#include "progress_display.h"
#include "table_file.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace kz::cli {

namespace {

const QCommandLineOption kPortOption({QStringLiteral("p"), QStringLiteral("port")},
                                     QStringLiteral("The programmer's serial port: a name from "
                                                    "'kz904-cli ports' or a device path. "
                                                    "Without it, every port is searched."),
                                     QStringLiteral("PORT"));
const QCommandLineOption kSimulateOption(
    QStringLiteral("simulate"),
    QStringLiteral("Use a simulated programmer with a pager in it, paced like the real line."));
const QCommandLineOption kQuietOption({QStringLiteral("q"), QStringLiteral("quiet")},
                                      QStringLiteral("Show no progress."));

} // namespace

CommandLine::CommandLine(QString command, QString synopsis, QString description)
    : command_(std::move(command)), synopsis_(std::move(synopsis)) {
    parser_.setApplicationDescription(description);
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.addHelpOption();
}

void CommandLine::addLinkOptions() {
    parser_.addOption(kPortOption);
    parser_.addOption(kSimulateOption);
    parser_.addOption(kQuietOption);
}

QString CommandLine::helpText() const {
    // Qt's first line names the executable the parser ran in; the synopsis says it better.
    QString text = parser_.helpText();
    const qsizetype firstLineEnd = text.indexOf(u'\n');
    return QStringLiteral("Usage: %1 %2\n").arg(kProgram, synopsis_) + text.mid(firstLineEnd + 1);
}

int CommandLine::parse(const QStringList& arguments, Console& console, bool& done,
                       int minPositional, int maxPositional) {
    done = false;
    const QString usage = QStringLiteral("%1 (see '%2 %1 --help')").arg(command_, kProgram);
    if (!parser_.parse(QStringList{kProgram} + arguments))
        return fail(console, kUsage, QStringLiteral("%1: %2").arg(usage, parser_.errorText()));
    if (parser_.isSet(QStringLiteral("help")) || parser_.isSet(QStringLiteral("help-all"))) {
        console.out << helpText();
        console.out.flush();
        done = true;
        return kSuccess;
    }
    const qsizetype count = parser_.positionalArguments().size();
    if (count < minPositional)
        return fail(console, kUsage, QStringLiteral("%1: missing argument").arg(usage));
    if (count > maxPositional)
        return fail(console, kUsage,
                    QStringLiteral("%1: unexpected argument '%2'")
                        .arg(usage, parser_.positionalArguments().at(maxPositional)));
    if (parser_.optionNames().contains(QStringLiteral("simulate")) &&
        parser_.isSet(kSimulateOption) && parser_.isSet(kPortOption))
        return fail(console, kUsage,
                    QStringLiteral("%1: --port and --simulate exclude each other").arg(usage));
    return kSuccess;
}

LinkOptions CommandLine::linkOptions() const {
    LinkOptions options;
    options.port = parser_.value(kPortOption);
    options.simulate = parser_.isSet(kSimulateOption);
    options.startupDirectory = QDir::currentPath();
    return options;
}

bool CommandLine::quiet() const {
    return parser_.isSet(kQuietOption);
}

int fail(Console& console, int status, const QString& what) {
    console.err << kProgram << ": " << what << '\n';
    console.err.flush();
    return status;
}

ProgressMode progressModeFor(const Console& console, bool quiet) {
    if (quiet)
        return ProgressMode::Quiet;
    return console.errIsTerminal ? ProgressMode::Bar : ProgressMode::Lines;
}

std::optional<TPagerImage> loadTable(const QString& path, bool exact, QString* error) {
    const QFileInfo info(path);
    QString reason;
    const std::optional<QByteArray> bytes = readTableFile(path, &reason);
    if (!bytes) {
        *error = QStringLiteral("%1: cannot read: %2").arg(path, reason);
        return std::nullopt;
    }
    const qint64 size = info.size();
    if (size < TPagerImage::kSize || (exact && size != TPagerImage::kSize)) {
        *error = QStringLiteral("%1: %2 bytes; a table file holds exactly %3")
                     .arg(path)
                     .arg(size)
                     .arg(TPagerImage::kSize);
        return std::nullopt;
    }
    TPagerImage image;
    copyTableBytes(*bytes, image);
    return image;
}

} // namespace kz::cli
