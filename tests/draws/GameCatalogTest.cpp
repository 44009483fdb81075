#include "draws/GameCatalog.h"

#include "base/DayDate.h"
#include "draws/DrawFile.h"
#include "history/DrawEntry.h"
#include "session/ProgramState.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace numora {
namespace {

const QString gamesSource = QStringLiteral(NUMORA_SOURCE_DIR "/data/games/");

QByteArray shippedText(const QString& id) { return test::readBytes(gamesSource + id + QStringLiteral(".game")); }

QStringList filesBelow(const QString& dir)
{
    QStringList files;
    QDir root(dir);
    for (const QFileInfo& info : root.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        files << (info.isDir() ? info.fileName() + QLatin1Char('/') + filesBelow(info.filePath()).join(QLatin1Char(','))
                               : info.fileName());
    return files;
}

TEST(GameDefinition, TheShippedGamesReadAsTheIssueDescribesThem)
{
    struct Expect {
        const char* id;
        int numbers;
        Game::Extra extra;
        int columns, rows;
        std::vector<int> weekdays;
        bool ticketNumber;
    };
    const Expect table[] = {
        {"sayisal", 49, Game::Extra::None, 7, 7, {DayDate::Saturday, DayDate::Wednesday}, true},
        {"lotto6aus49", 49, Game::Extra::Superzahl, 7, 7, {DayDate::Saturday, DayDate::Wednesday}, false},
        {"cilgin", 90, Game::Extra::Joker, 10, 9, {DayDate::Monday, DayDate::Wednesday, DayDate::Saturday}, false},
        {"lotto649", 49, Game::Extra::Bonus, 7, 7, {DayDate::Saturday, DayDate::Wednesday}, false},
    };
    for (const Expect& e : table) {
        SCOPED_TRACE(e.id);
        const QString id = QString::fromLatin1(e.id);
        const auto game = Game::parse(shippedText(id), id + QStringLiteral(".game"));
        ASSERT_TRUE(game) << game.error().message;
        EXPECT_EQ(game->id, id);
        EXPECT_EQ(game->numbers, e.numbers);
        EXPECT_EQ(game->extra, e.extra);
        EXPECT_EQ(game->gridColumns, e.columns);
        EXPECT_EQ(game->gridRows, e.rows);
        std::vector<int> weekdays;
        for (const Game::DrawDay& d : game->days)
            weekdays.push_back(d.weekday);
        EXPECT_EQ(weekdays, e.weekdays);
        EXPECT_EQ(game->ticketNumber, e.ticketNumber);
        // What is built into the program is the shipped file, byte for byte.
        const auto built = std::find_if(GameCatalog::builtIn().begin(), GameCatalog::builtIn().end(),
                                        [&](const GameCatalog::BuiltIn& b) { return id + QStringLiteral(".game") == QLatin1String(b.fileName); });
        ASSERT_NE(built, GameCatalog::builtIn().end());
        EXPECT_EQ(QByteArray(built->text), shippedText(id));
        // A definition written reads back as the same game.
        const auto again = Game::parse(game->format(), QStringLiteral("again"));
        ASSERT_TRUE(again) << again.error().message;
        EXPECT_EQ(again->format(), game->format());
    }
    // Sayisal's Wednesday began on 18.07.2018: drawn on a Wednesday only from then on.
    const Game sayisal = GameCatalog::defaultGame();
    EXPECT_EQ(sayisal.id, QStringLiteral("sayisal"));
    EXPECT_FALSE(sayisal.drawnOn(DayDate::Wednesday, DayDate::fromYmd(2018, 7, 11)));
    EXPECT_TRUE(sayisal.drawnOn(DayDate::Wednesday, DayDate::fromYmd(2018, 7, 18)));
    EXPECT_EQ(sayisal.nameIn(QStringLiteral("tr")), QStringLiteral("Sayısal Loto"));
}

TEST(GameDefinition, TheNearSquareGridHoldsEveryNumber)
{
    struct Case {
        int numbers, columns, rows;
    };
    for (const Case c : {Case{7, 3, 3}, Case{36, 6, 6}, Case{45, 7, 7}, Case{49, 7, 7}, Case{54, 8, 7}, Case{90, 10, 9}}) {
        int columns = 0;
        int rows = 0;
        Game::nearSquareGrid(c.numbers, columns, rows);
        EXPECT_EQ(columns, c.columns) << c.numbers;
        EXPECT_EQ(rows, c.rows) << c.numbers;
    }
}

TEST(GameDefinition, ADamagedDefinitionIsRefusedNamingFileAndLine)
{
    const QByteArray head = "# a game\nid = mine\nname = Mine\n";
    struct Case {
        QByteArray text;
        const char* error;
    };
    const Case cases[] = {
        {head + "numbers = 91\n", "mine.game:4: numbers must lie in 7..90"},
        {head + "numbers = 6\n", "mine.game:4: numbers must lie in 7..90"},
        {head + "numbers = 49\nnumbers = 50\n", "mine.game:5: \"numbers\" given twice"},
        {head + "numbers = 49\ncolour = red\n", "mine.game:5: unknown key \"colour\""},
        {head + "numbers = 49\nextra = zusatz\n", "mine.game:5: bad value \"zusatz\" for \"extra\""},
        {head + "numbers = 49\ndays = Sa, Mittwoch\n", "mine.game:5: \"Mittwoch\" is not a weekday"},
        {head + "numbers = 49\ndays = Mi from 31.02.2018\n", "mine.game:5: \"Mi from 31.02.2018\" is not a weekday"},
        {head + "numbers = 49\nno value here\n", "mine.game:5: expected KEY = VALUE"},
        {head + "numbers = 49\nfee = 2,505\n", "mine.game:5: bad value"},
        {head + "numbers = 49\nresults = ftp://x/y.csv\n", "mine.game:5: bad value"},
        {head + "numbers = 90\ngrid = 7x7\n", "mine.game: the grid 7x7 does not hold 90 numbers"},
        {"id = mine\nname = Mine\n", "mine.game: missing \"numbers\""},
        {"id = Mine!\nname = Mine\nnumbers = 49\n", "mine.game:1: bad value \"Mine!\" for \"id\""},
    };
    for (const Case& c : cases) {
        const auto game = Game::parse(c.text, QStringLiteral("mine.game"));
        ASSERT_FALSE(game) << c.text.toStdString();
        EXPECT_TRUE(game.error().message.startsWith(QString::fromUtf8(c.error))) << game.error().message;
    }
}

class GameFolders : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    ProgramFolders root() const { return ProgramFolders::portableAt(dir.path()); }
    QString path(const QString& relative) const { return dir.filePath(relative); }

    QTemporaryDir dir;
};

TEST_F(GameFolders, APlayersDamagedFileIsNamedAndNeverHalfApplied)
{
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("games"))));
    ASSERT_TRUE(test::writeBytes(path(QStringLiteral("games/mine.game")), "id = mine\nname = Mine\nnumbers = 54\nextra = jokers\n"));
    // A player's file of a shipped id wins over the shipped game: its damage must not hide.
    ASSERT_TRUE(test::writeBytes(path(QStringLiteral("games/cilgin.game")), "id = cilgin\nname = C\nnumbers = 99\n"));

    const auto mine = GameCatalog::find(root(), QStringLiteral("mine"));
    ASSERT_FALSE(mine);
    EXPECT_EQ(mine.error().message, path(QStringLiteral("games/mine.game")) + QStringLiteral(":4: bad value \"jokers\" for \"extra\""));
    const auto cilgin = GameCatalog::find(root(), QStringLiteral("cilgin"));
    ASSERT_FALSE(cilgin);
    EXPECT_TRUE(cilgin.error().message.startsWith(path(QStringLiteral("games/cilgin.game:3:")))) << cilgin.error().message;

    // The listing keeps the good games (the built-in cilgin among them) and names both files.
    const auto listing = GameCatalog::all(root());
    QStringList ids;
    for (const Game& g : listing.games)
        ids << g.id;
    EXPECT_EQ(ids, (QStringList{QStringLiteral("sayisal"), QStringLiteral("cilgin"), QStringLiteral("lotto649"),
                                QStringLiteral("lotto6aus49")}));
    ASSERT_EQ(listing.problems.size(), 2);
    EXPECT_EQ(listing.games[1].numbers, 90);
}

