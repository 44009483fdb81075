// Handing the sheet on: the broker address and its pages, the tip-transfer file and click scripts.
#include "output/ClickScript.h"
#include "output/OnlineSubmission.h"
#include "output/TipTransfer.h"

#include "base/DayDate.h"
#include "base/WebClient.h"
#include "model/TTippSchein.h"

#include "support/ServicesProcess.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QUrlQuery>

#include <utime.h>

namespace numora {
namespace {

void fillRow(TTippSchein& sheet, int r, std::array<int, 6> numbers)
{
    for (int p = 0; p < 6; ++p)
        sheet.setField(r, p, QString::number(numbers[std::size_t(p)]));
}

TTippSchein threeRows()
{
    TTippSchein sheet;
    fillRow(sheet, 0, { 3, 11, 17, 23, 40, 49 });
    fillRow(sheet, 1, { 1, 2, 5, 8, 13, 47 });
    fillRow(sheet, 3, { 6, 7, 9, 10, 12, 14 }); // row 3 (index 2) stays empty
    return sheet;
}

struct AddressCase {
    const char* name;
    int tipCount;
    SubmitOptions options;
    const char* expectedTail; // after the rows
    const char* rowsPrefix;   // key pattern of the rows
};

class BrokerAddressTest : public ::testing::TestWithParam<AddressCase> {};

TEST_P(BrokerAddressTest, RowsThenOptionsThenCommand)
{
    const AddressCase& c = GetParam();
    const TTippSchein sheet = threeRows();
    const QString address = OnlineSubmission::brokerAddress(QStringLiteral("B?"), sheet, c.tipCount, c.options);
    QString expected = QStringLiteral("B?");
    for (int r = 1; r <= c.tipCount; ++r) {
        for (int k = 1; k <= 6; ++k) {
            if (r > 1 || k > 1)
                expected += QLatin1Char('&');
            expected += QString::fromLatin1(c.rowsPrefix).arg(r).arg(k) + sheet.field(r - 1, k - 1);
        }
    }
    expected += QString::fromLatin1(c.expectedTail) + QStringLiteral("&command=abgeben&ref=")
        + OnlineSubmission::partnerReference();
    EXPECT_EQ(address, expected);
}

SubmitOptions options(bool sa, bool mi, bool s77, bool s6, bool extra = false)
{
    SubmitOptions o;
    o.saturday = sa;
    o.wednesday = mi;
    o.spiel77 = s77;
    o.super6 = s6;
    o.gluecksspirale = true; // never sent as on
    o.extra = extra;
    o.ticketNumber = QStringLiteral("1234567");
    return o;
}

INSTANTIATE_TEST_SUITE_P(Cases, BrokerAddressTest,
    ::testing::Values(
        AddressCase { "SaturdayOnlyTwoRows", 2, options(true, false, true, false),
            "&Spiel77=tipp24on&Super6=tipp24off&gluecksspirale=tipp24off&Losnummer=1234567&Abo=tipp24off"
            "&Teilnahme=samstag&laufzeitBezeichnung=Laufzeit&Laufzeit=1",
            "Tippreihe%1_Zahl%2=" },
        AddressCase { "OneRowOnlyWednesday", 1, options(false, true, false, true),
            "&Spiel77=tipp24off&Super6=tipp24on&gluecksspirale=tipp24off&Losnummer=1234567&Abo=tipp24off"
            "&Teilnahme=mittwoch&laufzeitBezeichnung=Laufzeit&Laufzeit=1",
            "Tippreihe%1_Zahl%2=" },
        AddressCase { "BothDaysEmptyRowThree", 4, options(true, true, false, false),
            "&Spiel77=tipp24off&Super6=tipp24off&gluecksspirale=tipp24off&Losnummer=1234567&Abo=tipp24off"
            "&Teilnahme=kombi&laufzeitBezeichnung=Laufzeit&Laufzeit=1",
            "Tippreihe%1_Zahl%2=" },
        AddressCase { "NoDayNoTeilnahme", 1, options(false, false, false, false),
            "&Spiel77=tipp24off&Super6=tipp24off&gluecksspirale=tipp24off&Losnummer=1234567&Abo=tipp24off"
            "&laufzeitBezeichnung=Laufzeit&Laufzeit=1",
            "Tippreihe%1_Zahl%2=" },
        AddressCase { "Extra", 2, options(true, true, true, true, true),
            "&ticketnumber=1234567&drawingid=EXTRALOTTO-VP-1", "el%1_%2=" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BrokerAddressTest, EmptyRowKeepsItsKeys)
{
    const QString address = OnlineSubmission::brokerAddress(QStringLiteral("B?"), threeRows(), 3, options(true, false, false, false));
    EXPECT_TRUE(address.contains(QStringLiteral("&Tippreihe3_Zahl1=&Tippreihe3_Zahl2=&Tippreihe3_Zahl3=&Tippreihe3_Zahl4="
                                                "&Tippreihe3_Zahl5=&Tippreihe3_Zahl6=&Spiel77=")));
}

class SubmissionPlanTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        request.sheet = &sheet;
        request.tipCount = 2;
        request.options = options(true, false, false, false);
        request.programDir = dir.path() + QLatin1Char('/');
        request.makerAddress = QStringLiteral("http://www.veldor.example");
        request.hosts.broker = QStringLiteral("http://broker.example:81");
    }

    static OnlineSubmission::ServiceAnswer address(const QByteArray& text)
    {
        return { OnlineSubmission::ServiceAnswer::Kind::Address, text, {} };
    }

    QTemporaryDir dir;
    TTippSchein sheet = threeRows();
    OnlineSubmission::Request request;
};

TEST_F(SubmissionPlanTest, AddressOpensInTheBrowserOrThroughTheLinkPage)
{
    auto direct = OnlineSubmission::plan(request, address("http://broker.example:81/order.asp?\r\n"));
    ASSERT_TRUE(direct.ok());
    EXPECT_EQ(direct->action, OnlineSubmission::Plan::Action::OpenAddress);
    EXPECT_TRUE(direct->target.startsWith(QStringLiteral("http://broker.example:81/order.asp?Tippreihe1_Zahl1=3&")));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("tipp.htm"))));

    request.linkPage = true;
    auto linked = OnlineSubmission::plan(request, address("http://broker.example:81/order.asp?"));
    ASSERT_TRUE(linked.ok());
    EXPECT_EQ(linked->action, OnlineSubmission::Plan::Action::OpenLinkPage);
    EXPECT_EQ(linked->target, dir.filePath(QStringLiteral("tipp.htm")));
    const QStringList lines = QString::fromUtf8(test::readBytes(linked->target)).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 13); // twelve lines, each ended
    EXPECT_EQ(lines[2], QStringLiteral("<title>Numora Online-Abgabe über broker.example</Title>"));
    EXPECT_EQ(lines[5], QStringLiteral("window.location.href=\"") + direct->target + QStringLiteral("\";}"));
    EXPECT_EQ(lines[8], QStringLiteral("<body onload=aufruf()>"));
    EXPECT_TRUE(lines[9].endsWith(QStringLiteral("\">Tipp an Tipp24 übergeben. Sie können den Tipp anschließend "
                                                 "kontrollieren und sich erst dann anmelden.</a>")));

    request.options.extra = true;
    request.linkPage = false;
    auto extra = OnlineSubmission::plan(request, address("ignored"));
    ASSERT_TRUE(extra.ok());
    EXPECT_TRUE(extra->target.startsWith(QStringLiteral("http://broker.example:81/app/extralotto/html/index.html?el1_1=3&")));
}

