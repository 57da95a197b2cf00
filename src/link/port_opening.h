#pragma once

#include "comm_error.h"
#include "message_service.h"

#include <QString>

class TCommPort;

namespace kz {

// The plain message (program title, OK, no icon) for a port that failed to open.
Message portOpenFailureMessage(const ECommError& error);

// Opens `portName` at 9600 baud, 8N1, and purges it. Failures are told to the user with the
// plain messages "Error opening comm port. Port already in use?" (the port cannot be opened)
// or "Error opening comm port." (any other failure); the system's reason goes to the detail text,
// with the remedy when the user lacks the right to use the port. The port is then closed.
// Returns whether the port is open.
bool openPortWithMessages(TCommPort& port, const QString& portName);

} // namespace kz
