#include "port_opening.h"

#include "comm_port.h"
#include "message_service.h"
#include "program_identity.h"

namespace kz {

namespace {

QString detailOf(const ECommError& error) {
    QString detail = error.reason();
    if (error.permissionDenied()) {
        detail += QStringLiteral(
            "\nThis user may not use the port. On Linux serial ports belong to the group "
            "\"dialout\": add the user to it (sudo usermod -aG dialout $USER), then log out and "
            "in again.");
    }
    return detail;
}

} // namespace

Message portOpenFailureMessage(const ECommError& error) {
    const QString text = error.code() == ECommError::OpenFailed
                             ? QStringLiteral("Error opening comm port. Port already in use?")
                             : QStringLiteral("Error opening comm port.");
    return {QString::fromStdString(programTitle()), text, MessageIcon::None, MessageButtons::Ok,
            detailOf(error)};
}

void openProgrammerPort(TCommPort& port, const QString& portName) {
    port.openWithSettings(TCommPort::kProgrammerBaudRate, portName, TCommPort::kMode8N1);
    port.purge();
}

bool openPortWithMessages(TCommPort& port, const QString& portName) {
    try {
        openProgrammerPort(port, portName);
    } catch (const ECommError& error) {
        messages().show(portOpenFailureMessage(error));
        port.close();
    }
    return port.isOpen();
}

} // namespace kz
