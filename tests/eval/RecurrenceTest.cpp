// The recurrence analysis on five draws, worked out by hand:
//   d1 Sa 04.01.2020  1  2  3  4  5  6
//   d2 Mi 08.01.2020  1  2  3 10 11 12
//   d3 Sa 11.01.2020  4  5  6 10 11 13
//   d4 Mi 15.01.2020  1  2 20 21 22 23
//   d5 Sa 18.01.2020  1  2  3  4  5  6
// From d2: the first pass counts earlier draws from the chosen date on (none), later passes
// from the chart's start date. Pass d2: B 2 (d3), C 2 (d4), D 3 (d5). Pass d3: A 3 (d1), 2 (d2),
// B 0, C 3. Pass d4: A 2 (d1), 2 (d2), 0 (d3), B 2. d5 is the newest draw and ends the walk.
#include "eval/Recurrence.h"
#include "session/DrawBrowser.h"
#include "eval/RtfText.h"

#include "gen/GenFixture.h"

#include <QProcess>
#include <QRegularExpression>

namespace numora::test {
namespace {

using Table = Recurrence::Table;

class RecurrenceTest : public GenTest {
protected:
    void SetUp() override
    {
        GenTest::SetUp();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        writeDraws({makeDraw(2020, 1, 4, {1, 2, 3, 4, 5, 6}), makeDraw(2020, 1, 8, {1, 2, 3, 10, 11, 12}),
                    makeDraw(2020, 1, 11, {4, 5, 6, 10, 11, 13}), makeDraw(2020, 1, 15, {1, 2, 20, 21, 22, 23}),
                    makeDraw(2020, 1, 18, {1, 2, 3, 4, 5, 6})});
        state.chosenDate.setDate(day(2020, 1, 8));
        hooks.askAnswer = QStringLiteral("7");
        options.reportPath = dir.filePath(QStringLiteral("Test.rtf"));
    }
    void TearDown() override { QLocale::setDefault(savedLocale); }

