#include "output/TipReport.h"

#include "model/Links.h"
#include "session/ProgramState.h"
#include "base/DayDate.h"
#include "base/FileSystem.h"
#include "base/Formatting.h"

#include <QLocale>
#include <QUrl>

namespace numora::TipReport {

namespace {

QString title(double date)
{
    const QString site = QUrl(Links::productPage()).host();
    QString when;
    if (const auto day = DayDate::toDate(date))
        when = QLocale().dayName(day->dayOfWeek(), QLocale::LongFormat) + QLatin1Char(' ')
            + day->toString(QStringLiteral("dd.MM.yy"));
    return QStringLiteral("Veldors Numora ") + site + QStringLiteral(" Tipp für ") + when;
}

} // namespace

QString fileName() { return QStringLiteral("Tipp.txt"); }

double reportDate(double drawDate, bool saturdayDraws, bool wednesdayDraws)
{
    if (!saturdayDraws || !wednesdayDraws)
        return drawDate + 7;
    return drawDate + (DayDate::dayOfWeek(drawDate) == DayDate::Wednesday ? 3 : 4);
}

Expected<QStringList> lines(const TTippSchein& sheet, double reportDate, const Meldungen& meldungen)
{
    QStringList out{title(reportDate), QString(46, QLatin1Char('~')), QString()};
    for (int r = 0; r < TTippSchein::RowCount; ++r) {
        if (sheet.field(r, 0).isEmpty())
            continue;
        QStringList numbers;
        for (int p = 0; p < TTippSchein::FieldsPerRow; ++p) {
            const QString& text = sheet.field(r, p);
            const auto value = parseInteger(text);
            if (!value)
                return notAnInteger(text);
            numbers << QStringLiteral("%1").arg(*value, 2);
        }
        out << QStringLiteral("%1. ").arg(r + 1, 2) + meldungen[24] + QStringLiteral(": ")
                + numbers.join(QStringLiteral("   "));
    }
    return out;
}

Expected<QString> write(const ProgramState& state)
{
    const double date = reportDate(state.currentDraw.date, state.saturdayDraws, state.wednesdayDraws);
    const auto report = lines(state.sheet, date, state.meldungen);
    if (!report)
        return report.error();
    QString text;
    for (const QString& line : *report)
        text += line + QStringLiteral("\r\n");
    const QString path = state.programDir + fileName();
    if (const Status written = FileSystem::real().replaceFile(path, path + QLatin1Char('~'), text.toUtf8()); !written)
        return written.error();
    return path;
}

} // namespace numora::TipReport
