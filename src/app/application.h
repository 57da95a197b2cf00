#pragma once

#include <QApplication>

namespace kz {

// The program's application object.
//
// - An exception that escapes an event handler is shown in a message box and the event loop
//   goes on, instead of ending the program with the user's unsaved configuration.
// - Hints stay up for 8 seconds, long enough to read the longer ones of the settings pages.
class Application : public QApplication {
    Q_OBJECT
public:
    static constexpr int kHintHidePauseMs = 8000;

    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace kz
