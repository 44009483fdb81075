#include "draws/HistoryCache.h"

#include "draws/DrawFile.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <limits>
#include <sys/stat.h>
#include <sys/time.h>

namespace numora {
namespace {

using test::makeDraw;

double day(int y, int m, int d) { return DayDate::fromYmd(y, m, d); }

const std::vector<TZiehung> firstDraws = {
    makeDraw(2020, 1, 4, {3, 8, 19, 27, 33, 45}, 7),
    makeDraw(2020, 1, 8, {1, 2, 3, 4, 5, 49}),
    makeDraw(2020, 1, 11, {10, 20, 30, 40, 41, 42}, 11),
};

class HistoryCacheTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("ZahlenTr.dat"));
        ASSERT_TRUE(test::writeRecords(path, firstDraws));
    }

    // The cache answers exactly what a fresh read of the file gives.
    void expectFresh()
    {
        const auto fresh = DrawFile(path).readAll();
        ASSERT_TRUE(fresh.ok());
        const auto cached = cache.load(path);
        ASSERT_TRUE(cached.ok()) << cached.error().message;
        const std::vector<HistoryCache::Entry>& entries = **cached;
        ASSERT_EQ(entries.size(), fresh->size());
        for (std::size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(entries[i].record.toBytes(), (*fresh)[i].toBytes()) << "record " << i;
            NumberMask mask;
            for (std::uint8_t n : (*fresh)[i].Zahlen)
                mask.set(n);
            EXPECT_EQ(entries[i].mask, mask) << "record " << i;
        }
        const auto records = cache.records(path);
        ASSERT_TRUE(records.ok()) << records.error().message;
        ASSERT_EQ(records->size(), fresh->size());
        for (std::size_t i = 0; i < records->size(); ++i)
            EXPECT_EQ((*records)[i].toBytes(), (*fresh)[i].toBytes()) << "record " << i;
    }

    // Sets the modification time to `seconds` after the epoch, as a later write would.
    void setModified(std::int64_t seconds)
    {
        const QByteArray name = QFile::encodeName(path);
        const timeval times[2] = {{time_t(seconds), 0}, {time_t(seconds), 0}};
        ASSERT_EQ(::utimes(name.constData(), times), 0);
    }

    std::int64_t modified() const
    {
        struct stat info {};
        EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
        return info.st_mtim.tv_sec;
    }

    QTemporaryDir dir;
    QString path;
    HistoryCache cache;
};

TEST_F(HistoryCacheTest, FollowsTheProgramsOwnWrites)
{
    expectFresh();
    const DrawFile file(path);
    ASSERT_TRUE(file.append(std::vector<TZiehung>{makeDraw(2020, 1, 15, {6, 7, 8, 9, 10, 11})}).ok());
    expectFresh();
    // A rewrite of the same size: one record replaced by another of its date.
    ASSERT_TRUE(file.orderedRewrite(makeDraw(2020, 1, 8, {12, 13, 14, 15, 16, 17})).ok());
    expectFresh();
    ASSERT_TRUE(file.deleteByDate(firstDraws[0].Datum).ok());
    expectFresh();
    ASSERT_TRUE(file.replaceAll(firstDraws).ok());
    expectFresh();
}

TEST_F(HistoryCacheTest, FollowsAnExternalRewrite)
{
    std::vector<TZiehung> sameSize = firstDraws;
    sameSize[1] = makeDraw(2020, 1, 8, {21, 22, 23, 24, 25, 26});
    std::vector<TZiehung> longer = firstDraws;
    longer.push_back(makeDraw(2020, 1, 15, {6, 7, 8, 9, 10, 11}));

    expectFresh();
    // In place, same size, a later modification time.
    const std::int64_t before = modified();
    ASSERT_TRUE(test::writeRecords(path, sameSize));
    setModified(before + 1);
    expectFresh();
    // In place, a different size, the modification time put back.
    ASSERT_TRUE(test::writeRecords(path, longer));
    setModified(before + 1);
    expectFresh();
    // Replaced by another file of the same size and time: only its identity differs.
    const QString other = dir.filePath(QStringLiteral("other.dat"));
    std::vector<TZiehung> replacement = longer;
    replacement[0] = makeDraw(2020, 1, 4, {40, 41, 42, 43, 44, 45});
    ASSERT_TRUE(test::writeRecords(other, replacement));
    const QByteArray from = QFile::encodeName(other);
    const QByteArray to = QFile::encodeName(path);
    ASSERT_EQ(::rename(from.constData(), to.constData()), 0);
    setModified(before + 1);
    expectFresh();
}

