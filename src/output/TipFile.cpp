#include "output/TipFile.h"

#include "base/DayDate.h"
#include "base/TextCatalog.h"
#include "model/TTippSchein.h"

#include <QFile>
#include <QStringConverter>
#include <QStringList>

namespace numora {

namespace TipFile {

QString filter() { return tx(QStringLiteral("Tippdatei (*.ntp)")); }

QString extension() { return QStringLiteral("ntp"); }

double nextDrawDate(double chosenDate, double today)
{
    switch (DayDate::dayOfWeek(chosenDate)) {
    case DayDate::Sunday:
    case DayDate::Wednesday:
        return chosenDate + 3;
    case DayDate::Saturday:
        return chosenDate + 4;
    default:
        return today;
    }
}

QString defaultName(double chosenDate, double today)
{
    return DayDate::formatCompact(nextDrawDate(chosenDate, today)) + QLatin1Char('.') + extension();
}

QByteArray format(const TTippSchein& sheet)
{
    QString text;
    for (int r = 0; r < TTippSchein::RowCount; ++r) {
        text += sheet.rowText(r) + QStringLiteral("\r\n");
    }
    text += sheet.ticketNumber() + QStringLiteral("\r\n");
    return text.toUtf8();
}

Status save(const QString& path, const TTippSchein& sheet, FileSystem& fileSystem)
{
    return fileSystem.replaceFile(path, path + QLatin1Char('~'), format(sheet));
}

void read(const QByteArray& bytes, TTippSchein& sheet)
{
    // The locale's encoding (UTF-8) unless a byte-order mark says otherwise; the mark is dropped.
    auto decoder = QStringDecoder(QStringConverter::encodingForData(bytes).value_or(QStringConverter::Utf8));
    QStringList lines = QString(decoder(bytes)).split(QLatin1Char('\n'));
    // A line end after the last line starts no further line.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);

    sheet.clearUnlockedRows();
    int next = 0;
    for (int r = 0; r < TTippSchein::RowCount && next < lines.size(); ++r) {
        QString s = lines[next++];
        for (int p = 0; p < TTippSchein::FieldsPerRow - 1; ++p) {
            const qsizetype comma = s.indexOf(QLatin1Char(','));
            if (comma < 0) {
                sheet.setField(r, p, QString());
                continue;
            }
            sheet.setField(r, p, s.left(comma));
            s = s.mid(comma + 1);
        }
        const qsizetype colon = s.indexOf(QLatin1Char(':'));
        sheet.setField(r, TTippSchein::FieldsPerRow - 1, colon < 0 ? s : s.left(colon));
    }
    if (next < lines.size())
        sheet.setTicketNumber(lines[next]);
}

} // namespace TipFile

Status Textladen(const QString& path, TTippSchein& sheet)
{
    // Read first: a file that cannot be opened must not cost the user the rows on the sheet.
    const auto bytes = FileSystem::readWhole(path, MaxTipFileBytes);
    if (!bytes)
        return bytes.error();
    TipFile::read(*bytes, sheet);
    return Done{};
}

} // namespace numora