TEST_F(GameFolders, APlayersGameIsWrittenOnceAndBadOnesWriteNothing)
{
    Game game;
    game.id = QStringLiteral("mine54");
    game.name = QStringLiteral("Meine 6 aus 54");
    game.numbers = 54;
    game.extra = Game::Extra::Bonus;
    game.days = {{DayDate::Tuesday, 0}, {DayDate::Friday, 0}};
    Game::nearSquareGrid(game.numbers, game.gridColumns, game.gridRows);

    struct Bad {
        QString id;
        int numbers;
        const char* error;
    };
    const Bad bad[] = {
        {QStringLiteral("Mine"), 54, "\"Mine\" is not a game id"},
        {QStringLiteral("../x"), 54, "\"../x\" is not a game id"},
        {QStringLiteral("mine"), 6, "a game draws 6 of 7..90 numbers, not of 6"},
        {QStringLiteral("mine"), 91, "a game draws 6 of 7..90 numbers, not of 91"},
        {QStringLiteral("cilgin"), 54, "a game \"cilgin\" exists already"},
    };
    for (const Bad& b : bad) {
        Game wrong = game;
        wrong.id = b.id;
        wrong.numbers = b.numbers;
        const Status added = GameCatalog::add(root(), wrong);
        ASSERT_FALSE(added) << b.id.toStdString();
        EXPECT_TRUE(added.error().message.startsWith(QString::fromUtf8(b.error))) << added.error().message;
        EXPECT_TRUE(filesBelow(dir.path()).isEmpty()) << filesBelow(dir.path()).join(QLatin1Char(' '));
    }

    ASSERT_TRUE(GameCatalog::add(root(), game));
    const auto found = GameCatalog::find(root(), QStringLiteral("mine54"));
    ASSERT_TRUE(found) << found.error().message;
    EXPECT_EQ(found->numbers, 54);
    EXPECT_EQ(found->extra, Game::Extra::Bonus);
    EXPECT_EQ(found->gridColumns, 8);
    EXPECT_EQ(found->gridRows, 7);
    EXPECT_EQ(found->days.size(), 2u);
    const QByteArray written = test::readBytes(path(QStringLiteral("games/mine54.game")));
    const Status twice = GameCatalog::add(root(), game);
    ASSERT_FALSE(twice);
    EXPECT_EQ(twice.error().message, QStringLiteral("a game \"mine54\" exists already"));
    EXPECT_EQ(test::readBytes(path(QStringLiteral("games/mine54.game"))), written);
}

