#include "model/TTippSchein.h"

#include <QStringList>

#include "base/Formatting.h"

#include <algorithm>

namespace numora {

namespace {

struct RowNames {
    int firstField;
    int rowLabel;
    int hitLabel;
    int sumLabel;
};

// Rows 7..12 continue at other numbers: fields 37..42 and 55 belong to other controls.
constexpr std::array<RowNames, TTippSchein::RowCount> rowNames{{
    {1, 28, 22, 36},
    {7, 30, 23, 37},
    {13, 31, 24, 38},
    {19, 32, 25, 39},
    {25, 33, 26, 40},
    {31, 34, 27, 41},
    {43, 46, 45, 49},
    {49, 48, 47, 50},
    {56, 62, 65, 67},
    {62, 61, 66, 68},
    {68, 63, 69, 71},
    {74, 64, 70, 72},
}};

QString labelName(int number) { return QStringLiteral("Label%1").arg(number); }

} // namespace

QString TTippSchein::canonicalField(const QString& text, int maxNumber)
{
    const auto value = parseInteger(text);
    if (!value || *value < 1 || *value > maxNumber)
        return QString();
    return QString::number(*value);
}

int TTippSchein::fieldNumber(int row, int position) { return rowNames.at(std::size_t(row)).firstField + position; }

QString TTippSchein::fieldName(int row, int position) { return QStringLiteral("Edit%1").arg(fieldNumber(row, position)); }

QString TTippSchein::rowLabelName(int row) { return labelName(rowNames.at(std::size_t(row)).rowLabel); }

QString TTippSchein::hitLabelName(int row) { return labelName(rowNames.at(std::size_t(row)).hitLabel); }

QString TTippSchein::sumLabelName(int row) { return labelName(rowNames.at(std::size_t(row)).sumLabel); }

QString TTippSchein::editButtonName(int row) { return QStringLiteral("Tipp%1Edit").arg(row + 1); }

bool TTippSchein::locateField(int number, int& row, int& position)
{
    for (int r = 0; r < RowCount; ++r) {
        const int first = rowNames.at(std::size_t(r)).firstField;
        if (number >= first && number < first + FieldsPerRow) {
            row = r;
            position = number - first;
            return true;
        }
    }
    return false;
}

QString TTippSchein::setField(int r, int p, const QString& text)
{
    QString& field = row(r).fields.at(std::size_t(p));
    field = canonicalField(text, m_maxNumber);
    return field;
}

void TTippSchein::clearUnlockedRows()
{
    for (TTippreihe& r : m_rows) {
        if (r.locked)
            continue;
        for (QString& f : r.fields)
            f.clear();
        r.clearDisplays();
    }
}

void TTippSchein::setTipCount(int count) { m_tipCount = std::clamp(count, MinTipCount, MaxTipCount); }

QString TTippSchein::rowText(int r) const
{
    QStringList texts;
    for (const QString& f : row(r).fields)
        texts << f;
    return texts.join(QLatin1Char(','));
}

} // namespace numora