TEST_F(SubmissionPlanTest, NoticeUnavailableForeignAndOverlongAddressesOpenNoBrokerPage)
{
    auto notice = OnlineSubmission::plan(request, { OnlineSubmission::ServiceAnswer::Kind::Notice, "<h1>Mitteilung</h1>", {} });
    ASSERT_TRUE(notice.ok());
    EXPECT_EQ(notice->action, OnlineSubmission::Plan::Action::OpenNotice);
    EXPECT_EQ(test::readBytes(dir.filePath(QStringLiteral("Meldung.htm"))), QByteArray("<h1>Mitteilung</h1>"));

    const QString unavailable = QStringLiteral("Abgabe-Service steht momentan nicht zur Verfügung. Prüfen Sie ob sie mit "
        "dem Internet verbunden sind. Besteht das Problem länger, prüfen Sie ob es auf http://www.veldor.example neue "
        "Updates gibt.");
    for (const auto& answer : { OnlineSubmission::ServiceAnswer {}, address("file:///etc/passwd?"),
             address("javascript:alert(1)//") }) {
        auto planned = OnlineSubmission::plan(request, answer);
        ASSERT_TRUE(planned.ok());
        EXPECT_EQ(planned->action, OnlineSubmission::Plan::Action::ShowMessage);
        EXPECT_EQ(planned->message, unavailable);
    }

    request.linkPage = true;
    auto overlong = OnlineSubmission::plan(request, address("http://broker.example/" + QByteArray(2000, 'x') + "?"));
    ASSERT_TRUE(overlong.ok());
    EXPECT_EQ(overlong->action, OnlineSubmission::Plan::Action::ShowMessage);
    EXPECT_TRUE(overlong->message.contains(QStringLiteral("2048")));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("tipp.htm"))));
}

