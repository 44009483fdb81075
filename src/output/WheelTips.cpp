#include "output/WheelTips.h"

#include "model/TTippSchein.h"
#include "output/TipFile.h"

#include <QDir>
#include <QFileInfo>

namespace numora::WheelTips {

namespace {

void setRow(TTippSchein& sheet, int r, NumberSet row)
{
    const std::vector<int> numbers = Numbers::list(row);
    for (int p = 0; p < TTippSchein::FieldsPerRow; ++p)
        sheet.setField(r, p, numbers.empty() ? QString() : QString::number(numbers[std::size_t(p)]));
    sheet.row(r).clearDisplays();
}

} // namespace

std::size_t putOnSheet(const Wheel& wheel, std::size_t from, TTippSchein& sheet)
{
    std::size_t next = from;
    for (int r = 0; r < TTippSchein::RowCount; ++r) {
        if (sheet.row(r).locked)
            continue;
        setRow(sheet, r, next < wheel.rows.size() ? wheel.rows[next] : NumberSet(0));
        if (next < wheel.rows.size())
            ++next;
    }
    return next >= wheel.rows.size() ? 0 : next;
}

Expected<QStringList> save(const QString& path, const Wheel& wheel)
{
    if (const Status saved = wheel.save(path); !saved)
        return saved.error();
    const QFileInfo info(path);
    const QString stem = info.dir().filePath(info.completeBaseName());
    QStringList written;
    for (std::size_t first = 0; first < wheel.rows.size(); first += TTippSchein::RowCount) {
        TTippSchein sheet;
        for (int r = 0; r < TTippSchein::RowCount && first + std::size_t(r) < wheel.rows.size(); ++r)
            setRow(sheet, r, wheel.rows[first + std::size_t(r)]);
        const QString tipPath = QStringLiteral("%1_%2.%3").arg(stem).arg(written.size() + 1).arg(TipFile::extension());
        if (const Status saved = TipFile::save(tipPath, sheet); !saved)
            return saved.error();
        written << tipPath;
    }
    return written;
}

} // namespace numora::WheelTips
