#pragma once

#include "image_listing.h"
#include "pager_image.h"

#include <QJsonObject>
#include <QString>

// The listing of an image as text for people and as JSON for scripts (dump), and the
// differences between two images in the same two forms (diff).
namespace kz::cli {

// One line per entry: offset, name, raw bytes, value.
QString dumpText(const TPagerImage& image);
QJsonObject dumpJson(const TPagerImage& image);

// The entries whose bytes differ between `a` and `b`, in the order of their offsets.
struct FieldDifference {
    ListedField a;
    ListedField b;
};
std::vector<FieldDifference> differences(const TPagerImage& a, const TPagerImage& b);

// `aName` and `bName` say where each image came from (a file name or "pager:").
QString diffText(const TPagerImage& a, const TPagerImage& b, const QString& aName,
                 const QString& bName);
QJsonObject diffJson(const TPagerImage& a, const TPagerImage& b, const QString& aName,
                     const QString& bName);

} // namespace kz::cli
