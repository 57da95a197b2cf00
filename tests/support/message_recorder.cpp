#include "message_recorder.h"

#include <QStringList>

MessageRecorder::MessageRecorder() {
    previous_ = kz::installMessageService(this);
}

MessageRecorder::~MessageRecorder() {
    kz::installMessageService(previous_);
}

kz::MessageButton MessageRecorder::show(const kz::Message& message) {
    shown_.push_back(message);
    if (!script_.empty()) {
        const kz::MessageButton button = script_.front();
        script_.pop_front();
        return button;
    }
    switch (message.buttons) {
    case kz::MessageButtons::YesNo:
    case kz::MessageButtons::YesNoCancel:
        return kz::MessageButton::Yes;
    case kz::MessageButtons::Ok:
    case kz::MessageButtons::OkCancel:
        break;
    }
    return kz::MessageButton::Ok;
}

void MessageRecorder::answer(std::initializer_list<kz::MessageButton> buttons) {
    script_.insert(script_.end(), buttons.begin(), buttons.end());
}

QStringList MessageRecorder::texts() const {
    QStringList list;
    for (const auto& m : shown_)
        list << m.text;
    return list;
}
