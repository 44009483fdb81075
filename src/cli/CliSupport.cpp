// What the commands share: the error line, the window's start-up, the options of the commands
// that work like the window.
#include "cli/CliSupport.h"

#include "app/Einstellungen.h"
#include "base/DayDate.h"
#include "base/Formatting.h"
#include "session/DrawBrowser.h"

namespace numora::cli {

namespace {

std::optional<QString> takeGenerationOptions(QStringList& args, GenerationOptions& options)
{
    QStringList rest;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a != QLatin1String("--seed") && a != QLatin1String("--set")) {
            rest << a;
            continue;
        }
        if (i + 1 >= args.size())
            return QStringLiteral("%1 needs a value").arg(a);
        const QString value = args[++i];
        if (a == QLatin1String("--seed")) {
            const auto seed = parseInteger(value);
            if (!seed)
                return QStringLiteral("--seed: \"%1\" is not a 32-bit integer").arg(value);
            options.seed = *seed;
        } else {
            options.settings << value;
        }
    }
    args = rest;
    return std::nullopt;
}

} // namespace

int fail(QTextStream& err, const QString& message)
{
    err << "numora-cli: " << message << '\n';
    err.flush();
    return Failure;
}

DrawFile drawFile(const ProgramFolders& folders)
{
    return DrawFile(folders.data + QString::fromLatin1(DrawFile::DefaultName));
}

std::optional<QString> takeWindowOptions(QStringList& args, WindowOptions& options, const QString& endName)
{
    QStringList rest;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--stored")) {
            options.stored = true;
            continue;
        }
        if (a != QLatin1String("--start") && a != endName) {
            rest << a;
            continue;
        }
        if (i + 1 >= args.size())
            return QStringLiteral("%1 needs a date DD.MM.YYYY").arg(a);
        const auto date = DayDate::parseShortDate(args[++i]);
        if (!date)
            return QStringLiteral("%1: \"%2\" is not a date DD.MM.YYYY").arg(a, args[i]);
        (a == QLatin1String("--start") ? options.start : options.end) = *date;
    }
    args = rest;
    return std::nullopt;
}

std::optional<QString> startLikeTheWindow(ProgramState& state, const ProgramFolders& folders, const WindowOptions& options)
{
    state.useFolders(folders);
    // The window would create an empty history here; a command has nothing to work on.
    if (!state.drawFile().exists())
        return QStringLiteral("%1: no draw file (import one with import-csv)").arg(state.drawFilePath());
    usePlayedGame(state);
    state.startDate.value = state.gameStartDate;
    if (options.stored) {
        WindowSize size;
        const auto report =
            Einstellungen(RegistryKey::userKey(Einstellungen::keyPathFor(state.game.id))).load(state, size);
        for (const QString& problem : report.problems)
            state.hooks->showMessage(QStringLiteral("%1: %2").arg(report.filePath, problem));
    }
    if (options.start && !state.startDate.setDate(*options.start))
        return QStringLiteral("--start: the start date cannot lie before %1").arg(DayDate::formatShortDate(state.startDate.minimum));
    state.chosenDate.value = state.todayDay();
    if (options.end && !state.chosenDate.setDate(*options.end))
        return QStringLiteral("--end: the chosen date cannot lie before %1").arg(DayDate::formatShortDate(state.chosenDate.minimum));
    state.startDateField = state.startDate.value;
    state.endDateField = state.chosenDate.value;
    const Status shown = DrawBrowser::showChosenDate(state);
    if (!shown)
        return shown.error().message;
    return std::nullopt;
}

std::optional<QString> splitSetting(const QString& setting, QString& name, QString& value)
{
    const qsizetype eq = setting.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return QStringLiteral("--set takes NAME=VALUE, not \"%1\"").arg(setting);
    name = setting.left(eq);
    value = setting.mid(eq + 1);
    return std::nullopt;
}

std::optional<QString> applySetting(ProgramState& state, const QString& setting)
{
    QString name;
    QString value;
    if (auto problem = splitSetting(setting, name, value))
        return problem;
    if (auto status = state.setOption(name, value); !status)
        return status.error().message;
    return std::nullopt;
}

std::optional<QString> prepareGeneration(ProgramState& state, const ProgramFolders& folders, QStringList& args,
                                         GenerationOptions& generation)
{
    WindowOptions window;
    if (auto problem = takeWindowOptions(args, window, QStringLiteral("--date")))
        return problem;
    if (auto problem = takeGenerationOptions(args, generation))
        return problem;
    if (!args.isEmpty())
        return QStringLiteral("unexpected argument \"%1\"").arg(args.first());
    if (!generation.seed)
        return QStringLiteral("--seed N is required");
    if (auto problem = startLikeTheWindow(state, folders, window))
        return problem;
    // After the start-up, so that a --set wins over a stored value.
    for (const QString& setting : generation.settings)
        if (auto problem = applySetting(state, setting))
            return problem;
    state.sheet.setSheetReady(true);
    return std::nullopt;
}

} // namespace numora::cli
