#pragma once

#include "pager_image.h"

#include <string>
#include <string_view>

// Who this program is, as it stamps itself into every image it writes or saves.
namespace kz {

// Program version: the second character is the major digit, the third and fourth the minor and
// patch digits.
inline constexpr std::string_view kProgramVersion = "V108";
inline constexpr std::string_view kProgramName = "KZ904";

// "KZ904 V1.0.8": name, the first two characters of the version, then its third and fourth.
std::string programTitle();

// The 12-character identity field: it starts as "KZ904   V107" and its first nine characters
// become name + version, so the last three keep "107".
std::string identityField();

int versionMajor();
int versionMinor();
int versionPatch();

// Stores the program version into toolVersion (510..511).
void stampToolVersion(TPagerImage& image);

// Start-up stamp: the identity field and its terminating zero over 498..510, then the version
// stamp over 510..511.
void stampIdentity(TPagerImage& image);

} // namespace kz
