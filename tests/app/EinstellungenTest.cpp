#include "app/Einstellungen.h"

#include "session/ProgramState.h"
#include "base/DayDate.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace numora {
namespace {

const QDate Today(2026, 12, 10);

class EinstellungenTest : public ::testing::Test {
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("Veldor/Orbix.reg")); }

    ProgramState freshState() const
    {
        ProgramState state;
        state.today = [] { return Today; };
        state.chosenDate.value = DayDate::fromDate(Today);
        return state;
    }

    // Loads the store file written from `lines` (value lines of the key) into a fresh state.
    Einstellungen::LoadReport loadFrom(const QByteArray& lines, ProgramState& state, WindowSize& window)
    {
        writeStore(lines);
        Einstellungen store(RegistryKey(QString::fromLatin1(Einstellungen::KeyPath), path()));
        return store.load(state, window);
    }

    void writeStore(const QByteArray& lines)
    {
        QDir().mkpath(QFileInfo(path()).absolutePath());
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\Veldor\\Orbix]\r\n");
        file.write(lines);
    }

    QTemporaryDir m_dir;
};

TEST_F(EinstellungenTest, FirstRunKeepsTheDesignedWindow)
{
    ProgramState state = freshState();
    state.ticket.land = 5;
    state.proxyPort = QStringLiteral("8080");
    WindowSize window;
    Einstellungen store(RegistryKey(QString::fromLatin1(Einstellungen::KeyPath), path()));
    const auto report = store.load(state, window);
    EXPECT_TRUE(report.problems.isEmpty()) << report.problems.join(QLatin1Char('\n'));
    EXPECT_EQ(state.ticket.land, 1);
    EXPECT_EQ(state.ticket.tippTop, 39);
    EXPECT_EQ(state.ticket.tippLeft, 47);
    EXPECT_TRUE(state.saturdayDraws);
    EXPECT_TRUE(state.wednesdayDraws);
    EXPECT_EQ(state.proxyPort, QStringLiteral("80"));
    EXPECT_EQ(state.urlEdit, ProgramState::designedUrlEdit());
    EXPECT_EQ(state.startDate.value, DayDate::fromYmd(1996, 11, 16));
    EXPECT_EQ(state.sprache, 0);
    EXPECT_EQ(window.height, -1);
    EXPECT_EQ(state.params.upDown(7), 50);
}

