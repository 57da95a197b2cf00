#include "listening_copy.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

// A console with no window system at all: no X or Wayland display and no Qt platform chosen.
QProcessEnvironment consoleOnly() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    return env;
}

struct Answer {
    bool finished = false;
    int exitCode = -1;
    QString out;
    QString err;
};

Answer runProgram(const QStringList& arguments, const QProcessEnvironment& env) {
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(KZ904_EXE), arguments);
    Answer answer;
    answer.finished = program.waitForStarted(5000) && program.waitForFinished(10000);
    if (!answer.finished) {
        program.kill();
        program.waitForFinished(2000);
        return answer;
    }
    answer.exitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    answer.out = QString::fromLocal8Bit(program.readAllStandardOutput());
    answer.err = QString::fromLocal8Bit(program.readAllStandardError());
    return answer;
}

const QString kVersionLine = QStringLiteral("kz904 " KZ904_PROJECT_VERSION "\n");

struct ConsoleCase {
    QStringList arguments;
    int exitCode;
    QStringList outHas; // standard output holds each of these
    QString errHas;     // standard error holds this
};

// --help and --version print and end on a console without a display, and so does a mistake in
// the program's own options; a program that built its window system first would abort instead.
TEST(ProgramCommandLine, AnsweredOnAConsoleWithoutDisplay) {
    const QStringList helpTexts = {QStringLiteral("Usage:"), QStringLiteral("--simulate"),
                                   QStringLiteral("--port <path>"), QStringLiteral("--version")};
    const QList<ConsoleCase> cases = {
        {{"--version"}, 0, {kVersionLine}, {}},
        {{"-v"}, 0, {kVersionLine}, {}},
        {{"--simulate", "--port", "/dev/ttyUSB3", "--version"}, 0, {kVersionLine}, {}},
        {{"--help"}, 0, helpTexts, {}},
        {{"-h"}, 0, helpTexts, {}},
        {{"--help-all"}, 0, helpTexts + QStringList{"-platform"}, {}},
        {{"--port"}, 1, {}, "Missing value after '--port'"},
    };
    const QProcessEnvironment env = consoleOnly();
    for (const ConsoleCase& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Answer answer = runProgram(c.arguments, env);
        ASSERT_TRUE(answer.finished) << "the program did not end by itself";
        EXPECT_EQ(answer.exitCode, c.exitCode) << answer.err.toStdString();
        for (const QString& text : c.outHas) {
            EXPECT_TRUE(answer.out.contains(text)) << text.toStdString() << " missing from:\n"
                                                   << answer.out.toStdString();
        }
        if (!c.errHas.isEmpty()) {
            EXPECT_TRUE(answer.err.contains(c.errHas)) << answer.err.toStdString();
        }
    }
}

// The version is told even while a copy of the program runs: the answer comes before the
// single-instance guard, which would otherwise end the second start without a word.
TEST(ProgramCommandLine, VersionAnsweredWhileACopyRuns) {
    RunningCopy first(KZ904_EXE);
    ASSERT_TRUE(first.listening());
    const Answer answer = runProgram({"--version"}, first.environment());
    EXPECT_TRUE(answer.finished);
    EXPECT_EQ(answer.exitCode, 0);
    EXPECT_EQ(answer.out, kVersionLine);
    EXPECT_TRUE(first.running());
}

} // namespace
