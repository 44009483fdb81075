#include "cli/CliPrint.h"

#include "session/ProgramState.h"
#include "base/Formatting.h"
#include "base/Random.h"
#include "cli/Cli.h"
#include "cli/CliSupport.h"
#include "draws/DrawFile.h"
#include "eval/Losnummer.h"
#include "model/TTippSchein.h"
#include "output/TicketLayout.h"
#include "output/TipFile.h"
#include "print/TicketPainter.h"

#include <QGuiApplication>
#include <QImage>

#include <optional>

namespace numora::CliPrint {

namespace {

int fail(QTextStream& err, const QString& message)
{
    err << "numora-cli: " << message << '\n';
    err.flush();
    return Cli::Failure;
}

DrawFile drawFile(const ProgramFolders& folders)
{
    return DrawFile(folders.data + QString::fromLatin1(DrawFile::DefaultName));
}

int check(const ProgramFolders& folders, const QStringList& args, QTextStream& out, QTextStream& err)
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
    return Cli::Ok;
}

int generate(const ProgramFolders& folders, const QStringList& args, QTextStream& out, QTextStream& err)
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
    return Cli::Ok;
}

// The print run's inputs of a fresh installation, changed by --set.
struct PrintOptions {
    TicketRequest request;
    int paper = 0;
    bool testImage = false;
};

std::optional<QString> applySetting(PrintOptions& options, const QString& setting)
{
    QString name;
    QString value;
    if (auto problem = cli::splitSetting(setting, name, value))
        return problem;
    TicketRequest& r = options.request;
    if (name.startsWith(QLatin1String("Edit")) && name.endsWith(QLatin1String("F8"))) {
        const auto field = parseInteger(name.mid(4, name.size() - 6));
        if (field && *field >= 1 && *field <= 23 && name == QStringLiteral("Edit%1F8").arg(*field)) {
            r.positions.at(std::size_t(*field)) = value;
            return std::nullopt;
        }
    }
    struct Range {
        const char* name;
        int minimum;
        int maximum;
        std::function<void(int)> apply;
    };
    auto game = [](GameBox& box) { return [&box](int v) { box = static_cast<GameBox>(v); }; };
    const Range ranges[] = {
        {"NeuerSchein", 0, 13, [&](int v) { r.preset = v; }},
        {"TippTop", 0, 200, [&](int v) { r.top = v; }},
        {"TippLeft", 0, 200, [&](int v) { r.left = v; }},
        {"DruckPapier", 0, 3, [&](int v) { options.paper = v; }},
        {"RadioF8", 0, 1, [&](int v) { r.layout = v; }},
        {"Samstag", 0, 1, [&](int v) { r.saturday = v == 1; }},
        {"Mittwoch", 0, 1, [&](int v) { r.wednesday = v == 1; }},
        {"Spiel77", 0, 2, game(r.spiel77)},
        {"Super6", 0, 2, game(r.super6)},
        {"Glueck", 0, 2, game(r.glueck)},
        {"Test", 0, 1, [&](int v) { options.testImage = v == 1; }},
    };
    for (const Range& range : ranges) {
        if (name != QLatin1String(range.name))
            continue;
        const auto number = parseInteger(value);
        if (!number || *number < range.minimum || *number > range.maximum)
            return QStringLiteral("%1 takes an integer %2..%3, not \"%4\"")
                .arg(name)
                .arg(range.minimum)
                .arg(range.maximum)
                .arg(value);
        range.apply(*number);
        return std::nullopt;
    }
    return QStringLiteral("unknown setting \"%1\"").arg(name);
}

void printMarks(QTextStream& out, const TicketLayout& layout, const PaperSize& paper)
{
    out << "page\t" << paper.longMm << '\t' << paper.shortMm << '\t'
        << (paper.landscape ? "landscape" : "portrait") << '\n';
    auto line = [&out](const TicketMark& mark) {
        if (mark.printed)
            out << mark.name << '\t' << mark.left << '\t' << mark.top << '\n';
    };
    for (const TicketMark& mark : layout.numbers)
        line(mark);
    for (const TicketMark& mark : layout.options)
        line(mark);
    out.flush();
}

} // namespace

int ticket(const ProgramFolders& folders, const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (!args.isEmpty() && args.first() == QLatin1String("check"))
        return check(folders, args.mid(1), out, err);
    if (!args.isEmpty() && args.first() == QLatin1String("generate"))
        return generate(folders, args.mid(1), out, err);
    return fail(err, QStringLiteral("ticket check NUMBER | ticket generate --seed N [--level L] [--last-digit D]"));
}

int print(const ProgramFolders& folders, const QStringList& args, QTextStream& out, QTextStream& err)
{
    PrintOptions options;
    options.request.positions = PrintValues::designedPositions();
    bool marks = false;
    QString pdf;
    QString tipFile;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--marks")) {
            marks = true;
        } else if (a == QLatin1String("--pdf") || a == QLatin1String("--set")) {
            if (i + 1 >= args.size() || args[i + 1].isEmpty())
                return fail(err, QStringLiteral("%1 needs a value").arg(a));
            const QString value = args[++i];
            if (a == QLatin1String("--pdf"))
                pdf = value;
            else if (auto problem = applySetting(options, value))
                return fail(err, *problem);
        } else if (tipFile.isEmpty() && !a.startsWith(QLatin1String("--"))) {
            tipFile = a;
        } else {
            return fail(err, QStringLiteral("print TIPFILE [--marks] [--pdf FILE] [--set NAME=VALUE]..."));
        }
    }
    if (tipFile.isEmpty())
        return fail(err, QStringLiteral("print needs a tip file"));
    if (!marks && pdf.isEmpty())
        return fail(err, QStringLiteral("print needs --marks or --pdf FILE"));
    // numora-cli makes the GUI application for every print; a caller without one gets the
    // marks, but no PDF and no check of the crosses against the paper, which need fonts.
    const bool fonts = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    if (!pdf.isEmpty() && !fonts)
        return fail(err, QStringLiteral("--pdf needs the GUI libraries"));

    TTippSchein sheet;
    if (auto loaded = Textladen(tipFile, sheet); !loaded)
        return fail(err, loaded.error().message);
    const auto layout = layoutTicket(sheet, options.request);
    if (!layout)
        return fail(err, layout.error().message);
    const PaperSize paper = Paper::size(options.paper).value_or(PaperSize{});
    print::TicketPage page;
    page.layout = *layout;
    page.paper = paper;
    const PrintValues values;
    page.font = print::printFont(values);
    page.colour = print::printColour(values.fontColor);
    if (marks)
        printMarks(out, *layout, paper);
    // A cross off the paper would be missing on the posted ticket: say so, print all the same.
    if (const auto off = fonts ? print::marksOffPaper(page) : std::vector<const TicketMark*>{}; !off.empty())
        err << QStringLiteral("Paper %1: %2 crosses lie outside the paper (%3)")
                   .arg(Paper::names().value(options.paper), QString::number(off.size()),
                        print::offPaperPlaces(off).join(QStringLiteral(", ")))
            << '\n';
    err.flush();
    if (!pdf.isEmpty()) {
        if (options.testImage)
            page.image = QImage(ticketImagePath(folders, *layout));
        if (auto written = print::writePdf(pdf, page); !written)
            return fail(err, written.error().message);
    }
    return Cli::Ok;
}

bool needsGui(const QStringList& arguments)
{
    // Painting a page, and measuring its crosses against the paper, needs fonts.
    return arguments.contains(QLatin1String("print"));
}

} // namespace numora::CliPrint
