// numora-cli merge-csv and update --csv: the shipped history kept current from a results CSV, on
// disk or served by the stand-in; conflicts, gaps and bad files; the exit status and the report.

#include "cli/Cli.h"

#include "app/Einstellungen.h"
#include "base/RegistryKey.h"
#include "draws/DrawCsv.h"
#include "support/ServicesFixture.h"
#include "support/CliRunner.h"

#include <QDir>

namespace numora {
namespace {

using test::encodeRecords;
using test::readBytes;
using test::writeBytes;

const QString ShippedCsv = QStringLiteral(NUMORA_SOURCE_DIR "/data/sayisal_loto.csv");

// Three draws after the shipped history, in the other form results sites use.
const QByteArray NewerLines = "06.11.2019,2,9,17,24,38,41\n09.11.2019,4,12,19,28,33,47\n13.11.2019,1,10,15,22,36,49\n";

class CliMergeTest : public test::ServicesFixture, protected test::CliRunner {
protected:
    void SetUp() override
    {
        ServicesFixture::SetUp();
        ASSERT_EQ(run({QStringLiteral("import-csv"), ShippedCsv}), Cli::Ok) << err;
        shipped = readBytes(drawPath());
        ASSERT_EQ(shipped.size(), 1267 * 32);
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("csv")));
    }

    int run(const QStringList& args) { return runIn(dir.path(), args); }

    // A CSV beside the program directory (also served as /csv/NAME when the stand-in runs).
    QString csvFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(QStringLiteral("csv/") + name);
        EXPECT_TRUE(writeBytes(path, bytes));
        return path;
    }

    static QByteArray shippedText() { return readBytes(ShippedCsv); }

    // The draws of the history plus `lines`, as the window would have stored them.
    QByteArray historyWith(const QByteArray& lines)
    {
        const auto records = DrawCsv::parseLines("date,n1,n2,n3,n4,n5,n6\n" + lines);
        EXPECT_TRUE(records.ok());
        std::vector<TZiehung> draws;
        for (const DrawCsv::Line& line : *records)
            draws.push_back(line.draw);
        return shipped + encodeRecords(draws);
    }

    void startCsvServer() { startServerOn(ShippedCsv, {QStringLiteral("--csv"), dir.filePath(QStringLiteral("csv"))}); }

    QString served(const QString& pathAndQuery) const { return WebHosts::join(server->baseUrl(), pathAndQuery); }

    QByteArray shipped;
};

TEST_F(CliMergeTest, ShippedDrawsPlusNewerOnesAppendExactlyTheNewerOnes)
{
    const QString csv = csvFile(QStringLiteral("neu.csv"), shippedText() + NewerLines);
    ASSERT_EQ(run({QStringLiteral("merge-csv"), csv}), Cli::Ok) << err;
    EXPECT_EQ(out, QStringLiteral("appended\t3\tpresent\t1267\tconflicts\t0\tgaps\t0\tinserted\t0\n"));
    EXPECT_TRUE(err.isEmpty()) << err;
    EXPECT_EQ(readBytes(drawPath()), historyWith(NewerLines));

    // Again: nothing new, still a success.
    ASSERT_EQ(run({QStringLiteral("merge-csv"), csv}), Cli::Ok) << err;
    EXPECT_EQ(out, QStringLiteral("appended\t0\tpresent\t1270\tconflicts\t0\tgaps\t0\tinserted\t0\n"));
    EXPECT_EQ(readBytes(drawPath()), historyWith(NewerLines));
}

TEST_F(CliMergeTest, OneAlteredOldDrawChangesNothingAndNamesThatDate)
{
    QByteArray text = shippedText();
    ASSERT_TRUE(text.contains("2008-05-10,1,6,11,21,22,34\n"));
    text.replace("2008-05-10,1,6,11,21,22,34\n", "2008-05-10,1,6,11,21,22,35\n");
    const QString csv = csvFile(QStringLiteral("falsch.csv"), text + NewerLines);

    EXPECT_EQ(run({QStringLiteral("merge-csv"), csv, QStringLiteral("--insert-gaps")}), Cli::Failure);
    EXPECT_EQ(out, QStringLiteral("appended\t0\tpresent\t1266\tconflicts\t1\tgaps\t0\tinserted\t0\n"));
    EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << err;
    EXPECT_TRUE(err.contains(QStringLiteral("10.05.2008: gespeichert 1 6 11 21 22 34, in der CSV-Datei 1 6 11 21 22 35")))
        << err;
    EXPECT_EQ(readBytes(drawPath()), shipped);
}

TEST_F(CliMergeTest, GapsAreListedAndInsertedOnlyWhenAsked)
{
    // The history lacks two draws of 2008 that the CSV has.
    QByteArray partial = shippedText();
    partial.replace("2008-05-03,5,7,30,34,38,42\n", "");
    partial.replace("2008-05-17,8,15,22,24,36,46\n", "");
    ASSERT_EQ(run({QStringLiteral("import-csv"), csvFile(QStringLiteral("luecken.csv"), partial)}), Cli::Ok) << err;
    const QByteArray holed = readBytes(drawPath());
    const QString csv = csvFile(QStringLiteral("neu.csv"), shippedText() + NewerLines);

    ASSERT_EQ(run({QStringLiteral("merge-csv"), csv}), Cli::Ok) << err;
    EXPECT_EQ(out, QStringLiteral("gap\t03.05.2008\ngap\t17.05.2008\n"
                                  "appended\t3\tpresent\t1265\tconflicts\t0\tgaps\t2\tinserted\t0\n"));
    EXPECT_EQ(readBytes(drawPath()).size(), holed.size() + 3 * 32);

    ASSERT_EQ(run({QStringLiteral("merge-csv"), QStringLiteral("--insert-gaps"), csv}), Cli::Ok) << err;
    EXPECT_EQ(out, QStringLiteral("appended\t0\tpresent\t1268\tconflicts\t0\tgaps\t2\tinserted\t2\n"));
    EXPECT_EQ(readBytes(drawPath()), historyWith(NewerLines));
}

