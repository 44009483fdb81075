#include "cli/Cli.h"

#include "draws/DrawCsv.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <numeric>
#include <vector>

namespace numora {
namespace {

const QString realHistory = QStringLiteral(NUMORA_SOURCE_DIR "/data/sayisal_loto.csv");
const QString germanHistory = QStringLiteral(NUMORA_TEST_DATA_DIR "/lotto_6aus49.csv");

class CliTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // Runs with the temp directory as program directory.
    int run(const QStringList& args, const QString& exeDir = QString())
    {
        out.clear();
        err.clear();
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        return Cli::run(args, exeDir.isNull() ? dir.path() : exeDir, outStream, errStream);
    }

    QString drawPath() const { return dir.filePath(QStringLiteral("ZahlenTr.dat")); }

    QString writeCsv(const QString& name, const QByteArray& text)
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(test::writeBytes(path, text));
        return path;
    }

    // An error is reported as exactly one line.
    void expectOneErrorLine() const
    {
        EXPECT_TRUE(err.endsWith(QLatin1Char('\n'))) << err.toStdString();
        EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << err.toStdString();
    }

    QTemporaryDir dir;
    QString out;
    QString err;
};

TEST_F(CliTest, ImportAndExportTheRealHistory)
{
    ASSERT_EQ(run({QStringLiteral("import-csv"), realHistory}), Cli::Ok) << err.toStdString();
    EXPECT_TRUE(err.isEmpty());
    EXPECT_EQ(QFileInfo(drawPath()).size(), 1267 * 32);

    ASSERT_EQ(run({QStringLiteral("export-csv")}), Cli::Ok) << err.toStdString();
    const QStringList lines = out.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 1269); // header, 1267 draws, nothing after the last line end
    EXPECT_EQ(lines[0], QStringLiteral("date,n1,n2,n3,n4,n5,n6,zusatzzahl,superzahl,spiel77,super6"));
    EXPECT_EQ(lines[1], QStringLiteral("1996-11-16,5,15,20,32,34,47,0,0,0000000,000000"));
    EXPECT_EQ(lines[1267], QStringLiteral("2019-11-02,6,29,31,32,44,45,0,0,0000000,000000"));
    EXPECT_TRUE(lines[1268].isEmpty());
}

// An import says what it replaced, in the command line's one language, and keeps the replaced
// history beside the draw file; the next import keeps only its own predecessor.
TEST_F(CliTest, ImportSaysWhatItReplacedAndKeepsThePreviousHistory)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("land")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(NUMORA_SOURCE_DIR "/data/land/texte.txt.en"),
                            dir.filePath(QStringLiteral("land/texte.txt.en"))));
    const QString backup = drawPath() + QStringLiteral(".bak");
    ASSERT_EQ(run({QStringLiteral("import-csv"), realHistory}), Cli::Ok) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("1267 draws imported\n"));
    EXPECT_FALSE(QFileInfo::exists(backup));
    const QByteArray real = test::readBytes(drawPath());

    const QString two = writeCsv(QStringLiteral("two.csv"), "date,n1,n2,n3,n4,n5,n6\n2019-01-05,1,2,3,4,5,6\n"
                                                            "2019-01-09,7,8,9,10,11,12\n");
    ASSERT_EQ(run({QStringLiteral("import-csv"), two}), Cli::Ok) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("1267 draws replaced by 2; the previous ones are kept in %1\n").arg(backup));
    EXPECT_TRUE(err.isEmpty());
    EXPECT_EQ(test::readBytes(backup), real);
    EXPECT_EQ(QFileInfo(drawPath()).size(), 2 * 32);

    // The merge's texts speak the same language.
    const QString conflict = writeCsv(QStringLiteral("conflict.csv"), "date,n1,n2,n3,n4,n5,n6\n2019-01-05,1,2,3,4,5,7\n");
    ASSERT_EQ(run({QStringLiteral("merge-csv"), conflict}), Cli::Failure);
    EXPECT_TRUE(err.contains(QStringLiteral("Conflicts with the stored draws: 1. Nothing was written."))) << err.toStdString();
}

