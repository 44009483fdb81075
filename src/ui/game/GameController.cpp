// The menu "Spiel" and the games' side of the start: which game the window plays, the choice of
// a new installation, and a player's own game.
#include "ui/game/GameController.h"

#include "app/Einstellungen.h"
#include "base/RegistryKey.h"
#include "base/TextCatalog.h"
#include "draws/DrawFile.h"
#include "draws/GameCatalog.h"
#include "ui/common/WindowHooks.h"
#include "ui/game/OwnGameDialog.h"

#include <QAction>
#include <QActionGroup>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>

namespace numora::ui {

namespace {

RegistryKey defaultKey() { return RegistryKey::userKey(QString::fromLatin1(Einstellungen::KeyPath)); }

QString gameName() { return QString::fromLatin1(Einstellungen::GameName); }

} // namespace

GameController::GameController(const ProgramFolders& root, WindowHooks& hooks, QWidget* window)
    : QObject(window), m_root(root), m_hooks(hooks), m_window(window), m_menu(new QMenu(window)),
      m_items(new QActionGroup(this))
{
    setObjectName(QStringLiteral("GameController"));
    m_items->setExclusive(true);
    m_separator = m_menu->addSeparator();
    m_ownGame = m_menu->addAction(QString());
    connect(m_ownGame, &QAction::triggered, this, &GameController::addOwnGame);
    m_played = QString::fromLatin1(Game::DefaultId);
    retranslate();
}

void GameController::showPlayed(const Game& played)
{
    m_played = played.id;
    // The item that asked for the switch is still in its signal: deleted later.
    for (QAction* item : m_items->actions()) {
        m_menu->removeAction(item);
        m_items->removeAction(item);
        item->deleteLater();
    }
    const GameCatalog::Listing listing = GameCatalog::all(m_root);
    for (const Game& game : listing.games) {
        auto* item = new QAction(QStringLiteral("%1 (%2)").arg(game.name, game.shortForm()), m_items);
        item->setData(game.id);
        item->setCheckable(true);
        item->setChecked(game.id == played.id);
        m_menu->insertAction(m_separator, item);
        connect(item, &QAction::triggered, this, [this, id = game.id] {
            if (id != m_played)
                Q_EMIT switchRequested(id);
            else
                showPlayedTick();
        });
    }
}

void GameController::showPlayedTick()
{
    for (QAction* item : m_items->actions())
        item->setChecked(item->data().toString() == m_played);
}

void GameController::retranslate()
{
    m_menu->setTitle(tx(QStringLiteral("&Spiel")));
    m_ownGame->setText(tx(QStringLiteral("Eigenes Spiel…")));
    m_ownGame->setStatusTip(tx(QStringLiteral("Ein eigenes Spiel 6 aus N anlegen")));
}

Game GameController::storedGame() const
{
    RegistryKey key = defaultKey();
    QString stored;
    if (key.load() && key.readString(gameName(), stored) == RegistryKey::Read::Ok)
        if (auto game = GameCatalog::find(m_root, stored))
            return *game;
    return GameCatalog::defaultGame();
}

Status GameController::storePlayed(const QString& id) const
{
    RegistryKey key = defaultKey();
    if (Status loaded = key.load(); !loaded)
        return loaded;
    key.setString(gameName(), id);
    return key.save();
}

bool GameController::firstStart() const
{
    return !m_root.portable && !QFileInfo::exists(defaultKey().filePath())
        && !QFileInfo::exists(m_root.data + QString::fromLatin1(DrawFile::DefaultName));
}

QString GameController::suggestedGame(const QStringList& desktopLanguages)
{
    const QString first = desktopLanguages.value(0).toLower();
    if (first.startsWith(QLatin1String("tr")))
        return QStringLiteral("cilgin");
    if (first.startsWith(QLatin1String("de")))
        return QStringLiteral("lotto6aus49");
    return QString::fromLatin1(Game::DefaultId);
}

QString GameController::askFirstGame(const QString& suggested)
{
    const GameCatalog::Listing listing = GameCatalog::all(m_root);
    QStringList names;
    int current = 0;
    for (const Game& game : listing.games) {
        if (game.id == suggested)
            current = int(names.size());
        names << QStringLiteral("%1 (%2)").arg(game.name, game.shortForm());
    }
    bool ok = false;
    const QString chosen = QInputDialog::getItem(m_window, tx(QStringLiteral("Spiel wählen")),
                                                 tx(QStringLiteral("Welches Spiel spielen Sie? Sie können es später "
                                                                   "im Menü \"Spiel\" wechseln.")),
                                                 names, current, false, &ok);
    const qsizetype index = names.indexOf(chosen);
    if (!ok || index < 0)
        return QString::fromLatin1(Game::DefaultId);
    return listing.games[std::size_t(index)].id;
}

QString GameController::title(const Game& game, const QString& code)
{
    static const QString program = QStringLiteral("Veldors Numora");
    if (game.id == QLatin1String(Game::DefaultId))
        return program + QStringLiteral(" Sayisal Loto 6/49");
    return QStringLiteral("%1 %2 %3").arg(program, game.nameIn(code), game.shortForm());
}

void GameController::addOwnGame()
{
    OwnGameDialog dialog(m_window);
    dialog.setCheck([this](const Game& game) { return GameCatalog::add(m_root, game); });
    if (dialog.exec() != QDialog::Accepted)
        return;
    const Game& added = dialog.game();
    if (m_hooks.askYesNo(tx(QStringLiteral("Eigenes Spiel")),
                         tx(QStringLiteral("%1 (%2) ist angelegt. Jetzt zu diesem Spiel wechseln?")).arg(added.name, added.shortForm())))
        Q_EMIT switchRequested(added.id);
    else if (auto played = GameCatalog::find(m_root, m_played))
        showPlayed(*played);
}

} // namespace numora::ui
