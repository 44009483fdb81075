// Entering a draw by hand and deleting the draw shown, as the "Eingeben" and "Löschen" buttons
// run them: reference record, store, then the browser on the reference date again.

#include "history/DrawEntry.h"

#include "session/ProgramState.h"
#include "session/DrawBrowser.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

namespace numora {
namespace {

using test::makeDraw;
using test::writeRecords;

double day(int y, int m, int d) { return DayDate::fromYmd(y, m, d); }

class DrawEntryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        state.programDir = ProgramState::withTrailingSlash(dir.path());
        state.hooks = &hooks;
    }

    void storeFile(const std::vector<TZiehung>& records) { ASSERT_TRUE(writeRecords(state.drawFilePath(), records)); }

    // The browser on `date`, as the user picked it before pressing a button.
    void show(double date)
    {
        state.chosenDate.setDate(date);
        ASSERT_TRUE(DrawBrowser::showChosenDate(state).ok());
    }

    // "Eingeben" with the dialog closed by OK on `entered`.
    void enter(const TZiehung& entered)
    {
        const auto reference = DrawEntry::referenceRecord(state);
        ASSERT_TRUE(reference.ok()) << reference.error().message;
        const Status stored = DrawEntry::store(state, entered);
        ASSERT_TRUE(stored.ok()) << stored.error().message;
        ASSERT_TRUE(DrawEntry::finish(state, reference->Datum).ok());
    }

    std::vector<TZiehung> stored() const
    {
        auto records = state.drawFile().readAll();
        EXPECT_TRUE(records.ok());
        return records.ok() ? *records : std::vector<TZiehung>{};
    }

    std::vector<double> storedDates() const { return test::datesOf(stored()); }

    QTemporaryDir dir;
    test::RecordingHooks hooks;
    ProgramState state;
};

TEST_F(DrawEntryTest, ReferenceRecordNeedsADrawInTheFile)
{
    EXPECT_FALSE(DrawEntry::referenceRecord(state).ok());
    EXPECT_FALSE(QFileInfo::exists(state.drawFilePath())); // not created by the attempt

    storeFile({});
    EXPECT_FALSE(DrawEntry::referenceRecord(state).ok());
    EXPECT_EQ(QFileInfo(state.drawFilePath()).size(), 0);
}

TEST_F(DrawEntryTest, ReferenceIsTheDrawOfTheChosenDateElseTheNewest)
{
    storeFile({makeDraw(1996, 11, 16, {1, 2, 3, 4, 5, 6}), makeDraw(1996, 11, 23, {7, 8, 9, 10, 11, 12}),
               makeDraw(1996, 11, 30, {13, 14, 15, 16, 17, 18})});
    const struct {
        double chosen;
        double reference;
    } cases[] = {
        {day(1996, 11, 23), day(1996, 11, 23)},
        {day(1996, 11, 25), day(1996, 11, 30)}, // no draw that day
        {day(2024, 1, 1), day(1996, 11, 30)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(DayDate::formatShortDate(c.chosen).toStdString());
        state.chosenDate.value = c.chosen;
        const auto reference = DrawEntry::referenceRecord(state);
        ASSERT_TRUE(reference.ok());
        EXPECT_EQ(reference->Datum, c.reference);
        EXPECT_EQ(state.startDateField, c.reference);
    }
}

TEST_F(DrawEntryTest, NextSaturdayIsAppendedSortedAndTheBrowserStaysOnTheDrawItShowed)
{
    const TZiehung first = makeDraw(1996, 11, 16, {1, 2, 3, 4, 5, 6});
    const TZiehung newest = makeDraw(1996, 11, 23, {7, 8, 9, 10, 11, 12});
    storeFile({first, newest});
    show(day(2024, 1, 1));
    ASSERT_EQ(state.currentDraw.date, newest.Datum);

    // Only the six numbers are sorted; a stored Zusatzzahl 0 and the digits stay as they were.
    TZiehung entered = makeDraw(1996, 11, 30, {45, 3, 19, 8, 33, 27}, 0);
    entered.Superzahl = 7;
    const std::uint8_t spiel77[7] = {9, 1, 8, 2, 7, 3, 6};
    std::copy(std::begin(spiel77), std::end(spiel77), entered.Spiel77);
    entered.Fill[1] = 0x55;
    enter(entered);

    TZiehung expected = entered;
    const std::uint8_t sorted[6] = {3, 8, 19, 27, 33, 45};
    std::copy(std::begin(sorted), std::end(sorted), expected.Zahlen);
    expected.Fill[1] = 0;
    const auto records = stored();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].toBytes(), first.toBytes());
    EXPECT_EQ(records[1].toBytes(), newest.toBytes());
    EXPECT_EQ(records[2].toBytes(), expected.toBytes());

    EXPECT_EQ(state.currentDraw.date, newest.Datum);
    ASSERT_TRUE(DrawBrowser::nextDraw(state).ok());
    EXPECT_EQ(state.currentDraw.date, entered.Datum);
    EXPECT_EQ(state.currentDraw.numbers[0], 3);
}

