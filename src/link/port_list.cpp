#include "port_list.h"

#include <QSerialPortInfo>

#include <algorithm>

namespace kz::ports {

QStringList buildPortNames(QStringList systemPorts, const QStringList& leadingPorts,
                           bool fallback) {
    systemPorts.removeAll(QString());
    std::sort(systemPorts.begin(), systemPorts.end());
    systemPorts.erase(std::unique(systemPorts.begin(), systemPorts.end()), systemPorts.end());
    if (systemPorts.isEmpty() && fallback) {
        for (int i = 1; i <= kFallbackPorts; ++i)
            systemPorts << QStringLiteral("COM%1").arg(i);
    }
    QStringList names;
    for (const QString& port : leadingPorts)
        if (!port.isEmpty() && !names.contains(port))
            names << port;
    for (const QString& port : systemPorts)
        if (!names.contains(port))
            names << port;
    if (names.size() > kMaxPorts)
        names.resize(kMaxPorts);
    return names;
}

QStringList systemPortNames() {
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        names << info.portName();
    return names;
}

} // namespace kz::ports
