// wheel build, wheel check and wheel list: wheels from the command line, one row a line.
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"

#include "wheel/WheelBuilder.h"
#include "wheel/WheelCatalogue.h"
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

// --keys: numbers that stand in every row, among the wheel's numbers.
std::optional<QString> keysOf(const std::map<QString, QString>& values, NumberSet numbers, Guarantee guarantee, NumberSet& keys)
{
    const auto k = values.find(QStringLiteral("--keys"));
    if (k == values.end())
        return std::nullopt;
    const auto parsed = Numbers::parseList(k->second);
    if (!parsed)
        return QStringLiteral("--keys: %1").arg(parsed.error().message);
    if (*parsed & ~numbers)
        return QStringLiteral("--keys: %1 not among --numbers").arg(Numbers::format(*parsed & ~numbers));
    if (Numbers::count(*parsed) >= Numbers::RowSize || Numbers::count(*parsed) > guarantee.of)
        return QStringLiteral("--keys: at most %1 key numbers with guarantee %2:%3")
            .arg(std::min(Numbers::RowSize - 1, guarantee.of))
            .arg(guarantee.hits)
            .arg(guarantee.of);
    keys = *parsed;
    return std::nullopt;
}

QString guarantees(const std::vector<Guarantee>& list)
{
    QStringList parts;
    for (const Guarantee& g : list)
        parts << QStringLiteral("%1:%2").arg(g.hits).arg(g.of);
    return parts.join(QLatin1Char(','));
}

int build(const QStringList& args, QTextStream& out, QTextStream& err)
{
    std::map<QString, QString> values;
    QStringList positional;
    const QStringList allowed{QStringLiteral("--numbers"), QStringLiteral("--guarantee"), QStringLiteral("--seed"),
                              QStringLiteral("--seconds"), QStringLiteral("--rows"), QStringLiteral("--keys")};
    if (auto problem = takeOptions(args, allowed, values, positional))
        return fail(err, *problem);
    if (!positional.isEmpty())
        return fail(err, QStringLiteral("unexpected argument \"%1\"").arg(positional.first()));
    WheelRequest request;
    if (auto problem = numbersAndGuarantee(values, request.numbers, request.guarantee))
        return fail(err, *problem);
    if (auto problem = keysOf(values, request.numbers, request.guarantee, request.keys))
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
    if (!result->wheel && result->budget) {
        // Fewer rows than the guarantee needs: the best rows in the budget and what they do,
        // the figures as comment lines so that `wheel check` still reads the output.
        const BudgetWheel& b = *result->budget;
        out << QString::fromLatin1(b.wheel.format());
        out << "rows\t" << b.wheel.rows.size() << '\n';
        out << "# covered\t" << (b.odds.guaranteeSets - b.odds.failingSets) << '\t' << b.odds.guaranteeSets << '\n';
        out << "# holds\t" << guarantees(b.holds) << '\n';
        out.flush();
        err << QStringLiteral("numora-cli: no wheel with %1:%2 in %3 rows; these cover %4 of the %5 cases (%6 %)\n")
                   .arg(request.guarantee.hits)
                   .arg(request.guarantee.of)
                   .arg(b.wheel.rows.size())
                   .arg(b.odds.guaranteeSets - b.odds.failingSets)
                   .arg(b.odds.guaranteeSets)
                   .arg(100.0 * double(b.odds.guaranteeSets - b.odds.failingSets) / double(b.odds.guaranteeSets), 0, 'f', 4);
        err.flush();
        return NotFound;
    }
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
    if (auto problem = takeOptions(args, {QStringLiteral("--numbers"), QStringLiteral("--guarantee"), QStringLiteral("--keys")},
                                   values, positional))
        return fail(err, *problem);
    if (positional.size() != 1)
        return fail(err, QStringLiteral("wheel check takes one wheel file"));
    Wheel wheel;
    if (auto problem = numbersAndGuarantee(values, wheel.numbers, wheel.guarantee))
        return fail(err, *problem);
    if (auto problem = keysOf(values, wheel.numbers, wheel.guarantee, wheel.keys))
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
    // The p-sets (with the keys) that meet a row in t numbers, of all of them.
    out << "covered\t" << (odds.guaranteeSets - odds.failingSets) << '\t' << odds.guaranteeSets << '\n';
    out.flush();
    return odds.holds ? Ok : NotFound;
}

// The published sizes beside the catalogue's: V, T:P, the catalogue's rows, the record.
int list(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (!args.isEmpty())
        return fail(err, QStringLiteral("wheel list takes no arguments"));
    const auto& catalogue = WheelCatalogue::shipped();
    for (const WheelRecord& record : WheelCatalogue::records()) {
        QString rows;
        if (const CatalogueWheel* wheel = WheelCatalogue::find(catalogue, record.v, record.guarantee)) {
            rows = QString::number(wheel->rows.size());
        } else if (record.guarantee == Guarantee{3, 6} && record.v >= 28) {
            // S(3,6,22) and the catalogue's "3 wenn 4" wheel on the rest.
            if (const CatalogueWheel* rest = WheelCatalogue::find(catalogue, record.v - 22, {3, 4}))
                rows = QString::number(77 + rest->rows.size());
        }
        out << record.v << '\t' << record.guarantee.hits << ':' << record.guarantee.of << '\t' << rows << '\t'
            << (record.rows ? QString::number(*record.rows) : QString()) << '\n';
    }
    out.flush();
    return Ok;
}

} // namespace

int wheel(const ProgramFolders&, QStringList args, QTextStream& out, QTextStream& err)
{
    const QString sub = args.value(0);
    if (sub == QLatin1String("build"))
        return build(args.mid(1), out, err);
    if (sub == QLatin1String("check"))
        return check(args.mid(1), out, err);
    if (sub == QLatin1String("list"))
        return list(args.mid(1), out, err);
    return fail(err, QStringLiteral("wheel takes list, build or check"));
}

} // namespace numora::cli
