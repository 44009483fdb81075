// search and report: a tip file searched in the history, and its text report.
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"

#include "base/DayDate.h"
#include "base/Formatting.h"
#include "eval/HistorySearch.h"
#include "output/TipFile.h"
#include "output/TipReport.h"
#include "session/RowCheck.h"

namespace numora::cli {

namespace {

// What search and report share: TIPFILE loaded onto an empty sheet, the weekday boxes set and
// the chosen date's draw shown.
struct SheetCommand {
    // The window's question is answered Yes; messages go to stderr.
    class Hooks final : public UiHooks {
    public:
        explicit Hooks(QTextStream& err) : m_err(err) {}
        void showMessage(const QString& text) override
        {
            m_err << text << '\n';
            m_err.flush();
        }
        bool askYesNo(const QString&, const QString&) override { return true; }

    private:
        QTextStream& m_err;
    };

    explicit SheetCommand(QTextStream& err) : hooks(err) { state.hooks = &hooks; }

    // `extra` names a further option besides --date, --set and TIPFILE; its value lands in `extraValue`.
    std::optional<QString> prepare(const ProgramFolders& folders, QStringList args, bool withStart,
                                   const QString& extra, std::optional<QString>& extraValue)
    {
        WindowOptions window;
        if (auto problem = takeWindowOptions(args, window, QStringLiteral("--date")))
            return problem;
        if (window.start && !withStart)
            return QStringLiteral("unexpected argument \"--start\"");
        QStringList rest;
        QStringList settings;
        for (int i = 0; i < args.size(); ++i) {
            const QString& a = args[i];
            if (a != QLatin1String("--set") && (extra.isEmpty() || a != extra)) {
                rest << a;
                continue;
            }
            if (i + 1 >= args.size())
                return QStringLiteral("%1 needs a value").arg(a);
            if (a == extra)
                extraValue = args[++i];
            else
                settings << args[++i];
        }
        if (rest.size() != 1 || rest.first().startsWith(QLatin1String("--")))
            return QStringLiteral("expected one TIPFILE and the options, not \"%1\"").arg(rest.join(QLatin1Char(' ')));
        for (const QString& setting : settings) {
            if (!setting.startsWith(QLatin1String("CheckBox16=")) && !setting.startsWith(QLatin1String("CheckBox17=")))
                return QStringLiteral("--set takes CheckBox16=0|1 or CheckBox17=0|1 here, not \"%1\"").arg(setting);
        }
        if (auto problem = startLikeTheWindow(state, folders, window))
            return problem;
        // After the start-up, so that a --set wins over a stored value.
        for (const QString& setting : settings)
            if (auto problem = applySetting(state, setting))
                return problem;
        if (const Status loaded = Textladen(rest.first(), state.sheet); !loaded)
            return loaded.error().message;
        // As the window's load ends: the sheet evaluated against the draw shown, complete rows sorted.
        state.sheet.setSheetReady(true);
        Komplettcheck(state);
        return std::nullopt;
    }

    Hooks hooks;
    ProgramState state;
};

} // namespace

// search TIPFILE: the history search answering Yes to every question.
int search(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err)
{
    SheetCommand command(err);
    std::optional<QString> thresholdText;
    if (auto problem = command.prepare(folders, args, true, QStringLiteral("--threshold"), thresholdText))
        return fail(err, *problem);
    std::int32_t threshold = 6;
    if (thresholdText) {
        const auto value = parseInteger(*thresholdText);
        if (!value)
            return fail(err, QStringLiteral("--threshold: \"%1\" is not an integer").arg(*thresholdText));
        threshold = *value;
    }
    const auto outcome = HistorySearch::search(command.state, threshold, [&out](const HistorySearch::Hit& hit) {
        out << DayDate::formatShortDate(hit.date) << '\t' << hit.row << '\t' << hit.hitCount << '\n';
    });
    if (!outcome)
        return fail(err, outcome.error().message);
    out << "last\t" << (outcome->lastVisited ? DayDate::formatShortDate(*outcome->lastVisited) : QStringLiteral("-"))
        << '\n';
    out.flush();
    return Ok;
}

// report TIPFILE: the lines of Tipp.txt for the draw shown for --date.
int report(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err)
{
    SheetCommand command(err);
    std::optional<QString> none;
    if (auto problem = command.prepare(folders, args, false, QString(), none))
        return fail(err, *problem);
    const ProgramState& state = command.state;
    const auto lines = TipReport::lines(
        state.sheet, TipReport::reportDate(state.currentDraw.date, state.saturdayDraws, state.wednesdayDraws),
        state.meldungen);
    if (!lines)
        return fail(err, lines.error().message);
    for (const QString& line : *lines)
        out << line << '\n';
    out.flush();
    return Ok;
}

} // namespace numora::cli
