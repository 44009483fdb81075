#include "app/CommandLine.h"
#include "model/Links.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

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

TEST(Links, TheBrokerLinkOpensTheAffiliateAddress)
{
    EXPECT_EQ(Links::targetOf(Links::makerHomePage()), Links::makerHomePage());
    EXPECT_EQ(Links::targetOf(QStringLiteral("https://www.lottobay.example/")), Links::affiliatePage());
}
