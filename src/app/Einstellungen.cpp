#include "app/Einstellungen.h"

#include "model/Game.h"

#include "session/ProgramState.h"
#include "base/TextCatalog.h"

namespace numora {

namespace {

using Read = RegistryKey::Read;

QString checkBoxValue(int n) { return QStringLiteral("Chekcbox%1").arg(n); }
QString upDownValue(int n) { return QStringLiteral("UpDown%1").arg(n); }
QString printFieldValue(int n) { return QStringLiteral("Edit%1F8").arg(n); }

// The 72 sheet fields in ascending component number.
std::vector<int> sheetFieldNumbers()
{
    std::vector<int> numbers;
    for (int n = 1; n <= 79; ++n) {
        int row = 0;
        int position = 0;
        if (TTippSchein::locateField(n, row, position))
            numbers.push_back(n);
    }
    return numbers;
}

// Reads the values of one group in order. A protected group ends at the first value of the wrong
// type; an unprotected one skips that value. An absent value leaves its target as it is.
class Group {
public:
    Group(const RegistryKey& key, QStringList& problems, bool isProtected)
        : m_key(key), m_problems(problems), m_protected(isProtected)
    {
    }

    bool ended() const { return m_ended; }

    bool readInt(const QString& name, std::int32_t& target, std::int32_t minimum = INT32_MIN,
                 std::int32_t maximum = INT32_MAX)
    {
        std::int32_t value = 0;
        if (!accept(name, m_ended ? Read::Absent : m_key.readInt(name, value)))
            return false;
        if (value < minimum || value > maximum)
            return reject(name, tx(QStringLiteral("%1 lies outside %2..%3")).arg(value).arg(minimum).arg(maximum));
        target = value;
        return true;
    }

    bool readBool(const QString& name, bool& target)
    {
        bool value = false;
        if (!accept(name, m_ended ? Read::Absent : m_key.readBool(name, value)))
            return false;
        target = value;
        return true;
    }

    bool readString(const QString& name, QString& target)
    {
        QString value;
        if (!accept(name, m_ended ? Read::Absent : m_key.readString(name, value)))
            return false;
        target = value;
        return true;
    }

    bool reject(const QString& name, const QString& why)
    {
        m_problems << QStringLiteral("%1: %2").arg(name, why);
        if (m_protected)
            m_ended = true;
        return false;
    }

private:
    bool accept(const QString& name, Read read)
    {
        if (read == Read::WrongType)
            return reject(name, tx(QStringLiteral("wrong type")));
        return read == Read::Ok;
    }

