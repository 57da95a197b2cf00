#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Shared pieces of the fuzz targets.
//
// A target states what must hold for every input, not only that nothing crashes: a broken
// promise prints what broke and aborts, and libFuzzer keeps the input as a crash file.
#define FUZZ_CHECK(condition, what)                                                                \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "broken promise: %s\n  (%s) at %s:%d\n", what, #condition,        \
                         __FILE__, __LINE__);                                                      \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

namespace kz::fuzz {

inline QByteArray bytesOf(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// Text as a user may type or paste it. The first byte picks the reading: UTF-8 (the usual
// paste) or raw UTF-16 units, which also reach lone surrogates and every BMP character.
inline QString textOf(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return {};
    const char* rest = reinterpret_cast<const char*>(data + 1);
    const auto restSize = static_cast<qsizetype>(size - 1);
    if (data[0] & 1) {
        QString text;
        for (qsizetype i = 0; i + 1 < restSize; i += 2)
            text += QChar(static_cast<char16_t>(static_cast<std::uint8_t>(rest[i]) |
                                                static_cast<std::uint8_t>(rest[i + 1]) << 8));
        return text;
    }
    return QString::fromUtf8(rest, restSize);
}

} // namespace kz::fuzz
