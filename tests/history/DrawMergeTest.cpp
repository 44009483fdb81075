// Merging a results CSV into the history: what each case appends, keeps, refuses and reports, on
// small files; and the reader's other forms.

#include "history/DrawMerge.h"

#include "session/ProgramState.h"
#include "base/DayDate.h"
#include "draws/DrawFile.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace numora {
namespace {

using test::encodeRecords;
using test::makeDraw;
using test::readBytes;
using test::writeRecords;

const TZiehung Jan3 = makeDraw(2024, 1, 3, {5, 11, 23, 30, 41, 49});
const TZiehung Jan6 = makeDraw(2024, 1, 6, {3, 8, 19, 27, 33, 45});
const TZiehung Jan10 = makeDraw(2024, 1, 10, {7, 14, 21, 28, 35, 42});
const TZiehung Jan13 = makeDraw(2024, 1, 13, {1, 2, 4, 9, 16, 25});

// A question answered with a fixed answer, counted.
class Answering : public UiHooks {
public:
    explicit Answering(bool yes) : m_yes(yes) {}
    bool askYesNo(const QString&, const QString& text) override
    {
        questions << text;
        return m_yes;
    }
    QStringList questions;

private:
    bool m_yes;
};

struct MergeCase {
    const char* name;
    std::vector<TZiehung> stored;
    QByteArray csv;
    DrawMerge::Gaps gaps;
    // Expected: the file afterwards, the counts, whether a question came.
    std::vector<TZiehung> after;
    int appended, present, conflicts, gapCount, inserted;
    bool asked = false;
};

std::vector<MergeCase> mergeCases()
{
    using G = DrawMerge::Gaps;
    const QByteArray head = "date,n1,n2,n3,n4,n5,n6\n";
    const QByteArray jan3 = "2024-01-03,5,11,23,30,41,49\n";
    const QByteArray jan6 = "2024-01-06,3,8,19,27,33,45\n";
    const QByteArray jan10 = "2024-01-10,7,14,21,28,35,42\n";
    const QByteArray jan13 = "2024-01-13,1,2,4,9,16,25\n";
    return {
        {"NewerDrawsAreAppended", {Jan3, Jan6}, head + jan3 + jan6 + jan10 + jan13, G::Leave,
         {Jan3, Jan6, Jan10, Jan13}, 2, 2, 0, 0, 0},
        {"NothingNew", {Jan3, Jan6}, head + jan3 + jan6, G::Leave, {Jan3, Jan6}, 0, 2, 0, 0, 0},
        {"HeaderOnly", {Jan3}, head, G::Leave, {Jan3}, 0, 0, 0, 0, 0},
        {"IntoAnEmptyHistory", {}, head + jan6 + jan3, G::Leave, {Jan3, Jan6}, 2, 0, 0, 0, 0},
        // Numbers in any order on the line; the stored draw compares as a set too.
        {"UnsortedLinesAndNumbers", {Jan3, Jan6}, head + jan13 + "2024-01-06,45,33,27,19,8,3\n" + jan10, G::Leave,
         {Jan3, Jan6, Jan10, Jan13}, 2, 1, 0, 0, 0},
        {"SemicolonsAndDottedDates", {Jan3},
         "date;n1;n2;n3;n4;n5;n6\r\n03.01.2024;5;11;23;30;41;49\r\n06.01.2024;3;8;19;27;33;45\r\n", G::Leave,
         {Jan3, Jan6}, 1, 1, 0, 0, 0},
        {"BothDateFormsInOneFile", {Jan3}, head + "06.01.2024,3,8,19,27,33,45\n" + jan10, G::Leave,
         {Jan3, Jan6, Jan10}, 2, 0, 0, 0, 0},
        // A conflict blocks the newer draw as well.
        {"ConflictWritesNothing", {Jan3, Jan6}, head + jan3 + "2024-01-06,3,8,19,27,33,46\n" + jan10, G::Insert,
         {Jan3, Jan6}, 0, 1, 1, 0, 0},
        {"AGapIsReportedNotInserted", {Jan3, Jan10}, head + jan3 + jan6 + jan10 + jan13, G::Leave,
         {Jan3, Jan10, Jan13}, 1, 2, 0, 1, 0},
        {"AGapIsInsertedInDateOrder", {Jan3, Jan10}, head + jan13 + jan6 + jan3 + jan10, G::Insert,
         {Jan3, Jan6, Jan10, Jan13}, 1, 2, 0, 1, 1},
        {"AGapAskedAndAccepted", {Jan3, Jan10}, head + jan6 + jan10, G::Ask, {Jan3, Jan6, Jan10}, 0, 1, 0, 1, 1,
         true},
        // A repeated line is one draw, not two.
        {"ARepeatedLineCountsOnce", {Jan3}, head + jan6 + jan6, G::Leave, {Jan3, Jan6}, 1, 0, 0, 0, 0},
    };
}

class DrawMergeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        state.programDir = ProgramState::withTrailingSlash(dir.path());
        state.today = [] { return QDate(2024, 2, 1); };
    }

    Expected<DrawMerge::Outcome> merge(const QByteArray& csv, DrawMerge::Gaps gaps)
    {
        const auto lines = DrawCsv::parseLines(csv);
        EXPECT_TRUE(lines.ok()) << (lines.ok() ? QString() : lines.error().message);
        if (!lines)
            return lines.error();
        return DrawMerge::merge(state, *lines, gaps);
    }

    QTemporaryDir dir;
    ProgramState state;
};

