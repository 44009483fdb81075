#pragma once

// The program's state over a temporary program folder, as the domain tests set it up: "today"
// fixed on 10.12.2026 and the chosen date on it, messages and questions going to `Hooks`. The
// locale is a parameter because suites differ on purpose: German as the window shows numbers,
// Turkish to catch a text that picks up the machine's number format.
#include "session/ProgramState.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>
#include <QTemporaryDir>

#include <optional>
#include <vector>

namespace numora::test {

template <class Hooks = RecordingHooks>
class StateFolderTest : public ::testing::Test {
protected:
    explicit StateFolderTest(std::optional<QLocale> locale = std::nullopt) : m_locale(std::move(locale)) {}

    void SetUp() override
    {
        if (m_locale)
            QLocale::setDefault(*m_locale);
        ASSERT_TRUE(dir.isValid());
        state.programDir = dir.path() + QLatin1Char('/');
        state.hooks = &hooks;
        state.today = [] { return QDate(2026, 12, 10); };
        state.chosenDate.value = state.todayDay();
    }

    void TearDown() override { QLocale::setDefault(m_savedLocale); }

    void writeDraws(const std::vector<TZiehung>& records)
    {
        ASSERT_TRUE(writeRecords(state.drawFilePath(), records));
    }

    QTemporaryDir dir;
    Hooks hooks;
    ProgramState state;

private:
    const QLocale m_savedLocale;
    std::optional<QLocale> m_locale;
};

} // namespace numora::test
