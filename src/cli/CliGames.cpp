// numora-cli games, games add, and the game every other command plays (--game).
#include "cli/CliSupport.h"

#include "app/Einstellungen.h"
#include "base/DayDate.h"
#include "base/Formatting.h"
#include "base/RegistryKey.h"
#include "cli/CliCommands.h"
#include "draws/GameCatalog.h"

namespace numora::cli {

namespace {

// The game of this run of the program: one command, one game.
Game& playedGame()
{
    static Game game = GameCatalog::defaultGame();
    return game;
}

QString shortDate(double day) { return DayDate::formatShortDate(day); }

int addGame(const ProgramFolders& root, QStringList args, QTextStream& out, QTextStream& err)
{
    const QString usage = QStringLiteral(
        "games add ID --numbers N --name NAME [--days Mo,Mi,Sa] [--extra none|bonus|superzahl|joker]");
    if (args.isEmpty() || args.first().startsWith(QLatin1String("--")))
        return fail(err, usage);
    const QString id = args.takeFirst();
    QString name;
    int numbers = 0;
    std::vector<Game::DrawDay> days;
    Game::Extra extra = Game::Extra::None;
    bool numbersGiven = false;
    for (int i = 0; i < args.size(); i += 2) {
        const QString& option = args[i];
        if (i + 1 >= args.size())
            return fail(err, QStringLiteral("%1 needs a value; %2").arg(option, usage));
        const QString value = args[i + 1];
        if (option == QLatin1String("--numbers")) {
            const auto n = parseInteger(value);
            if (!n)
                return fail(err, QStringLiteral("--numbers: \"%1\" is not a number").arg(value));
            numbers = *n;
            numbersGiven = true;
        } else if (option == QLatin1String("--name")) {
            name = value.trimmed();
        } else if (option == QLatin1String("--days")) {
            for (const QString& day : value.split(QLatin1Char(','))) {
                const int weekday = Game::weekdayByName(day.trimmed());
                if (weekday == 0)
                    return fail(err, QStringLiteral("--days: \"%1\" is not one of Mo, Di, Mi, Do, Fr, Sa, So").arg(day));
                days.push_back({weekday, 0});
            }
        } else if (option == QLatin1String("--extra")) {
            const auto chosen = Game::extraByName(value);
            if (!chosen)
                return fail(err, QStringLiteral("--extra: \"%1\" is not none, bonus, superzahl or joker").arg(value));
            extra = *chosen;
        } else {
            return fail(err, QStringLiteral("unexpected argument \"%1\"; %2").arg(option, usage));
        }
    }
    if (!numbersGiven || name.isEmpty())
        return fail(err, usage);
    const Game game = GameCatalog::ownGame(id, name, numbers, std::move(days), extra);
    if (Status added = GameCatalog::add(root, game); !added)
        return fail(err, added.error().message);
    out << game.id << '\t' << game.shortForm() << '\t' << game.name << '\n';
    out.flush();
    return Ok;
}

} // namespace

const Game& played() { return playedGame(); }

std::optional<QString> choosePlayedGame(const ProgramFolders& root, std::optional<QString> id)
{
    if (!id) {
        // The game the window played last; an unknown or removed one falls back to the default.
        RegistryKey key = RegistryKey::userKey(QString::fromLatin1(Einstellungen::KeyPath));
        QString stored;
        if (key.load() && key.readString(QString::fromLatin1(Einstellungen::GameName), stored) == RegistryKey::Read::Ok
            && GameCatalog::find(root, stored))
            id = stored;
        else
            id = QString::fromLatin1(Game::DefaultId);
    }
    auto game = GameCatalog::find(root, *id);
    if (!game)
        return game.error().message;
    if (Status prepared = GameCatalog::prepare(root, *game); !prepared)
        return prepared.error().message;
    playedGame() = *game;
    return std::nullopt;
}

void usePlayedGame(ProgramState& state)
{
    std::optional<double> first;
    if (auto records = state.drawFile().readAll(); records && !records->empty())
        first = records->front().Datum;
    state.useGame(played(), first);
}

int games(const ProgramFolders& root, QStringList args, QTextStream& out, QTextStream& err)
{
    if (!args.isEmpty() && args.first() == QLatin1String("add"))
        return addGame(root, args.mid(1), out, err);
    if (!args.isEmpty())
        return fail(err, QStringLiteral("games takes no arguments, or add ID --numbers N --name NAME ..."));
    const GameCatalog::Listing listing = GameCatalog::all(root);
    for (const QString& problem : listing.problems)
        err << problem << '\n';
    for (const Game& game : listing.games) {
        QString first;
        QString last;
        std::size_t draws = 0;
        if (Status prepared = GameCatalog::prepare(root, game); !prepared) {
            err << prepared.error().message << '\n';
        } else {
            const DrawFile file(GameCatalog::foldersFor(root, game).data + QString::fromLatin1(DrawFile::DefaultName));
            if (file.exists()) {
                const auto records = file.readAll();
                if (!records)
                    err << records.error().message << '\n';
                else if (!records->empty()) {
                    draws = records->size();
                    first = shortDate(records->front().Datum);
                    last = shortDate(records->back().Datum);
                }
            }
        }
        out << game.id << '\t' << game.shortForm() << '\t' << draws << '\t' << first << '\t' << last << '\t'
            << game.name << '\n';
    }
    out.flush();
    err.flush();
    return Ok;
}

} // namespace numora::cli
