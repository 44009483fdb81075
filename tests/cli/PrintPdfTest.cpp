// `numora-cli print --pdf`: the page read back with pdftotext finds every "x" where --marks puts it.
#include "support/RunProgram.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>

namespace numora {
namespace {

struct Point {
    double x;
    double y;
};

// The crosses on the PDF's page; crosses close together may come back as one word "xx".
qsizetype crossesIn(const QString& pdf)
{
    const QString html = test::runProgram(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"});
    const QRegularExpression word(QStringLiteral(R"re(<word [^>]*>([^<]*)</word>)re"));
    qsizetype crosses = 0;
    for (auto it = word.globalMatch(html); it.hasNext();)
        crosses += it.next().captured(1).count(QLatin1Char('x'));
    return crosses;
}

TEST(PrintPdf, EveryMarkIsTextWhereTheMarksListSaysIt)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString tip = dir.filePath(QStringLiteral("tipp.ntp"));
    ASSERT_TRUE(test::writeBytes(tip, "1,9,17,25,33,49\r\n,,,,,\r\n3,4,12,20,41,42\r\n7,8,14,21,28,35\r\n"));
    const QString pdf = dir.filePath(QStringLiteral("schein.pdf"));
    // Nordrhein-Westfalen has K2 and LK, on A5 landscape; both days on the one box would overlap.
    const QString marks = test::runProgram(QStringLiteral(NUMORA_CLI_EXE),
                                     {"print", tip, "--marks", "--pdf", pdf, "--set", "NeuerSchein=4", "--set",
                                      "TippTop=69", "--set", "TippLeft=25", "--set", "DruckPapier=2", "--set",
                                      "Spiel77=1", "--set", "Glueck=0", "--set", "Test=1"});
    QStringList lines = marks.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.takeFirst(), QStringLiteral("page\t210\t148\tlandscape"));
    std::vector<Point> expected;
    for (const QString& line : lines) {
        const QStringList parts = line.split(QLatin1Char('\t'));
        ASSERT_EQ(parts.size(), 3) << line;
        // Report units of 1/96 inch to points.
        expected.push_back({parts[1].toDouble() * 0.75, parts[2].toDouble() * 0.75});
    }
    ASSERT_EQ(expected.size(), std::size_t(18 + 4));

    const QString html = test::runProgram(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"});
    const QRegularExpression pageSize(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)")re"));
    const auto page = pageSize.match(html);
    ASSERT_TRUE(page.hasMatch()) << html;
    EXPECT_NEAR(page.captured(1).toDouble(), 210 / 25.4 * 72, 1.0);
    EXPECT_NEAR(page.captured(2).toDouble(), 148 / 25.4 * 72, 1.0);
    const QRegularExpression word(QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re"));
    std::vector<Point> found;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        EXPECT_EQ(m.captured(3), QStringLiteral("x"));
        found.push_back({m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    ASSERT_EQ(found.size(), expected.size()) << html;

    // Same order on both sides: marks of one line share their top, so they share their y.
    auto byPlace = [](const Point& a, const Point& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; };
    std::sort(expected.begin(), expected.end(), byPlace);
    std::sort(found.begin(), found.end(), byPlace);
    // One offset for all: the glyph's side bearing and the font's ascent.
    const double dx = found[0].x - expected[0].x;
    const double dy = found[0].y - expected[0].y;
    EXPECT_LT(std::abs(dx), 3.0);
    EXPECT_LT(std::abs(dy), 6.0);
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_NEAR(found[i].x - expected[i].x, dx, 0.5) << i;
        EXPECT_NEAR(found[i].y - expected[i].y, dy, 0.5) << i;
    }
}

// Custom positions at their designed values on the smallest paper: the right-hand rows lie
// beyond the page. Every cross the PDF loses is counted in the one line on stderr; the PDF is
// written all the same, and on A4 nothing is said.
TEST(PrintPdf, CrossesOffThePaperAreCounted)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString tip = dir.filePath(QStringLiteral("tipp.ntp"));
    QByteArray rows;
    for (int r = 0; r < 12; ++r)
        rows += "1,9,17,25,33,49\r\n";
    ASSERT_TRUE(test::writeBytes(tip, rows));
    const QString pdf = dir.filePath(QStringLiteral("schein.pdf"));
    QString errors;
    const QStringList common{"print", tip, "--marks", "--pdf", pdf, "--set", "NeuerSchein=13", "--set", "RadioF8=1"};
    const QString marks = test::runProgram(QStringLiteral(NUMORA_CLI_EXE), common + QStringList{"--set", "DruckPapier=3"}, &errors);
    // Marks on the same place (two "Nein" boxes may share one) are one cross on the page.
    auto places = [](const QString& listing) {
        QSet<QString> distinct;
        for (const QString& line : listing.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(1))
            distinct.insert(line.section(QLatin1Char('\t'), 1));
        return qsizetype(distinct.size());
    };
    const qsizetype listed = places(marks);
    const qsizetype onPage = crossesIn(pdf);
    ASSERT_LT(onPage, listed);
    // Qt may add notes of its own (the runtime folder); ours is the one line on the paper.
    const QStringList lines = errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts).filter(QStringLiteral("Paper"));
    ASSERT_EQ(lines.size(), 1) << errors.toStdString();
    const QRegularExpression count(QStringLiteral(R"re(: (\d+) crosses)re"));
    const auto reported = count.match(lines[0]);
    ASSERT_TRUE(reported.hasMatch()) << lines[0].toStdString();
    const qsizetype off = reported.captured(1).toLongLong();
    // A cross cut by the edge may still leave a word in the PDF; a lost one is always counted.
    EXPECT_GE(off, listed - onPage);
    EXPECT_LT(off, listed);
    // In the command line's one language, the options named as the print windows label them.
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Paper 18x10,6: "))) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains(QStringLiteral("Line 12"))) << lines[0].toStdString();
    EXPECT_FALSE(lines[0].contains(QStringLiteral("Tipp"))) << lines[0].toStdString();