TEST_F(HistoryCacheTest, ADeletedFileIsAnError)
{
    expectFresh();
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_FALSE(cache.load(path).ok());
    // And it recovers once the file is back.
    ASSERT_TRUE(test::writeRecords(path, firstDraws));
    expectFresh();
}

TEST_F(HistoryCacheTest, AnotherPathIsReadAfresh)
{
    expectFresh();
    const QString otherPath = dir.filePath(QStringLiteral("Other.dat"));
    ASSERT_TRUE(test::writeRecords(otherPath, std::vector<TZiehung>{firstDraws[2]}));
    const auto other = cache.load(otherPath);
    ASSERT_TRUE(other.ok());
    ASSERT_EQ((*other)->size(), 1u);
    EXPECT_EQ((*other)->front().record.Datum, firstDraws[2].Datum);
    expectFresh();
}

// The draws a date window can hold: a binary search while the dates ascend, every draw where
// they do not, so a foreign file in any order is still scanned whole.
TEST_F(HistoryCacheTest, CandidatesOfADateWindow)
{
    auto dates = [](std::span<const HistoryCache::Entry> entries) {
        std::vector<double> out;
        for (const HistoryCache::Entry& e : entries)
            out.push_back(e.record.Datum);
        return out;
    };
    auto inWindow = [&dates](const std::vector<HistoryCache::Entry>& all, double low, double end) {
        std::vector<double> out;
        for (double d : dates(all))
            if (low < d && d <= end)
                out.push_back(d);
        return out;
    };
    const double jan4 = day(2020, 1, 4), jan8 = day(2020, 1, 8), jan11 = day(2020, 1, 11);
    const double nan = std::numeric_limits<double>::quiet_NaN();

    // Ascending, with two draws on one day: exactly the window.
    std::vector<TZiehung> ascending = firstDraws;
    ascending.insert(ascending.begin() + 2, makeDraw(2020, 1, 8, {7, 8, 9, 10, 11, 12}));
    ASSERT_TRUE(test::writeRecords(path, ascending));
    const auto loaded = cache.load(path);
    ASSERT_TRUE(loaded.ok());
    const struct {
        double low, end;
    } windows[] = {{jan4 - 1, jan11}, {jan4, jan11}, {jan4, jan8}, {jan8, jan11}, {jan8 - 1, jan8},
                   {jan11, jan11 + 9}, {jan4 - 9, jan4 - 1}, {jan11, jan4}, {nan, jan11}, {jan4 - 1, nan}};
    for (const auto& w : windows) {
        const auto found = dates(cache.candidates(w.low, w.end));
        EXPECT_EQ(found, inWindow(**loaded, w.low, w.end)) << w.low << ".." << w.end;
    }

    // Out of order, or with a date that is no number: everything, in file order.
    const std::vector<TZiehung> unordered = {firstDraws[1], firstDraws[0], firstDraws[2]};
    TZiehung noDate = firstDraws[1];
    noDate.Datum = nan;
    const std::vector<TZiehung> withNaN = {firstDraws[0], noDate, firstDraws[2]};
    for (const auto& history : {unordered, withNaN}) {
        ASSERT_TRUE(test::writeRecords(path, history));
        setModified(modified() + 5);
        const auto all = cache.load(path);
        ASSERT_TRUE(all.ok());
        EXPECT_EQ(cache.candidates(jan8, jan8).size(), history.size());
    }
}

} // namespace
} // namespace numora