TEST_F(GameFolders, EachGameKeepsItsOwnFolderAndTheDefaultKeepsTodays)
{
    const Game sayisal = GameCatalog::defaultGame();
    const auto cilgin = GameCatalog::find(root(), QStringLiteral("cilgin"));
    ASSERT_TRUE(cilgin);
    EXPECT_EQ(GameCatalog::foldersFor(root(), sayisal), root());
    const ProgramFolders own = GameCatalog::foldersFor(root(), *cilgin);
    EXPECT_EQ(own.data, dir.path() + QStringLiteral("/games/cilgin/"));
    EXPECT_EQ(own.shared, root().shared); // languages and templates stay the root's

    // A shipped history in the folder is the game's draw file at its first use; later uses keep
    // what the player made of it.
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("games"))));
    ASSERT_TRUE(QFile::copy(gamesSource + QStringLiteral("cilgin.csv"), path(QStringLiteral("games/cilgin.csv"))));
    ASSERT_TRUE(GameCatalog::prepare(root(), *cilgin));
    const DrawFile file(own.data + QStringLiteral("ZahlenTr.dat"));
    const auto records = file.readAll();
    ASSERT_TRUE(records) << records.error().message;
    ASSERT_EQ(records->size(), 113u);
    EXPECT_EQ(records->front().Datum, DayDate::fromYmd(2022, 1, 1));
    EXPECT_EQ(records->front().Zahlen[5], 90);
    EXPECT_EQ(records->front().Zusatzzahl, 20); // the Joker
    ASSERT_TRUE(file.replaceAll(std::span(records->data(), 3)));
    ASSERT_TRUE(GameCatalog::prepare(root(), *cilgin));
    EXPECT_EQ(file.readAll()->size(), 3u);
    // The default game's files are where they always were: nothing was made beside them.
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("ZahlenTr.dat"))));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("games/sayisal"))));
}

