// Killing the program at any moment must not cost a stored draw: the updating and merging numora-cli, and
// the file operations behind entry, deletion, rebuild and import, are killed with SIGKILL at
// random (seeded) moments and the draw file is checked after each kill.

#include "draws/DrawCsv.h"
#include "history/DrawUpdate.h"

#include "support/ServicesFixture.h"

#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>
#include <random>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#ifndef NUMORA_CLI_EXE
#error "the test target needs NUMORA_CLI_EXE"
#endif

namespace numora {
namespace {

using test::bytesOf;
using test::encodeRecords;
using test::makeDraw;
using test::readBytes;
using test::writeRecords;

// `count` draws from 01.03.2024 on, most days one draw, every fifth day two, every seventh none.
std::vector<TZiehung> dailyHistory(int days)
{
    std::vector<TZiehung> history;
    int n = 0;
    for (int i = 0; i < days; ++i) {
        if (i % 7 == 6)
            continue;
        for (int k = 0; k < (i % 5 == 2 ? 2 : 1); ++k, ++n) {
            const int low = (n * 5) % 40 + 1;
            TZiehung d = makeDraw(2024, 3, 1, {low, low + 1, low + 2, low + 3, low + 4, low + 5});
            d.Datum += i;
            history.push_back(d);
        }
    }
    return history;
}

QByteArray csvOf(const std::vector<TZiehung>& history)
{
    QByteArray csv = "date,n1,n2,n3,n4,n5,n6\n";
    for (const TZiehung& d : history) {
        csv += DayDate::toDate(d.Datum)->toString(Qt::ISODate).toLatin1();
        for (std::uint8_t n : d.Zahlen)
            csv += ',' + QByteArray::number(n);
        csv += '\n';
    }
    return csv;
}

// The whole records of the file are the first records of `history`; returns how many.
std::size_t checkPrefix(const QString& path, const std::vector<TZiehung>& history)
{
    const QByteArray bytes = readBytes(path);
    auto records = DrawFile(path).readAll();
    EXPECT_TRUE(records.ok());
    if (!records.ok())
        return 0;
    EXPECT_EQ(records->size(), std::size_t(bytes.size()) / TZiehung::Size);
    EXPECT_LE(records->size(), history.size());
    const std::size_t n = std::min(records->size(), history.size());
    EXPECT_EQ(bytesOf(*records), bytesOf(std::vector<TZiehung>(history.begin(), history.begin() + std::ptrdiff_t(n))));
    return records->size();
}

class CrashSafetyTest : public test::ServicesFixture {};

TEST_F(CrashSafetyTest, KilledUpdateKeepsWholeRecordsAndTheNextUpdateCompletesTheHistory)
{
    const std::vector<TZiehung> history = dailyHistory(60);
    // Slow answers, so that kills land between, during and after the appends.
    startServer(csvOf(history), {QStringLiteral("--delay"), QStringLiteral("15:/zahlen/*")});
    ASSERT_TRUE(writeRecords(drawPath(), {&history.front(), 1}));
    const QStringList args = {QStringLiteral("--dir"), dir.path(), QStringLiteral("update"), QStringLiteral("--base"),
                              server->baseUrl(), QStringLiteral("--until"),
                              DayDate::formatShortDate(history.back().Datum)};

    std::mt19937 random(20240301);
    std::size_t held = 1;
    for (int round = 0; round < 15; ++round) {
        SCOPED_TRACE(round);
        QProcess cli;
        cli.start(QStringLiteral(NUMORA_CLI_EXE), args);
        ASSERT_TRUE(cli.waitForStarted(30'000));
        // Kill after a few reported days plus a few milliseconds.
        const int reports = int(random() % 3);
        for (int seen = 0; seen < reports && cli.state() == QProcess::Running;) {
            if (!cli.canReadLine() && !cli.waitForReadyRead(30'000))
                break;
            while (cli.canReadLine() && seen < reports) {
                cli.readLine();
                ++seen;
            }
        }
        ::usleep(useconds_t(random() % 20'000));
        cli.kill();
        ASSERT_TRUE(cli.waitForFinished(30'000));
        if (cli.exitStatus() == QProcess::NormalExit) {
            EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
        }

        const std::size_t now = checkPrefix(drawPath(), history);
        EXPECT_GE(now, held); // nothing held before is gone
        held = now;
    }

    QProcess cli;
    cli.start(QStringLiteral(NUMORA_CLI_EXE), args);
    ASSERT_TRUE(cli.waitForFinished(60'000));
    EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    EXPECT_TRUE(readBytes(drawPath()) == encodeRecords(history));
}

// merge-csv appends with the same write as the update: killed at any moment, the history holds
// the old draws and a prefix of the new ones in whole records, and the next merge completes it.
TEST_F(CrashSafetyTest, KilledMergeKeepsTheOldDrawsAndTheNextMergeCompletesTheHistory)
{
    QFile shipped(QStringLiteral(NUMORA_SOURCE_DIR "/data/sayisal_loto.csv"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray shippedText = shipped.readAll();
    const std::vector<TZiehung> old = DrawCsv::parse(shippedText).value();
    // 1500 daily draws after the shipped history.
    std::vector<TZiehung> full = old;
    QByteArray csv = shippedText;
    for (int i = 1; i <= 1500; ++i) {
        const int low = (i * 7) % 40 + 1;
        TZiehung d = makeDraw(2019, 11, 2, {low, low + 2, low + 3, low + 5, low + 7, low + 9});
        d.Datum += i;
        full.push_back(d);
        csv += DayDate::formatShortDate(d.Datum).toLatin1();
        for (std::uint8_t n : d.Zahlen)
            csv += ',' + QByteArray::number(n);
        csv += '\n';
    }
    const QString csvPath = path(QStringLiteral("neu.csv"));
    ASSERT_TRUE(test::writeBytes(csvPath, csv));
    const QStringList args = {QStringLiteral("--dir"), dir.path(), QStringLiteral("merge-csv"), csvPath};
    auto merge = [&] {
        QProcess cli;
        cli.start(QStringLiteral(NUMORA_CLI_EXE), args);
        EXPECT_TRUE(cli.waitForFinished(60'000));
        EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    };

    // One whole run tells how long the kills have to spread over.
    ASSERT_TRUE(DrawFile(drawPath()).replaceAll(old).ok());
    QElapsedTimer clock;
    clock.start();
    merge();
    const qint64 runMicroseconds = std::max<qint64>(clock.nsecsElapsed() / 1000, 1000);
    ASSERT_TRUE(readBytes(drawPath()) == encodeRecords(full));

    std::mt19937 random(20191102);
    for (int round = 0; round < 12; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(DrawFile(drawPath()).replaceAll(old).ok());
        QProcess cli;
        cli.start(QStringLiteral(NUMORA_CLI_EXE), args);
        ASSERT_TRUE(cli.waitForStarted(30'000));
        ::usleep(useconds_t(random() % std::uint64_t(runMicroseconds)));
        ::kill(pid_t(cli.processId()), SIGKILL);
        ASSERT_TRUE(cli.waitForFinished(30'000));

        EXPECT_GE(checkPrefix(drawPath(), full), old.size());
        merge();
        EXPECT_TRUE(readBytes(drawPath()) == encodeRecords(full));
    }
}

// Dies when the second draw of a day is on display, before anything of that day is stored.
class DieOnSecondDraw : public UiHooks {
public:
    void drawChanged() override
    {
        if (++m_shown == 2)
            ::raise(SIGKILL);
    }

private:
    int m_shown = 0;
};

TEST_F(CrashSafetyTest, KilledBetweenTwoDrawsOfADayLosesNeither)
{
    const std::vector<TZiehung> history = {makeDraw(2024, 1, 3, {5, 11, 23, 30, 41, 49}),
                                           makeDraw(2024, 1, 6, {3, 8, 19, 27, 33, 45}),
                                           makeDraw(2024, 1, 6, {1, 2, 4, 9, 16, 25}),
                                           makeDraw(2024, 1, 10, {7, 14, 21, 28, 35, 42})};
    startServer(csvOf(history));
    ASSERT_TRUE(writeRecords(drawPath(), {&history.front(), 1}));
    setToday(2024, 1, 10);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        DieOnSecondDraw dying;
        state.hooks = &dying;
        WebClient own;
        RunControl control;
        (void)DrawUpdate::run(state, own, control);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
    // A day is stored whole or not at all, so the next update asks for it again.
    checkPrefix(drawPath(), history);

    RunControl control;
    const auto outcome = DrawUpdate::run(state, client, control);
    ASSERT_TRUE(outcome.ok()) << outcome.error().message;
    EXPECT_TRUE(readBytes(drawPath()) == encodeRecords(history));
}

// A child that runs entry, deletion, append and whole-file replacement over and over; after each
// kill the file holds one of the states between two operations (an append may leave a fragment
// that readers skip), never a mixture.
TEST(FileLayerCrashSafety, KilledWriterLeavesTheOldOrTheNewHistory)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("ZahlenTr.dat"));

    std::vector<TZiehung> base; // 60 Saturdays
    for (int i = 0; i < 60; ++i) {
        TZiehung d = makeDraw(2000, 1, 1, {1 + i % 40, 2 + i % 40, 3 + i % 40, 4 + i % 40, 5 + i % 40, 6 + i % 40});
        d.Datum += 7.0 * i;
        base.push_back(d);
    }
    TZiehung inserted = makeDraw(2000, 1, 1, {11, 12, 13, 14, 15, 16});
    inserted.Datum += 7.0 * 30 + 3; // a Tuesday between two Saturdays
    TZiehung appended = makeDraw(2000, 1, 1, {21, 22, 23, 24, 25, 26});
    appended.Datum = base.back().Datum + 7;
    const std::vector<TZiehung> rebuilt(base.begin() + 10, base.begin() + 45);

    std::vector<TZiehung> withInserted = base;
    withInserted.insert(withInserted.begin() + 31, inserted);
    std::vector<TZiehung> withAppended = base;
    withAppended.push_back(appended);
    const QByteArray baseBytes = encodeRecords(base);
    const std::vector<QByteArray> whole = {baseBytes, encodeRecords(withInserted), encodeRecords(withAppended),
                                           encodeRecords(rebuilt)};
    const QByteArray appendedBytes = encodeRecords(withAppended);

    std::mt19937 random(19861105);
    for (int round = 0; round < 15; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(writeRecords(path, base));
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const DrawFile file(path);
            for (;;) {
                if (!file.orderedRewrite(inserted) || !file.deleteByDate(inserted.Datum)
                    || !file.append({&appended, 1}) || !file.deleteByDate(appended.Datum)
                    || !file.replaceAll(rebuilt) || !file.replaceAll(base))
                    ::_exit(3);
            }
        }
        ::usleep(useconds_t(1'000 + random() % 40'000));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the writer failed by itself: " << status;

        ASSERT_TRUE(QFileInfo::exists(path));
        const QByteArray bytes = readBytes(path);
        const bool known = std::find(whole.begin(), whole.end(), bytes) != whole.end();
        // Between the old end and the whole appended record.
        const bool partAppended = bytes.size() > baseBytes.size() && bytes.size() < appendedBytes.size()
            && appendedBytes.startsWith(bytes);
        EXPECT_TRUE(known || partAppended) << "file of " << bytes.size() << " bytes";
    }
}

} // namespace
} // namespace numora
