#include "ServiceData.h"

#include "base/DayDate.h"
#include "draws/DrawCsv.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

namespace numora::services {

namespace {

bool readCsv(const std::string& path, QByteArray& bytes, std::vector<TZiehung>& draws, std::string& error)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        error = path + ": " + file.errorString().toStdString();
        return false;
    }
    bytes = file.readAll();
    auto parsed = DrawCsv::parse(bytes);
    if (!parsed) {
        error = path + ": " + parsed.error().message.toStdString();
        return false;
    }
    draws = std::move(*parsed);
    return true;
}

// The parser reads an empty Superzahl as 0, but a results page shows no Superzahl for such a
// draw; walk the lines the same way the parser does to tell the two apart.
std::vector<bool> superzahlGiven(const QByteArray& bytes)
{
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QStringList lines = text.split(QLatin1Char('\n'));
    const bool full
        = !lines.isEmpty() && QString(lines.first()).remove(QLatin1Char('\r')).trimmed() == DrawCsv::fullHeader();
    std::vector<bool> given;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            continue;
        const QStringList fields = lines[i].split(QLatin1Char(','));
        given.push_back(full && fields.size() > 8 && !fields[8].trimmed().isEmpty());
    }
    return given;
}

} // namespace

bool ServiceData::load(const std::string& drawsCsv, const std::string& resultsCsv, std::string& error)
{
    QByteArray bytes;
    std::vector<TZiehung> draws;
    if (!readCsv(drawsCsv, bytes, draws, error))
        return false;
    for (std::size_t i = 0; i < draws.size(); ++i)
        m_byDay[DayDate::formatCompact(draws[i].Datum).toStdString()].push_back({ int(i + 1), draws[i] });
    if (!draws.empty())
        m_newest = draws.back();

    if (resultsCsv.empty())
        return true;
    std::vector<TZiehung> results;
    if (!readCsv(resultsCsv, bytes, results, error))
        return false;
    const std::vector<bool> given = superzahlGiven(bytes);
    // Draws of one date share a page, two at most (A and B); a third starts the next page.
    for (std::size_t i = 0; i < results.size(); ++i) {
        const ResultDraw draw { results[i], i < given.size() && given[i] };
        if (!m_pages.empty() && m_pages.back().size() == 1 && m_pages.back().front().draw.Datum == draw.draw.Datum)
            m_pages.back().push_back(draw);
        else
            m_pages.push_back({ draw });
    }
    return true;
}

std::vector<NumberedDraw> ServiceData::drawsOn(const std::string& day) const
{
    const auto found = m_byDay.find(day);
    return found == m_byDay.end() ? std::vector<NumberedDraw>() : found->second;
}

std::optional<TZiehung> ServiceData::newest() const
{
    return m_newest;
}

const ResultsPage* ServiceData::resultsPage(long long nr) const
{
    if (nr < 1 || nr > static_cast<long long>(m_pages.size()))
        return nullptr;
    return &m_pages[std::size_t(nr - 1)];
}

} // namespace numora::services