TEST_F(GameFolders, TheDrawEntryTakesTheGamesNumbersAndKeepsItsDraws)
{
    const auto cilgin = GameCatalog::find(root(), QStringLiteral("cilgin"));
    const auto lotto649 = GameCatalog::find(root(), QStringLiteral("lotto649"));
    ASSERT_TRUE(cilgin && lotto649);
    const Game sayisal = GameCatalog::defaultGame();
    struct Case {
        const Game* game;
        std::array<int, 6> numbers;
        int zusatzzahl;
        const char* error; // nullptr: accepted
    };
    const Case cases[] = {
        {&*cilgin, {1, 2, 3, 4, 5, 90}, 90, nullptr},
        {&*cilgin, {1, 2, 3, 4, 5, 91}, 0, "91 ist keine Zahl von 1 bis 90"},
        {&*cilgin, {1, 2, 3, 4, 5, 90}, 5, nullptr}, // a Joker may repeat one of the six
        {&sayisal, {1, 2, 3, 4, 5, 50}, 0, "50 ist keine Zahl von 1 bis 49"},
        {&sayisal, {1, 2, 3, 4, 4, 49}, 0, "Die sechs Zahlen sind nicht verschieden"},
        {&*lotto649, {1, 2, 3, 4, 5, 49}, 5, "Die Zusatzzahl 5 ist schon gezogen"},
        {&*lotto649, {1, 2, 3, 4, 5, 49}, 50, "50 ist keine Zahl von 1 bis 49"},
        {&*lotto649, {0, 2, 3, 4, 5, 49}, 7, "0 ist keine Zahl von 1 bis 49"},
    };
    for (const Case& c : cases) {
        const TZiehung draw = test::makeDraw(2024, 1, 3, c.numbers, c.zusatzzahl);
        const Status valid = DrawEntry::validate(*c.game, draw);
        if (c.error) {
            ASSERT_FALSE(valid) << c.game->id.toStdString();
            EXPECT_EQ(valid.error().message, QString::fromUtf8(c.error));
        } else {
            EXPECT_TRUE(valid) << valid.error().message.toStdString();
        }
    }

    // Canada drew on Wednesdays from 11.09.1985: a draw entered into its history keeps them,
    // where the default game's rule drops Wednesdays before 04.06.1986.
    const std::vector<TZiehung> history{test::makeDraw(1985, 9, 11, {1, 2, 3, 4, 5, 6}, 7),
                                        test::makeDraw(1985, 9, 14, {8, 9, 10, 11, 12, 13}, 14),
                                        test::makeDraw(1986, 9, 13, {15, 16, 17, 18, 19, 20}, 21)};
    for (const Game* game : {&*lotto649, &sayisal}) {
        ProgramState state;
        state.useFolders(GameCatalog::foldersFor(root(), *game));
        state.useGame(*game, history.front().Datum);
        ASSERT_TRUE(FileSystem::makeFolder(state.programDir));
        ASSERT_TRUE(test::writeRecords(state.drawFilePath(), history));
        ASSERT_TRUE(DrawEntry::store(state, test::makeDraw(1986, 1, 4, {30, 31, 32, 33, 34, 35})));
        const auto stored = state.drawFile().readAll();
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->size(), game == &sayisal ? 3u : 4u) << game->id.toStdString();
        EXPECT_EQ(stored->front().Datum == DayDate::fromYmd(1985, 9, 11), game != &sayisal);
    }
}

} // namespace
} // namespace numora
