#include "draws/GameCatalog.h"

#include "base/FileSystem.h"
#include "base/TextCatalog.h"
#include "draws/DrawCsv.h"
#include "draws/DrawFile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <map>

namespace numora::GameCatalog {

namespace {

constexpr qint64 MaxDefinitionBytes = 64 * 1024;

QString definitionName(const QString& id) { return QStringLiteral("games/%1.game").arg(id); }

// A definition whose id differs from its file name would make two games of one file.
Expected<Game> readDefinition(const QByteArray& text, const QString& path, const QString& fileId)
{
    auto game = Game::parse(text, path);
    if (game && game->id != fileId)
        return Error{QStringLiteral("%1: %2").arg(path, tx(QStringLiteral("id \"%1\" differs from the file name")).arg(game->id))};
    return game;
}

Expected<Game> readFile(const QString& path)
{
    const auto bytes = FileSystem::readWhole(path, MaxDefinitionBytes);
    if (!bytes)
        return bytes.error();
    return readDefinition(*bytes, path, QFileInfo(path).completeBaseName());
}

QStringList definitionFiles(const QString& folder)
{
    QStringList ids;
    const QDir dir(folder + QStringLiteral("games"));
    for (const QFileInfo& info : dir.entryInfoList({QStringLiteral("*.game")}, QDir::Files, QDir::Name))
        ids << info.completeBaseName();
    return ids;
}

} // namespace

Game defaultGame()
{
    static const Game game = [] {
        for (const BuiltIn& b : builtIn())
            if (QLatin1String(b.fileName) == QLatin1String("sayisal.game"))
                if (auto parsed = Game::parse(QByteArray(b.text), QString::fromLatin1(b.fileName)))
                    return *parsed;
        return Game{};
    }();
    return game;
}

Listing all(const ProgramFolders& root)
{
    // id -> definition, later sources overriding earlier ones; a damaged file hides nothing below it.
    std::map<QString, Game> games;
    Listing listing;
    for (const BuiltIn& b : builtIn()) {
        const QString name = QString::fromLatin1(b.fileName);
        if (auto game = readDefinition(QByteArray(b.text), name, QFileInfo(name).completeBaseName()))
            games[game->id] = *game;
    }
    QStringList folders{root.shared};
    if (root.data != root.shared)
        folders << root.data;
    for (const QString& folder : folders)
        for (const QString& id : definitionFiles(folder)) {
            auto game = readFile(folder + definitionName(id));
            if (game)
                games[id] = *game;
            else
                listing.problems << game.error().message;
        }
    const QString first = QString::fromLatin1(Game::DefaultId);
    if (auto it = games.find(first); it != games.end()) {
        listing.games.push_back(it->second);
        games.erase(it);
    }
    for (auto& [id, game] : games)
        listing.games.push_back(game);
    return listing;
}

Expected<Game> find(const ProgramFolders& root, const QString& id)
{
    if (!Game::validId(id))
        return Error{tx(QStringLiteral("\"%1\" is not a game id: a small letter, then up to 31 small letters, digits, \"-\" or \"_\"")).arg(id)};
    // The user's own file first: its damage must not be hidden by a shipped game of the same id.
    for (const QString& folder : {root.data, root.shared}) {
        const QString path = folder + definitionName(id);
        if (QFileInfo::exists(path))
            return readFile(path);
    }
    for (const BuiltIn& b : builtIn())
        if (QLatin1String(b.fileName) == id + QStringLiteral(".game"))
            return readDefinition(QByteArray(b.text), QString::fromLatin1(b.fileName), id);
    return Error{tx(QStringLiteral("unknown game \"%1\"")).arg(id)};
}

ProgramFolders foldersFor(const ProgramFolders& root, const Game& game)
{
    if (game.id == QLatin1String(Game::DefaultId))
        return root;
    ProgramFolders folders = root;
    folders.data = root.data + QStringLiteral("games/%1/").arg(game.id);
    return folders;
}

Status prepare(const ProgramFolders& root, const Game& game)
{
    const QString historyName = QString::fromLatin1(DrawFile::DefaultName);
    if (game.id == QLatin1String(Game::DefaultId))
        return root.prepare(historyName);
    const ProgramFolders folders = foldersFor(root, game);
    if (Status made = FileSystem::makeFolder(folders.data); !made)
        return made;
    const DrawFile file(folders.data + historyName);
    if (file.exists())
        return Done{};
    const QString shipped = root.find(QStringLiteral("games/%1.csv").arg(game.id));
    if (!QFileInfo::exists(shipped))
        return Done{};
    const auto records = DrawCsv::readFile(shipped, game.numbers);
    if (!records)
        return records.error();
    // Through a temporary file: a crash leaves no draw file, and the next start writes it again.
    return file.replaceAll(*records);
}

Game ownGame(const QString& id, const QString& name, int numbers, std::vector<Game::DrawDay> days, Game::Extra extra)
{
    Game game;
    game.id = id;
    game.name = name.trimmed();
    game.numbers = numbers;
    game.days = std::move(days);
    game.extra = extra;
    // N out of range is add()'s error to name; the grid of 0 numbers would divide by zero.
    if (numbers >= Game::MinNumbers && numbers <= Game::MaxNumbers)
        Game::nearSquareGrid(numbers, game.gridColumns, game.gridRows);
    return game;
}

Status add(const ProgramFolders& root, const Game& game)
{
    if (!Game::validId(game.id))
        return Error{tx(QStringLiteral("\"%1\" is not a game id: a small letter, then up to 31 small letters, digits, \"-\" or \"_\""))
                         .arg(game.id)};
    if (game.numbers < Game::MinNumbers || game.numbers > Game::MaxNumbers)
        return Error{tx(QStringLiteral("a game draws 6 of %1..%2 numbers, not of %3"))
                         .arg(Game::MinNumbers).arg(Game::MaxNumbers).arg(game.numbers)};
    if (game.name.trimmed().isEmpty() || game.name.contains(QLatin1Char('\n')))
        return Error{tx(QStringLiteral("the game needs a name of one line"))};
    const auto listing = all(root);
    const bool taken = std::any_of(listing.games.begin(), listing.games.end(), [&](const Game& g) { return g.id == game.id; })
        || QFileInfo::exists(root.data + definitionName(game.id)) || QFileInfo::exists(root.shared + definitionName(game.id));
    if (taken)
        return Error{tx(QStringLiteral("a game \"%1\" exists already")).arg(game.id)};
    // What is written must read back as the same game.
    const QByteArray text = game.format();
    if (auto check = Game::parse(text, definitionName(game.id)); !check)
        return check.error();
    if (Status made = FileSystem::makeFolder(root.data + QStringLiteral("games")); !made)
        return made;
    const QString path = root.data + definitionName(game.id);
    return FileSystem::real().replaceFile(path, path + QLatin1Char('~'), text);
}

} // namespace numora::GameCatalog
