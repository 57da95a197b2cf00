#include "port_opening.h"

#include <gtest/gtest.h>

#include <cerrno>

TEST(PortOpening, MessagesByErrorCode) {
    struct Case {
        std::uint8_t code;
        bool denied;
        QString text;
        bool remedy;
    };
    const Case cases[] = {
        {kz::ECommError::OpenFailed, false, "Error opening comm port. Port already in use?", false},
        {kz::ECommError::OpenFailed, true, "Error opening comm port. Port already in use?", true},
        {kz::ECommError::SetSettingsFailed, false, "Error opening comm port.", false},
        {kz::ECommError::PurgeFailed, false, "Error opening comm port.", false},
    };
    for (const Case& c : cases) {
        const kz::ECommError error(c.code, EACCES, "Permission denied", c.denied);
        const kz::Message message = kz::portOpenFailureMessage(error);
        EXPECT_EQ(message.text, c.text);
        EXPECT_EQ(message.title, "KZ904 V1.0.8");
        EXPECT_EQ(message.icon, kz::MessageIcon::None);
        EXPECT_EQ(message.buttons, kz::MessageButtons::Ok);
        EXPECT_TRUE(message.detail.startsWith("Permission denied"));
        EXPECT_EQ(message.detail.contains("dialout"), c.remedy);
    }
}
