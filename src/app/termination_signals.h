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
//
// It is made as early as possible, before the program tells a second start that it runs: from
// then on a request is never lost, and one that comes before the window exists closes it as soon
// as the event loop runs.
class TerminationSignals final : public QObject {
    Q_OBJECT
public:
    TerminationSignals();
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // The window a request closes.
    void closeOnRequest(QWidget& window);

private:
    void requested();

    QWidget* window_ = nullptr;
    bool requested_ = false;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace kz