TEST_F(CliTest, ExportKeepsEveryColumnOfTheImport)
{
    const QByteArray full = "date,n1,n2,n3,n4,n5,n6,zusatzzahl,superzahl,spiel77,super6\n"
                            "2001-01-06,49,1,17,8,33,2,12,3,0123456,654321\n"
                            "2001-01-10,4,5,6,7,8,9,,,,\n";
    for (const QString& source : {germanHistory, writeCsv(QStringLiteral("full.csv"), full)}) {
        ASSERT_EQ(run({QStringLiteral("import-csv"), source}), Cli::Ok) << err.toStdString();
        ASSERT_EQ(run({QStringLiteral("export-csv")}), Cli::Ok) << err.toStdString();

        const auto original = DrawCsv::parse(test::readBytes(source));
        const auto exported = DrawCsv::parse(out.toUtf8());
        ASSERT_TRUE(original.ok() && exported.ok());
        ASSERT_EQ(original->size(), exported->size());
        for (std::size_t i = 0; i < original->size(); ++i)
            ASSERT_EQ((*original)[i].toBytes(), (*exported)[i].toBytes()) << source.toStdString() << " draw " << i;
    }
    // The last source, with the numbers sorted and the empty fields as zeros.
    EXPECT_TRUE(out.contains(QStringLiteral("\n2001-01-06,1,2,8,17,33,49,12,3,0123456,654321\n")));
    EXPECT_TRUE(out.endsWith(QStringLiteral("\n2001-01-10,4,5,6,7,8,9,0,0,0000000,000000\n")));
}

TEST_F(CliTest, ReimportOfAnExportIsByteIdentical)
{
    for (const QString& source : {realHistory, germanHistory}) {
        ASSERT_EQ(run({QStringLiteral("import-csv"), source}), Cli::Ok) << err.toStdString();
        const QByteArray first = test::readBytes(drawPath());
        ASSERT_EQ(run({QStringLiteral("export-csv")}), Cli::Ok);
        const QString exported = writeCsv(QStringLiteral("exported.csv"), out.toUtf8());
        ASSERT_TRUE(QFile::remove(drawPath()));

        ASSERT_EQ(run({QStringLiteral("import-csv"), exported}), Cli::Ok) << err.toStdString();
        EXPECT_EQ(test::readBytes(drawPath()), first) << source.toStdString();
    }
}

struct MalformedCase {
    const char* name;
    const char* csv;
    int line;
};

void PrintTo(const MalformedCase& c, std::ostream* os) { *os << c.name; }

class MalformedCsvTest : public CliTest, public ::testing::WithParamInterface<MalformedCase> {};

TEST_P(MalformedCsvTest, RejectsTheImportAndKeepsTheHistory)
{
    const QByteArray good = "date,n1,n2,n3,n4,n5,n6\n2019-01-05,1,2,3,4,5,6\n";
    ASSERT_EQ(run({QStringLiteral("import-csv"), writeCsv(QStringLiteral("good.csv"), good)}), Cli::Ok);
    const QByteArray before = test::readBytes(drawPath());
    ASSERT_EQ(before.size(), 32);

    const QString bad = writeCsv(QStringLiteral("bad.csv"), QByteArray(GetParam().csv));
    EXPECT_EQ(run({QStringLiteral("import-csv"), bad}), Cli::Failure);
    expectOneErrorLine();
    EXPECT_TRUE(err.contains(QStringLiteral("line %1:").arg(GetParam().line))) << err.toStdString();
    EXPECT_EQ(test::readBytes(drawPath()), before);
}

