#include "output/TicketLayout.h"

#include "base/Formatting.h"
#include "base/TextCatalog.h"
#include "model/TTippSchein.h"

namespace numora {

namespace Paper {

QStringList names()
{
    return {QStringLiteral("A4"), tx(QStringLiteral("A4 Quer")), tx(QStringLiteral("A5 Quer")), QStringLiteral("18x10,6")};
}

std::optional<PaperSize> size(int item)
{
    switch (item) {
    case 0: return PaperSize{297, 210, false};
    case 1: return PaperSize{297, 210, true};
    case 2: return PaperSize{210, 148, true};
    case 3: return PaperSize{180, 106, true};
    default: return std::nullopt;
    }
}

} // namespace Paper

namespace PositionField {

QString label(int field)
{
    const QString top = tx(QStringLiteral(" Oben"));
    const QString left = tx(QStringLiteral(" Links"));
    switch (field) {
    case FieldHeight: return tx(QStringLiteral("Feldhöhe:"));
    case FieldWidth: return tx(QStringLiteral("Feldweite:"));
    case LeftCorrection: return tx(QStringLiteral("Links-Korrektur:"));
    case SecondRowCorrection: return tx(QStringLiteral("Korrektur 2.Reihe:"));
    case Spiel77JaTop: return tx(QStringLiteral("Spiel 77  Ja:")) + top;
    case Spiel77JaLeft: return tx(QStringLiteral("Spiel 77  Ja:")) + left;
    case Spiel77NeinTop: return tx(QStringLiteral("Spiel 77  Nein:")) + top;
    case Spiel77NeinLeft: return tx(QStringLiteral("Spiel 77  Nein:")) + left;
    case Super6JaTop: return tx(QStringLiteral("Super 6 Ja:")) + top;
    case Super6JaLeft: return tx(QStringLiteral("Super 6 Ja:")) + left;
    case Super6NeinTop: return tx(QStringLiteral("Super 6  Nein:")) + top;
    case Super6NeinLeft: return tx(QStringLiteral("Super 6  Nein:")) + left;
    case GlueckJaTop: return tx(QStringLiteral("Glücksspirale Ja:")) + top;
    case GlueckJaLeft: return tx(QStringLiteral("Glücksspirale Ja:")) + left;
    case GlueckNeinTop: return tx(QStringLiteral("Glücksspirale Nein:")) + top;
    case GlueckNeinLeft: return tx(QStringLiteral("Glücksspirale Nein:")) + left;
    case WednesdayTop: return tx(QStringLiteral("Mittwoch:")) + top;
    case WednesdayLeft: return tx(QStringLiteral("Mittwoch:")) + left;
    case SaturdayTop: return tx(QStringLiteral("Samstag:")) + top;
    case SaturdayLeft: return tx(QStringLiteral("Samstag:")) + left;
    case BothDaysTop: return tx(QStringLiteral("Sa/Mi:")) + top;
    case BothDaysLeft: return tx(QStringLiteral("Sa/Mi:")) + left;
    case ImageFile: return tx(QStringLiteral("Bilddatei des Scheines (jpg)"));
    default: return QString();
    }
}

} // namespace PositionField

namespace {

using Option = TicketLayout::Option;
namespace F = PositionField;

// The top and left fields of each option mark, in the order of TicketLayout::Option.
constexpr std::array<std::pair<int, int>, TicketLayout::OptionCount> optionFields{{
    {F::SaturdayTop, F::SaturdayLeft},
    {F::WednesdayTop, F::WednesdayLeft},
    {F::Spiel77JaTop, F::Spiel77JaLeft},
    {F::Spiel77NeinTop, F::Spiel77NeinLeft},
    {F::Super6JaTop, F::Super6JaLeft},
    {F::Super6NeinTop, F::Super6NeinLeft},
    {F::GlueckJaTop, F::GlueckJaLeft},
    {F::GlueckNeinTop, F::GlueckNeinLeft},
}};

Error notAnInteger(const QString& text, const QString& where)
{
    return Error{tx(QStringLiteral("'%1' ist kein gültiger Integerwert (%2)")).arg(text, where)};
}

// The custom positioning: every value from the print-position fields.
Status applyCustom(const TicketRequest& request, TicketLayout& layout)
{
    auto read = [&](int field, int& target) -> Status {
        const QString& text = request.positions.at(std::size_t(field));
        const auto value = parseInteger(text);
        if (!value)
            return notAnInteger(text, F::label(field));
        target = *value;
        return Done{};
    };
    for (auto [field, target] : {std::pair{F::FieldHeight, &layout.grid.g}, std::pair{F::FieldWidth, &layout.grid.h},
                                 std::pair{F::LeftCorrection, &layout.grid.lk},
                                 std::pair{F::SecondRowCorrection, &layout.grid.k2}}) {
        if (auto s = read(field, *target); !s)
            return s;
    }
    // The box for both days counts only when its field is filled.
    const bool bothDays = request.saturday && request.wednesday
        && !request.positions.at(F::BothDaysLeft).trimmed().isEmpty();
    for (int o = 0; o < TicketLayout::OptionCount; ++o) {
        auto [topField, leftField] = optionFields.at(std::size_t(o));
        if (bothDays && (o == Option::Samstag || o == Option::Mittwoch)) {
            topField = F::BothDaysTop;
            leftField = F::BothDaysLeft;
        }
        BoxOffset offset;
        if (auto s = read(topField, offset.y); !s)
            return s;
        if (auto s = read(leftField, offset.x); !s)
            return s;
        TicketMark& mark = layout.options.at(std::size_t(o));
        mark.left = request.left + offset.x;
        mark.top = request.top + offset.y;
    }
    return Done{};
}

void applyPreset(const TicketPreset& preset, const TicketRequest& request, TicketLayout& layout)
{
    layout.grid = preset.grid;
    auto place = [&](Option o, BoxOffset offset) {
        TicketMark& mark = layout.options.at(std::size_t(o));
        mark.left = request.left + offset.x;
        mark.top = request.top + offset.y;
    };
    const bool bothDays = request.saturday && request.wednesday && preset.bothDays;
    place(Option::Samstag, bothDays ? *preset.bothDays : preset.saturday);
    place(Option::Mittwoch, bothDays ? *preset.bothDays : preset.wednesday);
    place(Option::Spiel77Ja, preset.spiel77Ja);
    place(Option::Spiel77Nein, preset.spiel77Nein);
    place(Option::Super6, preset.super6Ja);
    place(Option::Super6nein, preset.super6Nein);
    if (preset.glueck) {
        place(Option::Glueck, (*preset.glueck)[0]);
        place(Option::GlueckNein, (*preset.glueck)[1]);
    } else {
        layout.options[Option::Glueck].printed = false;
        layout.options[Option::GlueckNein].printed = false;
    }

    // The print-position window shows the geometry of the last print.
    std::array<QString, 24>& fields = layout.positions;
    fields[F::FieldHeight] = QString::number(preset.grid.g);
    fields[F::FieldWidth] = QString::number(preset.grid.h);
    fields[F::LeftCorrection] = QString::number(preset.grid.lk);
    fields[F::SecondRowCorrection] = QString::number(preset.grid.k2);
    for (int o = 0; o < TicketLayout::OptionCount; ++o) {
        auto [topField, leftField] = optionFields.at(std::size_t(o));
        if (o == Option::Samstag || o == Option::Mittwoch) {
            if (bothDays) {
                topField = F::BothDaysTop;
                leftField = F::BothDaysLeft;
            }
        }
        const TicketMark& mark = layout.options.at(std::size_t(o));
        fields.at(std::size_t(topField)) = QString::number(mark.top - request.top);
        fields.at(std::size_t(leftField)) = QString::number(mark.left - request.left);
    }
}

} // namespace

QString TicketLayout::optionName(int option)
{
    static const char* const names[] = {"Samstag", "Mittwoch", "Spiel77Ja", "Spiel77Nein",
                                        "Super6",  "Super6nein", "Glueck",  "GlueckNein"};
    return option >= 0 && option < OptionCount ? QString::fromLatin1(names[option]) : QString();
}

QString TicketLayout::optionLabel(const QString& name)
{
    int option = 0;
    while (option < OptionCount && optionName(option) != name)
        ++option;
    QString label;
    switch (option) {
    case Samstag: label = tx(QStringLiteral("Samstag:")); break;
    case Mittwoch: label = tx(QStringLiteral("Mittwoch:")); break;
    case Spiel77Ja: label = tx(QStringLiteral("Spiel 77  Ja:")); break;
    case Spiel77Nein: label = tx(QStringLiteral("Spiel 77  Nein:")); break;
    case Super6: label = tx(QStringLiteral("Super 6 Ja:")); break;
    case Super6nein: label = tx(QStringLiteral("Super 6  Nein:")); break;
    case Glueck: label = tx(QStringLiteral("Glücksspirale Ja:")); break;
    case GlueckNein: label = tx(QStringLiteral("Glücksspirale Nein:")); break;
    default: return name;
    }
    if (label.endsWith(QLatin1Char(':')))
        label.chop(1);
    return label.simplified();
}

void TicketRequest::useGame(const Game& game)
{
    maxNumber = game.numbers;
    gridColumns = game.gridColumns;
    gridRows = game.gridRows;
    presets = game.ticketLayouts;
    additionalGames = game.additionalGames;
}

Expected<TicketLayout> layoutTicket(const TTippSchein& sheet, const TicketRequest& request)
{
    TicketLayout layout;
    layout.positions = request.positions;
    for (int o = 0; o < TicketLayout::OptionCount; ++o)
        layout.options.at(std::size_t(o)).name = TicketLayout::optionName(o);
    auto& options = layout.options;
    options[Option::Samstag].printed = request.saturday;
    options[Option::Mittwoch].printed = request.wednesday;
    options[Option::Spiel77Ja].printed = request.spiel77 == GameBox::Ticked;
    options[Option::Spiel77Nein].printed = request.spiel77 == GameBox::Unticked;
    options[Option::Super6].printed = request.super6 == GameBox::Ticked;
    options[Option::Super6nein].printed = request.super6 == GameBox::Unticked;
    options[Option::Glueck].printed = request.glueck == GameBox::Ticked;
    options[Option::GlueckNein].printed = request.glueck == GameBox::Unticked;
    // Where the Glücksspirale marks sit when a preset does not place them.
    for (Option o : {Option::Glueck, Option::GlueckNein}) {
        options[o].left = request.left + 297;
        options[o].top = request.top + 250;
    }
    if (!request.additionalGames)
        for (Option o : {Option::Spiel77Ja, Option::Spiel77Nein, Option::Super6, Option::Super6nein, Option::Glueck,
                         Option::GlueckNein})
            options[o].printed = false;

    if (request.preset == TicketPresets::Custom || !request.presets) {
        if (auto s = applyCustom(request, layout); !s)
            return s.error();
        layout.imageName = request.positions.at(F::ImageFile);
    } else {
        // An index the window cannot show prints as the first preset.
        const int item = request.preset >= 0 && request.preset < TicketPresets::Custom ? request.preset : 0;
        applyPreset(TicketPresets::table().at(std::size_t(item)), request, layout);
        layout.imageName = TicketPresets::imageName(request.preset);
    }

    int block = 0;
    for (int r = 1; r <= TTippSchein::RowCount; ++r) {
        if (r >= 2 && !sheet.field(r - 1, 0).isEmpty())
            ++block;
        for (int k = 1; k <= TTippSchein::FieldsPerRow; ++k) {
            TicketMark& mark = layout.numbers.at(std::size_t((r - 1) * 6 + k - 1));
            mark.name = QStringLiteral("%1.%2").arg(r).arg(k);
            const QString& text = sheet.field(r - 1, k - 1);
            if (text.isEmpty())
                continue;
            const auto number = parseInteger(text);
            if (!number || *number < 1 || *number > request.maxNumber)
                return notAnInteger(text, tx(QStringLiteral("%1. Tipp")).arg(r));
            const BoxOffset at = TicketPresets::numberMark(layout.grid, request.layout, *number, block, r % 2 == 0,
                                                           request.gridColumns, request.gridRows);
            mark.left = request.left + at.x;
            mark.top = request.top + at.y;
            mark.printed = true;
        }
    }
    return layout;
}

} // namespace numora

#include <QDir>
#include <QFileInfo>

namespace numora {

QString ticketImagePath(const ProgramFolders& folders, const TicketLayout& layout)
{
    const QString name = layout.imageName.trimmed();
    if (!name.isEmpty()) {
        const QString path = QDir::isAbsolutePath(name) ? name : folders.find(name);
        if (QFileInfo(path).isFile())
            return path;
    }
    return folders.find(TicketPresets::imageName(0));
}

} // namespace numora
