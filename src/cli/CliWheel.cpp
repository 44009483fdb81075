// wheel build and wheel check: wheels from the command line, one row a line.
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"

#include "wheel/WheelBuilder.h"
#include "wheel/WheelCheck.h"

#include <map>

namespace numora::cli {

namespace {

// Reads "--name VALUE" pairs of `allowed` into `values`; anything else is an error line.
std::optional<QString> takeOptions(const QStringList& args, const QStringList& allowed, std::map<QString, QString>& values,
                                   QStringList& positional)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (!a.startsWith(QLatin1String("--"))) {
            positional << a;
            continue;
        }
        if (!allowed.contains(a))
            return QStringLiteral("unknown option \"%1\"").arg(a);
        if (i + 1 >= args.size())
            return QStringLiteral("%1 needs a value").arg(a);
        values[a] = args.at(++i);
    }
    return std::nullopt;
}

// --numbers and --guarantee, both required and fitting each other.
std::optional<QString> numbersAndGuarantee(const std::map<QString, QString>& values, NumberSet& numbers, Guarantee& guarantee)
{
    const auto n = values.find(QStringLiteral("--numbers"));
    const auto g = values.find(QStringLiteral("--guarantee"));
    if (n == values.end() || g == values.end())
        return QStringLiteral("--numbers LIST and --guarantee T:P are required");
    const auto parsedNumbers = Numbers::parseList(n->second);
    if (!parsedNumbers)
        return QStringLiteral("--numbers: %1").arg(parsedNumbers.error().message);
    const auto parsedGuarantee = Guarantee::parse(g->second);
    if (!parsedGuarantee)
        return parsedGuarantee.error().message;
    numbers = *parsedNumbers;
    guarantee = *parsedGuarantee;
    const int v = Numbers::count(numbers);
    if (v < Wheel::MinNumbers)
        return QStringLiteral("--numbers: a wheel takes at least %1 numbers, not %2").arg(Wheel::MinNumbers).arg(v);
    if (!guarantee.validFor(v))
        return QStringLiteral("guarantee %1:%2 needs at least %2 numbers").arg(guarantee.hits).arg(guarantee.of);
    return std::nullopt;
}

int build(const QStringList& args, QTextStream& out, QTextStream& err)
{
    std::map<QString, QString> values;
    QStringList positional;
    const QStringList allowed{QStringLiteral("--numbers"), QStringLiteral("--guarantee"), QStringLiteral("--seed"),
                              QStringLiteral("--seconds"), QStringLiteral("--rows")};
    if (auto problem = takeOptions(args, allowed, values, positional))
        return fail(err, *problem);
    if (!positional.isEmpty())
        return fail(err, QStringLiteral("unexpected argument \"%1\"").arg(positional.first()));
    WheelRequest request;
    if (auto problem = numbersAndGuarantee(values, request.numbers, request.guarantee))
        return fail(err, *problem);
    bool ok = true;
    if (values.count(QStringLiteral("--seed")))
        request.seed = values[QStringLiteral("--seed")].toULongLong(&ok);
    if (!ok)
        return fail(err, QStringLiteral("--seed: \"%1\" is not a whole number").arg(values[QStringLiteral("--seed")]));
    if (values.count(QStringLiteral("--seconds")))
        request.seconds = values[QStringLiteral("--seconds")].toDouble(&ok);
    if (!ok || !(request.seconds > 0) || request.seconds > 1e6)
        return fail(err, QStringLiteral("--seconds: \"%1\" is no positive number").arg(values[QStringLiteral("--seconds")]));
    if (values.count(QStringLiteral("--rows")))
        request.maxRows = values[QStringLiteral("--rows")].toInt(&ok);
    if (!ok || request.maxRows < 0 || (values.count(QStringLiteral("--rows")) && request.maxRows == 0))
        return fail(err, QStringLiteral("--rows: \"%1\" is no positive whole number").arg(values[QStringLiteral("--rows")]));

    RunControl control;
    const auto result = WheelBuilder::build(request, control);
    if (!result)
        return fail(err, result.error().message);
    if (!result->wheel) {
        err << "numora-cli: no wheel within the limits\n";
        err.flush();
        return NotFound;
    }
    out << QString::fromLatin1(result->wheel->format());
    out << "rows\t" << result->wheel->rows.size() << '\n';
    out.flush();
    return Ok;
}

int check(const QStringList& args, QTextStream& out, QTextStream& err)
{
    std::map<QString, QString> values;
    QStringList positional;
    if (auto problem = takeOptions(args, {QStringLiteral("--numbers"), QStringLiteral("--guarantee")}, values, positional))
        return fail(err, *problem);
    if (positional.size() != 1)
        return fail(err, QStringLiteral("wheel check takes one wheel file"));
    Wheel wheel;
    if (auto problem = numbersAndGuarantee(values, wheel.numbers, wheel.guarantee))
        return fail(err, *problem);
    const auto rows = Wheel::readRows(positional.first(), wheel.numbers);
    if (!rows)
        return fail(err, rows.error().message);
    wheel.rows = *rows;

    const WheelOdds odds = WheelCheck::run(wheel);
    out << "holds\t" << (odds.holds ? "yes" : "no") << '\n';
    if (odds.counterexample)
        out << "counterexample\t" << Numbers::format(*odds.counterexample) << '\n';
    for (int k = 0; k <= 6; ++k)
        out << "best\t" << k << '\t' << odds.bestAll[std::size_t(k)] << '\n';
    for (int k = 3; k <= 6; ++k)
        out << "expected\t" << k << '\t' << QString::number(odds.expectedRows[std::size_t(k)], 'g', 12) << '\n';
    out.flush();
    return odds.holds ? Ok : NotFound;
}

} // namespace

int wheel(const ProgramFolders&, QStringList args, QTextStream& out, QTextStream& err)
{
    const QString sub = args.value(0);
    if (sub == QLatin1String("build"))
        return build(args.mid(1), out, err);
    if (sub == QLatin1String("check"))
        return check(args.mid(1), out, err);
    return fail(err, QStringLiteral("wheel takes build or check"));
}

} // namespace numora::cli