TEST(SubmissionServiceTest, AddressNoticeAndNoServer)
{
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("draws.csv"));
    ASSERT_TRUE(test::writeBytes(csv, "date,n1,n2,n3,n4,n5,n6\n2024-01-06,3,8,19,27,33,45\n"));
    WebHosts hosts;
    WebClient client;
    {
        test::ServicesProcess server({ QStringLiteral("--draws"), csv });
        ASSERT_TRUE(server.isRunning());
        hosts.services = server.baseUrl();
        auto answer = OnlineSubmission::askService(client, hosts, QString(), QStringLiteral("80"), 3);
        ASSERT_TRUE(answer.ok());
        EXPECT_EQ(answer->kind, OnlineSubmission::ServiceAnswer::Kind::Address);
        EXPECT_EQ(answer->text, (server.baseUrl() + QStringLiteral("/broker/abgabe.asp?")).toUtf8());
        const QByteArray requests = client.get(server.baseUrl() + QStringLiteral("/numora-services/requests")).body;
        EXPECT_TRUE(requests.contains("/lotto/lotto.asp?Spiel=Lotto&Wo=Tipp24&Tipps=3")) << requests.toStdString();

        auto badProxy = OnlineSubmission::askService(client, hosts, QStringLiteral("127.0.0.1"), QStringLiteral("acht"), 3);
        EXPECT_FALSE(badProxy.ok());
    }
    {
        test::ServicesProcess server({ QStringLiteral("--draws"), csv, QStringLiteral("--broker-error") });
        ASSERT_TRUE(server.isRunning());
        hosts.services = server.baseUrl();
        auto answer = OnlineSubmission::askService(client, hosts, QString(), QString(), 1);
        ASSERT_TRUE(answer.ok());
        EXPECT_EQ(answer->kind, OnlineSubmission::ServiceAnswer::Kind::Notice);
        EXPECT_TRUE(answer->text.contains("Mitteilung"));
    }
    // The stand-in is gone: nothing listens there any more.
    auto none = OnlineSubmission::askService(client, hosts, QString(), QString(), 1);
    ASSERT_TRUE(none.ok());
    EXPECT_EQ(none->kind, OnlineSubmission::ServiceAnswer::Kind::Unavailable);
}

