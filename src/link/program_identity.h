#pragma once

#include <QString>

// The program's version "V108" (major 1, minor 0, patch 8) and its title "KZ904 V1.0.8".
// The version digits are stamped into bytes 510 and 511 of every image written to a pager.
namespace kz::identity {

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionPatch = 8;
inline const QString kProgramTitle = QStringLiteral("KZ904 V1.0.8");

} // namespace kz::identity