TEST_F(DrawMergeTest, TableOfCases)
{
    for (const MergeCase& c : mergeCases()) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(writeRecords(state.drawFilePath(), c.stored));
        Answering hooks(true);
        state.hooks = &hooks;
        const auto outcome = merge(c.csv, c.gaps);
        ASSERT_TRUE(outcome.ok()) << outcome.error().message;
        EXPECT_EQ(readBytes(state.drawFilePath()), encodeRecords(c.after));
        EXPECT_EQ(outcome->appended, c.appended);
        EXPECT_EQ(outcome->plan.present, c.present);
        EXPECT_EQ(int(outcome->plan.conflicts.size()), c.conflicts);
        EXPECT_EQ(int(outcome->plan.gaps.size()), c.gapCount);
        EXPECT_EQ(outcome->inserted, c.inserted);
        EXPECT_EQ(hooks.questions.size(), c.asked ? 1 : 0);
    }
}

TEST_F(DrawMergeTest, AGapQuestionAnsweredNoStillAppendsTheNewerDraws)
{
    ASSERT_TRUE(writeRecords(state.drawFilePath(), std::vector<TZiehung>{Jan3, Jan10}));
    Answering hooks(false);
    state.hooks = &hooks;
    const auto outcome = merge("date,n1,n2,n3,n4,n5,n6\n06.01.2024,3,8,19,27,33,45\n13.01.2024,1,2,4,9,16,25\n",
                               DrawMerge::Gaps::Ask);
    ASSERT_TRUE(outcome.ok());
    ASSERT_EQ(hooks.questions.size(), 1);
    EXPECT_TRUE(hooks.questions.first().contains(QStringLiteral("06.01.2024"))) << hooks.questions.first();
    EXPECT_EQ(readBytes(state.drawFilePath()), encodeRecords(std::vector<TZiehung>{Jan3, Jan10, Jan13}));
    EXPECT_EQ(DrawMerge::summary(*outcome), QStringLiteral("Angefügt: 1, schon vorhanden: 0, Konflikte: 0, Lücken: 1"));
    EXPECT_EQ(DrawMerge::gapList(outcome->plan), QStringLiteral("Fehlende ältere Ziehungen: 06.01.2024"));
    // The browser moved on to the newest draw, as after an update.
    EXPECT_EQ(state.currentDraw.date, Jan13.Datum);
}

