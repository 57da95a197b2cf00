#include "message_service.h"

#include <QTextStream>

namespace kz {

namespace {

class StderrMessages final : public MessageService {
public:
    MessageButton show(const Message& message) override {
        QTextStream err(stderr);
        err << message.title << ": " << message.text;
        if (!message.detail.isEmpty())
            err << " (" << message.detail << ")";
        err << Qt::endl;
        switch (message.buttons) {
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel:
            return MessageButton::No; // never agree to anything nobody saw
        case MessageButtons::Ok:
        case MessageButtons::OkCancel:
            break;
        }
        return MessageButton::Ok;
    }
};

StderrMessages fallback;
MessageService* current = nullptr;

} // namespace

MessageService& messages() {
    return current ? *current : fallback;
}

MessageService* installMessageService(MessageService* service) {
    MessageService* previous = current;
    current = service;
    return previous;
}

MessageButton warn(const QString& text, const QString& detail) {
    return messages().show({kMessageTitle, text, MessageIcon::Warning, MessageButtons::Ok, detail});
}

} // namespace kz
