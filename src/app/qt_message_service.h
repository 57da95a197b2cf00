#pragma once

#include "message_service.h"

class QWidget;

namespace kz {

// Message boxes of the running program, shown with QMessageBox over the main window.
class QtMessageService final : public MessageService {
public:
    explicit QtMessageService(QWidget* parent = nullptr) : parent_(parent) {}
    MessageButton show(const Message& message) override;
    void setParent(QWidget* parent) { parent_ = parent; }

private:
    QWidget* parent_;
};

} // namespace kz