TEST_F(CliMergeTest, BadFilesAndArgumentsFailWithOneLineAndWriteNothing)
{
    struct {
        QStringList args;
        const char* inError;
    } cases[] = {
        {{csvFile(QStringLiteral("n50.csv"), shippedText() + "06.11.2019,2,9,17,24,38,50\n")}, "line 1269: n6 \"50\""},
        {{csvFile(QStringLiteral("doppelt.csv"), "date;n1;n2;n3;n4;n5;n6\n06.11.2019;2;9;9;24;38;41\n")},
         "doppelt.csv: line 2: the six numbers are not distinct"},
        {{csvFile(QStringLiteral("datum.csv"), "date,n1,n2,n3,n4,n5,n6\n6.11.19,2,9,17,24,38,41\n")},
         "line 2: bad date \"6.11.19\""},
        {{csvFile(QStringLiteral("leer.csv"), "")}, "line 1: missing header"},
        {{dir.filePath(QStringLiteral("fehlt.csv"))}, "fehlt.csv"},
        {{}, "merge-csv takes one CSV file"},
        {{QStringLiteral("a.csv"), QStringLiteral("b.csv")}, "merge-csv takes one CSV file"},
        {{QStringLiteral("--gaps")}, "merge-csv takes one CSV file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        EXPECT_EQ(run(QStringList{QStringLiteral("merge-csv")} + c.args), Cli::Failure);
        EXPECT_TRUE(out.isEmpty()) << out;
        EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << err;
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.inError))) << err;
        EXPECT_EQ(readBytes(drawPath()), shipped);
    }
}

TEST_F(CliMergeTest, AnAddressIsFetchedDirectlyOrThroughARedirect)
{
    csvFile(QStringLiteral("neu.csv"), shippedText() + NewerLines);
    startCsvServer();

    ASSERT_EQ(run({QStringLiteral("merge-csv"), served(QStringLiteral("/numora-services/redirect?to=/csv/neu.csv"))}),
              Cli::Ok)
        << err;
    EXPECT_EQ(out, QStringLiteral("appended\t3\tpresent\t1267\tconflicts\t0\tgaps\t0\tinserted\t0\n"));
    EXPECT_EQ(readBytes(drawPath()), historyWith(NewerLines));

    ASSERT_EQ(run({QStringLiteral("update"), QStringLiteral("--csv"), served(QStringLiteral("/csv/neu.csv"))}), Cli::Ok)
        << err;
    EXPECT_EQ(out, QStringLiteral("appended\t0\tpresent\t1270\tconflicts\t0\tgaps\t0\tinserted\t0\n"));
    // The update service was never asked.
    for (const QString& target : serverLog("requests"))
        EXPECT_FALSE(target.startsWith(QStringLiteral("/zahlen/"))) << target;
}

TEST_F(CliMergeTest, AMissingFileOrADeadAddressFailsNamingTheAddress)
{
    startCsvServer();
    const QString missing = served(QStringLiteral("/csv/fehlt.csv"));
    EXPECT_EQ(run({QStringLiteral("update"), QStringLiteral("--csv"), missing}), Cli::Failure);
    EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << err;
    EXPECT_TRUE(err.contains(missing) && err.contains(QStringLiteral("404"))) << err;

    const QString dead = served(QStringLiteral("/csv/neu.csv"));
    ASSERT_EQ(server->stop(), 0);
    EXPECT_EQ(run({QStringLiteral("merge-csv"), dead}), Cli::Failure);
    EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << err;
    EXPECT_TRUE(err.contains(dead) && err.contains(QStringLiteral("nicht erreichbar"))) << err;
    EXPECT_EQ(readBytes(drawPath()), shipped);
}

// update without --base or --csv merges the address the window stored; --base still asks the
// service, and the two together are refused.
TEST_F(CliMergeTest, UpdateTakesTheStoredCsvAddress)
{
    csvFile(QStringLiteral("neu.csv"), shippedText() + NewerLines);
    startCsvServer();
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
    RegistryKey key = RegistryKey::userKey(QString::fromLatin1(Einstellungen::KeyPath));
    key.setString(QString::fromLatin1(Einstellungen::CsvAddressName), served(QStringLiteral("/csv/neu.csv")));
    ASSERT_TRUE(key.save().ok());

    EXPECT_EQ(run({QStringLiteral("update"), QStringLiteral("--base"), server->baseUrl(), QStringLiteral("--csv"),
                   served(QStringLiteral("/csv/neu.csv"))}),
              Cli::Failure);
    EXPECT_EQ(run({QStringLiteral("update"), QStringLiteral("--base"), server->baseUrl(), QStringLiteral("--until"),
                   QStringLiteral("03.11.2019")}),
              Cli::Ok)
        << err;
    EXPECT_EQ(out, QStringLiteral("added\t0\tdays\t1\n"));
    EXPECT_EQ(run({QStringLiteral("update"), QStringLiteral("--until"), QStringLiteral("13.11.2019")}), Cli::Ok) << err;
    EXPECT_EQ(out, QStringLiteral("appended\t3\tpresent\t1267\tconflicts\t0\tgaps\t0\tinserted\t0\n"));
    EXPECT_EQ(readBytes(drawPath()), historyWith(NewerLines));

    if (oldConfig.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", oldConfig);
}

} // namespace
} // namespace numora
