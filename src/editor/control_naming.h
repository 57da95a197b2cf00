#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>

class QComboBox;
class QObject;
class QWidget;

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

// The items of a list, from plain strings.
QStringList itemList(std::initializer_list<const char*> texts);
// A list control named `name` with `entries` as its items, nothing selected.
QComboBox* namedList(const QString& name, const QStringList& entries, QWidget* parent);

} // namespace kz
