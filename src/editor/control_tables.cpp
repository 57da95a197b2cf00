#include "control_tables.h"

#include <QVariant>
#include <QWidget>

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

const QStringList& ControlTables::prefixes() {
    static const QStringList list = [] {
        QStringList names;
        for (const char* channel : {"F1", "F2"}) {
            const QString c = QString::fromLatin1(channel);
            for (const char* family :
                 {"chk%1Call",    "chk%1GCall",  "pan%1Call",     "pan%1GCall",     "edt%1T1",
                  "edt%1T2",      "edt%1GT",     "cbo%1TType",    "cbo%1GTType",    "edt%1Patten",
                  "edt%1GPatten", "cbo%1ATime",  "cbo%1GATime",   "edt%1ATime",     "edt%1GATime",
                  "lbl%1ATsec",   "lbl%1GATsec", "chk%1Priority", "chk%1GPriority", "pan%1Duty",
                  "pan%1GDuty",   "chk%1SA",     "chk%1SB",       "chk%1SC",        "chk%1SD",
                  "chk%1GSA",     "chk%1GSB",    "chk%1GSC",      "chk%1GSD",       "chk%1Duty"})
                names << QString::fromLatin1(family).arg(c);
        }
        names << "chkSys"
              << "edtTonality"
              << "cboFunMode"
              << "cboC1FunMode"
              << "cboFunAType"
              << "chkFunPTListen"
              << "edtToneDur"
              << "edtToneLimit"
              << "radToneSystem"
              << "cboBat"
              << "edtSquLevel"
              << "edtNBSquLevel"
              << "lbl100MS"
              << "lbl50MS";
        return names;
    }();
    return list;
}

void ControlTables::build(const QWidget* owner) {
    tables_.clear();
    const auto children = owner->findChildren<QWidget*>();
    for (QWidget* child : children) {
        const QString name = child->objectName();
        if (name.isEmpty())
            continue;
        for (const QString& prefix : prefixes()) {
            if (!name.startsWith(prefix, Qt::CaseSensitive))
                continue;
            // Only a control that was given its row joins a table: another control that merely
            // shares the prefix (a list named cboBat... without a Tag) must not take row 0.
            const QVariant tagValue = child->property(kTagProperty);
            if (!tagValue.isValid() || tagValue.toInt() < 0)
                break;
            const int tag = tagValue.toInt();
            auto& table = tables_[prefix];
            if (table.size() <= tag)
                table.resize(tag + 1);
            table[tag] = child;
            break;
        }
    }
}

QWidget* ControlTables::at(const QString& prefix, int tag) const {
    const auto it = tables_.constFind(prefix);
    if (it == tables_.constEnd() || tag < 0 || tag >= it->size())
        return nullptr;
    return it->at(tag);
}

int ControlTables::size(const QString& prefix) const {
    const auto it = tables_.constFind(prefix);
    return it == tables_.constEnd() ? 0 : static_cast<int>(it->size());
}

} // namespace kz
