#include "gen/NumberSelection.h"

#include "base/Formatting.h"
#include "base/Random.h"
#include "base/TextCatalog.h"

#include <QList>

namespace numora {

QString NumberSelection::designCaption() { return QStringLiteral("Welche Zahlen für die Berechnung"); }

QString NumberSelection::randomDesignCaption() { return QStringLiteral("&Zufall"); }

void NumberSelection::applyRule(int n, int step)
{
    Box& b = box(n);
    const auto weight = parseInteger(b.weight);
    if (b.ticked) {
        if (weight)
            b.weight = QString::number(qint64(*weight) + step);
        else
            b.weight = QStringLiteral("0");
    }
    const auto now = parseInteger(b.weight);
    if (!now || *now < 0)
        b.weight = QStringLiteral("0");
    if (b.weight == QLatin1String("0"))
        b.ticked = false;
    statusLine = hoverText(n);
}

void NumberSelection::click(int n, bool left)
{
    if (left)
        box(n).ticked = !box(n).ticked;
    applyRule(n, left ? 1 : -1);
}

void NumberSelection::setTicked(int n, bool ticked)
{
    if (box(n).ticked == ticked)
        return;
    box(n).ticked = ticked;
    applyRule(n, 1);
}

void NumberSelection::untickAll()
{
    for (int n = 1; n <= m_numbers; ++n) {
        setTicked(n, false);
        box(n).yellow = false;
    }
}

QString NumberSelection::hoverText(int n) const
{
    return tx(QStringLiteral("Die Zahl %1 geht mit der Gewichtung %2 in die Berechnung ein")).arg(n).arg(box(n).weight);
}

void NumberSelection::randomClick()
{
    if (!m_timerRunning) {
        m_timerRunning = true;
        untickAll();
        m_picked.clear();
        m_pickIndex = 1;
    } else if (m_pickIndex < pickCount) {
        ++m_pickIndex;
    } else {
        stopRandom();
    }
}

void NumberSelection::timerTick(Random& random)
{
    randomCaption = tx(QStringLiteral("%1 Stopp")).arg(m_pickIndex);
    untickAll();
    m_picked.resize(std::size_t(std::max(pickCount, 0)));
    for (int i = 1; i < m_pickIndex && i <= pickCount; ++i) {
        const int fixed = m_picked[std::size_t(i - 1)];
        if (fixed < 1) // fixed by a click before the first tick rolled it
            continue;
        setTicked(fixed, true);
        box(fixed).yellow = true;
    }
    for (int i = m_pickIndex; i <= pickCount; ++i) {
        int b = 0;
        do
            b = int(random.next(std::uint32_t(m_numbers))) + 1;
        while (box(b).ticked);
        m_picked[std::size_t(i - 1)] = b;
        setTicked(b, true);
        box(b).yellow = true;
    }
}

void NumberSelection::stopRandom()
{
    m_timerRunning = false;
    randomCaption = tx(QStringLiteral("Zufall"));
    m_pickIndex = 1;
}

QByteArray NumberSelection::toWeightList()
{
    QByteArray out;
    for (int n = 1; n <= m_numbers; ++n) {
        Box& b = box(n);
        if (b.ticked) {
            if (b.weight.isEmpty())
                b.weight = QStringLiteral("1");
            out += b.weight.toUtf8();
        }
        out += "\r\n";
    }
    return out;
}

Status NumberSelection::loadWeightList(const QByteArray& bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    std::array<QString, 90> weights;
    for (int i = 0; i < m_numbers; ++i) {
        QByteArray line = i < lines.size() ? lines[i] : QByteArray();
        if (line.endsWith('\r'))
            line.chop(1);
        const QString text = QString::fromUtf8(line).trimmed();
        if (!text.isEmpty()) {
            const auto value = parseInteger(text);
            if (!value || *value < 0 || *value > MaxWeight)
                return Error{tx(QStringLiteral("Zeile %1 der Werteliste ist keine ganze Zahl von 0 bis %2: \"%3\""))
                                 .arg(i + 1)
                                 .arg(MaxWeight)
                                 .arg(text)};
        }
        weights[std::size_t(i)] = text;
    }
    for (int n = 1; n <= m_numbers; ++n) {
        const QString& w = weights[std::size_t(n - 1)];
        Box& b = box(n);
        b.ticked = !w.isEmpty();
        b.weight = w.isEmpty() ? QStringLiteral("1") : w;
    }
    return Done{};
}

QString NumberSelection::proposedFileName(const QDate& today)
{
    return today.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".nwl");
}

} // namespace numora
