#include "entry_keys.h"
#include "setting_keys.h"

#include <gtest/gtest.h>

namespace {

using namespace kz;

TEST(SettingKeys, IntegerFieldsTakeDigitsOnly) {
    for (QChar key : {QChar(u'0'), QChar(u'9')})
        EXPECT_TRUE(integerKeyPasses(key));
    for (QChar key : {kBackspaceKey, QChar(u'.'), QChar(u'-'), QChar(u'a'), QChar(0x0663)})
        EXPECT_FALSE(integerKeyPasses(key)) << static_cast<int>(key.unicode());
}

TEST(SettingKeys, DecimalFieldsJudgeTheWholeText) {
    struct Case {
        const char* text;
        QChar key;
        bool oneDecimal;
        bool threeDecimals;
    };
    const Case cases[] = {
        {"", u'1', true, true},
        {"", u'.', false, false},
        {"", kBackspaceKey, true, true},
        {"12", u'.', true, true},
        {"12", u'a', false, false},
        {"12.", u'5', true, true},
        {"12.", u'.', false, false},
        {"12.5", u'6', false, true},
        {"12.5", kBackspaceKey, true, true},
        {"0.25", u'0', false, true},
        {"0.250", u'1', false, false},
        {"0.250", kBackspaceKey, true, true},
        {"1", QChar(0x0663), false, false},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromLatin1(c.text);
        EXPECT_EQ(oneDecimalKeyPasses(text, c.key), c.oneDecimal)
            << c.text << "+" << static_cast<int>(c.key.unicode());
        EXPECT_EQ(threeDecimalKeyPasses(text, c.key), c.threeDecimals)
            << c.text << "+" << static_cast<int>(c.key.unicode());
    }
}

} // namespace
