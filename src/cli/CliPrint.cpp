// print: a tip file onto the paper ticket, as crosses or a PDF page, without a window.
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"

#include "session/ProgramState.h"
#include "base/Formatting.h"
#include "model/TTippSchein.h"
#include "output/TicketLayout.h"
#include "output/TipFile.h"
#include "output/PrintSettings.h"
#include "print/RowList.h"
#include "print/TicketPainter.h"
#include "model/Meldungen.h"

#include <QGuiApplication>
#include <QImage>

#include <optional>

namespace numora::cli {

namespace {

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
    if (auto problem = splitSetting(setting, name, value))
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

int print(const ProgramFolders& folders, QStringList args, QTextStream& out, QTextStream& err)
{
    PrintOptions options;
    options.request.positions = PrintValues::designedPositions();
    options.request.useGame(played());
    bool marks = false;
    bool list = false;
    QString pdf;
    QString tipFile;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--marks")) {
            marks = true;
        } else if (a == QLatin1String("--list")) {
            list = true;
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
            return fail(err, QStringLiteral("print TIPFILE [--marks | --list] [--pdf FILE] [--set NAME=VALUE]..."));
        }
    }
    if (tipFile.isEmpty())
        return fail(err, QStringLiteral("print needs a tip file"));
    if (!marks && pdf.isEmpty())
        return fail(err, QStringLiteral("print needs --marks or --pdf FILE"));
    if (list && (marks || pdf.isEmpty()))
        return fail(err, QStringLiteral("--list needs --pdf FILE and no --marks"));
    // numora-cli makes the GUI application for every print; a caller without one gets the
    // marks, but no PDF and no check of the crosses against the paper, which need fonts.
    const bool fonts = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    if (!pdf.isEmpty() && !fonts)
        return fail(err, QStringLiteral("--pdf needs the GUI libraries"));

    TTippSchein sheet;
    sheet.setMaxNumber(played().numbers);
    if (auto loaded = Textladen(tipFile, sheet); !loaded)
        return fail(err, loaded.error().message);
    if (list) {
        PrintSettings::CostInput cost;
        cost.rows = PrintSettings::filledRows(sheet);
        cost.saturday = options.request.saturday;
        cost.wednesday = options.request.wednesday;
        const auto page = print::rowList(played(), sheet, 0, Meldungen(), PrintSettings::costText(played(), cost, false));
        if (!page)
            return fail(err, page.error().message);
        if (auto written = print::writeRowListPdf(pdf, *page); !written)
            return fail(err, written.error().message);
        return Ok;
    }
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
    return Ok;
}

} // namespace numora::cli
