#pragma once

#include "base/ProgramFolders.h"
#include "model/Game.h"

#include <QObject>
#include <QStringList>

#include <optional>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

namespace numora::ui {

class WindowHooks;

// The menu "Spiel": the games of the catalogue (the one played ticked), "Eigenes Spiel…", and
// what the window asks at the first start. Switching itself is the main window's: it stores and
// loads the settings; the controller only says which game was chosen.
class GameController final : public QObject {
    Q_OBJECT
public:
    // `root` is the program's folders as the default game has them.
    GameController(const ProgramFolders& root, WindowHooks& hooks, QWidget* window);

    QMenu* menu() const { return m_menu; }
    QAction* ownGameAction() const { return m_ownGame; }
    // Lists the catalogue again and ticks `played`.
    void showPlayed(const Game& played);
    void retranslate();

    // The game the window played last (the value "Spiel" of the default game's key); the
    // default game when none is stored or the stored one is gone.
    Game storedGame() const;
    // Writes `id` as the game played into the default game's key. The store file keeps its
    // other values.
    Status storePlayed(const QString& id) const;
    // No settings store and no history in the user's folder: a new installation. A portable
    // folder brings its history, so it counts as an existing one.
    bool firstStart() const;
    // The game a desktop language suggests: Turkish, German, else the default game.
    static QString suggestedGame(const QStringList& desktopLanguages);
    // The short choice of the first start, `suggested` preselected; the default game when the
    // player cancels.
    QString askFirstGame(const QString& suggested);
    // The window title for `game` in the interface language `code`; the default game keeps the
    // program's designed title.
    static QString title(const Game& game, const QString& code);

    // "Eigenes Spiel…": the dialog, the game written, and the offer to switch to it.
    void addOwnGame();

Q_SIGNALS:
    void switchRequested(const QString& id);

private:
    void showPlayedTick();

    ProgramFolders m_root;
    WindowHooks& m_hooks;
    QWidget* m_window;
    QMenu* m_menu;
    QActionGroup* m_items;
    QAction* m_separator;
    QAction* m_ownGame;
    QString m_played;
};

} // namespace numora::ui
