#include "port_list.h"

#include <QSerialPortInfo>

#include <algorithm>

namespace kz::ports {

namespace {

// By name, and ports of one kind by their number: ttyUSB2 before ttyUSB10.
bool portOrder(const QString& a, const QString& b) {
    const auto split = [](const QString& name) {
        qsizetype digits = name.size();
        while (digits > 0 && name.at(digits - 1).isDigit())
            --digits;
        return std::pair(name.left(digits), name.mid(digits));
    };
    const auto [stemA, numberA] = split(a);
    const auto [stemB, numberB] = split(b);
    if (stemA != stemB)
        return stemA < stemB;
    if (numberA.size() != numberB.size())
        return numberA.size() < numberB.size();
    return numberA < numberB;
}

} // namespace

QStringList buildPortNames(QStringList systemPorts, const QStringList& leadingPorts,
                           bool fallback) {
    systemPorts.removeAll(QString());
    std::sort(systemPorts.begin(), systemPorts.end(), portOrder);
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
