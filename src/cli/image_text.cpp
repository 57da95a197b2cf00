#include "image_text.h"

#include <QJsonArray>
#include <QStringList>

namespace kz::cli {

namespace {

QString displayName(const ListedField& field) {
    return field.name.isEmpty() ? QStringLiteral("(no field)") : field.name;
}

// "name (label)" when the entry has a label.
QString title(const ListedField& field) {
    if (field.label.isEmpty())
        return displayName(field);
    return QStringLiteral("%1 (%2)").arg(displayName(field), field.label);
}

QJsonObject fieldJson(const ListedField& field) {
    QJsonObject object;
    object[QStringLiteral("name")] = field.name.isEmpty() ? QJsonValue() : QJsonValue(field.name);
    if (!field.label.isEmpty())
        object[QStringLiteral("label")] = field.label;
    object[QStringLiteral("offset")] = field.offset;
    object[QStringLiteral("width")] = field.width;
    return object;
}

QJsonObject sideJson(const TPagerImage& image, const ListedField& field) {
    QJsonObject side;
    side[QStringLiteral("bytes")] = rawBytesText(image, field);
    side[QStringLiteral("value")] = field.value.isEmpty() ? QJsonValue() : QJsonValue(field.value);
    return side;
}

} // namespace

QString dumpText(const TPagerImage& image) {
    QString text;
    for (const ListedField& field : listImage(image)) {
        QString line = QStringLiteral("%1  %2  %3")
                           .arg(field.offset, 3)
                           .arg(title(field), -40)
                           .arg(rawBytesText(image, field));
        if (!field.value.isEmpty())
            line += QStringLiteral("  = ") + field.value;
        text += line + u'\n';
    }
    return text;
}

QJsonObject dumpJson(const TPagerImage& image) {
    QJsonArray fields;
    for (const ListedField& field : listImage(image)) {
        QJsonObject object = fieldJson(field);
        const QJsonObject side = sideJson(image, field);
        for (auto it = side.begin(); it != side.end(); ++it)
            object[it.key()] = it.value();
        fields.append(object);
    }
    QJsonObject root;
    root[QStringLiteral("fields")] = fields;
    return root;
}

std::vector<FieldDifference> differences(const TPagerImage& a, const TPagerImage& b) {
    // The layout is fixed, so both listings hold the same entries in the same order; only the
    // values differ.
    const std::vector<ListedField> left = listImage(a);
    const std::vector<ListedField> right = listImage(b);
    std::vector<FieldDifference> found;
    for (std::size_t i = 0; i < left.size() && i < right.size(); ++i) {
        const ListedField& field = left[i];
        if (!std::ranges::equal(a.block(field.offset, field.width),
                                b.block(field.offset, field.width)))
            found.push_back({left[i], right[i]});
    }
    return found;
}

QString diffText(const TPagerImage& a, const TPagerImage& b, const QString& aName,
                 const QString& bName) {
    QString text;
    for (const FieldDifference& d : differences(a, b)) {
        text += QStringLiteral("%1  %2\n").arg(d.a.offset, 3).arg(title(d.a));
        const auto side = [&](const QString& name, const TPagerImage& image,
                              const ListedField& field) {
            QString line = QStringLiteral("     %1: %2").arg(name, rawBytesText(image, field));
            if (!field.value.isEmpty())
                line += QStringLiteral("  = ") + field.value;
            return line + u'\n';
        };
        text += side(QStringLiteral("- ") + aName, a, d.a);
        text += side(QStringLiteral("+ ") + bName, b, d.b);
    }
    return text;
}

QJsonObject diffJson(const TPagerImage& a, const TPagerImage& b, const QString& aName,
                     const QString& bName) {
    QJsonArray list;
    for (const FieldDifference& d : differences(a, b)) {
        QJsonObject object = fieldJson(d.a);
        object[QStringLiteral("a")] = sideJson(a, d.a);
        object[QStringLiteral("b")] = sideJson(b, d.b);
        list.append(object);
    }
    QJsonObject root;
    root[QStringLiteral("a")] = aName;
    root[QStringLiteral("b")] = bName;
    root[QStringLiteral("differences")] = list;
    return root;
}

} // namespace kz::cli
