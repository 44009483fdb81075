#include "output/TipTransfer.h"

#include "base/DayDate.h"
#include "base/FileSystem.h"
#include "model/TTippSchein.h"
#include "output/TipFile.h"

#include <QFileInfo>
#include <QStringList>

namespace numora::TipTransfer {

QString path(const QString& programDir, double chosenDate, double today)
{
    return programDir + QStringLiteral("Tipps/") + DayDate::formatCompact(TipFile::nextDrawDate(chosenDate, today))
        + QStringLiteral(".ntp");
}

QByteArray format(const TTippSchein& sheet)
{
    QByteArray out;
    for (int r = 0; r < TTippSchein::RowCount; ++r) {
        if (sheet.field(r, 0).isEmpty())
            continue;
        out += sheet.rowText(r).toUtf8() + "\r\n";
    }
    return out;
}

Expected<QString> write(const QString& programDir, double chosenDate, double today, const TTippSchein& sheet)
{
    const QString file = path(programDir, chosenDate, today);
    if (auto made = FileSystem::makeFolder(QFileInfo(file).absolutePath(), 0755); !made)
        return made.error();
    if (auto written = FileSystem::real().replaceFile(file, file + QLatin1Char('~'), format(sheet)); !written)
        return written.error();
    return file;
}

} // namespace numora::TipTransfer
