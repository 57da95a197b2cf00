#include "single_instance.h"

#include <QSignalSpy>
#include <QUuid>

#include <gtest/gtest.h>

namespace {

TEST(SingleInstance, SecondCopyFindsTheFirstAndAsksItToComeToTheFront) {
    const QString key = QStringLiteral("KZ904 test ") + QUuid::createUuid().toString();
    kz::SingleInstance first(key);
    ASSERT_FALSE(first.anotherCopyIsRunning()) << "nobody runs yet: the first copy listens";
    QSignalSpy raised(&first, &kz::SingleInstance::activationRequested);

    kz::SingleInstance second(key);
    EXPECT_TRUE(second.anotherCopyIsRunning());
    EXPECT_TRUE(raised.wait(2000));
    EXPECT_EQ(raised.count(), 1);
}

TEST(SingleInstance, CopiesOfDifferentTitlesDoNotMeet) {
    kz::SingleInstance a(QStringLiteral("KZ904 A ") + QUuid::createUuid().toString());
    kz::SingleInstance b(QStringLiteral("KZ904 B ") + QUuid::createUuid().toString());
    EXPECT_FALSE(a.anotherCopyIsRunning());
    EXPECT_FALSE(b.anotherCopyIsRunning());
}

TEST(SingleInstance, AFinishedFirstCopyLeavesNothingBehind) {
    const QString key = QStringLiteral("KZ904 test ") + QUuid::createUuid().toString();
    {
        kz::SingleInstance first(key);
        ASSERT_FALSE(first.anotherCopyIsRunning());
    }
    kz::SingleInstance next(key);
    EXPECT_FALSE(next.anotherCopyIsRunning()) << "the next start runs normally";
}

} // namespace
