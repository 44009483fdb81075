#include "model/Meldungen.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace numora {
namespace {

TEST(Meldungen, GermanTableKeepsItsNumbering)
{
    const Meldungen m;
    EXPECT_EQ(m.count(), 56);
    EXPECT_EQ(m.text(16), QStringLiteral("Stoppen"));
    EXPECT_EQ(m.text(50), QStringLiteral("Sollen alle Tipps gelöscht werden??"));
    EXPECT_EQ(m.text(51), QStringLiteral("Alle Tipps löschen?"));
    EXPECT_EQ(m[51], m.text(51));
    EXPECT_TRUE(m.text(56).isEmpty());
    EXPECT_TRUE(m.text(-1).isEmpty());
}

TEST(Meldungen, ReplacementShorterThanTheTableLeavesTheRestEmpty)
{
    QStringList lines;
    for (int i = 0; i < 40; ++i)
        lines << QStringLiteral("line %1").arg(i);
    Meldungen m;
    m.replaceAll(lines);
    EXPECT_EQ(m.text(16), QStringLiteral("line 16"));
    EXPECT_EQ(m.text(39), QStringLiteral("line 39"));
    EXPECT_TRUE(m.text(40).isEmpty());
    EXPECT_TRUE(m.text(55).isEmpty());
}

} // namespace
} // namespace numora
