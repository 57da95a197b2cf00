#pragma once

#include <QString>

#include <memory>

// Every message box of the program goes through this one service, so that the exact texts can
// be recorded and answered by a script in tests and no test ever blocks on a modal box.
namespace kz {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButton { Ok, Yes, No, Cancel };

enum class MessageButtons { Ok, YesNo, YesNoCancel, OkCancel };

struct Message {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::Warning;
    MessageButtons buttons = MessageButtons::Ok;
    // Further explanation (a system error, a remedy) shown on request; empty when there is none.
    QString detail;
};

class MessageService {
public:
    virtual ~MessageService() = default;
    // Shows the message modally and returns the button the user pressed.
    virtual MessageButton show(const Message& message) = 0;
};

// The service in use. Until the application installs its own, messages are written to the
// standard error stream and answered with OK or No, so library code never blocks and never agrees
// to anything nobody saw.
MessageService& messages();
// Installs `service` (not owned) and returns the one it replaces; nullptr restores the fallback.
MessageService* installMessageService(MessageService* service);

// Title of the program's ordinary message boxes.
inline const QString kMessageTitle = QStringLiteral("KZ904");

// The program's ordinary box: titled "KZ904", exclamation icon, one OK button.
MessageButton warn(const QString& text, const QString& detail = {});

} // namespace kz
