#include "output/TipFile.h"

#include "base/DayDate.h"
#include "model/TTippSchein.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>

namespace numora {
namespace {

using Fields = std::array<const char*, 6>;

void fillRow(TTippSchein& sheet, int r, Fields fields)
{
    for (int p = 0; p < 6; ++p)
        sheet.setField(r, p, QString::fromLatin1(fields[std::size_t(p)]));
}

QStringList rowOf(const TTippSchein& sheet, int r)
{
    QStringList fields;
    for (int p = 0; p < 6; ++p)
        fields << sheet.field(r, p);
    return fields;
}

QStringList expected(Fields fields)
{
    QStringList list;
    for (const char* f : fields)
        list << QString::fromLatin1(f);
    return list;
}

// One line of a tip file and the six fields it loads as.
struct LineCase {
    const char* name;
    QByteArray line;
    Fields fields;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class TipFileLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(TipFileLineTest, LoadsAsTheReaderSplitsIt)
{
    TTippSchein sheet;
    fillRow(sheet, 0, {"9", "9", "9", "9", "9", "9"});
    TipFile::read(GetParam().line + "\r\n", sheet);
    EXPECT_EQ(rowOf(sheet, 0), expected(GetParam().fields));
}

const LineCase lineCases[] = {
    {"SixNumbers", "3,7,12,25,30,41", {"3", "7", "12", "25", "30", "41"}},
    {"EmptyRowIsFiveCommas", ",,,,,", {"", "", "", "", "", ""}},
    {"EmptyLine", "", {"", "", "", "", "", ""}},
    // The last piece without a comma goes to field 6; the missing ones stay empty.
    {"ThreeNumbers", "1,2,3", {"1", "2", "", "", "", "3"}},
    {"ColonAfterTheSixthField", "1,2,3,4,5,6:Glueck", {"1", "2", "3", "4", "5", "6"}},
    {"LeadingZeroIsDropped", "07,2,3,4,5,6", {"7", "2", "3", "4", "5", "6"}},
    {"OutOfRangeAndWordsAreEmptied", "50,0,abc,4,-5,49", {"", "", "", "4", "", "49"}},
    // A seventh field stays glued to the sixth, which is then no number.
    {"SevenFields", "1,2,3,4,5,6,7", {"1", "2", "3", "4", "5", ""}},
};

INSTANTIATE_TEST_SUITE_P(TipFile, TipFileLineTest, ::testing::ValuesIn(lineCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TipFileTest, ShortFileFillsItsRowsAndLeavesLockedRowsBeyondIt)
{
    TTippSchein sheet;
    sheet.setTicketNumber(QStringLiteral("1234567"));
    fillRow(sheet, 0, {"1", "2", "3", "4", "5", "6"});
    fillRow(sheet, 5, {"11", "12", "13", "14", "15", "16"});
    fillRow(sheet, 6, {"21", "22", "23", "24", "25", "26"});
    sheet.toggleLock(0); // locked, yet its line overwrites it
    sheet.toggleLock(6); // locked and beyond the file: kept
    sheet.row(6).hitText = QStringLiteral("2");

    // Line ends of other systems (LF only) read the same.
    TipFile::read("41,42,43,44,45,46\r\n1,2,3,4,5,6\n,,,,,\r\n7,8,9,10,11,12\n13,14,15,16,17,18", sheet);

    EXPECT_EQ(rowOf(sheet, 0), expected({"41", "42", "43", "44", "45", "46"}));
    EXPECT_TRUE(sheet.row(0).locked);
    EXPECT_EQ(rowOf(sheet, 4), expected({"13", "14", "15", "16", "17", "18"}));
    EXPECT_EQ(rowOf(sheet, 5), expected({"", "", "", "", "", ""}));
    EXPECT_EQ(rowOf(sheet, 6), expected({"21", "22", "23", "24", "25", "26"}));
    EXPECT_EQ(sheet.row(6).hitText, QStringLiteral("2"));
    EXPECT_EQ(sheet.ticketNumber(), QStringLiteral("1234567"));
}

TEST(TipFileTest, ThirteenthLineIsTheTicketNumberAndLaterLinesAreIgnored)
{
    QByteArray text;
    for (int r = 1; r <= 12; ++r)
        text += QByteArray::number(r) + ",2,3,4,5,6\r\n";
    text += "7654321\r\n99,1,1,1,1,1\r\n";
    TTippSchein sheet;
    // A byte-order mark from another editor is no part of the first field.
    TipFile::read("\xEF\xBB\xBF" + text, sheet);
    EXPECT_EQ(rowOf(sheet, 0), expected({"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(rowOf(sheet, 11), expected({"12", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(sheet.ticketNumber(), QStringLiteral("7654321"));
}

struct NameCase {
    const char* weekday;
    QDate chosen;
    const char* name;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.weekday; }

class DefaultNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(DefaultNameTest, IsTheNextDrawAfterTheChosenDate)
{
    const double today = DayDate::fromYmd(2026, 12, 10); // a Thursday
    EXPECT_EQ(TipFile::defaultName(DayDate::fromDate(GetParam().chosen), today), QString::fromLatin1(GetParam().name));
}

const NameCase nameCases[] = {
    {"Saturday", QDate(2026, 11, 28), "20261202.ntp"},
    {"Sunday", QDate(2026, 11, 29), "20261202.ntp"},
    {"Wednesday", QDate(2026, 12, 2), "20261205.ntp"},
    {"Tuesday", QDate(2026, 12, 1), "20261210.ntp"},
    {"Monday", QDate(2026, 11, 30), "20261210.ntp"},
    {"Friday", QDate(2026, 11, 27), "20261210.ntp"},
    {"SaturdayAcrossTheYear", QDate(2026, 12, 26), "20261230.ntp"},
};

INSTANTIATE_TEST_SUITE_P(TipFile, DefaultNameTest, ::testing::ValuesIn(nameCases),
                         [](const auto& info) { return std::string(info.param.weekday); });

class TipFileDiskTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
};

TEST_F(TipFileDiskTest, SavedSheetLoadsBackWithItsEmptyRow)
{
    TTippSchein sheet;
    fillRow(sheet, 0, {"3", "7", "12", "25", "30", "41"});
    fillRow(sheet, 1, {"1", "", "3", "", "", ""}); // half filled: kept as it stands
    fillRow(sheet, 3, {"5", "12", "23", "34", "41", "49"});
    sheet.toggleLock(3);
    sheet.setTicketNumber(QStringLiteral("0815"));
    ASSERT_TRUE(TipFile::save(path("tipp.ntp"), sheet).ok());

    QByteArray expectedBytes = "3,7,12,25,30,41\r\n1,,3,,,\r\n,,,,,\r\n5,12,23,34,41,49\r\n";
    for (int r = 5; r <= 12; ++r)
        expectedBytes += ",,,,,\r\n";
    expectedBytes += "0815\r\n";
    EXPECT_EQ(test::readBytes(path("tipp.ntp")), expectedBytes);
    EXPECT_FALSE(QFileInfo::exists(path("tipp.ntp~")));

    TTippSchein loaded;
    fillRow(loaded, 2, {"1", "2", "3", "4", "5", "6"});
    ASSERT_TRUE(Textladen(path("tipp.ntp"), loaded).ok());
    for (int r = 0; r < TTippSchein::RowCount; ++r)
        EXPECT_EQ(rowOf(loaded, r), rowOf(sheet, r)) << "row " << r + 1;
    EXPECT_EQ(loaded.ticketNumber(), QStringLiteral("0815"));
}

class FailingRename : public FileSystem {
public:
    bool rename(const QString&, const QString&) override
    {
        errno = ENOSPC;
        return false;
    }
};

TEST_F(TipFileDiskTest, FailedSaveKeepsTheOldFileAndSaysWhy)
{
    ASSERT_TRUE(test::writeBytes(path("alt.ntp"), "1,2,3,4,5,6\r\n"));
    TTippSchein sheet;
    fillRow(sheet, 0, {"7", "8", "9", "10", "11", "12"});

    FailingRename failing;
    const Status renameFailed = TipFile::save(path("alt.ntp"), sheet, failing);
    ASSERT_FALSE(renameFailed.ok());
    EXPECT_TRUE(renameFailed.error().message.contains(QStringLiteral("alt.ntp")));

    // The temporary file cannot be created: a folder stands in its place.
    QFile::remove(path("alt.ntp~"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("alt.ntp~")));
    EXPECT_FALSE(TipFile::save(path("alt.ntp"), sheet).ok());
    EXPECT_EQ(test::readBytes(path("alt.ntp")), QByteArray("1,2,3,4,5,6\r\n"));
}

TEST_F(TipFileDiskTest, UnreadableOrOversizedFileLeavesTheSheetAlone)
{
    // Past the limit a file is refused unread, however it begins.
    QByteArray huge = "7,8,9,10,11,12\r\n";
    huge.append(MaxTipFileBytes + 1 - huge.size(), ' ');
    ASSERT_TRUE(test::writeBytes(path("riesig.ntp"), huge));
    QByteArray atLimit = huge;
    atLimit.chop(1);
    ASSERT_TRUE(test::writeBytes(path("grenze.ntp"), atLimit));

    for (const char* name : {"fehlt.ntp", "riesig.ntp"}) {
        SCOPED_TRACE(name);
        TTippSchein sheet;
        fillRow(sheet, 0, {"1", "2", "3", "4", "5", "6"});
        const Status status = Textladen(path(name), sheet);
        ASSERT_FALSE(status.ok());
        EXPECT_TRUE(status.error().message.contains(QString::fromLatin1(name)));
        EXPECT_EQ(rowOf(sheet, 0), expected({"1", "2", "3", "4", "5", "6"}));
    }
    TTippSchein sheet;
    ASSERT_TRUE(Textladen(path("grenze.ntp"), sheet).ok());
    EXPECT_EQ(rowOf(sheet, 0), expected({"7", "8", "9", "10", "11", "12"}));
}

} // namespace
} // namespace numora
