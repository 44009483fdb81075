// numora-cli update against a stand-in: its report, its exit status, and its argument checks.

#include "cli/Cli.h"

#include "support/ServicesFixture.h"
#include "support/CliRunner.h"

#include <QTextStream>

namespace numora {
namespace {

using test::bytesOf;
using test::makeDraw;
using test::writeRecords;

const QByteArray DrawsCsv = "date,n1,n2,n3,n4,n5,n6\n"
                            "2024-01-03,5,11,23,30,41,49\n"
                            "2024-01-06,3,8,19,27,33,45\n"
                            "2024-01-06,1,2,4,9,16,25\n";

const TZiehung Jan2 = makeDraw(2024, 1, 2, {7, 8, 9, 10, 11, 12});

class CliUpdateTest : public test::ServicesFixture, protected test::CliRunner {
protected:
    int run(const QStringList& args) { return runIn(dir.path(), args); }

    int update(const QString& until)
    {
        return run({QStringLiteral("update"), QStringLiteral("--base"), server->baseUrl(), QStringLiteral("--until"),
                    until});
    }

};

TEST_F(CliUpdateTest, PrintsEachDayThatAddedDrawsAndASummary)
{
    startServer(DrawsCsv);
    ASSERT_TRUE(writeRecords(drawPath(), {&Jan2, 1}));

    ASSERT_EQ(update(QStringLiteral("08.01.2024")), Cli::Ok) << err;
    EXPECT_EQ(out, QStringLiteral("03.01.2024\t1\n06.01.2024\t2\nadded\t3\tdays\t6\n"));
    EXPECT_TRUE(err.isEmpty()) << err;
    EXPECT_EQ(bytesOf(stored()), bytesOf({Jan2, makeDraw(2024, 1, 3, {5, 11, 23, 30, 41, 49}),
                                          makeDraw(2024, 1, 6, {3, 8, 19, 27, 33, 45}),
                                          makeDraw(2024, 1, 6, {1, 2, 4, 9, 16, 25})}));

    // Up to date: nothing to ask for.
    ASSERT_EQ(update(QStringLiteral("06.01.2024")), Cli::Ok) << err;
    EXPECT_EQ(out, QStringLiteral("added\t0\tdays\t0\n"));
}

TEST_F(CliUpdateTest, NoticeLineFailsWithOneErrorLineAndKeepsWhatArrivedBeforeIt)
{
    const QString notice = QStringLiteral("Bitte laden Sie die neue Version von unserer Seite");
    // The notice follows the two draws of 06.01.2024 in the same answer.
    startServer(DrawsCsv, {QStringLiteral("--day-line"), QStringLiteral("20240106:") + notice});
    ASSERT_TRUE(writeRecords(drawPath(), {&Jan2, 1}));

    EXPECT_EQ(update(QStringLiteral("10.01.2024")), Cli::Failure);
    EXPECT_EQ(out, QStringLiteral("03.01.2024\t1\n06.01.2024\t2\nadded\t3\tdays\t4\n"));
    EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << err;
    EXPECT_TRUE(err.endsWith(notice + QLatin1Char('\n'))) << err;
    EXPECT_EQ(stored().size(), 4u);
    EXPECT_EQ(requestedDays().last(), QStringLiteral("20240106"));
}

TEST_F(CliUpdateTest, ADeadServiceFailsWithStatus2AndNamesTheAddress)
{
    // A stand-in that has ended: its port refuses every connection.
    startServer(DrawsCsv);
    const QString address = server->baseUrl();
    ASSERT_EQ(server->stop(), 0);
    ASSERT_TRUE(writeRecords(drawPath(), {&Jan2, 1}));

    EXPECT_EQ(run({QStringLiteral("update"), QStringLiteral("--base"), address, QStringLiteral("--until"),
                   QStringLiteral("31.12.2024")}),
              Cli::Failure);
    EXPECT_EQ(out, QStringLiteral("added\t0\tdays\t3\n"));
    EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << err;
    EXPECT_TRUE(err.contains(address)) << err;
    EXPECT_TRUE(err.contains(QStringLiteral("nicht erreichbar"))) << err;
    EXPECT_EQ(stored().size(), 1u);
}

TEST_F(CliUpdateTest, BadArgumentsFailBeforeAnyRequest)
{
    const QStringList cases[] = {
        {QStringLiteral("update"), QStringLiteral("--base")},
        {QStringLiteral("update"), QStringLiteral("--until")},
        {QStringLiteral("update"), QStringLiteral("--until"), QStringLiteral("31.02.2024")},
        {QStringLiteral("update"), QStringLiteral("--until"), QStringLiteral("2024-01-08")},
        {QStringLiteral("update"), QStringLiteral("now")},
        {QStringLiteral("update"), QStringLiteral("--base"), QStringLiteral("http://127.0.0.1:1"),
         QStringLiteral("--proxy"), QStringLiteral("x")},
    };
    for (const QStringList& args : cases) {
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        EXPECT_EQ(run(args), Cli::Failure);
        EXPECT_TRUE(out.isEmpty()) << out;
        EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << err;
        EXPECT_FALSE(QFileInfo::exists(drawPath())); // not even created
    }
}

} // namespace
} // namespace numora
