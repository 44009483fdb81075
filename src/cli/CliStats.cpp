// stats KIND: one statistic of the history, as the chart shows it.
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"

#include "stats/Statistics.h"

namespace numora::cli {

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
    return Ok;
}

} // namespace numora::cli
