#include "cli/Cli.h"

#include "cli/CliSupport.h"

#include "base/DayDate.h"
#include "base/Formatting.h"
#include "base/Version.h"
#include "app/Einstellungen.h"
#include "session/ProgramState.h"
#include "session/DrawBrowser.h"
#include "draws/DrawCsv.h"
#include "draws/DrawFile.h"
#include "base/WebClient.h"
#include "cli/CliPrint.h"
#include "history/DrawMerge.h"
#include "history/DrawUpdate.h"
#include "eval/HistorySearch.h"
#include "session/RowCheck.h"
#include "gen/Generator.h"
#include "output/TipFile.h"
#include "output/TipReport.h"
#include "stats/Statistics.h"

#include <functional>
#include <map>
#include <optional>

#include <QFile>

namespace numora {

namespace cli {

int fail(QTextStream& err, const QString& message)
{
    err << "numora-cli: " << message << '\n';
    err.flush();
    return Cli::Failure;
}

int importCsv(const DrawFile& file, const QStringList& args, QTextStream& err)
{
    if (args.size() != 1)
        return fail(err, QStringLiteral("import-csv takes one argument: the CSV file"));
    const auto records = DrawCsv::readFile(args.first());
    if (!records)
        return fail(err, records.error().message);
    const auto status = file.replaceAll(*records);
    if (!status)
        return fail(err, status.error().message);
    return Cli::Ok;
}

int exportCsv(const DrawFile& file, const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (!args.isEmpty())
        return fail(err, QStringLiteral("export-csv takes no arguments"));
    const auto records = file.readAll();
    if (!records)
        return fail(err, records.error().message);
    out << QString::fromUtf8(DrawCsv::format(*records));
    out.flush();
    return Cli::Ok;
}

// What merge-csv and update --csv print: the gaps left out, then one summary line. A conflict
// fails with one line on stderr naming the dates.
int reportMerge(const Expected<DrawMerge::Outcome>& outcome, QTextStream& out, QTextStream& err)
{
    if (!outcome)
        return fail(err, outcome.error().message);
    const DrawMerge::Plan& plan = outcome->plan;
    if (outcome->inserted == 0) {
        QStringList dates;
        for (const TZiehung& gap : plan.gaps)
            if (const QString date = DayDate::formatShortDate(gap.Datum); dates.isEmpty() || dates.last() != date)
                dates << date;
        for (const QString& date : dates)
            out << "gap\t" << date << '\n';
    }
    out << "appended\t" << outcome->appended << "\tpresent\t" << plan.present << "\tconflicts\t"
        << plan.conflicts.size() << "\tgaps\t" << plan.gaps.size() << "\tinserted\t" << outcome->inserted << '\n';
    out.flush();
    if (!plan.conflicts.empty())
        return fail(err, DrawMerge::conflictMessage(plan, QStringLiteral("; ")));
    return Cli::Ok;
}

bool isAddress(const QString& source)
{
    return source.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
        || source.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

// merge-csv FILE|URL [--insert-gaps]: the draws of a results CSV added to the history.
int mergeCsv(const ProgramFolders& folders, const QStringList& args, QTextStream& out, QTextStream& err)
{
    QStringList sources;
    bool insertGaps = false;
    for (const QString& a : args) {
        if (a == QLatin1String("--insert-gaps"))
            insertGaps = true;
        else
            sources << a;
    }
    if (sources.size() != 1 || sources.first().startsWith(QLatin1String("--")))
        return fail(err, QStringLiteral("merge-csv takes one CSV file or http(s) address and [--insert-gaps]"));
    ProgramState state;
    state.useFolders(folders);
    const auto gaps = insertGaps ? DrawMerge::Gaps::Insert : DrawMerge::Gaps::Leave;
    const QString& source = sources.first();
    if (isAddress(source)) {
        WebClient client;
        client.setMaxBodyBytes(DrawCsv::MaxFileBytes);
        return reportMerge(DrawMerge::mergeAddress(state, client, source, gaps), out, err);
    }
    const auto lines = DrawCsv::readLinesFile(source);
    if (!lines)
        return fail(err, lines.error().message);
    return reportMerge(DrawMerge::merge(state, *lines, gaps), out, err);
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
    state.startDate.value = ProgramState::designedStartDate();
    if (options.stored) {
        WindowSize size;
        const auto report = Einstellungen().load(state, size);
        for (const QString& problem : report.problems)
            state.hooks->showMessage(QStringLiteral("%1: %2").arg(report.filePath, problem));
    }
    if (options.start && !state.startDate.setDate(*options.start))
        return QStringLiteral("--start: the start date cannot lie before 15.11.1996");
    state.chosenDate.value = state.todayDay();
    if (options.end && !state.chosenDate.setDate(*options.end))
        return QStringLiteral("--end: the chosen date cannot lie before 15.11.1996");
    state.startDateField = state.startDate.value;
    state.endDateField = state.chosenDate.value;
    const Status shown = DrawBrowser::showChosenDate(state);
    if (!shown)
        return shown.error().message;
    return std::nullopt;
}

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

// Applies one --set: the generation options, the tip count, the weekday boxes.
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

// The state of pool and generate, with the random state set to the seed right before the run.
struct GenerationCommand {
    explicit GenerationCommand(QTextStream& err) : hooks(err) { state.hooks = &hooks; }

    std::optional<QString> prepare(const ProgramFolders& folders, QStringList& args)
    {
        GenerationOptions generation;
        if (auto problem = prepareGeneration(state, folders, args, generation))
            return problem;
        state.random->setState(static_cast<std::uint32_t>(*generation.seed));
        return std::nullopt;
    }

    StderrHooks hooks;
    ProgramState state;
};

int pool(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err)
{
    GenerationCommand command(err);
    if (auto problem = command.prepare(folders, args))
        return fail(err, *problem);
    const auto built = Generator::buildPool(command.state);
    if (!built)
        return fail(err, built.error().message);
    QStringList entries;
    for (std::uint8_t v : built->value_or(std::vector<std::uint8_t>{}))
        entries << QString::number(v);
    out << entries.join(QLatin1Char(',')) << '\n';
    out.flush();
    return Cli::Ok;
}

int generate(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err)
{
    GenerationCommand command(err);
    if (auto problem = command.prepare(folders, args))
        return fail(err, *problem);
    ProgramState& state = command.state;
    const auto result = Generator::generate(state);
    if (!result)
        return fail(err, result.error().message);
    if (result->end == GenerationResult::End::PoolTooSmall)
        return fail(err, Generator::poolTooSmallMessage());
    for (int r = 0; r < TTippSchein::RowCount; ++r) {
        out << state.sheet.rowText(r) << '\n';
    }
    out << state.meldungen[result->end == GenerationResult::End::BudgetSpent ? 25 : 26] << '\n';
    out << "candidates\t" << result->candidates << '\n';
    out.flush();
    return Cli::Ok;
}

// update [--base URL] [--until D]: the window's draw update, one line per day that added draws.
// update --csv URL [--insert-gaps] [--until D], or a CSV address the window stored: the CSV merged.
int update(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err)
{
    // An unreadable line or a service that does not answer ends the command with one error line.
    UiHooks hooks;
    ProgramState state;
    state.hooks = &hooks;
    state.useFolders(folders);
    std::optional<double> until;
    std::optional<QString> csv;
    bool base = false;
    bool insertGaps = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--insert-gaps")) {
            insertGaps = true;
            continue;
        }
        if ((a != QLatin1String("--base") && a != QLatin1String("--until") && a != QLatin1String("--csv"))
            || i + 1 >= args.size())
            return fail(err, QStringLiteral("update takes [--base URL | --csv URL [--insert-gaps]] [--until DD.MM.YYYY], "
                                            "not \"%1\"")
                                 .arg(a));
        const QString value = args[++i];
        if (a == QLatin1String("--base")) {
            state.hosts.services = value;
            base = true;
        } else if (a == QLatin1String("--csv")) {
            csv = value;
        } else {
            until = DayDate::parseShortDate(value);
            if (!until)
                return fail(err, QStringLiteral("--until: \"%1\" is not a date DD.MM.YYYY").arg(value));
        }
    }
    if (base && csv)
        return fail(err, QStringLiteral("update takes either --base or --csv"));
    // Without an address on the command line, the one the window keeps counts.
    if (!base && !csv) {
        RegistryKey key = RegistryKey::userKey(QString::fromLatin1(Einstellungen::KeyPath));
        QString stored;
        if (key.load() && key.readString(QString::fromLatin1(Einstellungen::CsvAddressName), stored)
                == RegistryKey::Read::Ok
            && !stored.trimmed().isEmpty())
            csv = stored.trimmed();
    }
    if (insertGaps && !csv)
        return fail(err, QStringLiteral("--insert-gaps goes with a CSV address"));
    if (until)
        state.today = [day = *until] { return DayDate::toDate(day).value_or(QDate::currentDate()); };
    state.chosenDate.setDate(state.todayDay());
    WebClient client;
    if (csv) {
        client.setMaxBodyBytes(DrawCsv::MaxFileBytes);
        return reportMerge(DrawMerge::mergeAddress(state, client, *csv,
                                                   insertGaps ? DrawMerge::Gaps::Insert : DrawMerge::Gaps::Leave),
                           out, err);
    }
    RunControl control;
    const auto outcome = DrawUpdate::run(state, client, control, [&out](double day, int draws) {
        out << DayDate::formatShortDate(day) << '\t' << draws << '\n';
        out.flush();
    });
    if (!outcome)
        return fail(err, outcome.error().message);
    out << "added\t" << outcome->draws << "\tdays\t" << outcome->days << '\n';
    out.flush();
    if (outcome->unreadableLine)
        return fail(err, QStringLiteral("the service sent a line that is no draw: %1").arg(*outcome->unreadableLine));
    if (outcome->unreachable)
        return fail(err, *outcome->unreachable);
    return Cli::Ok;
}

int stats(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err)
{
    WindowOptions options;
    if (auto problem = takeWindowOptions(args, options))
        return fail(err, *problem);
    QStringList names;
    for (const Statistics::Kind& kind : Statistics::kinds())
        names << QString::fromLatin1(kind.name);
    names.sort();
    const Statistics::Operation operation = args.size() == 1 ? Statistics::byName(args.first()) : nullptr;
    if (!operation)
        return fail(err, QStringLiteral("stats takes one KIND of: %1").arg(names.join(QStringLiteral(", "))));

    StderrHooks hooks(err);
    ProgramState state;
    state.hooks = &hooks;
    if (auto problem = startLikeTheWindow(state, folders, options))
        return fail(err, *problem);
    const auto run = operation(state);
    if (!run)
        return fail(err, run.error().message);

    const ResultSeries& chart = state.chart;
    out << chart.title << '\n';
    if (chart.range.automatic)
        out << "range\tauto\n";
    else
        out << "range\t" << chart.range.minimum << '\t' << chart.range.maximum << '\n';
    for (const ChartPoint& p : chart.points)
        out << p.x << '\t' << p.y << '\n';
    out.flush();
    return Cli::Ok;
}

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

// search TIPFILE: the history search answering Yes to every question.
int search(const ProgramFolders& folders, const QStringList& args, QTextStream& out, QTextStream& err)
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
    return Cli::Ok;
}

