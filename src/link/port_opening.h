#pragma once

#include "comm_error.h"
#include "message_service.h"

#include <QString>

namespace kz {

class TCommPort;

// Opens `portName` with the programmer's line settings (9600 baud, 8 data bits, no parity, one
// stop bit) and purges it. Throws ECommError when that fails.
void openProgrammerPort(TCommPort& port, const QString& portName);

// The plain message (program title, OK, no icon) for a port that failed to open.
Message portOpenFailureMessage(const ECommError& error);

// Opens `portName` as openProgrammerPort does. Failures are told to the user with the
// plain messages "Error opening comm port. Port already in use?" (the port cannot be opened)
// or "Error opening comm port." (any other failure); the system's reason goes to the detail text,
// with the remedy when the user lacks the right to use the port. The port is then closed.
// Returns whether the port is open.
bool openPortWithMessages(TCommPort& port, const QString& portName);

} // namespace kz
