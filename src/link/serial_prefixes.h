#pragma once

#include <QByteArray>

// Serial numbers whose first eleven characters are one of the known production prefixes mark
// pagers of a batch with their own squelch presets.
namespace kz {

// True when the first 11 bytes of `serial` equal one of the prefixes.
bool hasKnownSerialPrefix(const QByteArray& serial);

} // namespace kz