    const RegistryKey& m_key;
    QStringList& m_problems;
    bool m_protected;
    bool m_ended = false;
};

} // namespace

QString Einstellungen::keyPathFor(const QString& gameId)
{
    if (gameId == QLatin1String(Game::DefaultId))
        return QString::fromLatin1(KeyPath);
    return QString::fromLatin1(KeyPath) + QLatin1Char('-') + gameId;
}

Einstellungen::Einstellungen() : m_key(RegistryKey::userKey(QString::fromLatin1(KeyPath))) {}

Einstellungen::Einstellungen(RegistryKey key) : m_key(std::move(key)) {}

Einstellungen::LoadReport Einstellungen::load(ProgramState& state, WindowSize& window, const LoadSteps& steps)
{
    LoadReport report;
    report.filePath = m_key.filePath();
    if (auto s = m_key.load(); !s)
        report.problems << s.error().message;
    report.problems << m_key.problems();
    read(m_key, state, window, steps, report.problems);
    return report;
}

void Einstellungen::read(const RegistryKey& key, ProgramState& state, WindowSize& window, const LoadSteps& steps,
                         QStringList& problems)
{
    TicketChoices& ticket = state.ticket;

    // A
    {
        Group a(key, problems, true);
        a.readInt(QStringLiteral("NeuerSchein"), ticket.neuerSchein);
    }
    // B
    {
        Group b(key, problems, true);
        for (int n = 1; n <= 35; ++n) {
            if (!ProgramState::keepsCheckBox(n))
                continue;
            bool on = state.storedCheckBox(n);
            if (b.readBool(checkBoxValue(n), on))
                state.setStoredCheckBox(n, on);
            // The weekday filter never excludes every draw.
            if (n == 17 && !state.saturdayDraws && !state.wednesdayDraws)
                state.saturdayDraws = state.wednesdayDraws = true;
        }
        b.readInt(QStringLiteral("Spiel77Ja"), ticket.spiel77Ja);
        b.readInt(QStringLiteral("Super6Ja"), ticket.super6Ja);
        b.readInt(QStringLiteral("GlueckJa"), ticket.glueckJa);
        if (!b.ended())
            ticket.land = 1;
        b.readInt(QStringLiteral("Land"), ticket.land);
        b.readInt(QStringLiteral("height"), window.height, 1, 100000);
        b.readInt(QStringLiteral("width"), window.width, 1, 100000);
        if (!b.ended())
            ticket.tippTop = 39;
        b.readInt(QStringLiteral("TippTop"), ticket.tippTop);
        if (!b.ended())
            ticket.tippLeft = 47;
        b.readInt(QStringLiteral("TippLeft"), ticket.tippLeft);
    }
    // C: a wrong value keeps the designed item
    {
        Group c(key, problems, false);
        c.readInt(QStringLiteral("RadioGroup1"), ticket.superzahlOption, 0, 2);
        c.readInt(QStringLiteral("RadioGroup2"), ticket.losnummerOption, 0, 4);
    }
    if (steps.afterGroupC)
        steps.afterGroupC();
    // D
    {
        Group d(key, problems, true);
        d.readInt(QStringLiteral("Sprache"), state.sprache, 0, 8);
        for (int n = 1; n <= 21 && !d.ended(); ++n) {
            std::int32_t position = state.storedUpDown(n);
            if (d.readInt(upDownValue(n), position))
                state.setStoredUpDown(n, position);
        }
        for (int number : sheetFieldNumbers()) {
            QString text;
            if (!d.readString(QStringLiteral("Edit%1").arg(number), text))
                continue;
            int row = 0;
            int position = 0;
            TTippSchein::locateField(number, row, position);
            state.sheet.setField(row, position, text);
        }
    }
    if (steps.afterGroupD)
        steps.afterGroupD();
    // E
    {
        Group e(key, problems, false);
        QString losnummer = state.sheet.ticketNumber();
        if (e.readString(QStringLiteral("Losnummer"), losnummer))
            state.sheet.setTicketNumber(losnummer);
    }
    // F
    {
        Group f(key, problems, true);
        for (int n = 1; n <= 23; ++n)
            f.readString(printFieldValue(n), state.print.positions.at(std::size_t(n)));
        f.readInt(QStringLiteral("RadioF8"), state.print.layout, 0, 1);
    }
    // G: the font's other values are read only with its style
    {
        Group g(key, problems, false);
        QByteArray style;
        const Read styleRead = key.readBinary(QStringLiteral("DruckSchrift"), style);
        if (styleRead == Read::Ok && style.size() == 1) {
            state.print.fontStyle = static_cast<std::uint8_t>(style.at(0)) & 0x0f;
            g.readInt(QStringLiteral("DruckFontColor"), state.print.fontColor);
            g.readInt(QStringLiteral("DruckFontSize"), state.print.fontSize, 1, 1638);
            g.readString(QStringLiteral("DruckFontName"), state.print.fontName);
        } else if (styleRead != Read::Absent) {
            g.reject(QStringLiteral("DruckSchrift"), tx(QStringLiteral("wrong type")));
        }
        g.readInt(QStringLiteral("DruckPapier"), state.print.paper, 0, 3);
        g.readInt(QStringLiteral("TippAbgabe"), state.print.portal, 0, 1);
    }
    // H
    {
        Group h(key, problems, true);
        h.readString(QStringLiteral("ZWEIPREIS"), state.print.feeOneDraw);
        h.readString(QStringLiteral("EINPREIS"), state.print.feeBothDraws);
    }
    // I: an older version kept the link page as a string; a non-empty one means "off"
    {
        bool on = false;
        QString text;
        switch (key.readBool(QStringLiteral("Browser"), on)) {
        case Read::Ok:
            state.linkPage = on;
            break;
        case Read::WrongType:
            if (key.readString(QStringLiteral("Browser"), text) == Read::Ok) {
                if (!text.isEmpty())
                    state.linkPage = false;
            } else {
                problems << QStringLiteral("Browser: ") + tx(QStringLiteral("wrong type"));
            }
            break;
        case Read::Absent:
            break;
        }
    }
    // J
    {
        Group j(key, problems, true);
        if (!key.contains(QStringLiteral("URLEdit")))
            state.urlEdit = ProgramState::designedUrlEdit();
        j.readString(QStringLiteral("URLEdit"), state.urlEdit);
        j.readString(QStringLiteral("ProxyHostEdit"), state.proxyHost);
        j.readString(QStringLiteral("ProxyPortEdit"), state.proxyPort);
        if (state.proxyHost.isEmpty())
            state.proxyPort = QStringLiteral("80");
    }
    // K: a start date within the last week is not kept, so the history window opens on the whole file
    {
        double date = 0.0;
        const Read r = key.readDouble(QStringLiteral("DateTimePicker2"), date);
        if (r == Read::Ok && state.startDate.setDate(date)) {
        } else if (r != Read::Absent) {
            problems << QStringLiteral("DateTimePicker2: ") + tx(QStringLiteral("not a date"));
            state.startDate.value = state.chosenDate.minimum;
        }
        if (state.startDate.value > state.todayDay() - 7)
            state.startDate.value = state.startDate.minimum;
        state.startDateField = state.startDate.value;
    }
    // The three service addresses
    {
        Group l(key, problems, false);
        l.readString(QString::fromLatin1(ServicesName), state.hosts.services);
        l.readString(QString::fromLatin1(ResultsName), state.hosts.results);
        l.readString(QString::fromLatin1(BrokerName), state.hosts.broker);
        l.readString(QString::fromLatin1(CsvAddressName), state.csvAddress);
    }
}

void Einstellungen::write(RegistryKey& key, const ProgramState& state, const WindowSize& window)
{
    const TicketChoices& ticket = state.ticket;
    key.setInt(QStringLiteral("NeuerSchein"), ticket.neuerSchein);
    key.setString(QStringLiteral("Losnummer"), state.sheet.ticketNumber());
    for (int n = 1; n <= 35; ++n)
        if (ProgramState::keepsCheckBox(n))
            key.setBool(checkBoxValue(n), state.storedCheckBox(n));
    if (window.normal && window.height > 0 && window.width > 0) {
        key.setInt(QStringLiteral("height"), window.height);
        key.setInt(QStringLiteral("width"), window.width);
    }
    key.setInt(QStringLiteral("Sprache"), state.sprache);
    key.setInt(QStringLiteral("TippTop"), ticket.tippTop);
    key.setInt(QStringLiteral("TippLeft"), ticket.tippLeft);
    key.setInt(QStringLiteral("RadioGroup1"), ticket.superzahlOption);
    key.setInt(QStringLiteral("RadioGroup2"), ticket.losnummerOption);
    for (int n = 1; n <= 21; ++n)
        key.setInt(upDownValue(n), state.storedUpDown(n));
    for (int number : sheetFieldNumbers()) {
        int row = 0;
        int position = 0;
        TTippSchein::locateField(number, row, position);
        key.setString(QStringLiteral("Edit%1").arg(number), state.sheet.field(row, position));
    }
    key.setString(QStringLiteral("ZWEIPREIS"), state.print.feeOneDraw);
    key.setString(QStringLiteral("EINPREIS"), state.print.feeBothDraws);
    key.setBool(QStringLiteral("Browser"), state.linkPage);
    key.setString(QStringLiteral("URLEdit"), state.urlEdit);
    key.setString(QStringLiteral("ProxyHostEdit"), state.proxyHost);
    key.setString(QStringLiteral("ProxyPortEdit"), state.proxyPort);
    key.setDouble(QStringLiteral("DateTimePicker2"), state.startDate.value);
    key.setInt(QStringLiteral("Land"), ticket.land);
    key.setInt(QStringLiteral("Spiel77Ja"), ticket.spiel77Ja);
    key.setInt(QStringLiteral("Super6Ja"), ticket.super6Ja);
    key.setInt(QStringLiteral("GlueckJa"), ticket.glueckJa);
    key.setString(QString::fromLatin1(ServicesName), state.hosts.services);
    key.setString(QString::fromLatin1(ResultsName), state.hosts.results);
    key.setString(QString::fromLatin1(BrokerName), state.hosts.broker);
    key.setString(QString::fromLatin1(CsvAddressName), state.csvAddress);

    for (int n = 1; n <= 23; ++n)
        key.setString(printFieldValue(n), state.print.positions.at(std::size_t(n)));
    key.setInt(QStringLiteral("RadioF8"), state.print.layout);
    key.setBinary(QStringLiteral("DruckSchrift"), QByteArray(1, static_cast<char>(state.print.fontStyle)));
    key.setInt(QStringLiteral("DruckFontColor"), state.print.fontColor);
    key.setInt(QStringLiteral("DruckFontSize"), state.print.fontSize);
    key.setString(QStringLiteral("DruckFontName"), state.print.fontName);
    key.setInt(QStringLiteral("TippAbgabe"), state.print.portal);
    key.setInt(QStringLiteral("DruckPapier"), state.print.paper);
}

Status Einstellungen::save(const ProgramState& state, const WindowSize& window)
{
    // A fresh key in save order; what the file held beyond that (a size saved by an earlier run
    // that ended maximised, values of other versions) follows unchanged.
    RegistryKey fresh(m_key.keyPath(), m_key.filePath());
    write(fresh, state, window);
    for (const RegistryKey::Value& v : m_key.values()) {
        if (!fresh.contains(v.name))
            fresh.setValue(v);
    }
    if (auto s = fresh.save(); !s)
        return s;
    m_key = std::move(fresh);
    return Done{};
}

Status Einstellungen::storeTicketChoices(const ProgramState& state)
{
    RegistryKey current(m_key.keyPath(), m_key.filePath());
    if (auto s = current.load(); !s)
        return s;
    current.setString(QStringLiteral("Losnummer"), state.sheet.ticketNumber());
    current.setBool(QStringLiteral("Spiel77Ja"), state.ticket.spiel77Ja != 0);
    current.setBool(QStringLiteral("Super6Ja"), state.ticket.super6Ja != 0);
    current.setBool(QStringLiteral("GlueckJa"), state.ticket.glueckJa != 0);
    if (auto s = current.save(); !s)
        return s;
    m_key = std::move(current);
    return Done{};
}

} // namespace numora