TEST(TipTransferTest, NextDrawNameAndOnlyRowsWithAFirstField)
{
    QTemporaryDir dir;
    const QString programDir = dir.path() + QLatin1Char('/');
    TTippSchein sheet;
    fillRow(sheet, 1, { 2, 4, 6, 8, 10, 12 });
    sheet.setField(2, 3, QStringLiteral("30")); // no first field
    const double today = DayDate::fromYmd(2024, 3, 7);
    struct Case {
        double chosen;
        const char* name;
    };
    for (const Case& c : { Case { DayDate::fromYmd(2024, 3, 4), "20240307.ntp" }, // Monday: today
             Case { DayDate::fromYmd(2024, 3, 2), "20240306.ntp" },               // Saturday: + 4
             Case { DayDate::fromYmd(2024, 3, 6), "20240309.ntp" } }) {           // Wednesday: + 3
        auto written = TipTransfer::write(programDir, c.chosen, today, sheet);
        ASSERT_TRUE(written.ok());
        EXPECT_EQ(*written, programDir + QStringLiteral("Tipps/") + QString::fromLatin1(c.name));
        EXPECT_EQ(test::readBytes(*written), QByteArray("2,4,6,8,10,12\r\n"));
    }
}

class ClickScriptTest : public ::testing::Test {
protected:
    QString writeFile(const QString& relative, const QByteArray& bytes)
    {
        const QString path = dir.filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        EXPECT_TRUE(test::writeBytes(path, bytes));
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(ClickScriptTest, PlaceholdersFilledFieldFirstThenRow)
{
    TTippSchein sheet;
    fillRow(sheet, 1, { 4, 9, 16, 25, 36, 49 });
    SubmitOptions o;
    o.saturday = o.wednesday = o.super6 = true;
    const QString filled = ClickScript::fill(
        QStringLiteral("[Z3_2] [Z3_2] [Z1_2]|[Z6_2]|[Z1_1]|[Z6_12]|[MI][SA][MISA]|[GLUECK][SPIEL77][SUPER6]|[TIPPDATEI]|"
                       "[MELDUNGFERTIG]|[z1_1][Z7_1]"),
        sheet, o, QStringLiteral("/p d/Tipps/20240306.ntp"));
    EXPECT_EQ(filled, QStringLiteral("16 16 4|49|||JAJAJA|NEINNEINJA|/p d/Tipps/20240306.ntp|Please ckeck the tip!|[z1_1][Z7_1]"));

    const QString plain = QStringLiteral("OPEN x\r\nSTOP\r\n");
    EXPECT_EQ(ClickScript::fill(plain, sheet, o, QString()), plain);
    o.saturday = false;
    EXPECT_EQ(ClickScript::fill(QStringLiteral("[MI][SA][MISA]"), sheet, o, QString()), QStringLiteral("JANEINNEIN"));
}

TEST_F(ClickScriptTest, WriteReadsTheTemplateAndFailsWithoutIt)
{
    TTippSchein sheet;
    fillRow(sheet, 0, { 1, 2, 3, 4, 5, 6 });
    const QString templ = writeFile(QStringLiteral("Script/T.crs"), "\xEF\xBB\xBFTIP [Z1_1] [Z6_1] f\xC3\xBCr\r\n");
    const QString out = ClickScript::outputPath(dir.path() + QLatin1Char('/'), QDate(2024, 3, 5));
    EXPECT_EQ(out, dir.path() + QStringLiteral("/Tipps/20240305.crs"));
    auto written = ClickScript::write(templ, out, sheet, {}, QString());
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(test::readBytes(out), QByteArray("TIP 1 6 f\xC3\xBCr\r\n"));

    auto missing = ClickScript::write(dir.filePath(QStringLiteral("Script/fehlt.crs")), out, sheet, {}, QString());
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error().message.contains(QStringLiteral("fehlt.crs")));
}

TEST_F(ClickScriptTest, SettingsKeepPathAndTemplatesAndExecutableAreFound)
{
    const QString store = dir.filePath(QStringLiteral("Veldor/Settings.reg"));
    writeFile(QStringLiteral("Veldor/Settings.reg"),
        "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\Veldor\\Clickrunner\\Settings]\r\n"
        "\"Path\"=\"/opt/Click Runner\"\r\n\"Other\"=dword:00000001\r\n");
    ClickScript::Settings s = ClickScript::Settings::load(store);
    EXPECT_EQ(s.path, QStringLiteral("/opt/Click Runner"));
    EXPECT_TRUE(s.script.isEmpty());
    s.script = QStringLiteral("/x/T.crs");
    s.zahl1 = QStringLiteral("2");
    s.text1 = QStringLiteral("anna");
    s.text2 = QStringLiteral("geheim");
    s.path = QStringLiteral("changed");
    ASSERT_TRUE(s.save(store).ok());
    const ClickScript::Settings back = ClickScript::Settings::load(store);
    EXPECT_EQ(back.path, QStringLiteral("/opt/Click Runner")); // the installer's, not ours
    EXPECT_EQ(back.script, s.script);
    EXPECT_EQ(back.text2, QStringLiteral("geheim"));
    EXPECT_EQ(QFileInfo(store).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther), QFileDevice::Permissions());
    EXPECT_TRUE(test::readBytes(store).contains("\"Other\"=dword:00000001"));

