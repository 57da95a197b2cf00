#include "application.h"
#include "main_window.h"
#include "program_identity.h"
#include "qt_message_service.h"
#include "single_instance.h"
#include "start_options.h"

#include <QCommandLineParser>

int main(int argc, char* argv[]) {
    kz::Application app(argc, argv);
    const QString title = QString::fromStdString(kz::programTitle());
    QApplication::setApplicationName(title);
    QApplication::setApplicationVersion(QString::fromLatin1(kz::kProgramVersion.data(), 4));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Programming tool for TQ615 pagers"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption simulate(
        QStringLiteral("simulate"),
        QStringLiteral("Run a simulated programmer cradle and list its port first."));
    const QCommandLineOption port(
        QStringLiteral("port"),
        QStringLiteral("Also list the serial port at <path> (may be given more than once)."),
        QStringLiteral("path"));
    parser.addOption(simulate);
    parser.addOption(port);
    parser.process(app);

    // One copy per user: a second start brings the running copy to the front and ends.
    kz::SingleInstance guard(title);
    if (guard.anotherCopyIsRunning())
        return 0;

    kz::StartOptions options;
    options.simulate = parser.isSet(simulate);
    options.extraPorts = parser.values(port);

    kz::QtMessageService messageBoxes;
    kz::installMessageService(&messageBoxes);

    TForm1 form1(options);
    messageBoxes.setParent(&form1);
    QObject::connect(&guard, &kz::SingleInstance::activationRequested, &form1,
                     &TForm1::bringToFront);
    form1.show();
    const int result = app.exec();
    kz::installMessageService(nullptr);
    return result;
}
