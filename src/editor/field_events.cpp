#include "field_events.h"

#include "entry_keys.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

namespace kz {

namespace {

bool isMoveInsideWindow(const QEvent* event) {
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    // The menu bar takes the focus while it is worked from the keyboard (Alt) and gives it back
    // afterwards; like a menu, that is no move between the window's fields.
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

// Whether a mouse move at `at` is one over `widget` itself. A move over an enabled child control
// belongs to that control. A disabled control takes no mouse input: the move goes on to its
// nearest enabled parent, so a move over a disabled row, or over a disabled field of an enabled
// row, is a move over the panel or group box that holds it, and only that one counts it.
bool isOwnMouseArea(const QWidget* widget, QPoint at) {
    const QWidget* receiver = widget->childAt(at);
    if (!receiver)
        receiver = widget;
    while (receiver != widget && !receiver->isEnabled())
        receiver = receiver->parentWidget();
    return receiver == widget && widget->isEnabled();
}

} // namespace

FieldEvents& FieldEvents::on(QWidget* widget, QObject* owner) {
    auto* filter = new FieldEvents(owner);
    widget->installEventFilter(filter);
    return *filter;
}

bool FieldEvents::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn:
        if (onEnter && isMoveInsideWindow(event))
            onEnter();
        break;
    case QEvent::FocusOut:
        if (onExit && isMoveInsideWindow(event))
            onExit();
        break;
    case QEvent::KeyPress:
        if (onKey)
            return onKey(static_cast<QKeyEvent*>(event));
        break;
    case QEvent::MouseButtonDblClick:
        if (onDoubleClick)
            onDoubleClick();
        break;
    case QEvent::MouseMove:
        if (onMouseMove) {
            const auto* widget = static_cast<QWidget*>(watched);
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            if (isOwnMouseArea(widget, at))
                onMouseMove();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void focusBackLater(QWidget* field) {
    if (!field->isEnabled() || !field->isVisible())
        return;
    QTimer::singleShot(0, field, [field] {
        if (field->isEnabled() && field->isVisible())
            field->setFocus(Qt::OtherFocusReason);
    });
}

bool isEnterKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

QChar typedCharacter(const QKeyEvent* event) {
    if (event->key() == Qt::Key_Backspace)
        return kz::kBackspaceKey;
    if (event->text().size() == 1 && event->text()[0].isPrint())
        return event->text()[0];
    return {};
}

} // namespace kz
