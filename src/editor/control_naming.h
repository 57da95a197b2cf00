#pragma once

#include <QString>

class QObject;

// How the editor names its controls. Every control carries its name ("edtF1T12") as its
// objectName, so tests and the rest of the program find it by name, and a control of a family
// of like controls carries its row as its Tag.
namespace kz {

// Tag of a control: its row in its family, or the command a bench button sends (a dynamic
// property, 0 when unset).
void setTag(QObject* object, int tag);
int tagOf(const QObject* object);

template <typename W> W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}
template <typename W> W* named(W* widget, const QString& name, int tag) {
    setTag(named(widget, name), tag);
    return widget;
}

} // namespace kz
