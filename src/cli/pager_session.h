#pragma once

#include "comm_port.h"
#include "console_host.h"
#include "pager_operations.h"

#include <QString>
#include <QStringList>

#include <memory>

// One use of the programmer from the command line: the port list the window would build, the
// port the user named or the board search of the window, and Read, Write or Verify run by the
// window's own pager operations with a console host.
namespace kz::sim {
class PtyCradle;
}

namespace kz::cli {

class ProgressDisplay;

struct LinkOptions {
    QString port; // -p: a port name or device path; empty for the board search
    bool simulate = false;
    QString startupDirectory; // where errtbl.tbl goes
};

// What became of an operation: the exit status and, on a failure, the one line to print.
struct Outcome {
    int status = 0;
    QString error;
    bool ok() const { return status == 0; }
};

class PagerSession {
public:
    PagerSession(const LinkOptions& options, ProgressDisplay& progress);
    ~PagerSession();
    PagerSession(const PagerSession&) = delete;
    PagerSession& operator=(const PagerSession&) = delete;

    // Starts the simulated cradle when asked, builds the port list and chooses the port: the
    // simulated cradle's, the named one (refused when it cannot be opened), or the first that
    // answers the board search.
    Outcome connect();

    // The pager's image into `image`.
    Outcome read(TPagerImage& image);
    // The image to the pager, as the window's Write stores it.
    Outcome write(const TPagerImage& image);
    // Compares the pager with the image.
    Outcome verify(const TPagerImage& image);
    // Compares the pager with the image the last write left: the file's configuration with the
    // pager's header and serial number, the version stamp and the sum (the window's Verify after
    // its Write).
    Outcome verifyWritten();

    // The port in use (after connect()).
    QString portName() const { return operations_.selectedPortName(); }

private:
    Outcome judge(const QString& expectedSuccess, bool differenceIsFailure);

    LinkOptions options_;
    ProgressDisplay& progress_;
    ConsoleMessages messages_;
    ConsoleHost host_;
    std::unique_ptr<sim::PtyCradle> cradle_;
    TCommPort port_;
    PagerOperations operations_;
};

} // namespace kz::cli
