#include "field_events.h"

#include "entry_keys.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

namespace {

bool isMoveInsideWindow(const QEvent* event) {
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
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
            if (!widget->childAt(at))
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
