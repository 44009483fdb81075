// backtest and recurrence: the two historical analyses of the "Datenbank" tab, printed.
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"

#include "base/DayDate.h"
#include "eval/Backtest.h"
#include "eval/ChanceComparison.h"
#include "eval/Recurrence.h"

namespace numora::cli {

namespace {

// Answers the one input box with `answer`; messages end the command as its error line.
class AnswerHooks final : public UiHooks {
public:
    explicit AnswerHooks(QString answer) : m_answer(std::move(answer)) {}
    QString askText(const QString&, const QString&, const QString&) override { return m_answer; }
    void showMessage(const QString& text) override { messages << text; }
    QStringList messages;

private:
    QString m_answer;
};

// The window starts the analyses from the date in its picker, not from the draw shown for it.
std::optional<double> chosenDateIn(const QStringList& args)
{
    const qsizetype at = args.indexOf(QStringLiteral("--date"));
    if (at < 0 || at + 1 >= args.size())
        return std::nullopt;
    return DayDate::parseShortDate(args.at(at + 1));
}

QString fixed(double value, int decimals) { return QString::number(value, 'f', decimals); }

void printComparison(const ChanceComparison& c, QTextStream& out)
{
    out << "hits\toptions\tcontrol\texpected\n";
    for (int k = 0; k <= 6; ++k) {
        const std::size_t i = std::size_t(k);
        out << k << '\t' << c.replay[i] << '\t' << c.control[i] << '\t' << fixed(c.expected[i], 2) << '\n';
    }
    std::int64_t controlWins = 0;
    for (int k = 3; k <= 6; ++k)
        controlWins += c.control[std::size_t(k)];
    out << "mean\t" << fixed(c.meanReplay, 4) << '\t' << fixed(c.meanControl, 4) << '\t' << fixed(c.meanExpected, 4)
        << '\n';
    out << "3+\t" << c.replayWins << '\t' << controlWins << '\t' << fixed(c.expectedWins, 2) << '\n';
    out << "p\t" << QString::number(c.pValue, 'g', 6) << '\n';
    out << "verdict\t" << c.sentence() << '\n';
}

} // namespace

int backtest(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err)
{
    const bool compare = args.removeAll(QStringLiteral("--compare")) > 0;
    const std::optional<double> chosen = chosenDateIn(args);
    if (!args.contains(QStringLiteral("--date")))
        return fail(err, QStringLiteral("--date D is required"));
    AnswerHooks hooks{QString()};
    ProgramState state;
    state.hooks = &hooks;
    GenerationOptions generation;
    if (auto problem = prepareGeneration(state, folders, args, generation))
        return fail(err, *problem);
    hooks = AnswerHooks(QString::number(*generation.seed));
    state.chosenDate.setDate(*chosen);

    const auto result = Backtest::run(state, {});
    if (!result)
        return fail(err, result.error().message);
    if (result->end != Backtest::End::Completed)
        return fail(err, hooks.messages.isEmpty() ? state.meldungen[34] : hooks.messages.join(QLatin1Char(' ')));
    for (const QString& line : result->report)
        out << line << '\n';
    if (compare) {
        out << '\n';
        printComparison(ChanceComparison::compute(*result), out);
    }
    out.flush();
    return 0;
}

int recurrence(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err)
{
    WindowOptions window;
    if (auto problem = takeWindowOptions(args, window, QStringLiteral("--date")))
        return fail(err, *problem);
    if (!args.isEmpty())
        return fail(err, QStringLiteral("unexpected argument \"%1\"").arg(args.first()));
    if (!window.end)
        return fail(err, QStringLiteral("--date D is required"));
    // Threshold 7: no draw shares seven numbers, so the analysis never stops to ask.
    AnswerHooks hooks(QStringLiteral("7"));
    ProgramState state;
    state.hooks = &hooks;
    if (auto problem = startLikeTheWindow(state, folders, window))
        return fail(err, *problem);
    state.sheet.setSheetReady(true);
    state.chosenDate.setDate(*window.end);

    const auto result = Recurrence::run(state, {});
    if (!result)
        return fail(err, result.error().message);
    for (const QString& line : result->report)
        out << line << '\n';
    out.flush();
    return 0;
}

} // namespace numora::cli
