#include "application.h"
#include "command_line.h"
#include "main_window.h"
#include "program_icon.h"
#include "program_identity.h"
#include "qt_message_service.h"
#include "single_instance.h"
#include "start_options.h"
#include "termination_signals.h"

#include <QCommandLineParser>

int main(int argc, char* argv[]) {
    // --help and --version are answered on the console before anything else starts: they need
    // no display, and a running copy of the program does not swallow them.
    kz::answerConsoleRequests(argc, argv);

    kz::Application app(argc, argv);
    const QString title = QString::fromStdString(kz::programTitle());
    QApplication::setApplicationName(title);
    QApplication::setApplicationVersion(kz::programVersionNumber());
    // The desktop entry this program is installed with: its name and icon in the task bar.
    QGuiApplication::setDesktopFileName(QStringLiteral("kz904"));
    QApplication::setWindowIcon(kz::programIcon());

    QCommandLineParser parser;
    const kz::ProgramOptions programOptions = kz::addProgramOptions(parser);
    parser.process(app);

    // A logout or a kill closes the window as its close button would, from before a second start
    // can learn that this copy runs.
    kz::TerminationSignals endOnRequest;

    // One copy per user: a second start brings the running copy to the front and ends.
    kz::SingleInstance guard(title);
    if (guard.anotherCopyIsRunning())
        return 0;

    const kz::StartOptions options = kz::startOptionsFrom(parser, programOptions);

    kz::QtMessageService messageBoxes;
    kz::installMessageService(&messageBoxes);

    TForm1 form1(options);
    messageBoxes.setParent(&form1);
    QObject::connect(&guard, &kz::SingleInstance::activationRequested, &form1,
                     &TForm1::bringToFront);
    endOnRequest.closeOnRequest(form1);
    form1.show();
    // The first show runs the start-up search, and a request to end may close the window there;
    // the event loop then has nothing left to wait for.
    const int result = form1.isVisible() ? app.exec() : 0;
    kz::installMessageService(nullptr);
    return result;
}
