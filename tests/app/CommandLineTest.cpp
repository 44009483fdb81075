#include "app/CommandLine.h"
#include "model/Links.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace numora;

TEST(CommandLine, OnlyAnExactDSelectsThePrintMode)
{
    struct Case {
        QStringList args;
        bool printMode;
        QString tipFile;
        bool exportTexts = false;
    };
    const Case cases[] = {
        {{}, false, {}},
        {{"D", "tipps.ntp"}, true, "tipps.ntp"},
        {{"D"}, true, {}},
        {{"d", "tipps.ntp"}, false, {}},
        {{"X"}, false, {}},
        {{"D", "a.ntp", "extra"}, true, "a.ntp"},
        {{"--export-texts"}, false, {}, true},
        {{"D", "--export-texts", "a.ntp"}, true, "a.ntp", true},
    };
    for (const Case& c : cases) {
        const CommandLine parsed = CommandLine::parse(c.args);
        EXPECT_EQ(parsed.printMode, c.printMode) << c.args.join(' ').toStdString();
        EXPECT_EQ(parsed.tipFile, c.tipFile) << c.args.join(' ').toStdString();
        EXPECT_EQ(parsed.exportTexts, c.exportTexts) << c.args.join(' ').toStdString();
    }
}

TEST(CommandLine, ASingleExistingTipFileIsOpened)
{
    QTemporaryDir dir;
    const QString tip = dir.filePath(QStringLiteral("20240306.NTP"));
    const QString other = dir.filePath(QStringLiteral("notes.txt"));
    for (const QString& path : { tip, other }) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const struct {
        QStringList args;
        QString openFile;
    } cases[] = {
        {{tip}, tip},
        {{tip, QStringLiteral("--export-texts")}, tip},
        {{other}, {}},                                     // not a tip file
        {{dir.filePath(QStringLiteral("gone.ntp"))}, {}}, // no such file
        {{dir.path()}, {}},                                // a folder
        {{tip, tip}, {}},                                  // one argument only
        {{QStringLiteral("D"), tip}, {}},                  // the print mode
    };
    for (const auto& c : cases)
        EXPECT_EQ(CommandLine::parse(c.args).openFile, c.openFile) << c.args.join(' ').toStdString();
}

TEST(Links, TheBrokerLinkOpensTheAffiliateAddress)
{
    EXPECT_EQ(Links::targetOf(Links::makerHomePage()), Links::makerHomePage());
    EXPECT_EQ(Links::targetOf(QStringLiteral("https://www.lottobay.example/")), Links::affiliatePage());
}
