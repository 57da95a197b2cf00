#pragma once

#include <QObject>

class QSocketNotifier;
class QWidget;

namespace kz {

// When the system asks the program to end (SIGTERM at logout or shutdown, SIGINT from its
// terminal, SIGHUP when that terminal goes), the main window is closed as the user's close
// button would: a running pager operation is waited for, so the signal never leaves a pager
// half-written, and the program ends its own way (port closed and its lock released, the
// simulated cradle stopped). Only one may exist at a time. Does nothing where the system has no
// such signals.
class TerminationSignals final : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QWidget& window);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    QWidget& window_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace kz
