#include "serial_number_field.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace kz {

SerialNumberField::SerialNumberField(QLineEdit& field, QWidget& focusSink,
                                     std::function<void(const QString&)> startRun)
    : QObject(&field), field_(field), focusSink_(focusSink), startRun_(std::move(startRun)) {
    clock_.start();
    field_.installEventFilter(this);
}

void SerialNumberField::enterAnew() {
    field_.clear();
    field_.setFocus(Qt::OtherFocusReason);
}

int SerialNumberField::trimmedLength() const {
    return static_cast<int>(trimmedSerialText(field_.text()).size());
}

bool SerialNumberField::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &field_)
        return false;
    if (event->type() == QEvent::FocusIn) {
        // Entering the field by the keyboard or the mouse empties it; getting the focus back
        // with the window (after another program or a message box) does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            field_.clear();
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        return keyDown(key == Qt::Key_Return || key == Qt::Key_Enter);
    }
    return false;
}

bool SerialNumberField::keyDown(bool enter) {
    switch (scan_.keyDown(trimmedLength(), enter, static_cast<std::uint64_t>(clock_.elapsed()))) {
    case SerialScan::Action::None:
        return false;
    case SerialScan::Action::Swallow:
        break;
    case SerialScan::Action::TypedByHand:
        field_.setFocus(Qt::OtherFocusReason);
        break;
    case SerialScan::Action::StartRun:
        startRun_(trimmedSerialText(field_.text()));
        break;
    }
    // The Enter character follows its key: after a long entry typed by hand it moves the focus
    // away; after a run the field has been entered anew and is empty.
    if (SerialScan::endsLongEntry(enter, trimmedLength()))
        focusSink_.setFocus(Qt::OtherFocusReason);
    return true;
}

} // namespace kz
