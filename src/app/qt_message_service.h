#pragma once

#include "message_service.h"

class QWidget;

// Message boxes of the running program, shown with QMessageBox over the main window.
class QtMessageService final : public kz::MessageService {
public:
    explicit QtMessageService(QWidget* parent = nullptr) : parent_(parent) {}
    kz::MessageButton show(const kz::Message& message) override;
    void setParent(QWidget* parent) { parent_ = parent; }

private:
    QWidget* parent_;
};
