#include "control_naming.h"

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

} // namespace kz