    const QLocale savedLocale;
    Recurrence::Options options;
};

struct WalkCase {
    const char* name;
    double chosen;
    double chartStart;
    Table a, b, c, d;
    std::int32_t passes;
    double shownAtEnd;
    std::array<int, 6> rowOneAtEnd;
};

class WalkTest : public RecurrenceTest, public ::testing::WithParamInterface<WalkCase> {
protected:
    void walk(int shift);
};

// The same five draws in a 6-of-90 game, every number moved up by 64: numbers past one machine
// word must count exactly as the small ones did.
class WalkTest90 : public WalkTest {
protected:
    static constexpr int Shift = 64;
    void SetUp() override
    {
        WalkTest::SetUp();
        state.useGame(shippedGame(QStringLiteral("cilgin")), day(2020, 1, 4));
        auto up = [](std::array<int, 6> n) {
            for (int& v : n)
                v += Shift;
            return n;
        };
        writeDraws({makeDraw(2020, 1, 4, up({1, 2, 3, 4, 5, 6})), makeDraw(2020, 1, 8, up({1, 2, 3, 10, 11, 12})),
                    makeDraw(2020, 1, 11, up({4, 5, 6, 10, 11, 13})), makeDraw(2020, 1, 15, up({1, 2, 20, 21, 22, 23})),
                    makeDraw(2020, 1, 18, up({1, 2, 3, 4, 5, 6}))});
    }
};

TEST_P(WalkTest, TablesAndWhereItStops) { walk(0); }
TEST_P(WalkTest90, TablesAndWhereItStops) { walk(WalkTest90::Shift); }

void WalkTest::walk(int shift)
{
    const WalkCase& w = GetParam();
    state.chosenDate.setDate(w.chosen);
    state.startDate.setDate(w.chartStart);
    const auto result = Recurrence::run(state, options);
    ASSERT_TRUE(result.ok()) << result.error().message;
    ASSERT_EQ(result->end, Recurrence::End::Completed);
    EXPECT_EQ(result->earlier, w.a);
    EXPECT_EQ(result->next, w.b);
    EXPECT_EQ(result->afterNext, w.c);
    EXPECT_EQ(result->third, w.d);
    EXPECT_EQ(result->passes, w.passes);
    EXPECT_TRUE(hooks.questions.empty());
    EXPECT_EQ(state.currentDraw.date, w.shownAtEnd);
    EXPECT_EQ(state.chosenDate.value, w.shownAtEnd);
    for (int p = 0; p < 6; ++p)
        EXPECT_EQ(state.sheet.field(0, p), QString::number(w.rowOneAtEnd[std::size_t(p)] + shift));
}

const WalkCase walkCases[] = {
        WalkCase{"FromTheSecondDraw", day(2020, 1, 8), day(1996, 11, 16), {1, 0, 3, 1, 0, 0, 0}, {1, 0, 2, 0, 0, 0, 0},
                 {0, 0, 1, 1, 0, 0, 0}, {0, 0, 0, 1, 0, 0, 0}, 3, day(2020, 1, 18), {1, 2, 20, 21, 22, 23}},
        // A chosen date between draws starts on the later one; the first pass still counts no earlier
        // draw, the later ones from a chart start after d1.
        WalkCase{"ChartStartAfterTheFirstDraw", day(2020, 1, 6), day(2020, 1, 5), {1, 0, 2, 0, 0, 0, 0},
                 {1, 0, 2, 0, 0, 0, 0}, {0, 0, 1, 1, 0, 0, 0}, {0, 0, 0, 1, 0, 0, 0}, 3, day(2020, 1, 18),
                 {1, 2, 20, 21, 22, 23}},
        // From the second-newest draw: one pass, B counts the newest, C and D stay empty.
        WalkCase{"FromTheSecondNewest", day(2020, 1, 15), day(1996, 11, 16), {}, {0, 0, 1, 0, 0, 0, 0}, {}, {}, 1,
                 day(2020, 1, 18), {1, 2, 20, 21, 22, 23}},
        WalkCase{"FromTheNewest", day(2020, 1, 18), day(1996, 11, 16), {}, {}, {}, {}, 1, day(2020, 1, 18),
                 {1, 2, 3, 4, 5, 6}}};

const auto walkName = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Recurrence, WalkTest, ::testing::ValuesIn(walkCases), walkName);
INSTANTIATE_TEST_SUITE_P(Recurrence, WalkTest90, ::testing::ValuesIn(walkCases), walkName);

TEST_F(RecurrenceTest, ThresholdAsksAndNoEndsWithoutReport)
{
    // Only d3 against d1 shares three numbers.
    hooks.askAnswer = QStringLiteral("3");
    hooks.answer = true;
    auto result = Recurrence::run(state, options);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->end, Recurrence::End::Completed);
    ASSERT_EQ(hooks.questions.size(), 1u);
    EXPECT_EQ(hooks.questions[0].caption, QStringLiteral("Ziehung gefunden"));
    EXPECT_EQ(hooks.questions[0].text, QStringLiteral("Ein Treffer gefunden am :04.01.2020  Weiter?"));
    EXPECT_EQ(hooks.askCaption, QStringLiteral("Bei wievielen Zahlen Übereinstellung stoppen?"));
    EXPECT_EQ(hooks.askPrompt, QStringLiteral("Ziehungsergebnis vergleichen"));
    EXPECT_EQ(hooks.askProposed, QStringLiteral("6"));
    ASSERT_TRUE(QFile::remove(options.reportPath));

    // No: the walk ends in d3's pass, d3 on display, the asking draw current, no report.
    hooks.answer = false;
    state.chosenDate.setDate(day(2020, 1, 8));
    result = Recurrence::run(state, options);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->end, Recurrence::End::Declined);
    EXPECT_FALSE(QFile::exists(options.reportPath));
    EXPECT_EQ(state.currentDraw.date, day(2020, 1, 4));
    EXPECT_EQ(state.chosenDate.value, day(2020, 1, 11));
    EXPECT_TRUE(DrawBrowser::drawLine(state.shownDraw).contains(QStringLiteral("11.01.20")));
    EXPECT_EQ(state.sheet.field(0, 0), QStringLiteral("4"));
    EXPECT_TRUE(state.sheet.field(1, 0).isEmpty());
}

