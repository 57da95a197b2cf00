#pragma once

#include <QString>
#include <QStringList>

// The port table behind the "COM Port" list: entry i is the port of list position i.
//
// The system's serial ports come sorted by name, and ports of one kind by number (ttyACM0,
// ttyS0, ttyS2, ttyS10, ttyUSB0). When the system lists
// none, the table falls back to COM1 .. COM16 (on Unix /dev/ttyS0 .. /dev/ttyS15). Ports named
// on the command line (and the simulated cradle's port) come first, in the order given. The
// table holds at most 256 entries.
namespace kz::ports {

inline constexpr int kMaxPorts = 256;
inline constexpr int kFallbackPorts = 16;

// Builds the names from the system's port names (any order, duplicates dropped) and the ports
// given on the command line. `fallback` false leaves out the COM1 .. COM16 fallback (a list given
// instead of the system's, as tests do, is taken as it is).
QStringList buildPortNames(QStringList systemPorts, const QStringList& leadingPorts,
                           bool fallback = true);

// The names of the serial ports the system reports now.
QStringList systemPortNames();

} // namespace kz::ports