// report TIPFILE: the lines of Tipp.txt for the draw shown for --date.
int report(const ProgramFolders& folders, const QStringList& args, QTextStream& out, QTextStream& err)
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
    return Cli::Ok;
}

int settings(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (!args.isEmpty())
        return fail(err, QStringLiteral("settings takes no arguments"));
    RegistryKey key = RegistryKey::userKey(QString::fromLatin1(Einstellungen::KeyPath));
    if (const Status loaded = key.load(); !loaded)
        return fail(err, loaded.error().message);
    for (const QString& problem : key.problems())
        err << key.filePath() << ": " << problem << '\n';
    for (const RegistryKey::Value& v : key.values()) {
        out << v.name << '\t';
        switch (v.type) {
        case RegistryKey::Type::Dword:
            out << "dword\t" << v.dword;
            break;
        case RegistryKey::Type::String:
            out << "sz\t" << v.text;
            break;
        case RegistryKey::Type::Binary:
            out << (v.hexType == 3 ? QStringLiteral("binary") : QStringLiteral("hex(%1)").arg(v.hexType, 0, 16)) << '\t'
                << QString::fromLatin1(v.bytes.toHex(','));
            break;
        }
        out << '\n';
    }
    out.flush();
    err.flush();
    return Cli::Ok;
}

} // namespace cli

