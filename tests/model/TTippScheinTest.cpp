#include "model/TTippSchein.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <utility>

namespace numora {
namespace {

TEST(TTippSchein, FieldRuleKeepsOnlyIntegersOneToFortyNine)
{
    struct Case {
        const char* typed;
        const char* stored;
    };
    const Case cases[] = {
        {"0", ""}, {"50", ""}, {"-5", ""}, {"abc", ""}, {"", ""}, {"4 9", ""},
        {"007", "7"}, {" 5", "5"}, {"+12", "12"}, {"1", "1"}, {"49", "49"},
    };
    TTippSchein sheet;
    for (const Case& c : cases) {
        const QString typed = QString::fromLatin1(c.typed);
        EXPECT_EQ(TTippSchein::canonicalField(typed), QString::fromLatin1(c.stored)) << '"' << c.typed << '"';
        sheet.setField(3, 2, QStringLiteral("17"));
        EXPECT_EQ(sheet.setField(3, 2, typed), QString::fromLatin1(c.stored));
        EXPECT_EQ(sheet.field(3, 2), QString::fromLatin1(c.stored));
    }
}

TEST(TTippSchein, ComponentNames)
{
    // Rows are 0-based here: row 6 is the seventh row of the sheet.
    EXPECT_EQ(TTippSchein::fieldName(0, 0), QStringLiteral("Edit1"));
    EXPECT_EQ(TTippSchein::fieldName(5, 5), QStringLiteral("Edit36"));
    EXPECT_EQ(TTippSchein::fieldName(6, 0), QStringLiteral("Edit43"));
    EXPECT_EQ(TTippSchein::fieldName(6, 5), QStringLiteral("Edit48"));
    EXPECT_EQ(TTippSchein::rowLabelName(6), QStringLiteral("Label46"));
    EXPECT_EQ(TTippSchein::hitLabelName(6), QStringLiteral("Label45"));
    EXPECT_EQ(TTippSchein::sumLabelName(6), QStringLiteral("Label49"));
    EXPECT_EQ(TTippSchein::editButtonName(6), QStringLiteral("Tipp7Edit"));
    EXPECT_EQ(TTippSchein::fieldName(8, 0), QStringLiteral("Edit56"));
    EXPECT_EQ(TTippSchein::fieldName(11, 0), QStringLiteral("Edit74"));
    EXPECT_EQ(TTippSchein::fieldName(11, 5), QStringLiteral("Edit79"));
    EXPECT_EQ(TTippSchein::editButtonName(11), QStringLiteral("Tipp12Edit"));
}

TEST(TTippSchein, LocateFieldIsTheInverseOfFieldNumber)
{
    int fields = 0;
    for (int r = 0; r < TTippSchein::RowCount; ++r) {
        for (int p = 0; p < TTippSchein::FieldsPerRow; ++p) {
            int row = -1;
            int position = -1;
            ASSERT_TRUE(TTippSchein::locateField(TTippSchein::fieldNumber(r, p), row, position));
            EXPECT_EQ(row, r);
            EXPECT_EQ(position, p);
            ++fields;
        }
    }
    EXPECT_EQ(fields, 72);

    // Numbers between and around the rows belong to other controls.
    for (int number : {0, 37, 42, 55, 80}) {
        int row = -1;
        int position = -1;
        EXPECT_FALSE(TTippSchein::locateField(number, row, position)) << number;
    }
}

TEST(TTippSchein, ToggleLockTwiceUnlocks)
{
    TTippSchein sheet;
    sheet.toggleLock(4);
    EXPECT_TRUE(sheet.row(4).locked);
    sheet.toggleLock(4);
    EXPECT_FALSE(sheet.row(4).locked);
}

TEST(TTippSchein, TipCountIsClamped)
{
    TTippSchein sheet;
    EXPECT_EQ(sheet.tipCount(), 8);
    const std::pair<int, int> cases[] = {{0, 1}, {1, 1}, {12, 12}, {13, 12}, {-5, 1}};
    for (auto [count, expected] : cases) {
        sheet.setTipCount(count);
        EXPECT_EQ(sheet.tipCount(), expected) << count;
    }
}

} // namespace
} // namespace numora
