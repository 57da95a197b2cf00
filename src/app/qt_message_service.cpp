#include "qt_message_service.h"

#include <QMessageBox>

namespace kz {

MessageButton QtMessageService::show(const Message& message) {
    QMessageBox box(parent_);
    box.setWindowTitle(message.title);
    box.setText(message.text);
    if (!message.detail.isEmpty())
        box.setDetailedText(message.detail);
    switch (message.icon) {
    case MessageIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    switch (message.buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MessageButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageButton::Yes;
    case QMessageBox::No:
        return MessageButton::No;
    case QMessageBox::Cancel:
        return MessageButton::Cancel;
    default:
        return MessageButton::Ok;
    }
}

} // namespace kz