INSTANTIATE_TEST_SUITE_P(Cli, MalformedCsvTest,
    ::testing::Values(
        MalformedCase{"BadDate", "date,n1,n2,n3,n4,n5,n6\n2019-01-05,1,2,3,4,5,6\n2019-02-30,1,2,3,4,5,6\n", 3},
        MalformedCase{"NumberFifty", "date,n1,n2,n3,n4,n5,n6\n2019-01-05,1,2,3,4,5,50\n", 2},
        MalformedCase{"NumberZero", "date,n1,n2,n3,n4,n5,n6\n2019-01-05,0,2,3,4,5,6\n", 2},
        MalformedCase{"DuplicateNumbers", "date,n1,n2,n3,n4,n5,n6\n2019-01-05,1,2,3,4,5,6\n\n2019-01-09,7,8,9,7,10,11\n", 4},
        MalformedCase{"SixFields", "date,n1,n2,n3,n4,n5,n6\n2019-01-05,1,2,3,4,5\n", 2},
        MalformedCase{"SixDigitSpiel77",
                      "date,n1,n2,n3,n4,n5,n6,zusatzzahl,superzahl,spiel77,super6\n"
                      "2019-01-05,1,2,3,4,5,6,7,8,1234567,123456\n"
                      "2019-01-09,1,2,3,4,5,6,7,8,123456,123456\n",
                      3},
        MalformedCase{"SuperzahlTen",
                      "date,n1,n2,n3,n4,n5,n6,zusatzzahl,superzahl,spiel77,super6\n2019-01-05,1,2,3,4,5,6,7,10,,\n", 2},
        MalformedCase{"DateGoingBackwards",
                      "date,n1,n2,n3,n4,n5,n6\n2019-01-05,1,2,3,4,5,6\n2019-01-09,1,2,3,4,5,6\n2019-01-02,1,2,3,4,5,6\n", 4},
        MalformedCase{"UnknownHeader", "datum,a,b,c,d,e,f\n2019-01-05,1,2,3,4,5,6\n", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliTest, BadCommandLinesFailWithOneLine)
{
    const QStringList cases[] = {
        {},
        {QStringLiteral("frobnicate")},
        {QStringLiteral("import-csv")},
        {QStringLiteral("import-csv"), QStringLiteral("a.csv"), QStringLiteral("b.csv")},
        {QStringLiteral("export-csv"), QStringLiteral("extra")},
        {QStringLiteral("--dir")},
        {QStringLiteral("--dir"), dir.path()},
        {QStringLiteral("--dir"), QString(), QStringLiteral("export-csv")},
    };
    for (const QStringList& args : cases) {
        EXPECT_EQ(run(args), Cli::Failure) << args.join(QLatin1Char(' ')).toStdString();
        expectOneErrorLine();
        EXPECT_TRUE(out.isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(drawPath()));
}

TEST_F(CliTest, IoErrorsFailWithOneLine)
{
    EXPECT_EQ(run({QStringLiteral("export-csv")}), Cli::Failure);
    expectOneErrorLine();
    EXPECT_EQ(run({QStringLiteral("import-csv"), dir.filePath(QStringLiteral("missing.csv"))}), Cli::Failure);
    expectOneErrorLine();
    EXPECT_FALSE(QFileInfo::exists(drawPath()));
}

TEST_F(CliTest, DirOptionSelectsTheProgramDirectory)
{
    QTemporaryDir exeDir;
    ASSERT_TRUE(exeDir.isValid());
    ASSERT_EQ(run({QStringLiteral("--dir"), dir.path(), QStringLiteral("import-csv"), realHistory}, exeDir.path()),
              Cli::Ok)
        << err.toStdString();
    EXPECT_EQ(QFileInfo(drawPath()).size(), 1267 * 32);
    EXPECT_FALSE(QFileInfo::exists(QDir(exeDir.path()).filePath(QStringLiteral("ZahlenTr.dat"))));

    // A trailing slash names the same directory; without --dir the executable's directory is used.
    ASSERT_EQ(run({QStringLiteral("--dir"), dir.path() + QLatin1Char('/'), QStringLiteral("export-csv")},
                  exeDir.path()),
              Cli::Ok);
    EXPECT_TRUE(out.startsWith(QStringLiteral("date,")));
    EXPECT_EQ(run({QStringLiteral("export-csv")}, exeDir.path()), Cli::Failure);
}

// `stats` prints the chart: the title, the value range and one "X<TAB>Y" line per point. Every
// run passes --end, so that the window does not depend on today's date.
class CliStatsTest : public CliTest {
protected:
    void import(const QString& csv)
    {
        ASSERT_EQ(run({QStringLiteral("import-csv"), csv}), Cli::Ok) << err.toStdString();
    }

    // The output lines of a successful run, without the empty text after the last line end.
    QStringList stats(const QStringList& args)
    {
        EXPECT_EQ(run(QStringList{QStringLiteral("stats")} + args), Cli::Ok) << err.toStdString();
        EXPECT_TRUE(err.isEmpty()) << err.toStdString();
        EXPECT_TRUE(out.endsWith(QLatin1Char('\n')));
        QStringList lines = out.split(QLatin1Char('\n'));
        lines.removeLast();
        return lines;
    }

    // The Y values of the point lines, checking that X counts up from `firstX`.
    static std::vector<int> pointValues(const QStringList& lines, int firstX)
    {
        std::vector<int> values;
        for (qsizetype i = 2; i < lines.size(); ++i) {
            const QStringList fields = lines[i].split(QLatin1Char('\t'));
            EXPECT_EQ(fields.size(), 2) << lines[i].toStdString();
            EXPECT_EQ(fields.value(0), QString::number(firstX + int(i) - 2));
            values.push_back(fields.value(1).toInt());
        }
        return values;
    }
};

TEST_F(CliStatsTest, DistributionOfTheRealHistory)
{
    import(realHistory);
    const QStringList lines = stats({QStringLiteral("distribution"), QStringLiteral("--end"), QStringLiteral("02.11.2019")});

    ASSERT_EQ(lines.size(), 2 + 49);
    EXPECT_EQ(lines[0], QStringLiteral("Zahlenverteilung     Ziehungen: 1267    Quersumme: 148"));
    EXPECT_EQ(lines[1], QStringLiteral("range\t124\t179"));
    const std::vector<int> counts = pointValues(lines, 1);
    EXPECT_EQ(counts[43 - 1], 124); // the rarest number
    EXPECT_EQ(counts[38 - 1], 179); // the most frequent one
    // The history has no bonus numbers: six counts per draw.
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0), 1267 * 6);
}

TEST_F(CliStatsTest, WindowOptionsLikeThePickers)
{
    import(realHistory);
    struct Case {
        QStringList options;
        const char* title;
    };
    const Case cases[] = {
        // 01.01.2000 is a draw day: the first 164 draws.
        {{QStringLiteral("--end"), QStringLiteral("01.01.2000")},
         "Zahlenverteilung     Ziehungen: 164    Quersumme: 150"},
        // A day without a draw moves the end on to the next draw, again 01.01.2000.
        {{QStringLiteral("--end"), QStringLiteral("27.12.1999")},
         "Zahlenverteilung     Ziehungen: 164    Quersumme: 150"},
        // Past the newest draw the end stands on the newest one.
        {{QStringLiteral("--end"), QStringLiteral("01.01.2030")},
         "Zahlenverteilung     Ziehungen: 1267    Quersumme: 148"},
        // Both bounds count: 01.01.2000 (QS 119) and 08.01.2000 (QS 123).
        {{QStringLiteral("--start"), QStringLiteral("01.01.2000"), QStringLiteral("--end"), QStringLiteral("08.01.2000")},
         "Zahlenverteilung     Ziehungen: 2    Quersumme: 121"},
        // The earliest start the picker takes; the first draw is 16.11.1996 (QS 153).
        {{QStringLiteral("--start"), QStringLiteral("15.11.1996"), QStringLiteral("--end"), QStringLiteral("16.11.1996")},
         "Zahlenverteilung     Ziehungen: 1    Quersumme: 153"},
    };
    for (const Case& c : cases) {
        const QStringList lines = stats(QStringList{QStringLiteral("distribution")} + c.options);
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_EQ(lines[0], QString::fromUtf8(c.title)) << c.options.join(QLatin1Char(' ')).toStdString();
    }
}

TEST_F(CliStatsTest, EveryKindOnTheGermanHistory)
{
    import(germanHistory);
    struct Case {
        const char* kind;
        const char* title;
        const char* range;
        int firstX;
        int points;
        std::vector<int> values; // checked when given
    };
    const Case cases[] = {
        {"distribution", "Zahlenverteilung     Ziehungen: 2186    Quersumme: 150", "range\t209\t322", 1, 49, {}},
        {"overdue", "Welche Zahl ist überfällig, wurde also seit wievielen Ziehungen nicht gezogen?", "range\t1\t40", 1,
         49, {}},
        {"superzahl-overdue", "Welche Superzahl wurde am längsten nicht gezogen?", "range\t1\t25", 0, 10,
         {10, 16, 25, 1, 18, 4, 3, 7, 6, 2}},
        {"superzahl-frequency", "Wie oft wurden die einzelnen Superzahlen gezogen?", "range\t201\t244", 0, 10,
         {201, 219, 207, 219, 229, 235, 219, 244, 207, 206}},
        {"pairs", "Ziehungen: 2185     Paare gefunden : 1414", "range\t16\t46", 1, 48, {}},
        {"triples", "Ziehungen: 2185     Dreier gefunden : 138", "range\t0\t9", 1, 47, {}},
        {"quads", "Ziehungen: 2185     Vierer gefunden : 11", "range\tauto", 1, 49, {}},
        {"digitsum", "Quersummenverteilung     Ziehungen: 2185    Quersumme: 150", "range\tauto", 46, 219, {}},
        {"primes", "Anzahl der Primzahlen pro Tipp bei 2185 Ziehungen. 31% waren Primzahlen.", "range\t1\t762", 0, 7,
         {197, 641, 762, 445, 117, 22, 1}},
        {"odd", "Anzahl der ungeraden Zahlen pro Tipp bei 2185 Ziehungen.  51% waren Ungerade.", "range\t19\t696", 0, 7,
         {30, 165, 480, 696, 603, 192, 19}},
        {"even", "Anzahl der geraden Zahlen pro Tipp bei 2185 Ziehungen.  49% waren Gerade.", "range\t19\t696", 0, 7,
         {19, 192, 603, 696, 480, 165, 30}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const QStringList lines =
            stats({QString::fromLatin1(c.kind), QStringLiteral("--end"), QStringLiteral("02.11.2019")});
        ASSERT_EQ(lines.size(), 2 + c.points);
        EXPECT_EQ(lines[0], QString::fromUtf8(c.title));
        EXPECT_EQ(lines[1], QString::fromLatin1(c.range));
        const std::vector<int> values = pointValues(lines, c.firstX);
        if (!c.values.empty()) {
            EXPECT_EQ(values, c.values);
        }
    }
}

TEST_F(CliStatsTest, BadStatsArgumentsFailWithOneLine)
{
    import(realHistory);
    const QStringList cases[] = {
        {},
        {QStringLiteral("frobnicate")},
        {QStringLiteral("pairs"), QStringLiteral("triples")},
        {QStringLiteral("pairs"), QStringLiteral("--end")},
        {QStringLiteral("pairs"), QStringLiteral("--end"), QStringLiteral("31.02.2000")},
        {QStringLiteral("pairs"), QStringLiteral("--start"), QStringLiteral("2000-01-01")},
        // The pickers take nothing before 15.11.1996.
        {QStringLiteral("pairs"), QStringLiteral("--start"), QStringLiteral("14.11.1996")},
        {QStringLiteral("pairs"), QStringLiteral("--end"), QStringLiteral("14.11.1996")},
    };
    for (const QStringList& args : cases) {
        EXPECT_EQ(run(QStringList{QStringLiteral("stats")} + args), Cli::Failure)
            << args.join(QLatin1Char(' ')).toStdString();
        expectOneErrorLine();
        EXPECT_TRUE(out.isEmpty());
    }
}

TEST_F(CliStatsTest, NoDrawFileIsAnErrorAndCreatesNothing)
{
    EXPECT_EQ(run({QStringLiteral("stats"), QStringLiteral("distribution"), QStringLiteral("--end"),
                   QStringLiteral("02.11.2019")}),
              Cli::Failure);
    expectOneErrorLine();
    EXPECT_FALSE(QFileInfo::exists(drawPath()));
}

} // namespace
} // namespace numora
