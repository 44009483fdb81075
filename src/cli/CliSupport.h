#pragma once

// What the commands of numora-cli share: error lines, the window's start-up and the options of
// the commands that work like the window. The dispatcher is not here: no command file needs it.
#include "cli/ExitStatus.h"
#include "draws/DrawFile.h"
#include "session/ProgramState.h"
#include "model/UiHooks.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <cstdint>
#include <optional>

namespace numora::cli {

// The game this run plays (--game, else the one the window played last, else the default).
const Game& played();
// Picks the game `id` (none: the stored one) and prepares its folder; an error line otherwise.
std::optional<QString> choosePlayedGame(const ProgramFolders& root, std::optional<QString> id);
// The played game set into `state`, whose folders are set already.
void usePlayedGame(ProgramState& state);

// One line "numora-cli: MESSAGE" on `err`; returns the failure status.
int fail(QTextStream& err, const QString& message);

// The history file in the folders a command works in.
DrawFile drawFile(const ProgramFolders& folders);

// Messages the window would show in a box go to stderr; the command goes on.
class StderrHooks : public UiHooks {
public:
    explicit StderrHooks(QTextStream& err) : m_err(err) {}
    void showMessage(const QString& text) override
    {
        m_err << text << '\n';
        m_err.flush();
    }

private:
    QTextStream& m_err;
};

// Splits one --set argument NAME=VALUE; an error line when it has no name or no "=".
std::optional<QString> splitSetting(const QString& setting, QString& name, QString& value);

// Applies one --set: the generation options, the tip count, the weekday boxes.
std::optional<QString> applySetting(ProgramState& state, const QString& setting);

// The options every command that works like the window shares: the history window's dates.
struct WindowOptions {
    std::optional<double> start;
    std::optional<double> end;
    // --stored: start from the settings the window stored, not from a fresh installation's.
    bool stored = false;
};

// Reads "--start D", "--end D" (or `endName`, "--date" for generation) and "--stored" from
// `args`; what is left stays in `args`.
std::optional<QString> takeWindowOptions(QStringList& args, WindowOptions& options,
                                         const QString& endName = QStringLiteral("--end"));

// The state after start-up: the stored settings loaded when --stored was given, the start date
// picked, and the draw of the chosen date shown, so that the chosen date stands on that draw.
// Messages about an unreadable store go to `err`.
std::optional<QString> startLikeTheWindow(ProgramState& state, const ProgramFolders& folders, const WindowOptions& options);

// --seed N and --set NAME=VALUE of pool and generate; options start at a fresh installation's.
struct GenerationOptions {
    std::optional<std::int32_t> seed;
    QStringList settings;
};

// --date, --start, --seed (required) and --set; nothing else may be left in `args`.
std::optional<QString> prepareGeneration(ProgramState& state, const ProgramFolders& folders, QStringList& args,
                                         GenerationOptions& generation);

} // namespace numora::cli
