#include "pager_session.h"

#include "exit_status.h"
#include "port_list.h"
#include "port_opening.h"
#include "progress_display.h"

#ifdef KZ904_HAVE_PTY_CRADLE
#include "cradle_memory.h"
#include "pty_cradle.h"
#else
namespace kz::sim {
// Without pseudo-terminals there is no simulated cradle; a session never makes one.
class PtyCradle {};
} // namespace kz::sim
#endif

#include <QDir>

#include <algorithm>

namespace kz::cli {

namespace {

// The system's reason first: on a terminal there is no message box whose title says what failed.
QString openFailureText(const ECommError& error) {
    QString text = QStringLiteral("cannot open the port: ") + error.reason();
    if (error.permissionDenied())
        text += QStringLiteral(" (this user may not use it: serial ports belong to the group "
                               "\"dialout\")");
    else if (error.code() == ECommError::OpenFailed)
        text += QStringLiteral(" (absent, or in use by another program)");
    return text;
}

} // namespace

PagerSession::PagerSession(const LinkOptions& options, ProgressDisplay& progress)
    : options_(options), progress_(progress), host_(progress, options.startupDirectory),
      operations_(port_, host_) {}

PagerSession::~PagerSession() {
    // The port goes before the cradle it may be talking to.
    port_.close();
}

Outcome PagerSession::connect() {
    QStringList leading;
    if (options_.simulate) {
#ifdef KZ904_HAVE_PTY_CRADLE
        // The window's --simulate: a cradle paced like the real line, its port first.
        cradle_ = std::make_unique<sim::PtyCradle>(sim::defaultCradleMemory(), true);
        if (!cradle_->start())
            return {kPortUnusable, QStringLiteral("the simulated programmer could not be "
                                                  "started: %1")
                                       .arg(cradle_->errorString())};
        leading << cradle_->portPath();
#else
        return {kPortUnusable, QStringLiteral("the simulated programmer needs a pseudo-terminal, "
                                              "which this system does not offer")};
#endif
    }
    if (!options_.port.isEmpty())
        leading << options_.port;
    operations_.setPortNames(ports::buildPortNames(ports::systemPortNames(), leading));
    host_.selectPortIndex(0);

    if (cradle_)
        return {}; // the cradle's port is the first of the list and the one chosen
    if (!options_.port.isEmpty()) {
        // A port that cannot be opened is told apart from a programmer that does not answer.
        try {
            openProgrammerPort(port_, options_.port);
        } catch (const ECommError& error) {
            port_.close();
            return {kPortUnusable, options_.port + QStringLiteral(": ") + openFailureText(error)};
        }
        port_.close();
        return {};
    }
    progress_.step(QStringLiteral("Searching the ports for the programmer ..."));
    if (!operations_.boardSearch()) {
        port_.close();
        return {kNoAnswer, QStringLiteral("no port answers (%1): %2")
                               .arg(operations_.portNames().join(QStringLiteral(", ")),
                                    oneLine(Message{{},
                                                    PagerOperations::boardNotRespondingText(),
                                                    MessageIcon::Warning,
                                                    MessageButtons::Ok,
                                                    {}}))};
    }
    progress_.step(QStringLiteral("Programmer on ") + operations_.selectedPortName());
    return {};
}

Outcome PagerSession::judge(const QString& expectedSuccess, bool differenceIsFailure) {
    progress_.finish();
    const QString port = operations_.selectedPortName();
    const auto failure = [&](int status, const QString& reason) {
        return Outcome{status, port + QStringLiteral(": ") + reason};
    };
    for (const Message& message : messages_.shown()) {
        if (message.text == PagerOperations::boardNotRespondingText())
            return failure(kNoAnswer, oneLine(message));
        if (message.text.startsWith(QStringLiteral("Error opening comm port")))
            return failure(kPortUnusable, oneLine(message));
    }
    if (!host_.outcomeFailed() && host_.outcome() == expectedSuccess)
        return {};
    QString reason = host_.outcome();
    if (reason.isEmpty() && !messages_.shown().empty())
        reason = oneLine(messages_.shown().back());
    if (reason == QStringLiteral("Verify Fail !") && differenceIsFailure)
        return failure(kDifferent, reason + QStringLiteral(" the pager holds other bytes"));
    const QString dump = QDir(options_.startupDirectory).filePath(QStringLiteral("errtbl.tbl"));
    if (reason == QStringLiteral("Checksum Error !") || reason == QStringLiteral("Read Fail !")) {
        // The dump of what was read is told of, or why there is none.
        const auto saveError =
            std::find_if(messages_.shown().begin(), messages_.shown().end(),
                         [](const Message& m) { return m.text == QStringLiteral("Save Error!"); });
        reason +=
            saveError == messages_.shown().end()
                ? QStringLiteral(" (what was read is in %1)").arg(QDir::toNativeSeparators(dump))
                : QStringLiteral(" (%1 could not be written: %2)")
                      .arg(QDir::toNativeSeparators(dump), saveError->detail);
    }
    return failure(kTransferFailed, reason);
}

Outcome PagerSession::read(TPagerImage& image) {
    messages_.clear();
    operations_.Read1Click();
    const Outcome outcome = judge(QStringLiteral("Read Success !"), false);
    if (outcome.ok())
        image = host_.image;
    return outcome;
}

Outcome PagerSession::write(const TPagerImage& image) {
    messages_.clear();
    host_.image = image;
    operations_.Write1Click();
    return judge(QStringLiteral("Write Success !"), false);
}

Outcome PagerSession::verify(const TPagerImage& image) {
    host_.image = image;
    return verifyWritten();
}

Outcome PagerSession::verifyWritten() {
    messages_.clear();
    operations_.Verify1Click();
    return judge(QStringLiteral("Verify Success !"), true);
}

} // namespace kz::cli
