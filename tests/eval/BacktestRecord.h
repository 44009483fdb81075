#pragma once

// A back-test over a real history with a fixed lucky number, kept as text: the report file as
// written and the figures behind it (table, passes, a digest of every evaluated sheet). The
// fixtures in tests/data/backtest/ were written by this header built against the program before
// the history was kept in memory; a faster replay must give the same text.

#include "base/DayDate.h"
#include "draws/DrawCsv.h"
#include "eval/Backtest.h"
#include "session/ProgramState.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

namespace numora::test {

struct BacktestRecord {
    QByteArray report; // the bytes of the report file
    QByteArray figures;
};

class SeedAnswer final : public UiHooks {
public:
    explicit SeedAnswer(QString seed) : m_seed(std::move(seed)) {}
    QString askText(const QString&, const QString&, const QString&) override { return m_seed; }

private:
    QString m_seed;
};

// Replays the history of `csvPath` from `start` with the default options and `seed`, over
// Wednesday draws too or Saturdays only; empty texts when anything fails.
inline BacktestRecord recordBacktest(const QString& csvPath, double start, int seed, bool wednesdayDraws = true)
{
    QTemporaryDir dir;
    QFile csv(csvPath);
    if (!dir.isValid() || !csv.open(QIODevice::ReadOnly))
        return {};
    const auto records = DrawCsv::parse(csv.readAll());
    ProgramState state;
    state.programDir = dir.path() + QLatin1Char('/');
    if (!records || !state.drawFile().replaceAll(*records))
        return {};
    state.today = [] { return QDate(2026, 12, 10); };
    SeedAnswer answer(QString::number(seed));
    state.hooks = &answer;
    state.sheet.setSheetReady(true);
    state.wednesdayDraws = wednesdayDraws;
    // The pickers take the history from `start` on, and the statistics count from there.
    state.chosenDate.minimum = std::min(state.chosenDate.minimum, start);
    state.startDate.minimum = std::min(state.startDate.minimum, start);
    state.startDate.value = start;
    state.chosenDate.value = start;

    Backtest::Options options;
    options.reportPath = dir.filePath(QStringLiteral("Test.txt"));
    const auto result = Backtest::run(state, options);
    state.hooks = &UiHooks::silent();
    QFile report(options.reportPath);
    if (!result || result->end != Backtest::End::Completed || !report.open(QIODevice::ReadOnly))
        return {};

    BacktestRecord record;
    record.report = report.readAll();
    QByteArray& f = record.figures;
    f += "seed " + QByteArray::number(result->seed) + '\n';
    f += "passes " + QByteArray::number(result->passes) + '\n';
    for (std::size_t k = 0; k < result->table.size(); ++k) {
        f += QByteArray::number(qulonglong(k)) + "x";
        for (std::int32_t count : result->table[k])
            f += ' ' + QByteArray::number(count);
        f += '\n';
    }
    // Each pass: its draw, its row count and the rows scored, in order.
    QCryptographicHash sheets(QCryptographicHash::Sha256);
    std::int64_t rows = 0;
    for (const Backtest::Pass& pass : result->evaluated) {
        QByteArray line = QByteArray::number(pass.rows) + ':';
        for (std::uint8_t n : pass.numbers)
            line += ' ' + QByteArray::number(n);
        for (const auto& row : pass.sheet) {
            line += " |";
            for (std::uint8_t n : row)
                line += ' ' + QByteArray::number(n);
        }
        sheets.addData(line + '\n');
        rows += std::int64_t(pass.sheet.size());
    }
    f += "evaluated " + QByteArray::number(qulonglong(result->evaluated.size())) + " passes, "
        + QByteArray::number(qlonglong(rows)) + " rows, sha256 " + sheets.result().toHex() + '\n';
    // What the run leaves on display: the current draw, the chosen date and the sheet.
    f += "current " + DayDate::formatShortDate(state.currentDraw.date).toUtf8() + " position "
        + QByteArray::number(state.currentDraw.position);
    for (std::int32_t n : state.currentDraw.numbers)
        f += ' ' + QByteArray::number(n);
    f += "\nchosen " + DayDate::formatShortDate(state.chosenDate.value).toUtf8() + '\n';
    for (int r = 0; r < TTippSchein::RowCount; ++r) {
        f += "row";
        for (int p = 0; p < 6; ++p)
            f += ' ' + state.sheet.field(r, p).toUtf8();
        f += '\n';
    }
    return record;
}

} // namespace numora::test
