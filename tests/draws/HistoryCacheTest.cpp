#include "draws/HistoryCache.h"

#include "draws/DrawFile.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/stat.h>
#include <sys/time.h>

namespace numora {
namespace {

using test::makeDraw;

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

} // namespace
} // namespace numora
