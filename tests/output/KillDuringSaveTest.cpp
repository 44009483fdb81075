// Killing the program while it saves must leave every file it writes whole: the old one or the
// new one. Each writer is killed with SIGKILL at random moments while it rewrites its file.
#include "app/Einstellungen.h"
#include "session/ProgramState.h"
#include "eval/Backtest.h"
#include "eval/RtfText.h"
#include "model/TTippSchein.h"
#include "output/MailSettings.h"
#include "output/TipFile.h"
#include "output/TipReport.h"
#include "output/TipTransfer.h"

#include "support/KillTrials.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace numora {
namespace {

constexpr int TrialsPerWriter = 40;

// A sheet whose twelve rows all depend on `generation`.
TTippSchein sheetOf(int generation)
{
    TTippSchein sheet;
    for (int r = 0; r < TTippSchein::RowCount; ++r)
        for (int p = 0; p < TTippSchein::FieldsPerRow; ++p)
            sheet.setField(r, p, QString::number((generation * 7 + r * 6 + p) % 49 + 1));
    sheet.setTicketNumber(QString::number(1000000 * generation + 234567));
    return sheet;
}

QStringList reportOf(int generation)
{
    QStringList lines;
    for (int i = 0; i < 300; ++i)
        lines << QStringLiteral("Zeile %1 der Auswertung %2: Glücksspirale").arg(i).arg(generation);
    return lines;
}

struct Writer {
    const char* name;
    QString path;
    std::function<bool(int generation)> write;
};

TEST(KillDuringSave, EveryWriterLeavesTheOldOrTheNewFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString programDir = dir.path() + QLatin1Char('/');
    const double chosen = DayDate::fromYmd(2024, 3, 2);

    auto stateOf = [&](int generation) {
        ProgramState state;
        state.today = [] { return QDate(2024, 3, 4); };
        state.programDir = programDir;
        state.currentDraw.date = chosen;
        state.sheet = sheetOf(generation);
        state.urlEdit = QStringLiteral("http://example.org/%1").arg(generation);
        return state;
    };
    const std::vector<Writer> writers = {
        {"tip file", dir.filePath(QStringLiteral("20240306.ntp")),
         [&](int g) { return TipFile::save(dir.filePath(QStringLiteral("20240306.ntp")), sheetOf(g)).ok(); }},
        {"settings store", dir.filePath(QStringLiteral("Veldor/Orbix.reg")),
         [&](int g) {
             QDir().mkpath(dir.filePath(QStringLiteral("Veldor")));
             Einstellungen store(RegistryKey(QString::fromLatin1(Einstellungen::KeyPath), dir.filePath(QStringLiteral("Veldor/Orbix.reg"))));
             return store.save(stateOf(g), WindowSize{600 + g, 800, true}).ok();
         }},
        {"mail settings", dir.filePath(QStringLiteral("Veldor/numora.ini")),
         [&](int g) {
             MailSettings mail;
             mail.host = QStringLiteral("smtp%1.example.org").arg(g);
             mail.pass = QStringLiteral("geheim %1").arg(g);
             mail.to = QStringLiteral("du@example.org");
             return mail.save(dir.filePath(QStringLiteral("Veldor/numora.ini"))).ok();
         }},
        {"tip report", programDir + TipReport::fileName(), [&](int g) { return TipReport::write(stateOf(g)).ok(); }},
        {"transfer file", TipTransfer::path(programDir, chosen, chosen + 2),
         [&](int g) { return TipTransfer::write(programDir, chosen, chosen + 2, sheetOf(g)).ok(); }},
        {"rtf report", dir.filePath(QStringLiteral("Auswertung.rtf")),
         [&](int g) { return RtfText::write(dir.filePath(QStringLiteral("Auswertung.rtf")), reportOf(g)).ok(); }},
        {"backtest report", dir.filePath(QStringLiteral("Backtest.txt")),
         [&](int g) { return Backtest::writeReport(dir.filePath(QStringLiteral("Backtest.txt")), reportOf(g)).ok(); }},
    };

    std::uint32_t seed = 14;
    for (const Writer& writer : writers) {
        SCOPED_TRACE(writer.name);
        const auto counts = test::killDuringWrites(
            writer.path, [&] { return writer.write(1); }, [&] { return writer.write(2); }, TrialsPerWriter, seed++);
        EXPECT_EQ(counts.sawOld + counts.sawNew, TrialsPerWriter);
    }
}

} // namespace
} // namespace numora
