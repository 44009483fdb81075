// The manuals the build makes: the pictures of the windows in each language, and each PDF read
// back with pdftotext and pdfimages against the text it was made from.
#include "support/RunProgram.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTextDocumentFragment>

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
    }
}

} // namespace
} // namespace numora
