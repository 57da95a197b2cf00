#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace kz {

// How the program was started: the command line, or a test that builds the main window.
struct StartOptions {
    // Folder of default.tbl, errtbl.tbl and the production logs; empty means the current
    // directory at start-up.
    QString startupDirectory;
    // Run a simulated programmer cradle inside the program and put its port first.
    bool simulate = false;
    // Extra serial ports by path (a cradle on an unusual device path).
    QStringList extraPorts;
    // The serial ports to list instead of asking the system, without the COM1..COM16 fallback:
    // tests give their own (often none), so that no window under test touches real hardware.
    std::optional<QStringList> systemPorts;
};

} // namespace kz
