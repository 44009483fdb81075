// The manuals the build makes: the pictures of the windows in each language, and each PDF read
// back with pdftotext and pdfimages against the text it was made from.
#include "base/Version.h"
#include "support/RunProgram.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QMap>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QXmlStreamReader>

#include <map>

namespace numora {
namespace {

struct Manual {
    const char* code;
    const char* pdf;
};

constexpr Manual Manuals[] = {{"de", "Numora.pdf"}, {"en", "Numora.en.pdf"}, {"tr", "Numora.tr.pdf"}};

QString source(const Manual& manual)
{
    QFile file(QStringLiteral(NUMORA_SOURCE_DIR "/doc/manual.%1.html").arg(QLatin1String(manual.code)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName();
    return QString::fromUtf8(file.readAll());
}

// The plain text of each match of `pattern`'s first group in the HTML source.
QStringList matches(const QString& html, const QString& pattern)
{
    QStringList found;
    auto it = QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption).globalMatch(html);
    while (it.hasNext())
        found << QTextDocumentFragment::fromHtml(it.next().captured(1)).toPlainText().simplified();
    return found;
}

QStringList titles(const QString& html) { return matches(html, QStringLiteral("<h[12][^>]*>(.*?)</h[12]>")); }
QStringList pictures(const QString& html) { return matches(html, QStringLiteral("<img src=\"([^\"]+)\"")); }

QString picturePath(const Manual& manual, const QString& name)
{
    return QStringLiteral(NUMORA_MANUAL_PICTURES "/%1/%2").arg(QLatin1String(manual.code), name);
}

// How many different colours the picture has; a blank or one-colour window has very few.
int colours(const QImage& image)
{
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            seen.insert(image.pixel(x, y));
    return int(seen.size());
}

TEST(Manual, EveryPictureIsAWindowInItsLanguage)
{
    const QStringList names = pictures(source(Manuals[0]));
    const QStringList mainWindow{"lottotipp.png", "optionen-statistisch.png", "optionen-optimierung.png",
                                 "optionen-mathematisch.png", "optionen-allgemein.png", "diagramm.png",
                                 "datenbank.png", "internet.png"};
    ASSERT_GE(names.size(), 14);
    for (const Manual& manual : Manuals)
        EXPECT_EQ(pictures(source(manual)), names) << manual.code << ": every manual shows the same windows";
    for (const QString& name : names) {
        const QImage german(picturePath(Manuals[0], name));
        ASSERT_FALSE(german.isNull()) << name;
        EXPECT_GE(german.width(), 250) << name;
        EXPECT_GE(german.height(), 100) << name;
        EXPECT_GE(colours(german), 8) << name << " is blank";
        for (const Manual& manual : {Manuals[1], Manuals[2]}) {
            const QImage shot(picturePath(manual, name));
            ASSERT_FALSE(shot.isNull()) << manual.code << name;
            EXPECT_GE(colours(shot), 8) << manual.code << name << " is blank";
            // The main window keeps its size in every language; its texts are the language's.
            if (mainWindow.contains(name))
                EXPECT_EQ(shot.size(), german.size()) << manual.code << name;
            // The print preview is Qt's window of icons around the ticket, the same in every language.
            if (name != QLatin1String("druckvorschau.png"))
                EXPECT_NE(shot, german) << manual.code << name << " shows the German window";
        }
    }
}

TEST(Manual, EachPdfHasEverySectionAndPicture)
{
    for (const Manual& manual : Manuals) {
        const QString html = source(manual);
        const QString pdf = QStringLiteral(NUMORA_PROGRAM_DIR "/") + QLatin1String(manual.pdf);
        // The PDF's fonts set "fi" and "fl" as ligatures; compatibility form spells them out.
        const QString text = test::runProgram(QStringLiteral(NUMORA_PDFTOTEXT), {pdf, QStringLiteral("-")})
                                 .normalized(QString::NormalizationForm_KC)
                                 .simplified();
        const QStringList sections = titles(html);
        ASSERT_GE(sections.size(), 15) << manual.code;
        for (const QString& title : sections)
            EXPECT_TRUE(text.contains(title)) << manual.pdf << " lacks the section " << title;

        // One line per picture placed, after the two header lines.
        const QStringList listed = test::runProgram(QStringLiteral(NUMORA_PDFIMAGES), {QStringLiteral("-list"), pdf})
                                       .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        EXPECT_EQ(listed.size() - 2, pictures(html).size()) << manual.pdf;
        // Window text stays sharp: every picture is stored without loss, with at least 150
        // pixels to the inch as placed on the page.
        for (const QString& line : listed.mid(2)) {
            const QStringList columns = line.simplified().split(QLatin1Char(' '));
            ASSERT_GE(columns.size(), 14) << line.toStdString();
            EXPECT_EQ(columns[8], QLatin1String("image")) << manual.pdf << ": " << line.toStdString();
            EXPECT_GE(columns[12].toInt(), 150) << manual.pdf << ": " << line.toStdString();
        }
    }
}

QString pdfPath(const Manual& manual) { return QStringLiteral(NUMORA_PROGRAM_DIR "/") + QLatin1String(manual.pdf); }

// The text of one page (from 1), or of the whole PDF, as a reader copies it: ligatures spelt out.
// `layout` keeps each line of a table on one line.
QString pdfText(const Manual& manual, int page = 0, bool layout = false)
{
    QStringList args;
    if (layout)
        args << QStringLiteral("-layout");
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    return test::runProgram(QStringLiteral(NUMORA_PDFTOTEXT), args << pdfPath(manual) << QStringLiteral("-"))
        .normalized(QString::NormalizationForm_KC);
}

struct Bookmark {
    QString title;
    int page = 0;
};

// What pdftohtml reads from the PDF: the bookmarks, and per page how far down its text and
// pictures reach, as a share of the page's height.
struct Layout {
    std::vector<Bookmark> bookmarks;
    std::map<int, double> filled;
};

Layout readLayout(const Manual& manual)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("manual"));
    test::runProgram(QStringLiteral(NUMORA_PDFTOHTML), {QStringLiteral("-xml"), QStringLiteral("-q"), pdfPath(manual), out});
    QFile file(out + QStringLiteral(".xml"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << manual.pdf;
    Layout layout;
    QXmlStreamReader xml(&file);
    int page = 0;
    double height = 1;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto attributes = xml.attributes();
        if (xml.name() == QLatin1String("page")) {
            page = attributes.value(QLatin1String("number")).toInt();
            height = attributes.value(QLatin1String("height")).toDouble();
            layout.filled[page] = 0;
        } else if (xml.name() == QLatin1String("text") || xml.name() == QLatin1String("image")) {
            const double bottom = attributes.value(QLatin1String("top")).toDouble()
                                  + attributes.value(QLatin1String("height")).toDouble();
            layout.filled[page] = std::max(layout.filled[page], bottom / height);
        } else if (xml.name() == QLatin1String("item")) {
            Bookmark mark;
            mark.page = attributes.value(QLatin1String("page")).toInt();
            mark.title = xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
            layout.bookmarks.push_back(mark);
        }
    }
    EXPECT_FALSE(xml.hasError()) << manual.pdf << ": " << xml.errorString().toStdString();
    return layout;
}

// Each chapter and section is a bookmark that leads to its page, and the table of contents
// names that page; the version stands on the title page.
TEST(Manual, ContentsAndBookmarksLeadToEachSection)
{
    for (const Manual& manual : Manuals) {
        const QString html = source(manual);
        const Layout layout = readLayout(manual);
        const QStringList sections = matches(html, QStringLiteral("<h[23][^>]*>(.*?)</h[23]>"));
        ASSERT_EQ(layout.bookmarks.size(), size_t(sections.size())) << manual.pdf;
        const int firstChapter = layout.bookmarks.front().page;
        QString contents;
        for (int page = 1; page <= firstChapter; ++page)
            contents += pdfText(manual, page, true);
        contents = contents.simplified();
        EXPECT_TRUE(pdfText(manual, 1).contains(programVersion())) << manual.pdf;
        for (int i = 0; i < sections.size(); ++i) {
            const Bookmark& mark = layout.bookmarks[size_t(i)];
            EXPECT_EQ(mark.title, sections[i]) << manual.pdf;
            EXPECT_TRUE(pdfText(manual, mark.page).simplified().contains(sections[i]))
                << manual.pdf << ": the bookmark " << sections[i].toStdString() << " leads to page " << mark.page;
            EXPECT_TRUE(contents.contains(QStringLiteral("%1 %2").arg(sections[i]).arg(mark.page)))
                << manual.pdf << ": the contents lack " << sections[i].toStdString() << " on page " << mark.page;
        }
    }
}

// The text flows: apart from the title page, the contents and the last page, no page ends
// before its middle.
TEST(Manual, NoPageIsMostlyEmpty)
{
    for (const Manual& manual : Manuals) {
        const Layout layout = readLayout(manual);
        ASSERT_FALSE(layout.bookmarks.empty()) << manual.pdf;
        const int firstChapter = layout.bookmarks.front().page;
        const int last = layout.filled.rbegin()->first;
        for (const auto& [page, filled] : layout.filled)
            if (page >= firstChapter && page < last)
                EXPECT_GE(filled, 0.5) << manual.pdf << ": page " << page << " ends at " << int(filled * 100) << " %";
    }
}

// The commands ("games add", "wheel build", ...) and the options that numora-cli --help names.
struct CommandLine {
    QStringList commands;
    QSet<QString> options;
};

CommandLine commandLineOfHelp()
{
    const QString help = test::runProgram(QStringLiteral(NUMORA_PROGRAM_DIR "/numora-cli"), {QStringLiteral("--help")});
    CommandLine line;
    static const QRegularExpression command(QStringLiteral("^  ([a-z][a-z-]*(?: (?:add|check|generate|build|list))?)\\b"),
                                            QRegularExpression::MultilineOption);
    for (auto it = command.globalMatch(help.section(QStringLiteral("Commands:"), 1).section(QStringLiteral("Options:"), 0, 0));
         it.hasNext();)
        line.commands << it.next().captured(1);
    static const QRegularExpression option(QStringLiteral("--[a-z][a-z-]+"));
    for (auto it = option.globalMatch(help); it.hasNext();)
        line.options.insert(it.next().captured());
    EXPECT_GE(line.commands.size(), 20) << help.toStdString();
    EXPECT_GE(line.options.size(), 20) << help.toStdString();
    return line;
}

void expectNamesCommandLine(const QString& text, const CommandLine& line, const std::string& where)
{
    for (const QString& name : line.commands)
        EXPECT_TRUE(text.contains(name)) << where << " lacks the command " << name.toStdString();
    for (const QString& name : line.options)
        EXPECT_TRUE(text.contains(name)) << where << " lacks the option " << name.toStdString();
}

// Every command and option of --help is in each manual, and no path or option of the text
// is broken across two lines.
TEST(Manual, NamesTheWholeCommandLineUnbroken)
{
    const CommandLine line = commandLineOfHelp();
    for (const Manual& manual : Manuals) {
        const QString raw = pdfText(manual);
        expectNamesCommandLine(raw.simplified(), line, manual.pdf);
        // Each word of a <tt> stands whole on one line of the PDF.
        for (const QString& token : matches(source(manual), QStringLiteral("<tt>(.*?)</tt>")))
            for (const QString& word : token.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                if (!word.contains(QLatin1Char('@')))
                    EXPECT_TRUE(raw.contains(word)) << manual.pdf << ": " << word.toStdString() << " is broken";
    }
}

// The manual page of numora-cli names what --help names.
TEST(Manual, ManualPageAgreesWithHelp)
{
    QFile page(QStringLiteral(NUMORA_SOURCE_DIR "/dist/numora-cli.1"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(page.readAll());
    // The troff of the page as a reader sees it: "\-" is "-", fonts and line breaks vanish.
    text.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    text.remove(QRegularExpression(QStringLiteral("\\\\f[BIRP]")));
    text.remove(QRegularExpression(QStringLiteral("^\\.[A-Z]+ ?"), QRegularExpression::MultilineOption));
    text.remove(QLatin1Char('"'));
    expectNamesCommandLine(text.simplified(), commandLineOfHelp(), "numora-cli.1");
}

// The size table of the wheels in each manual is the catalogue the program ships, with the
// published figures beside: a catalogue improved without its manual shows here.
TEST(Manual, WheelTableIsTheCatalogue)
{
    const QString list = test::runProgram(QStringLiteral(NUMORA_PROGRAM_DIR "/numora-cli"), {QStringLiteral("wheel"), QStringLiteral("list")});
    QMap<QString, QString> expected; // "V T:P" -> "ROWS (RECORD)", "–" for no wheel
    for (const QString& line : list.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList f = line.split(QLatin1Char('\t'));
        ASSERT_EQ(f.size(), 4) << line.toStdString();
        const QString rows = f[2].isEmpty() ? QStringLiteral("–") : f[2];
        expected.insert(f[0] + QLatin1Char(' ') + f[1], f[3].isEmpty() ? rows : QStringLiteral("%1 (%2)").arg(rows, f[3]));
    }
    ASSERT_GT(expected.size(), 100) << list.toStdString();
    for (const Manual& manual : Manuals) {
        const QString html = source(manual);
        const QString table = html.section(QStringLiteral("<!-- wheels -->"), 1).section(QStringLiteral("<!-- /wheels -->"), 0, 0);
        const QStringList guarantees = matches(table.section(QStringLiteral("</tr>"), 0, 0), QStringLiteral("<th>(\\d:\\d)</th>"));
        ASSERT_EQ(guarantees.size(), 9) << manual.code;
        int listed = 0;
        static const QRegularExpression rowPattern(QStringLiteral("<tr>(<td>.*?)</tr>"));
        for (auto it = rowPattern.globalMatch(table); it.hasNext();) {
            const QString row = it.next().captured(1);
            const QStringList c = matches(row, QStringLiteral("<td>(.*?)</td>"));
            ASSERT_EQ(c.size(), 10) << manual.code << ": " << row.toStdString();
            for (int g = 0; g < 9; ++g) {
                const QString key = c[0] + QLatin1Char(' ') + guarantees[g];
                listed += expected.contains(key);
                EXPECT_EQ(c[g + 1], expected.value(key, QStringLiteral("–")))
                    << manual.code << ": " << c[0].toStdString() << " numbers, " << guarantees[g].toStdString();
            }
        }
        EXPECT_EQ(listed, expected.size()) << manual.code << ": the table lacks a size of the catalogue";
    }
}

} // namespace
} // namespace numora
