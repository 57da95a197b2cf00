// ports: the port list of the window's "COM Port" list, with what the system knows of each.
#include "comm_port.h"
#include "command_support.h"
#include "commands.h"
#include "exit_status.h"
#include "port_list.h"
#include "port_opening.h"

#include <QCommandLineOption>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QTextStream>

namespace kz::cli {

namespace {

std::optional<QSerialPortInfo> systemInfoOf(const QString& name) {
    const QString location = TCommPort::systemLocation(name);
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        if (info.portName() == name || info.systemLocation() == location)
            return info;
    return std::nullopt;
}

// The device a port name opens: the one the system reports for it, else the one the serial
// port would open (COMn on Unix is /dev/ttyS(n-1); a path is taken as it is).
QString locationOf(const QString& name, const std::optional<QSerialPortInfo>& info) {
    return info ? info->systemLocation() : TCommPort::systemLocation(name);
}

// Whether the port can be had now: opened with the programmer's settings and closed again.
QString stateOf(const QString& name, const QString& location, bool reported) {
#ifdef Q_OS_UNIX
    if (!reported && !QFileInfo::exists(location))
        return QStringLiteral("absent");
#else
    Q_UNUSED(location);
    Q_UNUSED(reported);
#endif
    TCommPort port;
    try {
        openProgrammerPort(port, name);
    } catch (const ECommError& error) {
        port.close();
        if (error.permissionDenied())
            return QStringLiteral("not permitted (") + error.reason() + u')';
        if (error.code() == ECommError::OpenFailed)
            return QStringLiteral("in use (") + error.reason() + u')';
        return QStringLiteral("unusable (") + error.reason() + u')';
    }
    port.close();
    return QStringLiteral("free");
}

QString describe(const QSerialPortInfo& info) {
    QStringList parts;
    if (!info.manufacturer().isEmpty())
        parts << info.manufacturer();
    if (!info.description().isEmpty())
        parts << info.description();
    if (info.hasVendorIdentifier() && info.hasProductIdentifier())
        parts << QString::asprintf("USB %04x:%04x", info.vendorIdentifier(),
                                   info.productIdentifier());
    if (!info.serialNumber().isEmpty())
        parts << QStringLiteral("serial ") + info.serialNumber();
    return parts.join(QStringLiteral(", "));
}

} // namespace

int portsCommand(const QStringList& arguments, Console& console) {
    CommandLine line(QStringLiteral("ports"), QStringLiteral("ports [-p PORT]..."),
                     QStringLiteral("Lists the ports in the order the window's \"COM Port\" list "
                                    "shows them (COM1 .. COM16 when the system reports none), "
                                    "with the device each opens, what the system knows of it "
                                    "and whether it can be opened now."));
    const QCommandLineOption portOption({QStringLiteral("p"), QStringLiteral("port")},
                                        QStringLiteral("A port to add at the head of the list "
                                                       "(repeatable)."),
                                        QStringLiteral("PORT"));
    line.parser().addOption(portOption);
    bool done = false;
    if (const int status = line.parse(arguments, console, done, 0, 0); status != kSuccess || done)
        return status;
    const QStringList names =
        ports::buildPortNames(ports::systemPortNames(), line.parser().values(portOption));
    for (const QString& name : names) {
        const auto info = systemInfoOf(name);
        const QString location = locationOf(name, info);
        QString text = QStringLiteral("%1  %2  %3")
                           .arg(name, -10)
                           .arg(location, -14)
                           .arg(stateOf(name, location, info.has_value()));
        if (info) {
            const QString description = describe(*info);
            if (!description.isEmpty())
                text += QStringLiteral("  ") + description;
        }
        console.out << text << '\n';
    }
    console.out.flush();
    return kSuccess;
}

} // namespace kz::cli