TEST_F(DrawMergeTest, FieldsTheCsvGivesMustAgreeAndEmptyOnesAreNotCompared)
{
    TZiehung full = Jan6;
    full.Zusatzzahl = 12;
    full.Superzahl = 5;
    const QByteArray head = "date,n1,n2,n3,n4,n5,n6,zusatzzahl,superzahl,spiel77,super6\n";
    struct {
        const char* line;
        bool conflict;
    } cases[] = {
        {"2024-01-06,3,8,19,27,33,45,12,5,,\n", false},
        {"2024-01-06,3,8,19,27,33,45,,,,\n", false},
        {"2024-01-06,3,8,19,27,33,45,12,,,\n", false},
        {"2024-01-06,3,8,19,27,33,45,12,6,,\n", true},
        {"2024-01-06,3,8,19,27,33,45,,,0000000,\n", false}, // stored digits are 0
        {"2024-01-06,3,8,19,27,33,45,,,,123456\n", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        ASSERT_TRUE(writeRecords(state.drawFilePath(), {&full, 1}));
        const auto outcome = merge(head + c.line, DrawMerge::Gaps::Leave);
        ASSERT_TRUE(outcome.ok());
        EXPECT_EQ(outcome->plan.conflicts.size(), c.conflict ? 1u : 0u);
        EXPECT_EQ(outcome->plan.present, c.conflict ? 0 : 1);
    }
    // The message shows the compared fields of both versions.
    const auto outcome = merge(head + "2024-01-06,3,8,19,27,33,45,12,6,,\n", DrawMerge::Gaps::Leave);
    EXPECT_EQ(DrawMerge::conflictMessage(outcome->plan, QStringLiteral("\n")),
              QStringLiteral("Konflikte mit den gespeicherten Ziehungen: 1. Es wurde nichts geschrieben.\n06.01.2024: gespeichert 3 8 19 27 33 45, Zusatzzahl 12, Superzahl 5, in der "
                             "CSV-Datei 3 8 19 27 33 45, Zusatzzahl 12, Superzahl 6"));
}

TEST_F(DrawMergeTest, ConflictMessageNamesTenDatesThenCountsTheRest)
{
    std::vector<TZiehung> stored;
    QByteArray csv = "date,n1,n2,n3,n4,n5,n6\n";
    for (int i = 0; i < 12; ++i) {
        stored.push_back(makeDraw(2023, 1, 1 + i, {1, 2, 3, 4, 5, 6 + i}));
        csv += QStringLiteral("%1.01.2023,1,2,3,4,5,%2\n").arg(1 + i, 2, 10, QLatin1Char('0')).arg(7 + i).toLatin1();
    }
    ASSERT_TRUE(writeRecords(state.drawFilePath(), stored));
    const auto outcome = merge(csv, DrawMerge::Gaps::Leave);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome->plan.conflicts.size(), 12u);
    const QStringList lines = DrawMerge::conflictMessage(outcome->plan, QStringLiteral("\n")).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[1], QStringLiteral("01.01.2023: gespeichert 1 2 3 4 5 6, in der CSV-Datei 1 2 3 4 5 7"));
    EXPECT_TRUE(lines[10].startsWith(QStringLiteral("10.01.2023:")));
    EXPECT_EQ(lines[11], QStringLiteral("und 2 weitere"));
    EXPECT_EQ(readBytes(state.drawFilePath()), encodeRecords(stored));
}

TEST_F(DrawMergeTest, ADrawAfterTodayIsRefusedWithItsLine)
{
    ASSERT_TRUE(writeRecords(state.drawFilePath(), {&Jan3, 1}));
    const auto outcome = merge("date,n1,n2,n3,n4,n5,n6\n2024-01-06,3,8,19,27,33,45\n2042-01-06,3,8,19,27,33,45\n",
                               DrawMerge::Gaps::Leave);
    ASSERT_FALSE(outcome.ok());
    EXPECT_TRUE(outcome.error().message.startsWith(QStringLiteral("line 3:"))) << outcome.error().message;
    EXPECT_TRUE(outcome.error().message.contains(QStringLiteral("06.01.2042"))) << outcome.error().message;
    EXPECT_EQ(readBytes(state.drawFilePath()), encodeRecords({&Jan3, 1}));
}

// The stored numbers of a draw the update wrote are in the service's order.
TEST_F(DrawMergeTest, StoredNumbersInAnyOrderAgree)
{
    const TZiehung unsorted = makeDraw(2024, 1, 6, {45, 3, 33, 8, 27, 19});
    ASSERT_TRUE(writeRecords(state.drawFilePath(), {&unsorted, 1}));
    const auto outcome = merge("date,n1,n2,n3,n4,n5,n6\n2024-01-06,3,8,19,27,33,45\n", DrawMerge::Gaps::Leave);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome->plan.present, 1);
    EXPECT_TRUE(outcome->plan.conflicts.empty());
}

