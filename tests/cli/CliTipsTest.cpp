// `search` and `report`: a tip file through the window's history search and text report.
#include "cli/Cli.h"

#include "support/CliRunner.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QTemporaryDir>
#include <QTextStream>

namespace numora {
namespace {

using test::makeDraw;

class CliTipsTest : public ::testing::Test, protected test::CliRunner {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ASSERT_TRUE(dir.isValid());
        // Saturday, Wednesday, Saturday.
        const std::vector<TZiehung> draws{
            makeDraw(2019, 1, 5, {1, 2, 3, 4, 5, 6}),
            makeDraw(2019, 1, 9, {7, 8, 9, 10, 11, 12}),
            makeDraw(2019, 1, 12, {1, 2, 3, 10, 11, 12}),
        };
        ASSERT_TRUE(test::writeRecords(dir.filePath(QStringLiteral("ZahlenTr.dat")), draws));
        // Row 1 unsorted: loading evaluates the sheet, which sorts it as in the window.
        tipFile = writeTip("tipp.ntp", "12,11,10,9,8,7\r\n1,2,3,4,5,6:Glueck\r\n");
    }

    void TearDown() override { QLocale::setDefault(savedLocale); }

    QString writeTip(const char* name, const QByteArray& text)
    {
        const QString path = dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(test::writeBytes(path, text));
        return path;
    }

    int run(const QStringList& args) { return runIn(dir.path(), args); }

    const QLocale savedLocale;
    QTemporaryDir dir;
    QString tipFile;
};

struct SearchCase {
    const char* name;
    QStringList options;
    const char* output;
};

void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.name; }

class CliSearchTest : public CliTipsTest, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(CliSearchTest, PrintsEveryQuestionAndTheDrawLeftShown)
{
    ASSERT_EQ(run(QStringList{QStringLiteral("search"), tipFile} + GetParam().options), Cli::Ok) << err.toStdString();
    EXPECT_EQ(out, QString::fromLatin1(GetParam().output));
    EXPECT_TRUE(err.isEmpty());
}

const SearchCase searchCases[] = {
    {"DefaultThresholdSix", {"--date", "31.12.2026"}, "05.01.2019\t2\t6\n09.01.2019\t1\t6\nlast\t12.01.2019\n"},
    {"ThresholdThreeWithoutWednesdays",
     {"--date", "31.12.2026", "--threshold", "3", "--set", "CheckBox17=0"},
     "05.01.2019\t2\t6\n12.01.2019\t1\t3\n12.01.2019\t2\t3\nlast\t12.01.2019\n"},
    // The end date is the draw shown for --date: the first on or after it.
    {"EndsAtTheDrawShownForTheDate", {"--date", "06.01.2019"}, "05.01.2019\t2\t6\n09.01.2019\t1\t6\nlast\t09.01.2019\n"},
    {"StartAfterTheEndVisitsNothing", {"--date", "31.12.2026", "--start", "13.01.2019"}, "last\t-\n"},
};

INSTANTIATE_TEST_SUITE_P(Cli, CliSearchTest, ::testing::ValuesIn(searchCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliTipsTest, ReportPrintsTheLinesOfTippTxt)
{
    ASSERT_EQ(run({QStringLiteral("report"), tipFile, QStringLiteral("--date"), QStringLiteral("06.01.2019")}), Cli::Ok)
        << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("Veldors Numora www.numora.example Tipp für Samstag 12.01.19\n"
                                  "~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~\n"
                                  "\n"
                                  " 1. Tipp:  7    8    9   10   11   12\n"
                                  " 2. Tipp:  1    2    3    4    5    6\n"));

    // Wednesdays off: a week after the Wednesday draw shown.
    ASSERT_EQ(run({QStringLiteral("report"), tipFile, QStringLiteral("--date"), QStringLiteral("06.01.2019"),
                   QStringLiteral("--set"), QStringLiteral("CheckBox17=0")}),
              Cli::Ok);
    EXPECT_TRUE(out.startsWith(QStringLiteral("Veldors Numora www.numora.example Tipp für Mittwoch 16.01.19\n")));
}

TEST_F(CliTipsTest, ErrorsAreOneLineAndPrintNothing)
{
    const QString halfFilled = writeTip("halb.ntp", "1,2,3,4,5,6\r\n7,8,,10,11,12\r\n");
    const QList<QStringList> bad{
        {QStringLiteral("report"), halfFilled, QStringLiteral("--date"), QStringLiteral("06.01.2019")},
        {QStringLiteral("report"), dir.filePath(QStringLiteral("fehlt.ntp")), QStringLiteral("--date"), QStringLiteral("06.01.2019")},
        {QStringLiteral("report"), tipFile, QStringLiteral("--set"), QStringLiteral("UpDown8=3")},
        {QStringLiteral("report"), tipFile, QStringLiteral("--threshold"), QStringLiteral("3")},
        {QStringLiteral("search"), tipFile, QStringLiteral("--threshold"), QStringLiteral("drei")},
        {QStringLiteral("search"), QStringLiteral("--date"), QStringLiteral("06.01.2019")},
    };
    for (const QStringList& args : bad) {
        EXPECT_EQ(run(args), Cli::Failure) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(out.isEmpty()) << out.toStdString();
        EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << err.toStdString();
    }
    run(bad.first());
    EXPECT_TRUE(err.contains(QStringLiteral("'' ist kein gültiger Integerwert"))) << err.toStdString();
}

TEST_F(CliTipsTest, SearchFindsTheFirstDrawOfTheRealHistory)
{
    ASSERT_EQ(run({QStringLiteral("import-csv"), QStringLiteral(NUMORA_SOURCE_DIR "/data/sayisal_loto.csv")}), Cli::Ok);
    const QString first = writeTip("erste.ntp", "47,34,32,20,15,5\r\n");
    ASSERT_EQ(run({QStringLiteral("search"), first, QStringLiteral("--date"), QStringLiteral("10.12.2026")}), Cli::Ok)
        << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("16.11.1996\t1\t6\nlast\t02.11.2019\n"));
}

// --set CheckBox16/17 must survive the start-up steps for every command, pool and generate too.
TEST_F(CliTipsTest, WeekdayBoxesOfSetReachThePool)
{
    ASSERT_EQ(run({QStringLiteral("import-csv"), QStringLiteral(NUMORA_SOURCE_DIR "/data/sayisal_loto.csv")}), Cli::Ok);
    const QStringList pool{QStringLiteral("pool"), QStringLiteral("--seed"), QStringLiteral("1"), QStringLiteral("--date"),
                           QStringLiteral("01.01.2019")};
    ASSERT_EQ(run(pool), Cli::Ok) << err.toStdString();
    const QString everyDraw = out;
    // The history holds 68 Wednesday draws; without them the statistics behind the pool change.
    ASSERT_EQ(run(pool + QStringList{QStringLiteral("--set"), QStringLiteral("CheckBox17=0")}), Cli::Ok);
    EXPECT_NE(out, everyDraw);
}

} // namespace
} // namespace numora