    test::runProgram(QStringLiteral(NUMORA_CLI_EXE), common + QStringList{"--set", "DruckPapier=0"}, &errors);
    EXPECT_FALSE(errors.contains(QStringLiteral("Paper"))) << errors.toStdString();
    EXPECT_EQ(crossesIn(pdf), listed);
}

// Games without ticket layouts: the crosses over the game's own grid through the custom
// positioning, no marks of additional games; and the plain list of the rows with their price in
// the game's currency, numbers above 63 included.
TEST(PrintPdf, GamesWithoutTicketLayouts)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString tip = dir.filePath(QStringLiteral("tipp.ntp"));
    ASSERT_TRUE(test::writeBytes(tip, "1,10,11,64,81,90\r\n3,4,12,20,41,42\r\n"));
    const QString folder = dir.filePath(QStringLiteral("numora"));
    const QStringList cilgin{"--dir", folder, "--game", "cilgin", "print", tip};
    const QString marks = test::runProgram(QStringLiteral(NUMORA_CLI_EXE),
                                           cilgin + QStringList{"--marks", "--set", "NeuerSchein=4", "--set", "Spiel77=1"});
    QStringList names;
    for (const QString& line : marks.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(1))
        names << line.section(QLatin1Char('\t'), 0, 0);
    EXPECT_EQ(names, (QStringList{"1.1", "1.2", "1.3", "1.4", "1.5", "1.6", "2.1", "2.2", "2.3", "2.4", "2.5", "2.6",
                                  "Samstag"}))
        << marks.toStdString();

    const QString pdf = dir.filePath(QStringLiteral("liste.pdf"));
    test::runProgram(QStringLiteral(NUMORA_CLI_EXE), cilgin + QStringList{"--list", "--pdf", pdf});
    QString text = test::runProgram(QStringLiteral("pdftotext"), {"-layout", pdf, "-"});
    EXPECT_TRUE(text.contains(QStringLiteral("6/90"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral(R"re(1\. \S+:\s+1\s+10\s+11\s+64\s+81\s+90)re"))))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral(R"re(2\. \S+:\s+3\s+4\s+12\s+20\s+41\s+42)re"))))
        << text.toStdString();

    // Canada: two rows on one day at 3,00 CAD.
    ASSERT_TRUE(test::writeBytes(tip, "1,10,11,24,41,49\r\n3,4,12,20,41,42\r\n"));
    test::runProgram(QStringLiteral(NUMORA_CLI_EXE),
                     {"--dir", folder, "--game", "lotto649", "print", tip, "--list", "--pdf", pdf});
    text = test::runProgram(QStringLiteral("pdftotext"), {"-layout", pdf, "-"});
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral(R"re(6[.,]00 CAD)re")))) << text.toStdString();
}

} // namespace
} // namespace numora
