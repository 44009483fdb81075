// ticket check and ticket generate: the seven-digit ticket number.
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"

#include "base/Formatting.h"
#include "base/Random.h"
#include "eval/Losnummer.h"

namespace numora::cli {

namespace {

int checkTicket(const ProgramFolders& folders, const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.size() != 1)
        return fail(err, QStringLiteral("ticket check takes one argument: the seven-digit ticket number"));
    const auto digits = Losnummer::parse(args.first());
    if (!digits)
        return fail(err, QStringLiteral("\"%1\" is not a seven-digit ticket number").arg(args.first()));
    const auto result = Losnummer::check(drawFile(folders), *digits);
    if (!result)
        return fail(err, result.error().message);
    out << Losnummer::checkMessage(*result) << '\n';
    out.flush();
    return Ok;
}

int generateTicket(const ProgramFolders& folders, const QStringList& args, QTextStream& out, QTextStream& err)
{
    std::optional<std::int32_t> seed;
    int level = Losnummer::PresetLevel;
    int lastDigit = 0;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (i + 1 >= args.size())
            return fail(err, QStringLiteral("%1 needs a value").arg(a));
        const auto value = parseInteger(args[++i]);
        if (a == QLatin1String("--seed") && value) {
            seed = *value;
        } else if (a == QLatin1String("--level") && value && *value >= 0 && *value <= 4) {
            level = *value;
        } else if (a == QLatin1String("--last-digit") && value && *value >= 0 && *value <= 9) {
            lastDigit = *value;
        } else {
            return fail(err, QStringLiteral("ticket generate takes --seed N (32-bit), --level 0..4 and "
                                            "--last-digit 0..9, not %1 \"%2\"")
                                 .arg(a, args[i]));
        }
    }
    if (!seed)
        return fail(err, QStringLiteral("--seed N is required"));
    Random random(static_cast<std::uint32_t>(*seed));
    const auto generated = Losnummer::generate(drawFile(folders), random, level, lastDigit);
    if (!generated)
        return fail(err, generated.error().message);
    out << Losnummer::format(generated->digits) << '\n';
    out.flush();
    if (!generated->passed) {
        err << "numora-cli: every ending has been drawn; the last number drawn stands\n";
        err.flush();
    }
    return Ok;
}

} // namespace

int ticket(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err)
{
    if (!args.isEmpty() && args.first() == QLatin1String("check"))
        return checkTicket(folders, args.mid(1), out, err);
    if (!args.isEmpty() && args.first() == QLatin1String("generate"))
        return generateTicket(folders, args.mid(1), out, err);
    return fail(err, QStringLiteral("ticket check NUMBER | ticket generate --seed N [--level L] [--last-digit D]"));
}

} // namespace numora::cli