    writeFile(QStringLiteral("Script/A.crs"), "a");
    writeFile(QStringLiteral("Script/B.crs"), "b");
    writeFile(QStringLiteral("Script/C.txt"), "c");
    QDir().mkpath(dir.filePath(QStringLiteral("Script/D.crs")));
    QStringList found = ClickScript::templates(dir.filePath(QStringLiteral("Script")));
    found.sort();
    EXPECT_EQ(found, (QStringList { dir.filePath(QStringLiteral("Script/A.crs")), dir.filePath(QStringLiteral("Script/B.crs")) }));
    EXPECT_TRUE(ClickScript::templates(dir.filePath(QStringLiteral("nirgends"))).isEmpty());

    // Installed: the user's own templates, then the shipped ones he has no copy of. An update of
    // a shipped template becomes his own copy; any other is replaced where it lies.
    const ProgramFolders folders{dir.filePath(QStringLiteral("user/")), dir.filePath(QStringLiteral("shared/")), {}, false};
    writeFile(QStringLiteral("shared/Script/A.crs"), "shipped a");
    writeFile(QStringLiteral("shared/Script/B.crs"), "shipped b");
    writeFile(QStringLiteral("user/Script/B.crs"), "own b");
    writeFile(QStringLiteral("user/Script/E.crs"), "own e");
    found = ClickScript::templates(folders);
    std::sort(found.begin(), found.begin() + 2);
    EXPECT_EQ(found, (QStringList { folders.data + QStringLiteral("Script/B.crs"), folders.data + QStringLiteral("Script/E.crs"),
                                    folders.shared + QStringLiteral("Script/A.crs") }));
    EXPECT_EQ(ClickScript::updatePath(folders, folders.shared + QStringLiteral("Script/A.crs")), folders.data + QStringLiteral("Script/A.crs"));
    EXPECT_EQ(ClickScript::updatePath(folders, folders.data + QStringLiteral("Script/B.crs")), folders.data + QStringLiteral("Script/B.crs"));
    EXPECT_EQ(ClickScript::updatePath(ProgramFolders::portableAt(dir.path()), dir.filePath(QStringLiteral("Script/A.crs"))),
              dir.filePath(QStringLiteral("Script/A.crs")));

    const QString install = dir.filePath(QStringLiteral("Click Runner"));
    QDir().mkpath(install);
    EXPECT_TRUE(ClickScript::executable(install).isEmpty()); // installed once, program deleted since
    writeFile(QStringLiteral("Click Runner/Clickrunner.exe"), "x");
    EXPECT_EQ(ClickScript::executable(install), install + QStringLiteral("/Clickrunner.exe"));
    writeFile(QStringLiteral("Click Runner/Clickrunner"), "x");
    EXPECT_EQ(ClickScript::executable(install), install + QStringLiteral("/Clickrunner"));
    EXPECT_TRUE(ClickScript::executable(QString()).isEmpty());
}

