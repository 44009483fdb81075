#pragma once

// Shared set-up of the generation tests: a draw file in a temporary program directory, a fixed
// "today" and chosen date, an own random source, and hooks that record what a run shows and
// can answer its dialogs or act from inside its message pump.

#include "base/DayDate.h"
#include "session/ProgramState.h"
#include "base/Random.h"
#include "draws/DrawCsv.h"
#include "draws/GameCatalog.h"
#include "gen/NumberSelection.h"
#include "gen/RowFilter.h"

#include "support/StateFolderFixture.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <vector>

namespace numora::test {

class GenHooks : public RecordingHooks {
public:
    QStringList statusTexts;
    int pumps = 0;           // candidate rows started
    int chartTabShown = 0;
    int statisticsRun = 0;   // chartChanged calls
    QString askAnswer;       // empty: cancel (the proposal comes back)
    QString askCaption;
    QString askPrompt;
    QString askProposed;
    std::function<void()> onPump;
    std::function<void()> onOptionsChanged;
    std::function<void()> onSheetChanged;
    std::function<PoolChoice(NumberSelection&)> onEditPool;
    std::vector<NumberSelection> shownPools; // the dialog as the run handed it over

    void setStatusText(const QString& text) override { statusTexts << text; }
    void pumpMessages() override
    {
        ++pumps;
        if (onPump)
            onPump();
    }
    void showChartTab() override { ++chartTabShown; }
    void chartChanged() override { ++statisticsRun; }
    void optionsChanged() override
    {
        if (onOptionsChanged)
            onOptionsChanged();
    }
    void sheetChanged() override
    {
        if (onSheetChanged)
            onSheetChanged();
    }
    QString askText(const QString& caption, const QString& prompt, const QString& proposed) override
    {
        askCaption = caption;
        askPrompt = prompt;
        askProposed = proposed;
        return askAnswer.isNull() ? proposed : askAnswer;
    }
    PoolChoice editPool(NumberSelection& selection) override
    {
        shownPools.push_back(selection);
        return onEditPool ? onEditPool(selection) : PoolChoice::Ok;
    }

    // Status texts from the first one equal to `first` up to, not including, `beyond`.
    QStringList textsBetween(const QString& first, const QString& beyond) const
    {
        const qsizetype from = statusTexts.indexOf(first);
        if (from < 0)
            return {};
        const qsizetype to = statusTexts.indexOf(beyond, from + 1);
        return statusTexts.mid(from, to < 0 ? -1 : to - from);
    }
};

// A shipped game's definition as the program has it built in.
inline Game shippedGame(const QString& id)
{
    for (const GameCatalog::BuiltIn& b : GameCatalog::builtIn())
        if (id + QStringLiteral(".game") == QLatin1String(b.fileName))
            if (auto game = Game::parse(QByteArray(b.text), QString::fromLatin1(b.fileName)))
                return *game;
    ADD_FAILURE() << "no shipped game " << id.toStdString();
    return {};
}

inline double day(int year, int month, int dayOfMonth) { return DayDate::fromYmd(year, month, dayOfMonth); }

// Twenty weekly draws, the last on 2020-05-16. Draw i (1..20) holds 21 - i, 41 - i and
// 41..44, so the overdue value of a number n in 1..20 and of n + 20 is n itself, 41..44 have
// 1 and 45..49, never drawn, 21.
inline std::vector<TZiehung> overdueFixture()
{
    std::vector<TZiehung> draws;
    for (int i = 1; i <= 20; ++i) {
        TZiehung d = makeDraw(2020, 1, 4, {21 - i, 41 - i, 41, 42, 43, 44});
        d.Datum += 7.0 * (i - 1);
        std::sort(d.Zahlen, d.Zahlen + 6);
        draws.push_back(d);
    }
    return draws;
}

inline double overdueFixtureLastDate() { return day(2020, 5, 16); }

// Every option that adds to or removes from the pool off, and every row rule off but the
// digit sum, which then admits every row.
inline void allOff(Berechnungsparameter& p)
{
    for (const OptionInfo& o : Berechnungsparameter::options())
        if (o.kind == OptionInfo::Kind::CheckBox)
            p.setCheckBox(o.number, false);
    p.setUpDown(1, 21);
    p.setUpDown(2, 279);
}

inline Row row(std::initializer_list<int> numbers)
{
    Row r{};
    std::size_t i = 0;
    for (int n : numbers)
        r[i++] = std::uint8_t(n);
    return r;
}

// Readable in failure messages, unlike an array of bytes.
inline std::vector<int> ints(const Row& r) { return std::vector<int>(r.begin(), r.end()); }

inline std::vector<int> ints(const std::vector<std::uint8_t>& v) { return std::vector<int>(v.begin(), v.end()); }

inline int sumOf(const Row& r)
{
    int s = 0;
    for (std::uint8_t v : r)
        s += v;
    return s;
}

class GenTest : public StateFolderTest<GenHooks> {
protected:
    void SetUp() override
    {
        StateFolderTest::SetUp();
        state.random = &random;
        state.sheet.setSheetReady(true);
    }

    void useRealHistory()
    {
        QFile csv(QStringLiteral(NUMORA_SOURCE_DIR "/data/sayisal_loto.csv"));
        ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
        const auto records = DrawCsv::parse(csv.readAll());
        ASSERT_TRUE(records.ok());
        ASSERT_TRUE(state.drawFile().replaceAll(*records).ok());
    }

    // The six field texts of sheet row r (0-based) as numbers, 0 for an empty field.
    Row sheetRow(int r) const
    {
        Row out{};
        for (int p = 0; p < 6; ++p)
            out[std::size_t(p)] = std::uint8_t(state.sheet.field(r, p).toInt());
        return out;
    }

    void setRow(int r, std::initializer_list<int> numbers)
    {
        int p = 0;
        for (int n : numbers)
            state.sheet.setField(r, p++, QString::number(n));
    }

    bool rowEmpty(int r) const
    {
        for (int p = 0; p < 6; ++p)
            if (!state.sheet.field(r, p).isEmpty())
                return false;
        return true;
    }

    Random random{4711};
};

} // namespace numora::test