TEST_F(EinstellungenTest, EdgeCasesOfStoredValues)
{
    struct Case {
        const char* name;
        QByteArray lines;
        std::function<void(const ProgramState&, const WindowSize&)> check;
    };
    const double threeDaysAgo = DayDate::fromDate(Today.addDays(-3));
    QByteArray recentDate = "\"DateTimePicker2\"=hex:";
    {
        QByteArray raw(8, '\0');
        std::memcpy(raw.data(), &threeDaysAgo, 8);
        recentDate += raw.toHex(',') + "\r\n";
    }
    const Case cases[] = {
        {"start date three days ago", recentDate,
         [](const ProgramState& s, const WindowSize&) { EXPECT_EQ(s.startDate.value, DayDate::fromYmd(1996, 11, 15)); }},
        {"start date not a date", "\"DateTimePicker2\"=\"gestern\"\r\n",
         [](const ProgramState& s, const WindowSize&) { EXPECT_EQ(s.startDate.value, DayDate::fromYmd(1996, 11, 15)); }},
        {"start date kept", "\"DateTimePicker2\"=hex:00,00,00,00,00,c8,e1,40\r\n",
         [](const ProgramState& s, const WindowSize&) { EXPECT_EQ(s.startDate.value, 36416.0); }},
        {"both weekday boxes off", "\"Chekcbox16\"=dword:0\r\n\"Chekcbox17\"=dword:0\r\n",
         [](const ProgramState& s, const WindowSize&) {
             EXPECT_TRUE(s.saturdayDraws);
             EXPECT_TRUE(s.wednesdayDraws);
         }},
        {"one weekday box off", "\"Chekcbox16\"=dword:0\r\n\"Chekcbox17\"=dword:1\r\n",
         [](const ProgramState& s, const WindowSize&) {
             EXPECT_FALSE(s.saturdayDraws);
             EXPECT_TRUE(s.wednesdayDraws);
         }},
        // A wrong type ends its protected group; the next group loads.
        {"Chekcbox5 as a string",
         "\"Chekcbox4\"=dword:0\r\n\"Chekcbox5\"=\"ja\"\r\n\"Chekcbox6\"=dword:1\r\n\"Land\"=dword:4\r\n"
         "\"TippTop\"=dword:9\r\n\"RadioGroup1\"=dword:2\r\n\"UpDown8\"=dword:3\r\n",
         [](const ProgramState& s, const WindowSize&) {
             EXPECT_FALSE(s.params.checkBox(4));
             EXPECT_TRUE(s.params.checkBox(5));
             EXPECT_FALSE(s.params.checkBox(6));
             EXPECT_EQ(s.ticket.land, 1);
             EXPECT_EQ(s.ticket.tippTop, 39);
             EXPECT_EQ(s.ticket.superzahlOption, 2);
             EXPECT_EQ(s.sheet.tipCount(), 3);
         }},
        // Unprotected: a wrong value keeps the designed one, the next value still loads.
        {"RadioGroup1 out of range", "\"RadioGroup1\"=dword:7\r\n\"RadioGroup2\"=dword:1\r\n",
         [](const ProgramState& s, const WindowSize&) {
             EXPECT_EQ(s.ticket.superzahlOption, 0);
             EXPECT_EQ(s.ticket.losnummerOption, 1);
         }},
        {"Browser as a non-empty string", "\"Browser\"=\"nein\"\r\n",
         [](const ProgramState& s, const WindowSize&) { EXPECT_FALSE(s.linkPage); }},
        {"Browser as a boolean", "\"Browser\"=dword:1\r\n",
         [](const ProgramState& s, const WindowSize&) { EXPECT_TRUE(s.linkPage); }},
        {"proxy port without host", "\"ProxyHostEdit\"=\"\"\r\n\"ProxyPortEdit\"=\"3128\"\r\n",
         [](const ProgramState& s, const WindowSize&) { EXPECT_EQ(s.proxyPort, QStringLiteral("80")); }},
        {"proxy port with host", "\"ProxyHostEdit\"=\"proxy\"\r\n\"ProxyPortEdit\"=\"3128\"\r\n",
         [](const ProgramState& s, const WindowSize&) { EXPECT_EQ(s.proxyPort, QStringLiteral("3128")); }},
        {"font values only with the style", "\"DruckFontSize\"=dword:14\r\n\"DruckFontName\"=\"Courier\"\r\n",
         [](const ProgramState& s, const WindowSize&) {
             EXPECT_EQ(s.print.fontSize, 8);
             EXPECT_EQ(s.print.fontName, QStringLiteral("Arial"));
         }},
        {"up-downs clamp to their range, fields follow the field rule",
         "\"UpDown7\"=dword:99999\r\n\"UpDown8\"=dword:40\r\n\"Edit1\"=\"07\"\r\n\"Edit2\"=\"50\"\r\n",
         [](const ProgramState& s, const WindowSize&) {
             EXPECT_EQ(s.params.upDown(7), 30000);
             EXPECT_EQ(s.sheet.tipCount(), 12);
             EXPECT_EQ(s.sheet.field(0, 0), QStringLiteral("7"));
             EXPECT_EQ(s.sheet.field(0, 1), QString());
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramState state = freshState();
        state.linkPage = true;
        WindowSize window;
        loadFrom(c.lines, state, window);
        c.check(state, window);
    }
}

TEST_F(EinstellungenTest, EveryValueSurvivesSaveAndLoad)
{
    ProgramState state = freshState();
    for (int n = 1; n <= 35; ++n)
        state.params.setCheckBox(n, !state.params.checkBox(n));
    state.saturdayDraws = false;
    for (int n = 1; n <= 21; ++n) {
        if (n != 8)
            state.params.setUpDown(n, state.params.upDownRange(n).maximum);
    }
    state.sheet.setTipCount(11);
    for (int r = 0; r < 12; ++r)
        for (int p = 0; p < 6; ++p)
            state.sheet.setField(r, p, QString::number(r * 4 + p + 1));
    state.ticket = TicketChoices{2, 1, 1, 1, 7, 41, 52, 1, 4};
    state.sheet.setTicketNumber(QStringLiteral("1234567"));
    for (std::size_t i = 1; i < state.print.positions.size(); ++i)
        state.print.positions[i] = QString::number(i * 3);
    state.print.layout = 1;
    state.print.fontStyle = 0x0a;
    state.print.fontColor = 0x0000ff;
    state.print.fontSize = 12;
    state.print.fontName = QStringLiteral("DejaVu Sans");
    state.print.paper = 3;
    state.print.portal = 0;
    state.print.feeOneDraw = QStringLiteral("0,75");
    state.print.feeBothDraws = QStringLiteral("1,25");
    state.sprache = 4;
    state.linkPage = true;
    state.urlEdit = QStringLiteral("https://home.example/\"x\"\\y");
    state.proxyHost = QStringLiteral("proxy.local");
    state.proxyPort = QStringLiteral("3128");
    state.startDate.value = DayDate::fromYmd(2005, 3, 2);
    state.hosts.services = QStringLiteral("http://127.0.0.1:9001");
    state.hosts.results = QStringLiteral("http://127.0.0.1:9002");
    state.hosts.broker = QStringLiteral("http://127.0.0.1:9003");
    const WindowSize window{700, 900, true};

    Einstellungen store(RegistryKey(QString::fromLatin1(Einstellungen::KeyPath), path()));
    ASSERT_TRUE(store.save(state, window).ok());

    ProgramState back = freshState();
    WindowSize backWindow;
    Einstellungen reader(RegistryKey(QString::fromLatin1(Einstellungen::KeyPath), path()));
    // The print-position window comes between groups C and D, the language between D and E.
    QStringList steps;
    const auto report = reader.load(back, backWindow,
                                    {[&] { steps << QStringLiteral("C:%1 D:%2").arg(back.ticket.losnummerOption).arg(back.sprache); },
                                     [&] { steps << QStringLiteral("D:%1 E:%2").arg(back.sprache).arg(back.sheet.ticketNumber()); }});
    EXPECT_EQ(steps, QStringList({QStringLiteral("C:4 D:0"), QStringLiteral("D:4 E:")}));
    EXPECT_TRUE(report.problems.isEmpty()) << report.problems.join(QLatin1Char('\n'));

    for (int n = 1; n <= 35; ++n) {
        if (n != 16 && n != 17 && n != 21) {
            EXPECT_EQ(back.params.checkBox(n), state.params.checkBox(n)) << n;
        }
    }
    EXPECT_FALSE(back.saturdayDraws);
    EXPECT_TRUE(back.wednesdayDraws);
    for (int n = 1; n <= 21; ++n)
        EXPECT_EQ(back.params.upDown(n), state.params.upDown(n)) << n;
    EXPECT_EQ(back.sheet.tipCount(), 11);
    for (int r = 0; r < 12; ++r)
        for (int p = 0; p < 6; ++p)
            EXPECT_EQ(back.sheet.field(r, p), state.sheet.field(r, p));
    EXPECT_EQ(back.ticket.neuerSchein, 2);
    EXPECT_EQ(back.ticket.spiel77Ja + back.ticket.super6Ja + back.ticket.glueckJa, 3);
    EXPECT_EQ(back.ticket.land, 7);
    EXPECT_EQ(back.ticket.tippTop, 41);
    EXPECT_EQ(back.ticket.tippLeft, 52);
    EXPECT_EQ(back.ticket.superzahlOption, 1);
    EXPECT_EQ(back.ticket.losnummerOption, 4);
    EXPECT_EQ(back.sheet.ticketNumber(), QStringLiteral("1234567"));
    EXPECT_EQ(back.print.positions, state.print.positions);
    EXPECT_EQ(back.print.layout, 1);
    EXPECT_EQ(back.print.fontStyle, 0x0a);
    EXPECT_EQ(back.print.fontColor, 0x0000ff);
    EXPECT_EQ(back.print.fontSize, 12);
    EXPECT_EQ(back.print.fontName, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(back.print.paper, 3);
    EXPECT_EQ(back.print.portal, 0);
    EXPECT_EQ(back.print.feeOneDraw, QStringLiteral("0,75"));
    EXPECT_EQ(back.print.feeBothDraws, QStringLiteral("1,25"));
    EXPECT_EQ(back.sprache, 4);
    EXPECT_TRUE(back.linkPage);
    EXPECT_EQ(back.urlEdit, state.urlEdit);
    EXPECT_EQ(back.proxyHost, state.proxyHost);
    EXPECT_EQ(back.proxyPort, state.proxyPort);
    EXPECT_EQ(back.startDate.value, state.startDate.value);
    EXPECT_EQ(back.hosts.services, state.hosts.services);
    EXPECT_EQ(back.hosts.results, state.hosts.results);
    EXPECT_EQ(back.hosts.broker, state.hosts.broker);
    EXPECT_EQ(backWindow.height, 700);
    EXPECT_EQ(backWindow.width, 900);

    // The file reads like a registry export, in the order of saving.
    const QByteArray bytes = test::readBytes(path());
    EXPECT_TRUE(bytes.contains("\r\n\"NeuerSchein\"=dword:00000002\r\n\"Losnummer\"=\"1234567\"\r\n\"Chekcbox1\"=dword:"));
    EXPECT_TRUE(bytes.contains("\"DruckSchrift\"=hex:0a\r\n"));
    EXPECT_LT(bytes.indexOf("\"GlueckJa\""), bytes.indexOf("\"Edit1F8\""));
}

TEST_F(EinstellungenTest, MaximisedCloseKeepsTheLastNormalSizeAndDamageIsCleanedOnSave)
{
    writeStore("\"height\"=dword:00000258\r\n\"width\"=dword:00000320\r\n\"Land\"=dword:3\r\n"
               "this line is damaged\r\n\"Unknown\"=dword:00000005\r\n\"Losnummer\"=dword:7\r\n");
    ProgramState state = freshState();
    WindowSize window;
    Einstellungen store(RegistryKey(QString::fromLatin1(Einstellungen::KeyPath), path()));
    const auto report = store.load(state, window);
    EXPECT_EQ(report.problems.size(), 2) << report.problems.join(QLatin1Char('\n'));
    EXPECT_EQ(window.height, 600);

    window = WindowSize{1000, 1400, false};
    ASSERT_TRUE(store.save(state, window).ok());
    const QByteArray bytes = test::readBytes(path());
    EXPECT_TRUE(bytes.contains("\"height\"=dword:00000258"));
    EXPECT_TRUE(bytes.contains("\"width\"=dword:00000320"));
    EXPECT_TRUE(bytes.contains("\"Unknown\"=dword:00000005"));
    EXPECT_FALSE(bytes.contains("damaged"));
    EXPECT_TRUE(bytes.contains("\"Losnummer\"=\"\""));

    RegistryKey again(QString::fromLatin1(Einstellungen::KeyPath), path());
    ASSERT_TRUE(again.load().ok());
    EXPECT_TRUE(again.problems().isEmpty());
}

TEST_F(EinstellungenTest, TicketChoicesAreWrittenAtOnceBesideTheRest)
{
    writeStore("\"Land\"=dword:3\r\n\"Losnummer\"=\"0000000\"\r\n");
    ProgramState state = freshState();
    state.sheet.setTicketNumber(QStringLiteral("7654321"));
    state.ticket.super6Ja = 1;
    Einstellungen store(RegistryKey(QString::fromLatin1(Einstellungen::KeyPath), path()));
    ASSERT_TRUE(store.storeTicketChoices(state).ok());
    RegistryKey key(QString::fromLatin1(Einstellungen::KeyPath), path());
    ASSERT_TRUE(key.load().ok());
    QString text;
    bool flag = false;
    std::int32_t land = 0;
    key.readString(QStringLiteral("Losnummer"), text);
    EXPECT_EQ(text, QStringLiteral("7654321"));
    EXPECT_EQ(key.readBool(QStringLiteral("Super6Ja"), flag), RegistryKey::Read::Ok);
    EXPECT_TRUE(flag);
    EXPECT_EQ(key.readBool(QStringLiteral("Spiel77Ja"), flag), RegistryKey::Read::Ok);
    EXPECT_FALSE(flag);
    key.readInt(QStringLiteral("Land"), land);
    EXPECT_EQ(land, 3);
}

} // namespace
} // namespace numora
