#include "draws/DrawCsv.h"
#include "draws/DrawFile.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <cmath>
#include <functional>
#include <limits>

namespace numora {
namespace {

using test::makeDraw;
using test::readBytes;
using test::writeBytes;
using test::writeRecords;

class DrawFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString drawPath() const { return dir.filePath(QStringLiteral("ZahlenTr.dat")); }

    std::vector<TZiehung> readBack() const
    {
        auto records = DrawFile(drawPath()).readAll();
        EXPECT_TRUE(records.ok());
        return records.ok() ? *records : std::vector<TZiehung>{};
    }

    QTemporaryDir dir;
};

TEST_F(DrawFileTest, ReadAllIgnoresBytesAfterTheLastWholeRecord)
{
    ASSERT_TRUE(writeBytes(drawPath(), QByteArray()));
    EXPECT_TRUE(readBack().empty());

    const TZiehung record = makeDraw(1996, 11, 16, {3, 8, 19, 27, 33, 45});
    ASSERT_TRUE(writeBytes(drawPath(), test::encodeRecords({&record, 1}) + QByteArray(1, '\x7f')));
    const auto records = readBack();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].toBytes(), record.toBytes());
}

TEST_F(DrawFileTest, ReadAllOfAMissingFileIsAnErrorAndCreatesNothing)
{
    EXPECT_FALSE(DrawFile(drawPath()).readAll().ok());
    EXPECT_FALSE(QFileInfo::exists(drawPath()));
}

struct RewriteCase {
    const char* name;
    QDate date;
    std::vector<QDate> expectedOrder;
};

void PrintTo(const RewriteCase& c, std::ostream* os) { *os << c.name; }

class OrderedRewriteTest : public DrawFileTest, public ::testing::WithParamInterface<RewriteCase> {};

TEST_P(OrderedRewriteTest, InsertsByDateAndReplacesItsDate)
{
    const std::vector<TZiehung> stored = {
        makeDraw(1996, 11, 16, {1, 2, 3, 4, 5, 6}),
        makeDraw(1996, 11, 23, {7, 8, 9, 10, 11, 12}),
        makeDraw(1996, 11, 30, {13, 14, 15, 16, 17, 18}),
    };
    ASSERT_TRUE(writeRecords(drawPath(), stored));
    const RewriteCase& c = GetParam();
    const TZiehung added = makeDraw(c.date.year(), c.date.month(), c.date.day(), {40, 41, 42, 43, 44, 45}, 9);

    const DrawFile file(drawPath());
    ASSERT_TRUE(file.orderedRewrite(added).ok());

    // Expected: the dates in order, the added record on its date, the stored ones elsewhere.
    std::vector<TZiehung> expected;
    for (const QDate& date : c.expectedOrder) {
        if (date == c.date) {
            expected.push_back(added);
            continue;
        }
        for (const TZiehung& r : stored)
            if (r.Datum == DayDate::fromDate(date))
                expected.push_back(r);
    }
    EXPECT_EQ(readBytes(drawPath()), test::encodeRecords(expected));
    EXPECT_FALSE(QFileInfo::exists(file.rewriteTempPath()));
    EXPECT_TRUE(file.rewriteTempPath().endsWith(QStringLiteral("/ZahlenTr.dat~")));
}

