#include "cli/Cli.h"

#include "app/Einstellungen.h"
#include "base/RegistryKey.h"

#include "support/CliRunner.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <map>
#include <set>
#include <vector>

namespace numora {
namespace {

const QString gamesSource = QStringLiteral(NUMORA_SOURCE_DIR "/data/games/");

// One CSV row read the plain way: the date and the seven numbers (six and the Zusatzzahl column).
struct Row {
    QString date;
    std::array<int, 6> numbers{};
    int extra = 0;
};

std::vector<Row> readRows(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    std::vector<Row> rows;
    for (int i = 1; i < lines.size(); ++i) {
        const QStringList f = lines[i].split(QLatin1Char(','));
        Row row;
        row.date = f[0];
        for (int k = 0; k < 6; ++k)
            row.numbers[std::size_t(k)] = f[1 + k].toInt();
        row.extra = f.size() > 7 ? f[7].toInt() : 0;
        rows.push_back(row);
    }
    return rows;
}

QString shortDate(const QString& iso) { return iso.mid(8, 2) + QLatin1Char('.') + iso.mid(5, 2) + QLatin1Char('.') + iso.left(4); }

// The chart lines "X<TAB>Y" of a stats output, by X.
std::map<int, int> chartOf(const QString& out)
{
    std::map<int, int> points;
    const QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (int i = 2; i < lines.size(); ++i) {
        const QStringList f = lines[i].split(QLatin1Char('\t'));
        points[f[0].toInt()] = f[1].toInt();
    }
    return points;
}

struct Shipped {
    const char* id;
    int numbers;
    bool extraCounts; // a bonus of the same drum counts with the six; a Joker does not
};
const Shipped shipped[] = {
    {"sayisal", 49, false},
    {"lotto6aus49", 49, false},
    {"cilgin", 90, false},
    {"lotto649", 49, true},
};

// A portable folder as an installation's shared folder holds it: the shipped games beside.
class CliGamesTest : public ::testing::Test, protected test::CliRunner {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // The settings store of the test: the game played last and each game's address live there.
        oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
        ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("games"))));
        for (const QFileInfo& info : QDir(gamesSource).entryInfoList({QStringLiteral("*.csv"), QStringLiteral("*.game")}))
            ASSERT_TRUE(QFile::copy(info.filePath(), dir.filePath(QStringLiteral("games/") + info.fileName())));
    }

    void TearDown() override
    {
        if (oldConfig.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", oldConfig);
    }

    int run(QStringList args) { return runIn(QStringLiteral("/nonexistent"), QStringList{QStringLiteral("--dir"), dir.path()} + args); }

    QTemporaryDir dir;
    QByteArray oldConfig;
};

