// pool and generate: the generator's weighted pool and a generated sheet, from a seed.
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"

#include "gen/Generator.h"

namespace numora::cli {

namespace {

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

} // namespace

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
    return Ok;
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
    return Ok;
}

} // namespace numora::cli