TEST_F(DrawEntryTest, EditingTheShownDrawReplacesItInPlace)
{
    const std::vector<TZiehung> before = {makeDraw(1996, 11, 16, {1, 2, 3, 4, 5, 6}),
                                          makeDraw(1996, 11, 23, {7, 8, 9, 10, 11, 12}),
                                          makeDraw(1996, 11, 30, {13, 14, 15, 16, 17, 18})};
    storeFile(before);
    show(day(1996, 11, 23));

    const TZiehung corrected = makeDraw(1996, 11, 23, {40, 41, 42, 43, 44, 49});
    enter(corrected);

    const auto records = stored();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].toBytes(), before[0].toBytes());
    EXPECT_EQ(records[1].toBytes(), corrected.toBytes());
    EXPECT_EQ(records[2].toBytes(), before[2].toBytes());
    EXPECT_EQ(state.currentDraw.date, corrected.Datum);
    EXPECT_EQ(state.currentDraw.numbers[0], 40);
}

TEST_F(DrawEntryTest, ADrawBetweenTwoStoredDrawsIsInserted)
{
    storeFile({makeDraw(1996, 11, 16, {1, 2, 3, 4, 5, 6}), makeDraw(1996, 11, 30, {13, 14, 15, 16, 17, 18})});
    show(day(1996, 11, 16));

    enter(makeDraw(1996, 11, 23, {7, 8, 9, 10, 11, 12}));

    EXPECT_EQ(storedDates(), (std::vector<double>{day(1996, 11, 16), day(1996, 11, 23), day(1996, 11, 30)}));
    EXPECT_EQ(stored()[2].Zahlen[0], 13);
    EXPECT_EQ(state.currentDraw.date, day(1996, 11, 16));
}

TEST_F(DrawEntryTest, OldWednesdayDrawGoesOnlyWhenTheEntryRewritesTheFile)
{
    // 28.05.1986 and 04.06.1986 are Wednesdays; only draws before 04.06.1986 are dropped.
    const std::vector<TZiehung> before = {makeDraw(1986, 5, 28, {1, 2, 3, 4, 5, 6}),
                                          makeDraw(1986, 5, 31, {7, 8, 9, 10, 11, 12}),
                                          makeDraw(1986, 6, 4, {13, 14, 15, 16, 17, 18}),
                                          makeDraw(1986, 6, 7, {19, 20, 21, 22, 23, 24})};
    const struct {
        const char* name;
        TZiehung entered;
        std::vector<double> dates;
    } cases[] = {
        {"on the newest", makeDraw(1986, 6, 7, {25, 26, 27, 28, 29, 30}),
         {day(1986, 5, 31), day(1986, 6, 4), day(1986, 6, 7)}},
        {"before the newest", makeDraw(1986, 6, 1, {25, 26, 27, 28, 29, 30}),
         {day(1986, 5, 31), day(1986, 6, 1), day(1986, 6, 4), day(1986, 6, 7)}},
        {"after the newest", makeDraw(1986, 6, 11, {25, 26, 27, 28, 29, 30}),
         {day(1986, 5, 28), day(1986, 5, 31), day(1986, 6, 4), day(1986, 6, 7), day(1986, 6, 11)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        storeFile(before);
        show(day(1986, 6, 7));
        enter(c.entered);
        EXPECT_EQ(storedDates(), c.dates);
    }
}

TEST_F(DrawEntryTest, DeletingTheShownDrawShowsTheNextLaterDrawElseTheNewest)
{
    const std::vector<TZiehung> before = {makeDraw(1996, 11, 16, {1, 2, 3, 4, 5, 6}),
                                          makeDraw(1996, 11, 23, {7, 8, 9, 10, 11, 12}),
                                          makeDraw(1996, 11, 23, {43, 44, 45, 46, 47, 48}),
                                          makeDraw(1996, 11, 30, {13, 14, 15, 16, 17, 18})};
    const struct {
        const char* name;
        double deleted;
        std::vector<double> left;
        double shown;
    } cases[] = {
        // Both records of a date stored twice go.
        {"a middle date", day(1996, 11, 23), {day(1996, 11, 16), day(1996, 11, 30)}, day(1996, 11, 30)},
        {"the newest", day(1996, 11, 30), {day(1996, 11, 16), day(1996, 11, 23), day(1996, 11, 23)},
         day(1996, 11, 23)},
        {"the first", day(1996, 11, 16), {day(1996, 11, 23), day(1996, 11, 23), day(1996, 11, 30)},
         day(1996, 11, 23)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        storeFile(before);
        show(c.deleted);
        ASSERT_EQ(state.currentDraw.date, c.deleted);

        ASSERT_TRUE(DrawEntry::deleteShown(state).ok());
        EXPECT_EQ(storedDates(), c.left);
        EXPECT_EQ(state.currentDraw.date, c.shown);
        EXPECT_EQ(state.chosenDate.value, c.shown);
    }
}

} // namespace
} // namespace numora
