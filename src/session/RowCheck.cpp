#include "session/RowCheck.h"

#include "base/Formatting.h"
#include "session/ProgramState.h"

#include <optional>
#include <utility>

namespace numora {

CheckResult Zettelcheck(const std::array<QString, 6>& row, const CurrentDraw& draw, int maxNumber)
{
    CheckResult result;
    for (int j = 0; j < 6; ++j) {
        const std::int32_t drawn = draw.numbers[std::size_t(j)];
        for (int k = 0; k < 6; ++k) {
            const auto value = parseInteger(row[std::size_t(k)]);
            if (!value)
                return result;
            // A damaged draw can repeat a number; a position still counts once, which also
            // keeps hitCount within 0..6.
            if (drawn >= 1 && drawn <= maxNumber && *value == drawn && !result.hits[std::size_t(k)]) {
                result.hits[std::size_t(k)] = true;
                ++result.hitCount;
            }
        }
    }
    return result;
}

void Komplettcheck(ProgramState& state)
{
    state.trefferbilanz.clear();
    TTippSchein& sheet = state.sheet;
    if (!sheet.sheetReady())
        return;
    for (int r = 0; r < TTippSchein::RowCount; ++r) {
        TTippreihe& row = sheet.row(r);
        std::array<std::int32_t, 6> numbers{};
        bool complete = true;
        for (int p = 0; p < 6 && complete; ++p) {
            const auto value = parseInteger(row.fields[std::size_t(p)]);
            complete = value.has_value();
            if (value)
                numbers[std::size_t(p)] = *value;
        }
        if (!complete) {
            row.clearDisplays();
            continue;
        }
        std::int64_t sum = 0;
        for (std::int32_t n : numbers)
            sum += n;
        row.sumText = QString::number(sum);
        for (int i = 0; i < 5; ++i)
            for (int j = i + 1; j < 6; ++j)
                if (numbers[std::size_t(j)] < numbers[std::size_t(i)])
                    std::swap(numbers[std::size_t(i)], numbers[std::size_t(j)]);
        for (int p = 0; p < 6; ++p)
            sheet.setField(r, p, QString::number(numbers[std::size_t(p)]));

        state.checkResult = Zettelcheck(row.fields, state.currentDraw, state.game.numbers);
        const CheckResult& check = state.checkResult;
        row.fieldHit = check.hits;
        row.hitText = QString::number(check.hitCount);
        row.hitRed = check.hitCount > 2;
        state.trefferbilanz.counts[check.hitCount][check.bonus ? 1 : 0] += 1;
        if (check.hitCount >= 3)
            state.hooks->playSound(state.soundPath());
    }
}

} // namespace numora
