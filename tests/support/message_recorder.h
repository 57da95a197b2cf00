#pragma once

#include "message_service.h"

#include <deque>
#include <vector>

// Records every message the program shows and answers from a script (OK / Yes when the script
// is empty). Installed for the lifetime of the object.
class MessageRecorder final : public kz::MessageService {
public:
    MessageRecorder();
    ~MessageRecorder() override;
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    kz::MessageButton show(const kz::Message& message) override;

    // The next messages are answered with these buttons, in order.
    void answer(std::initializer_list<kz::MessageButton> buttons);

    const std::vector<kz::Message>& messages() const { return shown_; }
    QStringList texts() const;
    void clear() { shown_.clear(); }

private:
    std::vector<kz::Message> shown_;
    std::deque<kz::MessageButton> script_;
    kz::MessageService* previous_ = nullptr;
};