// Two draws of one date (A and B) agree in any order; one of them missing is a conflict.
TEST_F(DrawMergeTest, DrawsSharingADateCompareAsAGroup)
{
    const TZiehung a = makeDraw(2024, 1, 6, {3, 8, 19, 27, 33, 45});
    const TZiehung b = makeDraw(2024, 1, 6, {1, 2, 4, 9, 16, 25});
    const QByteArray head = "date,n1,n2,n3,n4,n5,n6\n";
    ASSERT_TRUE(writeRecords(state.drawFilePath(), std::vector<TZiehung>{a, b}));
    auto outcome = merge(head + "2024-01-06,1,2,4,9,16,25\n2024-01-06,3,8,19,27,33,45\n", DrawMerge::Gaps::Leave);
    EXPECT_EQ(outcome->plan.present, 2);
    outcome = merge(head + "2024-01-06,1,2,4,9,16,25\n", DrawMerge::Gaps::Leave);
    EXPECT_EQ(outcome->plan.conflicts.size(), 1u);
}

// The reader of the merge: our own form as import-csv reads it, plus the other separator and date
// form; a bad draw names its line.
TEST(DrawCsvLines, ReadsWhatTheImportReadsAndTheOtherFormsAndNamesBadLines)
{
    const QByteArray ours = "date,n1,n2,n3,n4,n5,n6,zusatzzahl,superzahl,spiel77,super6\n"
                            "2024-01-03,5,11,23,30,41,49,,,,\n"
                            "2024-01-06,45,8,19,27,33,3,12,5,1234567,123456\n";
    const auto strict = DrawCsv::parse(ours);
    const auto lenient = DrawCsv::parseLines(ours);
    ASSERT_TRUE(strict.ok() && lenient.ok());
    ASSERT_EQ(lenient->size(), 2u);
    EXPECT_EQ((*lenient)[1].draw.toBytes(), (*strict)[1].toBytes());
    EXPECT_EQ((*lenient)[1].number, 3);
    EXPECT_FALSE((*lenient)[0].hasZusatzzahl || (*lenient)[0].hasSuperzahl || (*lenient)[0].hasSpiel77
                 || (*lenient)[0].hasSuper6);
    EXPECT_TRUE((*lenient)[1].hasZusatzzahl && (*lenient)[1].hasSuperzahl && (*lenient)[1].hasSpiel77
                && (*lenient)[1].hasSuper6);

    // The import keeps its own form: no ";" and no dotted dates there.
    EXPECT_FALSE(DrawCsv::parse("date;n1;n2;n3;n4;n5;n6\n03.01.2024;5;11;23;30;41;49\n").ok());
    EXPECT_FALSE(DrawCsv::parse("date,n1,n2,n3,n4,n5,n6\n03.01.2024,5,11,23,30,41,49\n").ok());

    struct {
        QByteArray text;
        const char* error;
    } bad[] = {
        {"date;n1;n2;n3;n4;n5;n6\n03.01.2024;5;11;23;30;41;50\n", "line 2: n6 \"50\" is not a number 1..49"},
        {"date;n1;n2;n3;n4;n5;n6\n03.01.2024;5;11;23;30;41;0\n", "line 2: n6 \"0\" is not a number 1..49"},
        {"date,n1,n2,n3,n4,n5,n6\n2024-01-03,5,11,23,30,41,49\n06.01.2024,3,8,8,27,33,45\n",
         "line 3: the six numbers are not distinct"},
        {"date,n1,n2,n3,n4,n5,n6\n\n31.02.2024,3,8,19,27,33,45\n", "line 3: bad date \"31.02.2024\""},
        {"date,n1,n2,n3,n4,n5,n6\n2024/01/06,3,8,19,27,33,45\n", "line 2: bad date \"2024/01/06\""},
        {"date;n1;n2;n3;n4;n5;n6\n06.01.2024,3,8,19,27,33,45\n", "line 2: 1 fields, expected 7"},
        {"", "line 1: missing header"},
        {"Datum;Z1;Z2;Z3;Z5;Z6\n06.01.2024;3;8;19;27;33\n", "line 1: the header names no column for n4"},
        {"Tarih,Sayı 1\n", "line 1: the header names no column for n2, n3, n4, n5, n6"},
        {"Spalte A,Spalte B\n06.01.2024,3,8,19,27,33\n", "line 2: 6 fields, expected 7"},
    };
    for (const auto& c : bad) {
        SCOPED_TRACE(c.text.toStdString());
        const auto lines = DrawCsv::parseLines(c.text);
        ASSERT_FALSE(lines.ok());
        EXPECT_EQ(lines.error().message, QString::fromUtf8(c.error));
    }
}

