#pragma once

#include "pager_image.h"

#include <QString>

#include <vector>

// The pager image as a listing: every field of the memory map by name, with its offset, its raw
// bytes and, where the editor shows a value for it, that value as the editor shows it. Fields
// that hold one entry per call, tone, level or switch are listed entry by entry (f1CallTones[2]),
// so that a difference names the very entry. Bytes that belong to no field are listed by offset.
namespace kz::cli {

struct ListedField {
    QString name;  // "toneSystem", "f1CallTones[2]"; empty for bytes of no field
    QString label; // what the entry is to a reader ("F1 CALL #2 Tone 1"); may be empty
    int offset = 0;
    int width = 0;
    QString value; // empty when the editor shows no value for these bytes
};

// The entries of `image`, in the order of their offsets, covering all 512 bytes once.
std::vector<ListedField> listImage(const TPagerImage& image);

// "0C 8A": the entry's bytes in hexadecimal, separated by blanks.
QString rawBytesText(const TPagerImage& image, const ListedField& field);

} // namespace kz::cli
