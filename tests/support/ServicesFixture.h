#pragma once

// A program directory with a draw file, the program's state bound to it, and a stand-in the test
// starts with its own draws CSV.

#include "base/DayDate.h"
#include "session/ProgramState.h"
#include "base/WebClient.h"
#include "base/WebHosts.h"
#include "draws/DrawFile.h"

#include "support/ServicesProcess.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

namespace numora::test {

// Besides messages and questions, what the status bar and the draw display were told, in order.
class StatusHooks : public RecordingHooks {
public:
    QStringList panel0;
    QStringList panel1;
    int drawsShown = 0;

    void setStatusPanel0(const QString& text) override { panel0 << text; }
    void setStatusText(const QString& text) override { panel1 << text; }
    void drawChanged() override { ++drawsShown; }
};

class ServicesFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        state.programDir = ProgramState::withTrailingSlash(dir.path());
        state.hooks = &hooks;
    }

    QString drawPath() const { return state.drawFilePath(); }
    QString path(const QString& name) const { return dir.filePath(name); }

    void setToday(int year, int month, int day)
    {
        state.today = [d = QDate(year, month, day)] { return d; };
    }

    // Starts the stand-in on `drawsCsv` plus `arguments`; the state's hosts point at it.
    ServicesProcess& startServer(const QByteArray& drawsCsv, const QStringList& arguments = {})
    {
        const QString csv = path(QStringLiteral("service-draws.csv"));
        EXPECT_TRUE(writeBytes(csv, drawsCsv));
        return startServerOn(csv, arguments);
    }

    ServicesProcess& startServerOn(const QString& csvPath, const QStringList& arguments = {})
    {
        server = std::make_unique<ServicesProcess>(QStringList{QStringLiteral("--draws"), csvPath} + arguments);
        EXPECT_TRUE(server->isRunning()) << server->errorOutput();
        state.hosts.services = state.hosts.results = server->baseUrl();
        return *server;
    }

    // The lines of a test endpoint of the stand-in ("requests" or "uploads").
    QStringList serverLog(const char* endpoint)
    {
        WebClient probe;
        const WebResponse answer
            = probe.get(WebHosts::join(server->baseUrl(), QStringLiteral("/numora-services/") + QLatin1String(endpoint)));
        EXPECT_EQ(answer.status, 200) << answer.error;
        return QString::fromUtf8(answer.body).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // The days the update asked the service for, as "yyyymmdd", in order.
    QStringList requestedDays()
    {
        QStringList days;
        const QString prefix = QStringLiteral("/zahlen/lotto_neu.asp?Programm=Orbix&Datum=");
        for (const QString& target : serverLog("requests"))
            if (target.startsWith(prefix))
                days << target.mid(prefix.size());
        return days;
    }

    std::vector<TZiehung> stored() const
    {
        auto records = DrawFile(drawPath()).readAll();
        EXPECT_TRUE(records.ok()) << (records.ok() ? QString() : records.error().message);
        return records.ok() ? *records : std::vector<TZiehung>{};
    }

    QTemporaryDir dir;
    StatusHooks hooks;
    ProgramState state;
    std::unique_ptr<ServicesProcess> server;
    // Closed before the stand-in stops, which would otherwise wait for its idle connection.
    WebClient client;
};

// Records compare as their 32 bytes, shown with the date and numbers in front so that a
// difference reads easily.
inline std::vector<std::string> bytesOf(const std::vector<TZiehung>& records)
{
    std::vector<std::string> out;
    for (const TZiehung& r : records) {
        std::string text = DayDate::formatShortDate(r.Datum).toStdString();
        for (std::uint8_t n : r.Zahlen)
            text += ' ' + std::to_string(n);
        text += " |";
        static const char hex[] = "0123456789abcdef";
        for (std::uint8_t b : r.toBytes()) {
            text += hex[b >> 4];
            text += hex[b & 15];
        }
        out.push_back(text);
    }
    return out;
}

} // namespace numora::test