TEST_F(ClickScriptTest, UpdateReplacesAnOlderTemplateOnly)
{
    const QString csv = writeFile(QStringLiteral("draws.csv"), "date,n1,n2,n3,n4,n5,n6\n2024-01-06,3,8,19,27,33,45\n");
    test::ServicesProcess server({ QStringLiteral("--draws"), csv }); // its templates date from 03.06.2024
    ASSERT_TRUE(server.isRunning());
    WebClient client;
    client.setFollowRedirects(false);
    const auto setDate = [](const QString& path, int year) {
        const std::time_t t = QDateTime(QDate(year, 1, 1), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
        utimbuf times { t, t };
        ASSERT_EQ(::utime(QFile::encodeName(path).constData(), &times), 0);
    };
    const QString older = writeFile(QStringLiteral("Script/Tipp24.crs"), "alt");
    setDate(older, 2023);
    // A shipped template, read-only for the user: the update becomes his own copy.
    const QString shipped = writeFile(QStringLiteral("shared/Script/Tipp24.crs"), "alt");
    setDate(shipped, 2023);
    const QString own = dir.filePath(QStringLiteral("user/Script/Tipp24.crs"));
    EXPECT_TRUE(ClickScript::updateTemplate(client, server.baseUrl(), shipped, own));
    EXPECT_EQ(test::readBytes(shipped), QByteArray("alt"));
    EXPECT_TRUE(test::readBytes(own).contains("[Z1_1]"));

    EXPECT_TRUE(ClickScript::updateTemplate(client, server.baseUrl(), older));
    EXPECT_TRUE(test::readBytes(older).contains("[Z1_1]"));

    const QString newer = writeFile(QStringLiteral("Script/Lottery24.crs"), "neu");
    setDate(newer, 2025);
    EXPECT_FALSE(ClickScript::updateTemplate(client, server.baseUrl(), newer));
    EXPECT_EQ(test::readBytes(newer), QByteArray("neu"));

    const QString unknown = writeFile(QStringLiteral("Script/Eigen.crs"), "eigen");
    setDate(unknown, 2023);
    EXPECT_FALSE(ClickScript::updateTemplate(client, server.baseUrl(), unknown));
    EXPECT_EQ(test::readBytes(unknown), QByteArray("eigen"));
    EXPECT_FALSE(ClickScript::updateTemplate(client, QStringLiteral("http://127.0.0.1:1"), unknown));
}

TEST_F(ClickScriptTest, ClickrunnerGetsEveryArgumentWhole)
{
    // The stand-in, installed in a folder with blanks, logs what it got beside itself.
    const QString install = dir.filePath(QStringLiteral("Click Runner"));
    QDir().mkpath(install);
    ASSERT_TRUE(QFile::copy(QStringLiteral(NUMORA_CLICKRUNNER_EXE), install + QStringLiteral("/Clickrunner")));
    const QString exe = ClickScript::executable(install);
    ASSERT_FALSE(exe.isEmpty());

    TTippSchein sheet;
    for (int r = 0; r < 12; ++r)
        fillRow(sheet, r, { 1, 2, 3, 4, 5, r + 6 });
    const QString programDir = dir.filePath(QStringLiteral("Mein Programm")) + QLatin1Char('/');
    auto script = ClickScript::write(QStringLiteral(NUMORA_SOURCE_DIR "/data/Script/Tipp24.crs"),
        ClickScript::outputPath(programDir, QDate(2024, 3, 5)), sheet, {}, programDir + QStringLiteral("Tipps/x.ntp"));
    ASSERT_TRUE(script.ok());
    ClickScript::Settings settings;
    settings.zahl1 = QStringLiteral("0");
    settings.zahl2 = QStringLiteral("3");
    settings.text1 = QStringLiteral("anna maria");
    settings.text2 = QString();
    ASSERT_TRUE(ClickScript::start(exe, ClickScript::arguments(*script, settings)));

    const QString log = install + QStringLiteral("/clickrunner.log");
    for (int i = 0; i < 300 && !QFile::exists(log); ++i)
        QThread::msleep(100);
    EXPECT_EQ(QString::fromUtf8(test::readBytes(log)),
        QStringLiteral("arg1=START\narg2=%1\narg3=0\narg4=anna maria\narg5=3\narg6=\nend\n").arg(*script));
}

} // namespace
} // namespace numora
