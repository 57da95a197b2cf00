#include "control_tables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

template <typename W> W* make(QWidget* parent, const QString& name, int tag = -1) {
    auto* widget = new W(parent);
    widget->setObjectName(name);
    if (tag >= 0)
        kz::setTag(widget, tag);
    return widget;
}

TEST(ControlTables, FilesEachFamilyByTagAndKeepsGaps) {
    QWidget owner;
    QWidget* inner = make<QWidget>(&owner, "panel"); // nested controls are found too
    std::array<QLineEdit*, 8> tone1{};
    for (int row = 7; row >= 0; --row) // created out of order on purpose
        tone1[static_cast<std::size_t>(row)] =
            make<QLineEdit>(inner, QStringLiteral("edtF1T1%1").arg(row), row);
    auto* tone2 = make<QLineEdit>(&owner, "edtF1T20", 0);
    auto* low = make<QComboBox>(&owner, "cboBatLow", 1);
    auto* high = make<QComboBox>(&owner, "cboBatHigh", 3);
    make<QComboBox>(&owner, "cboBatAlertPeriod"); // shares the prefix but has no row
    auto* vibrator = make<QCheckBox>(&owner, "chkSysVibratorInCharger", 6);
    make<QCheckBox>(&owner, "chksys0", 0); // prefixes compare with case

    kz::ControlTables tables;
    tables.build(&owner);

    for (int row = 0; row < 8; ++row)
        EXPECT_EQ(tables.at("edtF1T1", row), tone1[static_cast<std::size_t>(row)]);
    EXPECT_EQ(tables.at("edtF1T2", 0), tone2);
    EXPECT_EQ(tables.as<QComboBox>("cboBat", 1), low);
    EXPECT_EQ(tables.at("cboBat", 0), nullptr);
    EXPECT_EQ(tables.at("cboBat", 2), nullptr);
    EXPECT_EQ(tables.at("cboBat", 3), high);
    EXPECT_EQ(tables.size("cboBat"), 4);
    EXPECT_EQ(tables.at("chkSys", 5), nullptr);
    EXPECT_EQ(tables.at("chkSys", 6), vibrator);
    EXPECT_EQ(tables.at("chkSys", 0), nullptr);
    EXPECT_EQ(tables.at("edtF1T1", 8), nullptr);
    EXPECT_EQ(tables.at("noSuchFamily", 0), nullptr);
}

TEST(ControlTables, NoFamilyPrefixIsAPrefixOfAnotherFamilysRowName) {
    // Rows are named prefix + row digit; a name must never land in two tables.
    const QStringList& prefixes = kz::ControlTables::prefixes();
    for (const QString& a : prefixes) {
        for (const QString& b : prefixes) {
            if (a == b)
                continue;
            for (int row = 0; row < 10; ++row)
                EXPECT_FALSE((b + QString::number(row)).startsWith(a))
                    << qPrintable(b) << row << " also matches " << qPrintable(a);
        }
    }
}

} // namespace
