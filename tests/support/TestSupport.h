#pragma once

// Helpers shared by the domain tests: draw records, raw file access and a hooks fake.

#include "base/DayDate.h"
#include "model/RunControl.h"
#include "model/UiHooks.h"
#include "model/TZiehung.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <QDate>

#include <array>
#include <cstdint>
#include <functional>
#include <ostream>
#include <span>
#include <vector>

// Readable failure messages for Qt values.
inline std::ostream& operator<<(std::ostream& os, const QString& text)
{
    return os << '"' << text.toStdString() << '"';
}

inline std::ostream& operator<<(std::ostream& os, const QDate& date)
{
    return os << date.toString(Qt::ISODate).toStdString();
}

namespace numora::test {

// A run control whose stop request a test decides, e.g. "at the third time it is asked".
class AskedStop : public RunControl {
public:
    explicit AskedStop(std::function<bool()> asked = {}) : m_asked(std::move(asked)) {}
    bool stopRequested() const override { return (m_asked && m_asked()) || RunControl::stopRequested(); }

private:
    std::function<bool()> m_asked;
};


inline TZiehung makeDraw(int year, int month, int day, std::array<int, 6> numbers, int zusatzzahl = 0)
{
    TZiehung record;
    record.Datum = DayDate::fromYmd(year, month, day);
    for (int i = 0; i < 6; ++i)
        record.Zahlen[i] = static_cast<std::uint8_t>(numbers[std::size_t(i)]);
    record.Zusatzzahl = static_cast<std::uint8_t>(zusatzzahl);
    return record;
}

inline QByteArray encodeRecords(std::span<const TZiehung> records)
{
    QByteArray bytes;
    for (const TZiehung& record : records) {
        const auto raw = record.toBytes();
        bytes.append(reinterpret_cast<const char*>(raw.data()), qsizetype(raw.size()));
    }
    return bytes;
}

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

inline bool writeRecords(const QString& path, std::span<const TZiehung> records)
{
    return writeBytes(path, encodeRecords(records));
}

inline std::vector<double> datesOf(std::span<const TZiehung> records)
{
    std::vector<double> dates;
    for (const TZiehung& r : records)
        dates.push_back(r.Datum);
    return dates;
}

// Records what an operation asks of the window; answers Yes/No questions with `answer`.
class RecordingHooks : public UiHooks {
public:
    struct Question {
        QString caption;
        QString text;
    };

    bool answer = false;
    QStringList messages;
    QStringList sounds;
    std::vector<Question> questions;

    void showMessage(const QString& text) override { messages << text; }
    bool askYesNo(const QString& caption, const QString& text) override
    {
        questions.push_back({caption, text});
        return answer;
    }
    void playSound(const QString& path) override { sounds << path; }
};

} // namespace numora::test
