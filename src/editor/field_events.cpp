#include "field_events.h"

#include "entry_keys.h"
#include "message_service.h"
#include "setting_keys.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
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

namespace {

bool canTakeFocusBack(const QWidget* field) {
    return field->isEnabled() && field->isVisible();
}

// Waits for the field's window to become the active window again, then gives the field the
// focus. It belongs to the field, so it goes when the field goes.
class FocusAfterActivation final : public QObject {
public:
    FocusAfterActivation(QWidget* window, QWidget* field) : QObject(field), window_(window) {
        window_->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate) {
            window_->removeEventFilter(this);
            // The activation first gives the focus back to the widget that had it; the field
            // takes it right after, as an ordinary move between the window's fields.
            auto* field = static_cast<QWidget*>(parent());
            QTimer::singleShot(0, field, [field] { giveFocusNow(field); });
            deleteLater();
        }
        return false;
    }

private:
    static void giveFocusNow(QWidget* field) {
        if (canTakeFocusBack(field) && field->isActiveWindow())
            field->setFocus(Qt::OtherFocusReason);
    }

    QPointer<QWidget> window_;
};

void giveFocusBack(QWidget* field) {
    if (!canTakeFocusBack(field))
        return;
    if (field->isActiveWindow()) {
        field->setFocus(Qt::OtherFocusReason);
        return;
    }
    // After a message box the window manager activates the main window again at its own
    // moment, possibly after this point. Setting the focus in an inactive window moves it
    // silently: the field would later get it through the activation, which is no enter (its
    // text would not be emptied), and the field the user had moved to would never see its exit.
    // So the focus moves only once the window is active again, with the ordinary focus events.
    new FocusAfterActivation(field->window(), field);
}

} // namespace

void focusBackLater(QWidget* field) {
    if (!canTakeFocusBack(field))
        return;
    QTimer::singleShot(0, field, [field] { giveFocusBack(field); });
}

bool integerFieldKey(QKeyEvent* event, QWidget* focusSink) {
    if (isEnterKey(event)) {
        if (focusSink)
            focusSink->setFocus(Qt::OtherFocusReason);
        return true;
    }
    const QChar key = typedCharacter(event);
    if (key.isNull() || integerKeyPasses(key))
        return false;
    warn(kNumericKeyMessage);
    return true;
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
