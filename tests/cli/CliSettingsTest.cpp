// `settings` and `--stored`: the command line reads the store the window writes.
#include "cli/Cli.h"

#include "app/Einstellungen.h"
#include "session/ProgramState.h"
#include "base/DayDate.h"
#include "support/CliRunner.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

namespace numora {
namespace {

class CliSettingsTest : public ::testing::Test, protected test::CliRunner {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        m_oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
        ASSERT_EQ(run({QStringLiteral("import-csv"), QStringLiteral(NUMORA_SOURCE_DIR "/data/sayisal_loto.csv")}), Cli::Ok)
            << err.toStdString();
    }

    void TearDown() override
    {
        if (m_oldConfig.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", m_oldConfig);
    }

    int run(const QStringList& args) { return runIn(dir.path(), args); }

    // Saves what a window would with these changes from a fresh installation.
    void storeWindow(const std::function<void(ProgramState&)>& change)
    {
        ProgramState state;
        change(state);
        ASSERT_TRUE(Einstellungen().save(state, WindowSize{600, 800, true}).ok());
    }

    QTemporaryDir dir;
    QByteArray m_oldConfig;
};

TEST_F(CliSettingsTest, SettingsPrintsEveryStoredValueWithItsType)
{
    storeWindow([](ProgramState& s) {
        s.params.setUpDown(7, 120);
        s.sheet.setTicketNumber(QStringLiteral("0123456"));
        s.startDate.value = DayDate::fromYmd(1996, 11, 16);
    });
    ASSERT_EQ(run({QStringLiteral("settings")}), Cli::Ok) << err.toStdString();
    const QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(lines.first(), QStringLiteral("NeuerSchein\tdword\t0"));
    EXPECT_TRUE(lines.contains(QStringLiteral("Losnummer\tsz\t0123456")));
    EXPECT_TRUE(lines.contains(QStringLiteral("UpDown7\tdword\t120")));
    EXPECT_TRUE(lines.contains(QStringLiteral("DateTimePicker2\tbinary\t00,00,00,00,20,47,e1,40")));
    EXPECT_TRUE(lines.contains(QStringLiteral("DruckFontColor\tdword\t2147483656")));
    EXPECT_TRUE(lines.contains(QStringLiteral("height\tdword\t600")));
    EXPECT_TRUE(err.isEmpty());

    // No store yet: nothing to print, no error.
    QDir(dir.filePath(QStringLiteral("config"))).removeRecursively();
    ASSERT_EQ(run({QStringLiteral("settings")}), Cli::Ok);
    EXPECT_TRUE(out.isEmpty());
}

TEST_F(CliSettingsTest, StoredStartsFromTheWindowsOptionsAndSetStillWins)
{
    const QStringList sets{QStringLiteral("UpDown8=3"), QStringLiteral("CheckBox17=0"), QStringLiteral("CheckBox22=1"),
                           QStringLiteral("UpDown10=3")};
    storeWindow([](ProgramState& s) {
        s.sheet.setTipCount(3);
        s.wednesdayDraws = false;
        s.params.setCheckBox(22, true);
        s.params.setUpDown(10, 3);
        s.startDate.value = DayDate::fromYmd(2005, 1, 1);
    });
    QStringList explicitArgs{QStringLiteral("generate"), QStringLiteral("--seed"), QStringLiteral("77"),
                             QStringLiteral("--date"), QStringLiteral("01.01.2015"), QStringLiteral("--start"),
                             QStringLiteral("01.01.2005")};
    for (const QString& s : sets)
        explicitArgs << QStringLiteral("--set") << s;
    ASSERT_EQ(run(explicitArgs), Cli::Ok) << err.toStdString();
    const QString expected = out;

    const QStringList storedArgs{QStringLiteral("generate"), QStringLiteral("--seed"), QStringLiteral("77"),
                                 QStringLiteral("--date"), QStringLiteral("01.01.2015"), QStringLiteral("--stored")};
    ASSERT_EQ(run(storedArgs), Cli::Ok) << err.toStdString();
    EXPECT_EQ(out, expected);
    EXPECT_EQ(out.split(QLatin1Char('\n')).mid(0, 12).filter(QRegularExpression(QStringLiteral("^\\d"))).size(), 3);

    // Without --stored the command starts from a fresh installation, as before.
    ASSERT_EQ(run({QStringLiteral("generate"), QStringLiteral("--seed"), QStringLiteral("77"), QStringLiteral("--date"),
                   QStringLiteral("01.01.2015")}),
              Cli::Ok);
    EXPECT_NE(out, expected);

    // A --set given with --stored wins over the stored value.
    ASSERT_EQ(run(QStringList(storedArgs) << QStringLiteral("--set") << QStringLiteral("UpDown8=12")), Cli::Ok);
    EXPECT_EQ(out.split(QLatin1Char('\n')).mid(0, 12).filter(QRegularExpression(QStringLiteral("^\\d"))).size(), 12);
}

} // namespace
} // namespace numora