INSTANTIATE_TEST_SUITE_P(DrawFile, OrderedRewriteTest,
    ::testing::Values(
        RewriteCase{"BeforeFirst", QDate(1996, 11, 9),
                    {QDate(1996, 11, 9), QDate(1996, 11, 16), QDate(1996, 11, 23), QDate(1996, 11, 30)}},
        RewriteCase{"Between", QDate(1996, 11, 20),
                    {QDate(1996, 11, 16), QDate(1996, 11, 20), QDate(1996, 11, 23), QDate(1996, 11, 30)}},
        RewriteCase{"SameDateReplaces", QDate(1996, 11, 23),
                    {QDate(1996, 11, 16), QDate(1996, 11, 23), QDate(1996, 11, 30)}},
        RewriteCase{"SameDateAsLastReplaces", QDate(1996, 11, 30),
                    {QDate(1996, 11, 16), QDate(1996, 11, 23), QDate(1996, 11, 30)}},
        RewriteCase{"AfterAll", QDate(1996, 12, 7),
                    {QDate(1996, 11, 16), QDate(1996, 11, 23), QDate(1996, 11, 30), QDate(1996, 12, 7)}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DrawFileTest, OrderedRewriteIntoAnEmptyFile)
{
    ASSERT_TRUE(writeBytes(drawPath(), QByteArray()));
    const TZiehung record = makeDraw(1996, 11, 16, {3, 8, 19, 27, 33, 45});
    ASSERT_TRUE(DrawFile(drawPath()).orderedRewrite(record).ok());
    EXPECT_EQ(readBytes(drawPath()), test::encodeRecords({&record, 1}));
}

TEST_F(DrawFileTest, OrderedRewriteDropsWednesdaysBeforeJune1986)
{
    const std::vector<TZiehung> stored = {
        makeDraw(1986, 5, 24, {1, 2, 3, 4, 5, 6}),  // Saturday
        makeDraw(1986, 5, 28, {1, 2, 3, 4, 5, 7}),  // Wednesday, dropped
        makeDraw(1986, 5, 31, {1, 2, 3, 4, 5, 8}),  // Saturday
        makeDraw(1986, 6, 4, {1, 2, 3, 4, 5, 9}),   // Wednesday, first one kept
        makeDraw(1986, 6, 7, {1, 2, 3, 4, 5, 10}),  // Saturday
    };
    ASSERT_TRUE(writeRecords(drawPath(), stored));
    ASSERT_TRUE(DrawFile(drawPath()).orderedRewrite(makeDraw(1986, 6, 14, {11, 12, 13, 14, 15, 16})).ok());

    const std::vector<double> expected = {
        DayDate::fromYmd(1986, 5, 24), DayDate::fromYmd(1986, 5, 31), DayDate::fromYmd(1986, 6, 4),
        DayDate::fromYmd(1986, 6, 7), DayDate::fromYmd(1986, 6, 14),
    };
    EXPECT_EQ(test::datesOf(readBack()), expected);
}

TEST_F(DrawFileTest, DeleteByDateRemovesEveryRecordOfTheDate)
{
    const std::vector<TZiehung> stored = {
        makeDraw(1996, 11, 16, {1, 2, 3, 4, 5, 6}),
        makeDraw(1996, 11, 23, {7, 8, 9, 10, 11, 12}),
        makeDraw(1996, 11, 30, {13, 14, 15, 16, 17, 18}),
        makeDraw(1996, 11, 23, {19, 20, 21, 22, 23, 24}),
        makeDraw(1996, 12, 7, {25, 26, 27, 28, 29, 30}),
    };
    ASSERT_TRUE(writeRecords(drawPath(), stored));
    const DrawFile file(drawPath());
    ASSERT_TRUE(file.deleteByDate(DayDate::fromYmd(1996, 11, 23)).ok());

    const std::vector<TZiehung> expected = {stored[0], stored[2], stored[4]};
    EXPECT_EQ(readBytes(drawPath()), test::encodeRecords(expected));
    EXPECT_EQ(file.deleteTempPath(), dir.filePath(QStringLiteral("Zahlen.da~")));
    EXPECT_FALSE(QFileInfo::exists(file.deleteTempPath()));
}

TEST_F(DrawFileTest, DeleteByDateOfAnAbsentDateKeepsTheFile)
{
    const std::vector<TZiehung> stored = {
        makeDraw(1996, 11, 16, {1, 2, 3, 4, 5, 6}),
        makeDraw(1996, 11, 23, {7, 8, 9, 10, 11, 12}),
    };
    ASSERT_TRUE(writeRecords(drawPath(), stored));
    const QByteArray before = readBytes(drawPath());
    ASSERT_TRUE(DrawFile(drawPath()).deleteByDate(DayDate::fromYmd(1996, 11, 20)).ok());
    EXPECT_EQ(readBytes(drawPath()), before);
}

TEST_F(DrawFileTest, AppendOverwritesATrailingFragment)
{
    std::vector<TZiehung> stored = {
        makeDraw(1996, 11, 16, {1, 2, 3, 4, 5, 6}),
        makeDraw(1996, 11, 23, {7, 8, 9, 10, 11, 12}),
        makeDraw(1996, 11, 30, {13, 14, 15, 16, 17, 18}),
    };
    ASSERT_TRUE(writeBytes(drawPath(), test::encodeRecords(stored) + QByteArray(5, '\x55')));
    const TZiehung added = makeDraw(1996, 12, 7, {19, 20, 21, 22, 23, 24}, 33);
    ASSERT_TRUE(DrawFile(drawPath()).append({&added, 1}).ok());

    stored.push_back(added);
    const QByteArray bytes = readBytes(drawPath());
    EXPECT_EQ(bytes.size(), 4 * 32);
    EXPECT_EQ(bytes, test::encodeRecords(stored));
    EXPECT_EQ(readBack().size(), 4u);
}

TEST_F(DrawFileTest, AppendToAMissingFileIsAnError)
{
    const TZiehung added = makeDraw(1996, 12, 7, {19, 20, 21, 22, 23, 24});
    EXPECT_FALSE(DrawFile(drawPath()).append({&added, 1}).ok());
    EXPECT_FALSE(QFileInfo::exists(drawPath()));
}

TEST_F(DrawFileTest, CreateTruncates)
{
    const TZiehung record = makeDraw(1996, 12, 7, {19, 20, 21, 22, 23, 24});
    ASSERT_TRUE(writeRecords(drawPath(), {&record, 1}));
    ASSERT_TRUE(DrawFile(drawPath()).create().ok());
    EXPECT_EQ(QFileInfo(drawPath()).size(), 0);
}

// An import keeps the history it replaces beside the file, one generation; with no history
// before there is nothing to keep.
TEST_F(DrawFileTest, ReplacingKeepsThePreviousHistoryOneGeneration)
{
    const DrawFile file(drawPath());
    const TZiehung first = makeDraw(1996, 12, 7, {19, 20, 21, 22, 23, 24});
    const TZiehung second = makeDraw(1996, 12, 14, {1, 2, 3, 4, 5, 6});
    const TZiehung third = makeDraw(1996, 12, 21, {7, 8, 9, 10, 11, 12});
    ASSERT_TRUE(file.replaceAllKeepingBackup({&first, 1}).ok());
    EXPECT_FALSE(QFileInfo::exists(file.backupPath()));
    const QByteArray before = readBytes(drawPath()) + QByteArray(5, '\x7f'); // a fragment is kept as it was
    ASSERT_TRUE(writeBytes(drawPath(), before));
    ASSERT_TRUE(file.replaceAllKeepingBackup({&second, 1}).ok());
    EXPECT_EQ(readBytes(file.backupPath()), before);
    ASSERT_TRUE(file.replaceAllKeepingBackup({&third, 1}).ok());
    EXPECT_EQ(readBytes(file.backupPath()), DrawFile::encode({&second, 1}));
    EXPECT_EQ(readBytes(drawPath()), DrawFile::encode({&third, 1}));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

// Every rewrite of the history, so each failure case runs against all of them.
struct Rewrite {
    const char* name;
    std::function<Status(const DrawFile&)> run;
    QString (DrawFile::*tempPath)() const;
};

const Rewrite rewrites[] = {
    {"orderedRewrite",
     [](const DrawFile& f) { return f.orderedRewrite(makeDraw(1996, 12, 7, {19, 20, 21, 22, 23, 24})); },
     &DrawFile::rewriteTempPath},
    {"deleteByDate", [](const DrawFile& f) { return f.deleteByDate(DayDate::fromYmd(1996, 11, 23)); },
     &DrawFile::deleteTempPath},
    {"replaceAll",
     [](const DrawFile& f) {
         const TZiehung record = makeDraw(2000, 1, 1, {1, 2, 3, 4, 5, 6});
         return f.replaceAll({&record, 1});
     },
     &DrawFile::rewriteTempPath},
};

void PrintTo(const Rewrite& c, std::ostream* os) { *os << c.name; }

class FailingRename : public FileSystem {
public:
    bool rename(const QString&, const QString&) override
    {
        ++calls;
        errno = EACCES;
        return false;
    }
    int calls = 0;
};

class RewriteFailureTest : public DrawFileTest, public ::testing::WithParamInterface<Rewrite> {
protected:
    void SetUp() override
    {
        DrawFileTest::SetUp();
        const std::vector<TZiehung> stored = {
            makeDraw(1996, 11, 16, {1, 2, 3, 4, 5, 6}),
            makeDraw(1996, 11, 23, {7, 8, 9, 10, 11, 12}),
        };
        ASSERT_TRUE(writeRecords(drawPath(), stored));
        original = readBytes(drawPath());
    }

    QByteArray original;
};

TEST_P(RewriteFailureTest, FailedRenameLeavesTheHistoryAlone)
{
    FailingRename fileSystem;
    const DrawFile file(drawPath(), fileSystem);
    const Status status = GetParam().run(file);
    EXPECT_EQ(fileSystem.calls, 1);
    ASSERT_FALSE(status.ok());
    EXPECT_FALSE(status.error().message.isEmpty());
    EXPECT_EQ(readBytes(drawPath()), original);
}

TEST_P(RewriteFailureTest, UnwritableTempPathLeavesTheHistoryAlone)
{
    const DrawFile file(drawPath());
    const QString temp = (file.*GetParam().tempPath)();
    ASSERT_TRUE(QDir().mkdir(temp));
    const Status status = GetParam().run(file);
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(readBytes(drawPath()), original);
    EXPECT_TRUE(QFileInfo(temp).isDir());
}

TEST_P(RewriteFailureTest, SucceedsWithTheRealFileSystem)
{
    const DrawFile file(drawPath());
    ASSERT_TRUE(GetParam().run(file).ok());
    EXPECT_NE(readBytes(drawPath()), original);
    EXPECT_FALSE(QFileInfo::exists((file.*GetParam().tempPath)()));
}

INSTANTIATE_TEST_SUITE_P(DrawFile, RewriteFailureTest, ::testing::ValuesIn(rewrites),
    [](const auto& info) { return std::string(info.param.name); });

// A foreign or damaged file: impossible numbers and dates that are no calendar day.
class DamagedFileTest : public DrawFileTest {
protected:
    void SetUp() override
    {
        DrawFileTest::SetUp();
        TZiehung zeros;
        zeros.Datum = DayDate::fromYmd(1996, 11, 16);
        TZiehung big = makeDraw(1996, 11, 23, {200, 200, 200, 200, 200, 200}, 200);
        big.Superzahl = 200;
        std::fill(std::begin(big.Spiel77), std::end(big.Spiel77), std::uint8_t(200));
        std::fill(std::begin(big.Super6), std::end(big.Super6), std::uint8_t(200));
        TZiehung nan = makeDraw(2000, 1, 1, {1, 2, 3, 4, 5, 6});
        nan.Datum = std::nan("");
        TZiehung huge = nan;
        huge.Datum = 1e300;
        TZiehung negative = nan;
        negative.Datum = -1.5;
        TZiehung infinite = nan;
        infinite.Datum = -std::numeric_limits<double>::infinity();
        stored = {zeros, big, nan, huge, negative, infinite};
        ASSERT_TRUE(writeRecords(drawPath(), stored));
    }

    std::vector<TZiehung> stored;
};

TEST_F(DamagedFileTest, ReadsEveryRecordAsStored)
{
    const auto records = readBack();
    ASSERT_EQ(records.size(), stored.size());
    for (std::size_t i = 0; i < records.size(); ++i)
        EXPECT_EQ(records[i].toBytes(), stored[i].toBytes()) << "record " << i;
}

TEST_F(DamagedFileTest, CanBeRewrittenAndDeletedFrom)
{
    const DrawFile file(drawPath());
    const TZiehung added = makeDraw(1996, 11, 20, {7, 8, 9, 10, 11, 12});
    ASSERT_TRUE(file.orderedRewrite(added).ok());
    auto records = readBack();
    EXPECT_EQ(records.size(), stored.size() + 1);
    EXPECT_EQ(records[1].toBytes(), added.toBytes());

    ASSERT_TRUE(file.deleteByDate(1e300).ok());
    ASSERT_TRUE(file.deleteByDate(DayDate::fromYmd(1996, 11, 16)).ok());
    records = readBack();
    EXPECT_EQ(records.size(), stored.size() - 1);
    for (const TZiehung& r : records)
        EXPECT_NE(r.Datum, 1e300);
}

TEST_F(DamagedFileTest, CanBeExported)
{
    const QByteArray csv = DrawCsv::format(readBack());
    const QList<QByteArray> lines = csv.split('\n');
    ASSERT_EQ(lines.size(), qsizetype(stored.size() + 2)); // header, records, empty rest after the last "\n"
    EXPECT_EQ(lines[1], QByteArray("1996-11-16,0,0,0,0,0,0,0,0,0000000,000000"));
    EXPECT_TRUE(lines[2].startsWith("1996-11-23,200,200,200,200,200,200,200,200,"));
    EXPECT_EQ(lines[3], QByteArray(",1,2,3,4,5,6,0,0,0000000,000000"));
}

} // namespace
} // namespace numora
