// import-csv, export-csv, merge-csv and update: the history, its CSV form and its update over HTTP.
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"

#include "app/Einstellungen.h"
#include "base/DayDate.h"
#include "base/WebClient.h"
#include "draws/DrawCsv.h"
#include "history/DrawMerge.h"
#include "history/DrawUpdate.h"
#include "history/GameUpdate.h"

namespace numora::cli {

namespace {

// What merge-csv and update --csv print: the gaps left out, then one summary line. A conflict
// fails with one line on stderr naming the dates.
int reportMerge(const Expected<DrawMerge::Outcome>& outcome, QTextStream& out, QTextStream& err)
{
    if (!outcome)
        return fail(err, outcome.error().message);
    const DrawMerge::Plan& plan = outcome->plan;
    for (const QString& note : outcome->notes)
        out << "note\t" << note << '\n';
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
    return Ok;
}

bool isAddress(const QString& source)
{
    return source.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
        || source.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

} // namespace

int importCsv(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err)
{
    if (args.size() != 1)
        return fail(err, QStringLiteral("import-csv takes one argument: the CSV file"));
    const auto records = DrawCsv::readFile(args.first(), played().numbers);
    if (!records)
        return fail(err, records.error().message);
    const DrawFile file = drawFile(folders);
    const auto before = file.exists() ? file.readAll() : std::vector<TZiehung>{};
    if (!before)
        return fail(err, before.error().message);
    const auto status = file.replaceAllKeepingBackup(*records);
    if (!status)
        return fail(err, status.error().message);
    out << DrawCsv::importSummary(before->size(), records->size(), file.backupPath()) << '\n';
    out.flush();
    return Ok;
}

int exportCsv(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err)
{
    if (!args.isEmpty())
        return fail(err, QStringLiteral("export-csv takes no arguments"));
    const auto records = drawFile(folders).readAll();
    if (!records)
        return fail(err, records.error().message);
    out << QString::fromUtf8(DrawCsv::format(*records));
    out.flush();
    return Ok;
}

// merge-csv FILE|URL [--insert-gaps]: the draws of a results CSV added to the history.
int mergeCsv(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err)
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
    usePlayedGame(state);
    const auto gaps = insertGaps ? DrawMerge::Gaps::Insert : DrawMerge::Gaps::Leave;
    const QString& source = sources.first();
    if (isAddress(source)) {
        WebClient client;
        client.setMaxBodyBytes(DrawCsv::MaxFileBytes);
        return reportMerge(DrawMerge::mergeAddress(state, client, source, gaps), out, err);
    }
    const auto table = DrawCsv::readTableFile(source, state.game.numbers);
    if (!table)
        return fail(err, table.error().message);
    return reportMerge(DrawMerge::merge(state, *table, gaps), out, err);
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
    usePlayedGame(state);
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
    const bool defaultGame = state.game.id == QLatin1String(Game::DefaultId);
    if (base && !defaultGame)
        return fail(err, QStringLiteral("the update service serves %1 only; %2 is updated from a results CSV (--csv URL)")
                             .arg(QString::fromLatin1(Game::DefaultId), state.game.id));
    // Without an address on the command line, the one the window keeps counts.
    if (!base && !csv) {
        RegistryKey key = RegistryKey::userKey(Einstellungen::keyPathFor(state.game.id));
        QString stored;
        if (!(key.load() && key.readString(QString::fromLatin1(Einstellungen::CsvAddressName), stored)
                  == RegistryKey::Read::Ok))
            stored.clear();
        if (defaultGame) {
            if (!stored.trimmed().isEmpty())
                csv = stored.trimmed();
        } else {
            // Another game: its own address, else the one of its definition; none is no request.
            const GameUpdate::Plan plan = GameUpdate::plan(state, stored);
            if (plan.kind == GameUpdate::Plan::Kind::NoLongerDrawn) {
                out << plan.message << '\n';
                out.flush();
                return Ok;
            }
            if (plan.kind == GameUpdate::Plan::Kind::NoAddress)
                return fail(err, plan.message);
            csv = plan.address;
        }
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
    return Ok;
}

} // namespace numora::cli
