#include "gen/LuckyNumber.h"

#include "base/Formatting.h"
#include "session/ProgramState.h"

namespace numora::LuckyNumber {

bool ask(ProgramState& state)
{
    const QString proposed = QString::number(state.random->next(99999));
    const QString answer = state.hooks->askText(state.meldungen[30] + QStringLiteral(" (1-99999999)?"),
                                                state.meldungen[31], proposed);
    const auto value = parseInteger(answer.trimmed());
    if (!value) {
        state.hooks->showMessage(state.meldungen[34]);
        return false;
    }
    state.random->setState(static_cast<std::uint32_t>(*value));
    return true;
}

} // namespace numora::LuckyNumber