TEST_F(CliGamesTest, GamesListsEveryGameWithItsHistory)
{
    // The default game's history is imported as today; the others come from their shipped CSV.
    ASSERT_EQ(run({QStringLiteral("import-csv"), gamesSource + QStringLiteral("sayisal.csv")}), Cli::Ok) << err.toStdString();
    ASSERT_EQ(run({QStringLiteral("games")}), Cli::Ok) << err.toStdString();
    EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    QStringList expected;
    const std::map<QString, QString> names{{QStringLiteral("sayisal"), QStringLiteral("Sayisal Loto")},
                                          {QStringLiteral("lotto6aus49"), QStringLiteral("Lotto 6 aus 49")},
                                          {QStringLiteral("cilgin"), QStringLiteral("Çılgın Sayısal Loto")},
                                          {QStringLiteral("lotto649"), QStringLiteral("Lotto 6/49")}};
    for (const char* id : {"sayisal", "cilgin", "lotto649", "lotto6aus49"}) {
        const QString name = QString::fromLatin1(id);
        const auto rows = readRows(gamesSource + name + QStringLiteral(".csv"));
        const int numbers = name == QLatin1String("cilgin") ? 90 : 49;
        expected << QStringLiteral("%1\t6/%2\t%3\t%4\t%5\t%6")
                        .arg(name)
                        .arg(numbers)
                        .arg(rows.size())
                        .arg(shortDate(rows.front().date), shortDate(rows.back().date), names.at(name));
    }
    EXPECT_EQ(out, expected.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    // The figures of the README.
    EXPECT_TRUE(out.contains(QStringLiteral("sayisal\t6/49\t1315\t16.11.1996\t18.04.2020\t")));
    EXPECT_TRUE(out.contains(QStringLiteral("lotto6aus49\t6/49\t5040\t09.10.1955\t22.08.2026\t")));
}

TEST_F(CliGamesTest, TheStatisticsOfEveryShippedGameEqualAPlainCount)
{
    ASSERT_EQ(run({QStringLiteral("import-csv"), gamesSource + QStringLiteral("sayisal.csv")}), Cli::Ok) << err.toStdString();
    for (const Shipped& game : shipped) {
        SCOPED_TRACE(game.id);
        const QString id = QString::fromLatin1(game.id);
        const auto rows = readRows(gamesSource + id + QStringLiteral(".csv"));
        const QStringList common{QStringLiteral("--game"), id, QStringLiteral("stats")};
        const QStringList window{QStringLiteral("--end"), QStringLiteral("31.12.2030")};

        // Number distribution: each of 1..N, over the whole history (sayisal: from its first day,
        // as the Parts give it).
        ASSERT_EQ(run(common + QStringList{QStringLiteral("distribution")} + window), Cli::Ok) << err.toStdString();
        std::map<int, int> counts;
        for (int k = 1; k <= game.numbers; ++k)
            counts[k] = 0;
        for (const Row& row : rows) {
            for (int n : row.numbers)
                ++counts[n];
            if (game.extraCounts && row.extra > 0)
                ++counts[row.extra];
        }
        EXPECT_EQ(chartOf(out), counts);

        // Pairs: draws holding k and k + 1; the first draw counts except in sayisal, whose
        // history window starts on its first draw and excludes the start.
        ASSERT_EQ(run(common + QStringList{QStringLiteral("pairs")} + window), Cli::Ok) << err.toStdString();
        std::map<int, int> pairs;
        for (int k = 1; k <= game.numbers - 1; ++k)
            pairs[k] = 0;
        for (std::size_t i = id == QLatin1String("sayisal") ? 1 : 0; i < rows.size(); ++i)
            for (int a : rows[i].numbers)
                for (int b : rows[i].numbers)
                    if (b == a + 1)
                        ++pairs[a];
        EXPECT_EQ(chartOf(out), pairs);

        // Primes per draw, primes up to N.
        ASSERT_EQ(run(common + QStringList{QStringLiteral("primes")} + window), Cli::Ok) << err.toStdString();
        std::map<int, int> primes;
        for (int k = 0; k <= 6; ++k)
            primes[k] = 0;
        auto isPrime = [](int n) {
            for (int d = 2; d * d <= n; ++d)
                if (n % d == 0)
                    return false;
            return n > 1;
        };
        for (std::size_t i = id == QLatin1String("sayisal") ? 1 : 0; i < rows.size(); ++i) {
            int count = 0;
            for (int n : rows[i].numbers)
                count += isPrime(n) ? 1 : 0;
            ++primes[count];
        }
        EXPECT_EQ(chartOf(out), primes);
    }
}

TEST_F(CliGamesTest, EveryShippedGameGeneratesRowsOfItsNumbers)
{
    ASSERT_EQ(run({QStringLiteral("import-csv"), gamesSource + QStringLiteral("sayisal.csv")}), Cli::Ok) << err.toStdString();
    for (const Shipped& game : shipped) {
        SCOPED_TRACE(game.id);
        const QStringList common{QStringLiteral("--game"), QString::fromLatin1(game.id)};
        const QStringList options{QStringLiteral("--seed"), QStringLiteral("7"), QStringLiteral("--date"), QStringLiteral("01.01.2030")};
        // With the default options the pool holds the game's numbers, each one not drawn in the
        // last three draws among them.
        ASSERT_EQ(run(common + QStringList{QStringLiteral("pool")} + options), Cli::Ok) << err.toStdString();
        std::set<int> pooled;
        for (const QString& v : out.trimmed().split(QLatin1Char(',')))
            pooled.insert(v.toInt());
        const auto history = readRows(gamesSource + QString::fromLatin1(game.id) + QStringLiteral(".csv"));
        std::set<int> recent;
        for (std::size_t back = 1; back <= 3; ++back) {
            recent.insert(history[history.size() - back].numbers.begin(), history[history.size() - back].numbers.end());
            recent.insert(history[history.size() - back].extra);
        }
        for (int k = 1; k <= game.numbers; ++k)
            EXPECT_TRUE(pooled.count(k) || recent.count(k)) << k;
        EXPECT_GE(*pooled.begin(), 1);
        EXPECT_LE(*pooled.rbegin(), game.numbers);

        ASSERT_EQ(run(common + QStringList{QStringLiteral("generate")} + options), Cli::Ok) << err.toStdString();
        const QStringList lines = out.split(QLatin1Char('\n'));
        int rows = 0;
        int beyond49 = 0;
        for (int r = 0; r < 8; ++r) {
            const QStringList f = lines[r].split(QLatin1Char(','));
            ASSERT_EQ(f.size(), 6) << lines[r].toStdString();
            std::set<int> numbers;
            int sum = 0;
            for (const QString& v : f) {
                const int n = v.toInt();
                EXPECT_TRUE(n >= 1 && n <= game.numbers) << lines[r].toStdString();
                numbers.insert(n);
                sum += n;
                beyond49 += n > 49 ? 1 : 0;
            }
            EXPECT_EQ(numbers.size(), 6u) << lines[r].toStdString();
            // The default digit sums 50..250 of six of 49, spread over the game's sums 21..6N - 15.
            const double scale = double(6 * game.numbers - 36) / 258.0;
            EXPECT_GE(sum, 21 + (50 - 21) * scale - 0.5) << lines[r].toStdString();
            EXPECT_LE(sum, 21 + (250 - 21) * scale + 0.5) << lines[r].toStdString();
            ++rows;
        }
        EXPECT_EQ(lines[8], QStringLiteral(",,,,,"));
        EXPECT_EQ(rows, 8);
        // 48 numbers of 1..90 all at most 49 would be a generator that ignores the game.
        if (game.numbers == 90)
            EXPECT_GT(beyond49, 0);
    }
}

TEST_F(CliGamesTest, SuperzahlStatisticsOnlyWhereTheGameHasOne)
{
    for (const char* id : {"cilgin", "lotto649"}) {
        EXPECT_EQ(run({QStringLiteral("--game"), QString::fromLatin1(id), QStringLiteral("stats"), QStringLiteral("superzahl-frequency")}),
                  Cli::Failure);
        EXPECT_TRUE(err.contains(QStringLiteral("draws no Superzahl"))) << err.toStdString();
    }
    ASSERT_EQ(run({QStringLiteral("--game"), QStringLiteral("lotto6aus49"), QStringLiteral("stats"),
                   QStringLiteral("superzahl-frequency"), QStringLiteral("--end"), QStringLiteral("31.12.2030")}),
              Cli::Ok)
        << err.toStdString();
    // Saturdays from 07.12.1991 and Wednesdays from 01.12.1995: every Superzahl of the file.
    std::map<int, int> digits;
    for (int d = 0; d <= 9; ++d)
        digits[d] = 0;
    QFile file(gamesSource + QStringLiteral("lotto6aus49.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(1))
        if (const QString super = line.split(QLatin1Char(','))[8]; !super.isEmpty())
            ++digits[super.toInt()];
    EXPECT_EQ(chartOf(out), digits);
}

TEST_F(CliGamesTest, APlayersSixOf54GameIsFilledFromACsv)
{
    const QStringList add{QStringLiteral("games"), QStringLiteral("add"), QStringLiteral("meine54"), QStringLiteral("--numbers"),
                          QStringLiteral("54"), QStringLiteral("--name"), QStringLiteral("Meine 6 aus 54"),
                          QStringLiteral("--days"), QStringLiteral("Di,Fr"), QStringLiteral("--extra"), QStringLiteral("bonus")};
    ASSERT_EQ(run(add), Cli::Ok) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("meine54\t6/54\tMeine 6 aus 54\n"));
    ASSERT_EQ(run({QStringLiteral("games")}), Cli::Ok);
    EXPECT_TRUE(out.contains(QStringLiteral("\nmeine54\t6/54\t0\t\t\tMeine 6 aus 54\n"))) << out.toStdString();

    // A results site's CSV with numbers up to 54 and a bonus; 55 is refused.
    const QByteArray csv = "date,n1,n2,n3,n4,n5,n6,zusatzzahl,superzahl,spiel77,super6\n"
                           "2024-01-02,1,17,30,41,53,54,9,,,\n"
                           "2024-01-05,2,3,4,50,51,52,54,,,\n"
                           "2024-01-09,5,6,7,8,53,54,1,,,\n";
    const QString path = dir.filePath(QStringLiteral("results.csv"));
    ASSERT_TRUE(test::writeBytes(path, csv));
    const QStringList game{QStringLiteral("--game"), QStringLiteral("meine54")};
    ASSERT_EQ(run(game + QStringList{QStringLiteral("merge-csv"), path}), Cli::Ok) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("appended\t3\tpresent\t0\tconflicts\t0\tgaps\t0\tinserted\t0\n"));
    ASSERT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("games/meine54/ZahlenTr.dat"))));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("ZahlenTr.dat"))));

    ASSERT_EQ(run(game + QStringList{QStringLiteral("stats"), QStringLiteral("distribution"), QStringLiteral("--end"),
                                     QStringLiteral("31.12.2030")}),
              Cli::Ok)
        << err.toStdString();
    std::map<int, int> expected;
    for (int k = 1; k <= 54; ++k)
        expected[k] = 0;
    for (int n : {1, 17, 30, 41, 53, 54, 9, 2, 3, 4, 50, 51, 52, 54, 5, 6, 7, 8, 53, 54, 1})
        ++expected[n];
    EXPECT_EQ(chartOf(out), expected);

    ASSERT_TRUE(test::writeBytes(path, "date,n1,n2,n3,n4,n5,n6\n2024-01-12,1,2,3,4,5,55\n"));
    EXPECT_EQ(run(game + QStringList{QStringLiteral("merge-csv"), path}), Cli::Failure);
    EXPECT_TRUE(err.contains(QStringLiteral("n6 \"55\" is not a number 1..54"))) << err.toStdString();
    // The default game still reads 1..49 only.
    ASSERT_TRUE(test::writeBytes(path, "date,n1,n2,n3,n4,n5,n6\n2024-01-12,1,2,3,4,5,50\n"));
    EXPECT_EQ(run({QStringLiteral("import-csv"), path}), Cli::Failure);
    EXPECT_TRUE(err.contains(QStringLiteral("n6 \"50\" is not a number 1..49"))) << err.toStdString();
}

