#include "model/Game.h"

#include "base/DayDate.h"
#include "base/Formatting.h"
#include "base/TextCatalog.h"

#include <QRegularExpression>
#include <QStringList>

#include <cmath>
#include <set>

namespace numora {

namespace {

const char* const DayNames[] = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};

bool yesNo(const QString& value, bool& out)
{
    if (value == QLatin1String("yes")) {
        out = true;
        return true;
    }
    if (value == QLatin1String("no")) {
        out = false;
        return true;
    }
    return false;
}

// "2,50" or "2.50" or "3": cents; nothing else.
std::optional<int> cents(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,6})(?:[.,]([0-9]{1,2}))?$"));
    const auto m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    int fraction = 0;
    if (m.hasCaptured(2)) {
        fraction = m.captured(2).toInt();
        if (m.captured(2).size() == 1)
            fraction *= 10;
    }
    return m.captured(1).toInt() * 100 + fraction;
}

QString formatCents(int value)
{
    return QStringLiteral("%1,%2").arg(value / 100).arg(value % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

QString Game::nameIn(const QString& language) const
{
    const auto it = names.find(language);
    return it != names.end() ? it->second : name;
}

bool Game::drawnOn(int weekday, double day) const
{
    for (const DrawDay& d : days)
        if (d.weekday == weekday && day >= d.since)
            return true;
    return false;
}

QString Game::shortForm() const { return QStringLiteral("%1/%2").arg(Drawn).arg(numbers); }

void Game::nearSquareGrid(int numbers, int& columns, int& rows)
{
    columns = int(std::ceil(std::sqrt(double(numbers)) - 1e-9));
    rows = (numbers + columns - 1) / columns;
}

bool Game::validId(const QString& id)
{
    static const QRegularExpression form(QStringLiteral("^[a-z][a-z0-9_-]{0,31}$"));
    return form.match(id).hasMatch();
}

QString Game::extraName(Extra extra)
{
    switch (extra) {
    case Extra::None:
        return QStringLiteral("none");
    case Extra::Bonus:
        return QStringLiteral("bonus");
    case Extra::Superzahl:
        return QStringLiteral("superzahl");
    case Extra::Joker:
        return QStringLiteral("joker");
    }
    return {};
}

std::optional<Game::Extra> Game::extraByName(const QString& name)
{
    for (Extra e : {Extra::None, Extra::Bonus, Extra::Superzahl, Extra::Joker})
        if (extraName(e) == name)
            return e;
    return std::nullopt;
}

QString Game::dayName(int weekday)
{
    return weekday >= 1 && weekday <= 7 ? QString::fromLatin1(DayNames[weekday - 1]) : QString();
}

int Game::weekdayByName(const QString& name)
{
    for (int d = 1; d <= 7; ++d)
        if (name.compare(QLatin1String(DayNames[d - 1]), Qt::CaseInsensitive) == 0)
            return d;
    return 0;
}

Expected<Game> Game::parse(const QByteArray& bytes, const QString& fileName)
{
    auto fail = [&fileName](int line, const QString& what) {
        return Error{line > 0 ? QStringLiteral("%1:%2: %3").arg(fileName).arg(line).arg(what)
                              : QStringLiteral("%1: %2").arg(fileName, what)};
    };
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    Game game;
    bool hasGrid = false;
    std::set<QString> seen;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        const QString line = QString(lines[i]).remove(QLatin1Char('\r')).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            return fail(lineNo, tx(QStringLiteral("expected KEY = VALUE")));
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (!seen.insert(key).second)
            return fail(lineNo, tx(QStringLiteral("\"%1\" given twice")).arg(key));
        bool ok = true;
        if (key == QLatin1String("id")) {
            ok = validId(value);
            game.id = value;
        } else if (key == QLatin1String("name")) {
            ok = !value.isEmpty();
            game.name = value;
        } else if (key.startsWith(QLatin1String("name."))) {
            const QString language = key.mid(5);
            ok = !value.isEmpty() && !language.isEmpty();
            game.names[language] = value;
        } else if (key == QLatin1String("numbers")) {
            const auto n = parseInteger(value);
            ok = n && *n >= MinNumbers && *n <= MaxNumbers;
            if (!ok)
                return fail(lineNo, tx(QStringLiteral("numbers must lie in %1..%2, not \"%3\""))
                                        .arg(MinNumbers).arg(MaxNumbers).arg(value));
            game.numbers = *n;
        } else if (key == QLatin1String("extra")) {
            const auto e = extraByName(value);
            ok = e.has_value();
            if (ok)
                game.extra = *e;
        } else if (key == QLatin1String("extra-since") || key == QLatin1String("last-draw")) {
            const auto day = DayDate::parseShortDate(value);
            ok = day.has_value();
            if (ok)
                (key == QLatin1String("extra-since") ? game.extraSince : game.lastDraw) = *day;
        } else if (key == QLatin1String("days")) {
            // "Sa, Mi from 18.07.2018"
            for (const QString& part : value.split(QLatin1Char(','))) {
                const QStringList words = part.simplified().split(QLatin1Char(' '));
                DrawDay day;
                day.weekday = weekdayByName(words.value(0));
                ok = day.weekday != 0 && (words.size() == 1 || (words.size() == 3 && words[1] == QLatin1String("from")));
                if (ok && words.size() == 3) {
                    const auto since = DayDate::parseShortDate(words[2]);
                    ok = since.has_value();
                    day.since = since.value_or(0);
                }
                if (!ok)
                    return fail(lineNo, tx(QStringLiteral("\"%1\" is not a weekday Mo..So [from DD.MM.YYYY]")).arg(part.trimmed()));
                game.days.push_back(day);
            }
            ok = !game.days.empty();
        } else if (key == QLatin1String("grid")) {
            static const QRegularExpression form(QStringLiteral("^([0-9]{1,2})x([0-9]{1,2})$"));
            const auto m = form.match(value);
            ok = m.hasMatch();
            if (ok) {
                game.gridColumns = m.captured(1).toInt();
                game.gridRows = m.captured(2).toInt();
                hasGrid = true;
            }
        } else if (key == QLatin1String("currency")) {
            static const QRegularExpression form(QStringLiteral("^[A-Z]{3}$"));
            ok = form.match(value).hasMatch();
            game.currency = value;
        } else if (key == QLatin1String("fee")) {
            const auto c = cents(value);
            ok = c.has_value();
            game.feeCents = c.value_or(0);
        } else if (key == QLatin1String("ticket-layouts")) {
            ok = yesNo(value, game.ticketLayouts);
        } else if (key == QLatin1String("additional-games")) {
            ok = yesNo(value, game.additionalGames);
        } else if (key == QLatin1String("ticket-number")) {
            ok = yesNo(value, game.ticketNumber);
        } else if (key == QLatin1String("online-submission")) {
            ok = yesNo(value, game.onlineSubmission);
        } else if (key == QLatin1String("results")) {
            ok = value.isEmpty() || value.startsWith(QLatin1String("http://")) || value.startsWith(QLatin1String("https://"));
            game.resultsAddress = value;
        } else {
            return fail(lineNo, tx(QStringLiteral("unknown key \"%1\"")).arg(key));
        }
        if (!ok)
            return fail(lineNo, tx(QStringLiteral("bad value \"%1\" for \"%2\"")).arg(value, key));
    }
    for (const char* required : {"id", "name", "numbers"})
        if (!seen.count(QString::fromLatin1(required)))
            return fail(0, tx(QStringLiteral("missing \"%1\"")).arg(QString::fromLatin1(required)));
    if (!hasGrid)
        nearSquareGrid(game.numbers, game.gridColumns, game.gridRows);
    if (game.gridColumns * game.gridRows < game.numbers)
        return fail(0, tx(QStringLiteral("the grid %1x%2 does not hold %3 numbers"))
                           .arg(game.gridColumns).arg(game.gridRows).arg(game.numbers));
    return game;
}

QByteArray Game::format() const
{
    QString out = QStringLiteral("# Numora game definition (see README.md of the games folder)\n");
    out += QStringLiteral("id = %1\nname = %2\n").arg(id, name);
    for (const auto& [language, text] : names)
        out += QStringLiteral("name.%1 = %2\n").arg(language, text);
    out += QStringLiteral("numbers = %1\nextra = %2\n").arg(numbers).arg(extraName(extra));
    if (extraSince > 0)
        out += QStringLiteral("extra-since = %1\n").arg(DayDate::formatShortDate(extraSince));
    if (!days.empty()) {
        QStringList parts;
        for (const DrawDay& d : days)
            parts << (d.since > 0 ? QStringLiteral("%1 from %2").arg(dayName(d.weekday), DayDate::formatShortDate(d.since))
                                  : dayName(d.weekday));
        out += QStringLiteral("days = %1\n").arg(parts.join(QStringLiteral(", ")));
    }
    out += QStringLiteral("grid = %1x%2\n").arg(gridColumns).arg(gridRows);
    if (!currency.isEmpty())
        out += QStringLiteral("currency = %1\n").arg(currency);
    out += QStringLiteral("fee = %1\n").arg(formatCents(feeCents));
    auto flag = [](bool b) { return b ? QStringLiteral("yes") : QStringLiteral("no"); };
    out += QStringLiteral("ticket-layouts = %1\nadditional-games = %2\nticket-number = %3\nonline-submission = %4\n")
               .arg(flag(ticketLayouts), flag(additionalGames), flag(ticketNumber), flag(onlineSubmission));
    if (!resultsAddress.isEmpty())
        out += QStringLiteral("results = %1\n").arg(resultsAddress);
    if (lastDraw > 0)
        out += QStringLiteral("last-draw = %1\n").arg(DayDate::formatShortDate(lastDraw));
    return out.toUtf8();
}

} // namespace numora
