#include "program_identity.h"

namespace kz {

namespace {
int digit(std::size_t index) {
    return kProgramVersion[index] - '0';
}
} // namespace

std::string programTitle() {
    std::string title(kProgramName);
    title += ' ';
    title += kProgramVersion.substr(0, 2);
    title += '.';
    title += kProgramVersion[2];
    title += '.';
    title += kProgramVersion[3];
    return title;
}

std::string identityField() {
    std::string field = "KZ904   V107";
    const std::string head = std::string(kProgramName) + std::string(kProgramVersion);
    field.replace(0, head.size(), head);
    return field;
}

int versionMajor() {
    return digit(1);
}
int versionMinor() {
    return digit(2);
}
int versionPatch() {
    return digit(3);
}

void stampToolVersion(TPagerImage& image) {
    image.stampVersion(versionMajor(), versionMinor(), versionPatch());
}

void stampIdentity(TPagerImage& image) {
    image.setText(PagerField::identity, identityField());
    image.setByte(PagerField::identity + 12, 0); // the field's terminating zero lands on 510
    stampToolVersion(image);
}

} // namespace kz