TEST_F(RecurrenceTest, BadThresholdAndEmptyHistory)
{
    hooks.askAnswer = QStringLiteral("sechs");
    EXPECT_FALSE(Recurrence::run(state, options).ok());
    EXPECT_FALSE(QFile::exists(options.reportPath));

    // Read literally the walk never ends on an empty history; it ends at once with empty tables.
    writeDraws({});
    hooks.askAnswer = QStringLiteral("6");
    const auto result = Recurrence::run(state, options);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->passes, 0);
    EXPECT_EQ(result->report.size(), 7 * 4 + 4 + 3);
}

TEST_F(RecurrenceTest, StopEndsWithoutReport)
{
    int asked = 0;
    test::AskedStop stop([&asked] { return ++asked >= 2; });
    options.control = &stop;
    const auto result = Recurrence::run(state, options);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->end, Recurrence::End::Stopped);
    EXPECT_EQ(result->passes, 1);
    EXPECT_FALSE(QFile::exists(options.reportPath));
}

// The report is RTF a real reader takes: its text is the report's lines, umlauts included.
TEST_F(RecurrenceTest, ReportIsReadableRtf)
{
    const auto result = Recurrence::run(state, options);
    ASSERT_TRUE(result.ok());
    const QStringList lines = result->report;
    ASSERT_EQ(lines.size(), 35);
    EXPECT_EQ(lines[0], QStringLiteral("Treffer von Ziehungen in der Datenbank"));
    EXPECT_EQ(lines[1], QStringLiteral("0x    =>1"));
    EXPECT_EQ(lines[3], QStringLiteral("2x    =>3"));
    EXPECT_EQ(lines[8], QStringLiteral(" "));
    EXPECT_EQ(lines[9], QStringLiteral("Wie oft gab es bei der nächsten Ziehung ähnliche Zahlen"));
    EXPECT_EQ(lines[27], QStringLiteral("Wie oft gab es bei der überübernächsten Ziehung ähnliche Zahlen"));
    EXPECT_EQ(lines[31], QStringLiteral("3x    =>1"));

    const QByteArray rtf = readBytes(options.reportPath);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    for (char c : rtf)
        EXPECT_TRUE(static_cast<unsigned char>(c) < 0x80);
    QProcess unrtf;
    unrtf.start(QStringLiteral(NUMORA_UNRTF), {QStringLiteral("--text"), options.reportPath});
    ASSERT_TRUE(unrtf.waitForFinished(30000));
    ASSERT_EQ(unrtf.exitCode(), 0);
    // unrtf writes its text in Latin-1 after a banner that ends with a line of dashes.
    QStringList text = QString::fromLatin1(unrtf.readAllStandardOutput()).split(QLatin1Char('\n'));
    while (!text.isEmpty() && !text.first().startsWith(QStringLiteral("-----")))
        text.removeFirst();
    ASSERT_FALSE(text.isEmpty());
    text.removeFirst();
    while (!text.isEmpty() && text.last().isEmpty())
        text.removeLast();
    // unrtf shows a run of blanks as one; the document keeps them.
    EXPECT_TRUE(rtf.contains("0x    =>1\\par"));
    QStringList collapsed;
    for (QString line : lines)
        collapsed << line.replace(QRegularExpression(QStringLiteral("  +")), QStringLiteral(" "));
    EXPECT_EQ(text, collapsed);
}

TEST(RtfTextTest, EscapesWhatRtfReserves)
{
    EXPECT_EQ(RtfText::document({QStringLiteral("a{b}\\c ü €")}).split('\n').at(1),
              QByteArray("\\f0\\fs20 a\\{b\\}\\\\c \\'fc \\u8364?\\par\r"));
}

} // namespace
} // namespace numora::test