TEST_F(CliGamesTest, UpdateSaysWhatToSetAndNamesTheLastDrawOfAnEndedGame)
{
    // No address anywhere: a sentence saying what to set, never a request nobody answers.
    EXPECT_EQ(run({QStringLiteral("--game"), QStringLiteral("cilgin"), QStringLiteral("update")}), Cli::Failure);
    EXPECT_EQ(err, QStringLiteral("numora-cli: Für Çılgın Sayısal Loto ist keine Adresse gesetzt: tragen Sie unter "
                                  "\"Internet-Optionen\" die \"CSV-Adresse der Ziehungen\" einer Ergebnisseite ein.\n"));
    EXPECT_EQ(run({QStringLiteral("--game"), QStringLiteral("cilgin"), QStringLiteral("update"), QStringLiteral("--base"),
                   QStringLiteral("http://127.0.0.1:9")}),
              Cli::Failure);
    EXPECT_TRUE(err.contains(QStringLiteral("the update service serves sayisal only"))) << err.toStdString();

    // A game no longer drawn names its last draw and asks nothing.
    ASSERT_TRUE(test::writeBytes(dir.filePath(QStringLiteral("games/alt.game")),
                                 "id = alt\nname = Altes Spiel\nnumbers = 45\nlast-draw = 31.12.2019\n"));
    ASSERT_EQ(run({QStringLiteral("--game"), QStringLiteral("alt"), QStringLiteral("update")}), Cli::Ok) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("Altes Spiel wird nicht mehr gezogen; die letzte Ziehung war am 31.12.2019.\n"));
}

