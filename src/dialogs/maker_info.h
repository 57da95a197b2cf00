#pragma once

#include <QString>

// The maker's line, web address and e-mail address shown by the about box. These are the
// product owner's values; kept here, in one place, so a rebrand touches nothing else.
namespace kz::maker {

inline const QString kLine = QStringLiteral("Software by the KZ904 project");
inline const QString kWebAddress = QStringLiteral("https://kz904.example.org");
inline const QString kEmailAddress = QStringLiteral("support@kz904.example.org");

} // namespace kz::maker
