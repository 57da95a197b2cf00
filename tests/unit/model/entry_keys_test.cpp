#include "entry_keys.h"

#include <gtest/gtest.h>

namespace {

using namespace kz;

TEST(DecimalKeys, OneDecimalAtMost) {
    struct Case {
        const char* text;
        QChar key;
        bool passes;
    };
    const Case cases[] = {
        {"", u'1', true},
        {"", u'.', false},
        {"", u'a', false},
        {"12", u'.', true},
        {"12", u'5', true},
        {"12", u'-', false},
        {"12.", u'5', true},
        {"12.", u'.', false},
        {"12.5", u'6', false},
        {"12.5", u'.', false},
        {"12.5", kBackspaceKey, true},
        {"", kBackspaceKey, true},
        {"12", u' ', false},
        {"12", u'e', false},
        {"1", QChar(0x0663), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(decimalKeyPasses(QString::fromLatin1(c.text), c.key), c.passes)
            << c.text << " + " << static_cast<int>(c.key.unicode());
}

TEST(PatternKeys, LettersAThroughDAndDash) {
    struct Case {
        const char* text;
        QChar key;
        PatternKey verdict;
    };
    const Case cases[] = {
        {"", u'A', PatternKey::Pass},
        {"", u'd', PatternKey::Pass},
        {"AB", u'-', PatternKey::Pass},
        {"AB", u'E', PatternKey::SwallowRefuse},
        {"AB", u'1', PatternKey::SwallowRefuse},
        {"ABCDABC", u'D', PatternKey::Pass},
        {"ABCDABCD", u'A', PatternKey::SwallowFull},
        {"ABCDABCD", u'x', PatternKey::SwallowFull},
        {"ABCDABCD", kBackspaceKey, PatternKey::Pass},
        {" ABCDABC ", u'A', PatternKey::Pass}, // judged on the trimmed text
    };
    for (const auto& c : cases)
        EXPECT_EQ(patternKey(QString::fromLatin1(c.text), c.key), c.verdict)
            << c.text << " + " << static_cast<int>(c.key.unicode());
}

} // namespace