QString Cli::usage()
{
    return QStringLiteral("usage: numora-cli [--dir DIR] import-csv FILE | export-csv | merge-csv FILE|URL [--insert-gaps] | "
                          "stats KIND [--start DD.MM.YYYY] [--end DD.MM.YYYY] | "
                          "pool|generate --seed N [--date DD.MM.YYYY] [--start DD.MM.YYYY] [--set NAME=VALUE]... | "
                          "update [--base URL | --csv URL [--insert-gaps]] [--until DD.MM.YYYY] | "
                          "search TIPFILE [--date D] [--start D] [--threshold N] [--set CheckBox16|17=0|1]... | "
                          "report TIPFILE [--date D] [--set CheckBox16|17=0|1]... | "
                          "backtest --seed N [--date DD.MM.YYYY] [--start DD.MM.YYYY] [--set NAME=VALUE]... [--compare] | "
                          "recurrence [--date DD.MM.YYYY] [--start DD.MM.YYYY] | settings | "
                          "ticket check NUMBER | ticket generate --seed N [--level L] [--last-digit D] | "
                          "print TIPFILE [--marks] [--pdf FILE] [--set NAME=VALUE]... | "
                          "wheel build --numbers LIST --guarantee T:P [--keys LIST] [--seed N] [--seconds S] [--rows MAX] | "
                          "wheel check FILE --numbers LIST --guarantee T:P [--keys LIST] | wheel list; "
                          "--stored starts a command from the settings the window stored");
}

