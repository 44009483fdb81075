// `numora-cli print --pdf`: the page read back with pdftotext finds every "x" where --marks puts it.
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>

namespace numora {
namespace {

struct Point {
    double x;
    double y;
};

QString runProgram(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    EXPECT_TRUE(process.waitForFinished(60000)) << program;
    EXPECT_EQ(process.exitCode(), 0) << program << QString::fromUtf8(process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(PrintPdf, EveryMarkIsTextWhereTheMarksListSaysIt)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString tip = dir.filePath(QStringLiteral("tipp.ntp"));
    ASSERT_TRUE(test::writeBytes(tip, "1,9,17,25,33,49\r\n,,,,,\r\n3,4,12,20,41,42\r\n7,8,14,21,28,35\r\n"));
    const QString pdf = dir.filePath(QStringLiteral("schein.pdf"));
    // Nordrhein-Westfalen has K2 and LK, on A5 landscape; both days on the one box would overlap.
    const QString marks = runProgram(QStringLiteral(NUMORA_CLI_EXE),
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

    const QString html = runProgram(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"});
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

} // namespace
} // namespace numora
