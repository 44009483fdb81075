#include "output/TipReport.h"

#include "session/ProgramState.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>

namespace numora {
namespace {

class TipReportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ASSERT_TRUE(dir.isValid());
        state.programDir = dir.path() + QLatin1Char('/');
        state.currentDraw.date = DayDate::fromYmd(2019, 11, 2); // a Saturday
    }

    void TearDown() override { QLocale::setDefault(savedLocale); }

    void typeRow(int r, std::array<const char*, 6> texts)
    {
        for (int p = 0; p < 6; ++p)
            state.sheet.setField(r, p, QString::fromLatin1(texts[std::size_t(p)]));
    }

    QString reportPath() const { return dir.filePath(QStringLiteral("Tipp.txt")); }

    const QLocale savedLocale;
    QTemporaryDir dir;
    ProgramState state;
};

const QString title = QStringLiteral("Veldors Numora www.numora.example Tipp für Mittwoch 06.11.19");
const QString tildes(46, QLatin1Char('~'));

TEST_F(TipReportTest, EmptySheetGivesTheHeadOnly)
{
    const auto path = TipReport::write(state);
    ASSERT_TRUE(path.ok()) << path.error().message;
    EXPECT_EQ(*path, reportPath());
    EXPECT_EQ(test::readBytes(reportPath()), (title + QStringLiteral("\r\n") + tildes + QStringLiteral("\r\n\r\n")).toUtf8());
}

TEST_F(TipReportTest, FilledRowsKeepTheirNumbersAndColumnsLineUp)
{
    typeRow(1, {"5", "12", "23", "34", "41", "49"});
    typeRow(4, {"1", "2", "3", "4", "5", "6"});
    typeRow(9, {"10", "20", "30", "40", "45", "49"});
    // An empty first field drops the row, whatever follows.
    typeRow(6, {"", "2", "3", "4", "5", "6"});
    ASSERT_TRUE(TipReport::write(state).ok());
    const QStringList lines = QString::fromUtf8(test::readBytes(reportPath())).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines, (QStringList{title, tildes, QString(),
                                  QStringLiteral(" 2. Tipp:  5   12   23   34   41   49"),
                                  QStringLiteral(" 5. Tipp:  1    2    3    4    5    6"),
                                  QStringLiteral("10. Tipp: 10   20   30   40   45   49"), QString()}));
}

TEST_F(TipReportTest, HalfFilledRowIsAConversionErrorAndNothingIsWritten)
{
    ASSERT_TRUE(test::writeBytes(reportPath(), "alt\r\n"));
    typeRow(0, {"1", "2", "3", "4", "5", "6"});
    typeRow(2, {"7", "8", "", "10", "11", "12"});
    const auto path = TipReport::write(state);
    ASSERT_FALSE(path.ok());
    EXPECT_EQ(path.error().message, QStringLiteral("'' ist kein gültiger Integerwert"));
    EXPECT_EQ(test::readBytes(reportPath()), QByteArray("alt\r\n"));
    EXPECT_FALSE(QFileInfo::exists(reportPath() + QLatin1Char('~')));
}

struct DateCase {
    const char* name;
    QDate draw;
    bool saturday;
    bool wednesday;
    QDate report;
};

void PrintTo(const DateCase& c, std::ostream* os) { *os << c.name; }

class ReportDateTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(ReportDateTest, IsTheNextDrawDay)
{
    const DateCase& c = GetParam();
    EXPECT_EQ(TipReport::reportDate(DayDate::fromDate(c.draw), c.saturday, c.wednesday), DayDate::fromDate(c.report));
}

const DateCase dateCases[] = {
    {"SaturdayToWednesday", QDate(2019, 11, 2), true, true, QDate(2019, 11, 6)},
    {"WednesdayToSaturday", QDate(2019, 11, 6), true, true, QDate(2019, 11, 9)},
    {"OnlySaturdaysAWeekLater", QDate(2019, 11, 2), true, false, QDate(2019, 11, 9)},
    {"OnlyWednesdaysAWeekLater", QDate(2019, 11, 6), false, true, QDate(2019, 11, 13)},
};

INSTANTIATE_TEST_SUITE_P(TipReport, ReportDateTest, ::testing::ValuesIn(dateCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace numora
