#include "qt_message_service.h"

#include <QMessageBox>

kz::MessageButton QtMessageService::show(const kz::Message& message) {
    QMessageBox box(parent_);
    box.setWindowTitle(message.title);
    box.setText(message.text);
    if (!message.detail.isEmpty())
        box.setDetailedText(message.detail);
    switch (message.icon) {
    case kz::MessageIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case kz::MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case kz::MessageIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case kz::MessageIcon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case kz::MessageIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    switch (message.buttons) {
    case kz::MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case kz::MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case kz::MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case kz::MessageButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return kz::MessageButton::Yes;
    case QMessageBox::No:
        return kz::MessageButton::No;
    case QMessageBox::Cancel:
        return kz::MessageButton::Cancel;
    default:
        return kz::MessageButton::Ok;
    }
}