QString Cli::help()
{
    return QStringLiteral(
        "Usage: numora-cli [--dir DIR] COMMAND [ARGUMENTS]\n"
        "The command line of Numora, a program for players of Sayisal Loto (6 of 49): keeps the\n"
        "history of the draws, shows its statistics, generates, checks and prints tip sheets.\n"
        "\n"
        "Commands:\n"
        "  import-csv FILE          replace the history by the draws of a CSV file\n"
        "  export-csv               write the history as CSV to standard output\n"
        "  merge-csv FILE|URL [--insert-gaps]\n"
        "                           add the draws of a results CSV to the history\n"
        "  update [--base URL | --csv URL [--insert-gaps]] [--until DD.MM.YYYY]\n"
        "                           bring the history up to date over HTTP\n"
        "  stats KIND [--start D] [--end D]\n"
        "                           one statistic of the history, as the chart shows it\n"
        "  pool --seed N [...]      the weighted number pool of the generator\n"
        "  generate --seed N [--date D] [--start D] [--set NAME=VALUE]...\n"
        "                           generate a sheet of tip rows\n"
        "  search TIPFILE [--date D] [--start D] [--threshold N]\n"
        "                           search the history for the rows of a tip file\n"
        "  report TIPFILE [--date D] the text report of a tip file\n"
        "  backtest --seed N [--date D] [--start D] [--set NAME=VALUE]... [--compare]\n"
        "                           replay the generator over the history; --compare tests the\n"
        "                           result against random quick picks\n"
        "  recurrence [--date D] [--start D]\n"
        "                           when the draws' numbers came up again\n"
        "  settings                 the settings the window stored\n"
        "  ticket check NUMBER | ticket generate --seed N [--level L] [--last-digit D]\n"
        "                           the ticket number\n"
        "  print TIPFILE [--marks] [--pdf FILE] [--set NAME=VALUE]...\n"
        "                           print a tip file onto the paper ticket\n"
        "  wheel build --numbers LIST --guarantee T:P [--keys LIST] [--seed N] [--seconds S] [--rows MAX]\n"
        "                           a wheel of six-number rows over LIST (\"1-12,17\") whose\n"
        "                           guarantee (T hits when P of the drawn are in LIST) is proved;\n"
        "                           from the shipped catalogue where it has one; the --keys stand\n"
        "                           in every row; below the guarantee's size, the best MAX rows\n"
        "  wheel check FILE --numbers LIST --guarantee T:P [--keys LIST]\n"
        "                           prove a wheel's guarantee and count what it wins against\n"
        "                           all 13,983,816 draws\n"
        "  wheel list               the catalogue's wheels: V, T:P, rows, the published size\n"
        "\n"
        "Options:\n"
        "  --dir DIR      use the files in DIR (a portable folder) instead of the usual ones\n"
        "  --stored       start a command from the settings the window stored\n"
        "  --help         show this text\n"
        "  --version      show the version\n"
        "\n"
        "Files: installed, each user's history and files are in $XDG_DATA_HOME/numora\n"
        "(~/.local/share/numora); a folder that holds a writable ZahlenTr.dat beside the program\n"
        "keeps everything there. Exit status 0 on success, 1 when a wheel is not found or does\n"
        "not hold; an error prints one line on standard error and gives 2.\n"
        "Draws are random: no statistic predicts them.\n");
}

