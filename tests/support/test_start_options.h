#pragma once

#include "start_options.h"

#include <QString>
#include <QStringList>

// How every main window under test starts: start-up files in a folder of the test's own, and no
// serial port asked of the system, so no test ever touches real hardware (or waits on a port
// that does not answer).
inline kz::StartOptions testStartOptions(const QString& startupDirectory) {
    kz::StartOptions options;
    options.startupDirectory = startupDirectory;
    options.systemPorts = QStringList();
    return options;
}
