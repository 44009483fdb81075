// Draws the empty tickets the test print shows under the marks: "schein.jpg" and
// "schein1.jpg".."schein12.jpg" in the given folder, one per state-lottery preset, with every
// number, day and game box where that preset prints its "x".
#include "output/TicketPresets.h"

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

using namespace numora;

namespace {

// The picture covers the band from (8, 4) on, 753 x 429 report units; drawn at twice that.
constexpr int ImageLeft = 8;
constexpr int ImageTop = 4;
constexpr int Width = 753;
constexpr int Height = 429;
constexpr double Scale = 2.0;

const QColor Paper(255, 250, 228);
const QColor Ink(200, 40, 40);

// The "x" of the print font (8 pt bold, about 11 units high) has its middle about here from the
// top-left corner of its label.
constexpr double MarkMiddleX = 3.5;
constexpr double MarkMiddleY = 7.0;

QRectF box(int left, int top, double width, double height)
{
    const double cx = left + MarkMiddleX - ImageLeft;
    const double cy = top + MarkMiddleY - ImageTop;
    return QRectF((cx - width / 2) * Scale, (cy - height / 2) * Scale, width * Scale, height * Scale);
}

void drawOption(QPainter& p, const TicketPreset& preset, BoxOffset at, const QString& caption)
{
    const QRectF r = box(preset.left + at.x, preset.top + at.y, 10, 10);
    p.drawRect(r);
    // Caption above the box: neighbouring boxes sit closer than a caption beside them is wide.
    p.drawText(QRectF(r.center().x() - 20 * Scale, r.top() - 7 * Scale, 40 * Scale, 6 * Scale),
               Qt::AlignHCenter | Qt::AlignBottom, caption);
}

QImage drawTicket(const TicketPreset& preset)
{
    QImage image(int(Width * Scale), int(Height * Scale), QImage::Format_RGB32);
    image.fill(Paper);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(Ink);
    pen.setWidthF(1.0);
    p.setPen(pen);

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(int(11 * Scale));
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRectF(0, 0, Width * Scale, (preset.top - ImageTop - 2) * Scale), Qt::AlignCenter,
               QStringLiteral("Lottoschein 6 aus 49 – %1").arg(preset.name.trimmed()));

    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(int(5 * Scale));
    p.setFont(small);
    const FieldGrid& grid = preset.grid;
    const double boxWidth = std::max(8, grid.h - 3);
    const double boxHeight = std::max(8, grid.g - 4);
    // Twelve tips, two to a column; the even tips sit in the lower blocks.
    for (int block = 0; block < 12; ++block) {
        const bool evenRow = block % 2 == 1;
        for (int n = 1; n <= 49; ++n) {
            const BoxOffset at = TicketPresets::numberMark(grid, 0, n, block, evenRow);
            const QRectF r = box(preset.left + at.x, preset.top + at.y, boxWidth, boxHeight);
            p.drawRect(r);
            p.drawText(r, Qt::AlignCenter, QString::number(n));
        }
        if (evenRow)
            continue; // the lower block of a column follows its upper one without a gap
        const BoxOffset first = TicketPresets::numberMark(grid, 0, 1, block, evenRow);
        p.drawText(QRectF((preset.left + first.x - ImageLeft - 2) * Scale, (preset.top + first.y - ImageTop - 8) * Scale,
                          40 * Scale, 6 * Scale),
                   Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("%1. Tipp").arg(block + 1));
    }

    small.setPixelSize(int(5 * Scale));
    p.setFont(small);
    if (preset.bothDays)
        drawOption(p, preset, *preset.bothDays, QStringLiteral("Sa+Mi"));
    if (!preset.bothDays || !(*preset.bothDays == preset.saturday))
        drawOption(p, preset, preset.saturday, QStringLiteral("Sa"));
    if (!preset.bothDays || !(*preset.bothDays == preset.wednesday))
        drawOption(p, preset, preset.wednesday, QStringLiteral("Mi"));
    drawOption(p, preset, preset.spiel77Ja, QStringLiteral("77 ja"));
    drawOption(p, preset, preset.spiel77Nein, QStringLiteral("77 nein"));
    drawOption(p, preset, preset.super6Ja, QStringLiteral("S6 ja"));
    drawOption(p, preset, preset.super6Nein, QStringLiteral("S6 nein"));
    if (preset.glueck) {
        drawOption(p, preset, (*preset.glueck)[0], QStringLiteral("GS ja"));
        drawOption(p, preset, (*preset.glueck)[1], QStringLiteral("GS nein"));
    }
    p.end();
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_tickets FOLDER\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const auto& table = TicketPresets::table();
    for (int item = 0; item < int(table.size()); ++item) {
        const QString path = folder + QLatin1Char('/') + TicketPresets::imageName(item);
        if (!drawTicket(table.at(std::size_t(item))).save(path, "JPG", 90)) {
            std::fprintf(stderr, "make_tickets: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