TEST_F(CliGamesTest, WithoutGameACommandPlaysTheGameTheWindowPlayedLast)
{
    RegistryKey key = RegistryKey::userKey(QString::fromLatin1(Einstellungen::KeyPath));
    key.setString(QString::fromLatin1(Einstellungen::GameName), QStringLiteral("cilgin"));
    ASSERT_TRUE(key.save().ok());
    ASSERT_EQ(run({QStringLiteral("export-csv")}), Cli::Ok) << err.toStdString();
    EXPECT_EQ(out.count(QLatin1Char('\n')), 114);
    EXPECT_TRUE(out.contains(QStringLiteral("\n2022-09-19,"))) << out.left(200).toStdString();
    // A stored game that is gone leaves the default game.
    key.setString(QString::fromLatin1(Einstellungen::GameName), QStringLiteral("gone"));
    ASSERT_TRUE(key.save().ok());
    EXPECT_EQ(run({QStringLiteral("export-csv")}), Cli::Failure);
    EXPECT_TRUE(err.contains(QStringLiteral("ZahlenTr.dat"))) << err.toStdString();
}

TEST_F(CliGamesTest, AddRefusesBadInputAndWritesNothing)
{
    const auto before = QDir(dir.filePath(QStringLiteral("games"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    struct Case {
        QStringList args;
        const char* error;
    };
    const Case cases[] = {
        {{QStringLiteral("Bad"), QStringLiteral("--numbers"), QStringLiteral("49"), QStringLiteral("--name"), QStringLiteral("B")},
         "\"Bad\" is not a game id"},
        {{QStringLiteral("big"), QStringLiteral("--numbers"), QStringLiteral("91"), QStringLiteral("--name"), QStringLiteral("B")},
         "a game draws 6 of 7..90 numbers, not of 91"},
        // No grid has room for 0 numbers: refused, not divided by.
        {{QStringLiteral("none"), QStringLiteral("--numbers"), QStringLiteral("0"), QStringLiteral("--name"), QStringLiteral("N")},
         "a game draws 6 of 7..90 numbers, not of 0"},
        {{QStringLiteral("cilgin"), QStringLiteral("--numbers"), QStringLiteral("90"), QStringLiteral("--name"), QStringLiteral("C")},
         "a game \"cilgin\" exists already"},
        {{QStringLiteral("x"), QStringLiteral("--numbers"), QStringLiteral("40"), QStringLiteral("--name"), QStringLiteral("X"),
          QStringLiteral("--days"), QStringLiteral("Mo,Xy")},
         "--days: \"Xy\" is not one of"},
        {{QStringLiteral("x"), QStringLiteral("--numbers"), QStringLiteral("40"), QStringLiteral("--name"), QStringLiteral("X"),
          QStringLiteral("--extra"), QStringLiteral("zusatz")},
         "--extra: \"zusatz\" is not none"},
        {{QStringLiteral("x"), QStringLiteral("--numbers"), QStringLiteral("40")}, "games add ID --numbers N --name NAME"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(run(QStringList{QStringLiteral("games"), QStringLiteral("add")} + c.args), Cli::Failure);
        EXPECT_TRUE(err.startsWith(QStringLiteral("numora-cli: ") + QString::fromUtf8(c.error))) << err.toStdString();
        EXPECT_EQ(err.count(QLatin1Char('\n')), 1);
        EXPECT_EQ(QDir(dir.filePath(QStringLiteral("games"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    }
    EXPECT_EQ(run({QStringLiteral("--game"), QStringLiteral("nosuch"), QStringLiteral("export-csv")}), Cli::Failure);
    EXPECT_EQ(err, QStringLiteral("numora-cli: unknown game \"nosuch\"\n"));
}

// A folder as today's release leaves it: the history, a tip file and a report beside the
// program, no games folder. Playing other games changes none of them, and the default game still
// reads them where they are.
class CliGamesRelease : public ::testing::Test, protected test::CliRunner {
protected:
    QTemporaryDir dir;
};

TEST_F(CliGamesRelease, AFolderAsTodaysReleaseLeavesItStaysTheDefaultGames)
{
    ASSERT_TRUE(dir.isValid());
    const QStringList at{QStringLiteral("--dir"), dir.path()};
    ASSERT_EQ(runIn(dir.path(), at + QStringList{QStringLiteral("import-csv"), QStringLiteral(NUMORA_SOURCE_DIR "/data/sayisal_loto.csv")}),
              Cli::Ok);
    ASSERT_TRUE(test::writeBytes(dir.filePath(QStringLiteral("Tipp.ntp")), "1,2,3,4,5,6\r\n"));
    ASSERT_TRUE(test::writeBytes(dir.filePath(QStringLiteral("Tipp.txt")), "report\r\n"));
    auto snapshot = [&] {
        QStringList entries;
        for (const QFileInfo& info : QDir(dir.path()).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name))
            entries << info.fileName() + QLatin1Char(' ') + QString::fromLatin1(test::readBytes(info.filePath()).toHex().left(64))
                    + QString::number(info.size());
        return entries;
    };
    const QStringList before = snapshot();

    ASSERT_EQ(runIn(dir.path(), at + QStringList{QStringLiteral("games")}), Cli::Ok) << err.toStdString();
    EXPECT_TRUE(out.startsWith(QStringLiteral("sayisal\t6/49\t1267\t16.11.1996\t02.11.2019\tSayisal Loto\n"))) << out.toStdString();
    const QString csv = dir.filePath(QStringLiteral("c.csv"));
    ASSERT_TRUE(test::writeBytes(csv, "date,n1,n2,n3,n4,n5,n6\n2022-01-03,1,2,3,4,5,90\n"));
    ASSERT_EQ(runIn(dir.path(), at + QStringList{QStringLiteral("--game"), QStringLiteral("cilgin"), QStringLiteral("import-csv"), csv}),
              Cli::Ok)
        << err.toStdString();
    QFile::remove(csv);
    EXPECT_EQ(snapshot(), before);

    ASSERT_EQ(runIn(dir.path(), at + QStringList{QStringLiteral("export-csv")}), Cli::Ok);
    EXPECT_EQ(out.count(QLatin1Char('\n')), 1268);
    ASSERT_EQ(runIn(dir.path(), at + QStringList{QStringLiteral("--game"), QStringLiteral("cilgin"), QStringLiteral("export-csv")}), Cli::Ok);
    EXPECT_EQ(out.section(QLatin1Char('\n'), 1), QStringLiteral("2022-01-03,1,2,3,4,5,90,0,0,0000000,000000\n"));
}

} // namespace
} // namespace numora