ProgramFolders Cli::folders(const QString& executableDir)
{
    return ProgramFolders::forExecutable(executableDir, QString::fromLatin1(DrawFile::DefaultName));
}

int Cli::run(const QStringList& arguments, const QString& executableDir, QTextStream& out, QTextStream& err)
{
    using namespace cli;
    QStringList args = arguments;
    if (args.size() == 1 && (args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h"))) {
        out << help();
        out.flush();
        return Ok;
    }
    if (args.size() == 1 && args.first() == QLatin1String("--version")) {
        out << "numora-cli " << programVersion() << '\n';
        out.flush();
        return Ok;
    }
    ProgramFolders folders = Cli::folders(executableDir);
    if (!args.isEmpty() && args.first() == QLatin1String("--dir")) {
        if (args.size() < 2 || args.at(1).isEmpty())
            return fail(err, QStringLiteral("--dir needs a directory"));
        folders = ProgramFolders::portableAt(args.at(1));
        args = args.mid(2);
    }
    if (args.isEmpty())
        return fail(err, usage());
    const QString command = args.takeFirst();
    if (Status prepared = folders.prepare(QString::fromLatin1(DrawFile::DefaultName)); !prepared)
        return fail(err, prepared.error().message);
    const DrawFile file(folders.data + QString::fromLatin1(DrawFile::DefaultName));
    if (command == QLatin1String("import-csv"))
        return importCsv(file, args, err);
    if (command == QLatin1String("export-csv"))
        return exportCsv(file, args, out, err);
    if (command == QLatin1String("merge-csv"))
        return mergeCsv(folders, args, out, err);
    if (command == QLatin1String("stats"))
        return stats(folders, args, out, err);
    if (command == QLatin1String("update"))
        return update(folders, args, out, err);
    if (command == QLatin1String("pool"))
        return pool(folders, args, out, err);
    if (command == QLatin1String("generate"))
        return generate(folders, args, out, err);
    if (command == QLatin1String("search"))
        return search(folders, args, out, err);
    if (command == QLatin1String("report"))
        return report(folders, args, out, err);
    if (command == QLatin1String("settings"))
        return settings(args, out, err);
    if (command == QLatin1String("backtest"))
        return backtest(folders, args, out, err);
    if (command == QLatin1String("recurrence"))
        return recurrence(folders, args, out, err);
    if (command == QLatin1String("ticket"))
        return CliPrint::ticket(folders, args, out, err);
    if (command == QLatin1String("print"))
        return CliPrint::print(folders, args, out, err);
    if (command == QLatin1String("wheel"))
        return wheel(args, out, err);
    return fail(err, QStringLiteral("unknown command \"%1\"; %2").arg(command, usage()));
}

} // namespace numora
