#include "control_naming.h"

#include <QComboBox>
#include <QObject>
#include <QVariant>

namespace kz {

namespace {
constexpr const char* kTagProperty = "Tag";
}

void setTag(QObject* object, int tag) {
    object->setProperty(kTagProperty, tag);
}

int tagOf(const QObject* object) {
    return object->property(kTagProperty).toInt();
}

QStringList itemList(std::initializer_list<const char*> texts) {
    QStringList entries;
    for (const char* text : texts)
        entries << QString::fromUtf8(text);
    return entries;
}

QComboBox* namedList(const QString& name, const QStringList& entries, QWidget* parent) {
    auto* box = named(new QComboBox(parent), name);
    box->addItems(entries);
    return box;
}

} // namespace kz
