#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

class QObject;
class QWidget;

// Per-row control tables of the main window.
//
// Every control of a family (the eight Tone 1 fields of F1, say) carries its row as its Tag, and
// the table of the family's name prefix holds it at that index. Handlers shared by a family take
// the row from the sender's Tag and reach the row's other controls through these tables. The
// tables only refer to the controls; the window owns them.
namespace kz {

// Tag of a control: its row in its family (a dynamic property, 0 when unset).
void setTag(QObject* object, int tag);
int tagOf(const QObject* object);

class ControlTables {
public:
    // The name prefixes of the families.
    static const QStringList& prefixes();

    // Walks `owner`'s child widgets in creation order and files every one whose objectName begins
    // with a family prefix (case-sensitive) and carries a Tag at the index of that Tag.
    void build(const QWidget* owner);

    // Entry `tag` of the family `prefix`, or nullptr when that index holds no control.
    QWidget* at(const QString& prefix, int tag) const;
    template <typename T> T* as(const QString& prefix, int tag) const {
        return qobject_cast<T*>(at(prefix, tag));
    }
    // Number of slots of a family (highest Tag + 1), empty entries included.
    int size(const QString& prefix) const;

private:
    QHash<QString, QVector<QWidget*>> tables_;
};

} // namespace kz
