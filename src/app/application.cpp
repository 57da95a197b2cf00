#include "application.h"

#include "message_service.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

#include <exception>

namespace kz {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    installEventFilter(this);
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        kz::messages().show({applicationName(),
                             QString::fromLocal8Bit(e.what()),
                             kz::MessageIcon::Error,
                             kz::MessageButtons::Ok,
                             {}});
    } catch (...) {
        kz::messages().show({applicationName(),
                             QStringLiteral("Unexpected error."),
                             kz::MessageIcon::Error,
                             kz::MessageButtons::Ok,
                             {}});
    }
    return false;
}

bool Application::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && !widget->toolTip().isEmpty() && widget->toolTipDuration() < 0) {
            const auto* help = static_cast<QHelpEvent*>(event);
            QToolTip::showText(help->globalPos(), widget->toolTip(), widget, {}, kHintHidePauseMs);
            return true;
        }
    }
    return QApplication::eventFilter(watched, event);
}

} // namespace kz