// Files as results sites give them: columns found by name in any order and language, extra columns
// ignored and named, extra numbers read where they fit and reported where not; a header of unknown
// names (or none) read by position.
TEST(DrawCsvTable, ReadsTheFormsResultsSitesGive)
{
    struct Case {
        const char* name;
        QByteArray text;
        int zusatzzahl; // of the draw of 06.01.2024; -1: not given
        int superzahl;
        QStringList notes;
    };
    const Case cases[] = {
        {"GermanSiteSemicolons", "Datum;Z1;Z2;Z3;Z4;Z5;Z6;ZZ;SZ;Spieleinsatz\n"
                                 "06.01.2024;3;8;19;27;33;45;12;5;39.000.000\n",
         12, 5, {QStringLiteral("columns ignored: Spieleinsatz")}},
        {"TurkishNamesAnyOrder", "Sayı 6,Sayı 5,Sayı 4,Sayı 3,Sayı 2,Sayı 1,Tarih,Joker\n"
                                 "45,33,27,19,8,3,06/01/2024,57\n",
         -1, -1, {QStringLiteral("Joker: 1 values outside 0..9 not read (first \"57\")")}},
        {"EnglishWithBonusQuoted", "\"Draw Date\",\"Number 1\",\"Number 2\",\"Number 3\",\"Number 4\",\"Number 5\","
                                   "\"Number 6\",\"Bonus\"\n\"2024-01-06\",\"3\",\"8\",\"19\",\"27\",\"33\",\"45\",\"12\"\n",
         12, -1, {}},
        {"ZahlColumnsAndZiehungsdatum", "Ziehungsdatum,Zahl 1,Zahl 2,Zahl 3,Zahl 4,Zahl 5,Zahl 6,Superzahl\n"
                                        "06.01.2024,3,8,19,27,33,45,\n",
         -1, -1, {}},
        {"ThePublicArchiveForm", "date,n1,n2,n3,n4,n5,n6,superzahl\n2024-01-06,3,8,19,27,33,45,5\n", -1, 5, {}},
        // A bonus outside 1..49 is not a Zusatzzahl; 0 is our own export's "none".
        {"BonusOutOfRange", "date,n1,n2,n3,n4,n5,n6,bonus\n2024-01-06,3,8,19,27,33,45,77\n", -1, -1,
         {QStringLiteral("bonus: 1 values outside 1..49 not read (first \"77\")")}},
        {"UnknownHeaderByPosition", "Tag,A,B,C,D,E,F,G\n06.01.2024,3,8,19,27,33,45,x\n", -1, -1,
         {QStringLiteral("no column name known: read by position (date, then six numbers)")}},
        {"NoHeaderAtAll", "06.01.2024;3;8;19;27;33;45\n", -1, -1,
         {QStringLiteral("no column name known: read by position (date, then six numbers)")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto table = DrawCsv::parseTable(c.text);
        ASSERT_TRUE(table.ok()) << table.error().message;
        ASSERT_EQ(table->lines.size(), 1u);
        const DrawCsv::Line& line = table->lines.front();
        EXPECT_EQ(line.draw.Datum, Jan6.Datum);
        EXPECT_TRUE(std::equal(line.draw.Zahlen, line.draw.Zahlen + 6, Jan6.Zahlen));
        EXPECT_EQ(line.hasZusatzzahl, c.zusatzzahl >= 0);
        EXPECT_EQ(line.draw.Zusatzzahl, std::max(c.zusatzzahl, 0));
        EXPECT_EQ(line.hasSuperzahl, c.superzahl >= 0);
        EXPECT_EQ(line.draw.Superzahl, std::max(c.superzahl, 0));
        EXPECT_FALSE(line.hasSpiel77 || line.hasSuper6);
        EXPECT_EQ(table->notes, c.notes);
    }
}

// The merge reports what the reader did beside the draws.
TEST_F(DrawMergeTest, TheReadersNotesComeWithTheOutcome)
{
    ASSERT_TRUE(writeRecords(state.drawFilePath(), std::vector<TZiehung>{Jan3}));
    const auto table = DrawCsv::parseTable("Datum;Z1;Z2;Z3;Z4;Z5;Z6;Quote\n06.01.2024;3;8;19;27;33;45;1:10\n");
    ASSERT_TRUE(table.ok());
    const auto outcome = DrawMerge::merge(state, *table, DrawMerge::Gaps::Leave);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome->appended, 1);
    EXPECT_EQ(outcome->notes, QStringList{QStringLiteral("columns ignored: Quote")});
}

} // namespace
} // namespace numora
