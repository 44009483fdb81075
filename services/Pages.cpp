#include "Pages.h"

#include "base/DayDate.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>

namespace numora::services::Pages {

namespace {

std::string shortDate(double day)
{
    return DayDate::formatShortDate(day).toStdString();
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string decode(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            out += ' ';
        } else if (text[i] == '%' && i + 2 < text.size() && hexDigit(text[i + 1]) >= 0 && hexDigit(text[i + 2]) >= 0) {
            out += char(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string pageStart(const std::string& title)
{
    return "<!DOCTYPE html>\n<html lang=\"de\">\n<head><meta charset=\"utf-8\"><title>" + title
        + "</title></head>\n<body>\n";
}

const std::string pageEnd = "</body>\n</html>\n";

// A row of the evaluation page: six numbers 1..49, all different, or nothing.
std::optional<std::array<int, 6>> rowNumbers(const std::array<std::string, 6>& fields)
{
    std::array<int, 6> numbers {};
    for (std::size_t f = 0; f < 6; ++f) {
        const std::string& text = fields[f];
        if (text.empty() || text.size() > 2
            || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return std::nullopt;
        numbers[f] = std::stoi(text);
        if (numbers[f] < 1 || numbers[f] > 49)
            return std::nullopt;
    }
    std::array<int, 6> sorted = numbers;
    std::sort(sorted.begin(), sorted.end());
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end())
        return std::nullopt;
    return numbers;
}

std::string balls(const TZiehung& draw)
{
    std::string out = "<div class=\"zahlen\">\n";
    for (std::uint8_t n : draw.Zahlen)
        out += "<img src=\"/bilder/kugeln/" + std::to_string(n) + ".gif\" alt=\"" + std::to_string(n) + "\">\n";
    out += "</div>\n";
    // The rebuild takes the ball after the sixth as the Zusatzzahl; 0 means there was none.
    if (draw.Zusatzzahl != 0)
        out += "<p>Zusatzzahl:</p>\n<div class=\"zahlen\"><img src=\"/bilder/kugeln/" + std::to_string(draw.Zusatzzahl)
            + ".gif\" alt=\"" + std::to_string(draw.Zusatzzahl) + "\"></div>\n";
    return out;
}

} // namespace

std::string htmlEscape(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

Query parseQuery(const std::string& rawQuery)
{
    Query query;
    std::size_t start = 0;
    while (start <= rawQuery.size()) {
        std::size_t end = rawQuery.find('&', start);
        if (end == std::string::npos)
            end = rawQuery.size();
        const std::string pair = rawQuery.substr(start, end - start);
        if (!pair.empty()) {
            const std::size_t equals = pair.find('=');
            if (equals == std::string::npos)
                query.emplace_back(decode(pair), std::string());
            else
                query.emplace_back(decode(pair.substr(0, equals)), decode(pair.substr(equals + 1)));
        }
        start = end + 1;
    }
    return query;
}

std::string value(const Query& query, const std::string& key)
{
    for (const auto& [k, v] : query)
        if (k == key)
            return v;
    return std::string();
}

std::string dayAnswer(const std::vector<NumberedDraw>& draws, const std::vector<std::string>& extraLines)
{
    std::string body;
    for (const NumberedDraw& entry : draws) {
        body += std::to_string(entry.number);
        for (int i = 0; i < 6; ++i)
            body += "," + std::to_string(entry.draw.Zahlen[i]);
        body += ';';
        for (std::uint8_t d : entry.draw.Spiel77)
            body += char('0' + d);
        body += ';';
        for (std::uint8_t d : entry.draw.Super6)
            body += char('0' + d);
        body += ";\r\n";
    }
    for (const std::string& line : extraLines)
        if (!line.empty())
            body += line + "\r\n";
    return body;
}

std::string evaluationPage(const std::optional<TZiehung>& newest, const Query& query)
{
    std::string page = pageStart("Online-Auswertung") + "<h1>Online-Auswertung Ihres Tipps</h1>\n";
    if (newest) {
        page += "<p id=\"ziehung\">Ziehung vom " + shortDate(newest->Datum) + ":";
        for (std::uint8_t n : newest->Zahlen)
            page += ' ' + std::to_string(n);
        if (newest->Zusatzzahl != 0)
            page += ", Zusatzzahl " + std::to_string(newest->Zusatzzahl);
        page += "</p>\n";
    } else {
        page += "<p id=\"ziehung\">Keine Ziehung bekannt.</p>\n";
    }

    page += "<table>\n<tr><th>Tipp</th><th colspan=\"6\">Zahlen</th><th>Richtige</th></tr>\n";
    int shown = 0;
    for (int r = 1; r <= 12; ++r) {
        std::array<std::string, 6> fields;
        bool empty = true;
        for (int f = 1; f <= 6; ++f) {
            std::string text = value(query, "Z" + std::to_string(r) + "_" + std::to_string(f));
            text.erase(0, text.find_first_not_of(' '));
            text.erase(text.find_last_not_of(' ') + 1);
            empty = empty && text.empty();
            fields[std::size_t(f - 1)] = std::move(text);
        }
        if (empty)
            continue; // the link carries all twelve rows, filled or not
        ++shown;
        const std::string id = std::to_string(r);
        page += "<tr id=\"tipp" + id + "\"><td>" + id + ". Tipp</td>";
        const auto numbers = rowNumbers(fields);
        if (!numbers) {
            std::string typed;
            for (const std::string& field : fields)
                typed += (typed.empty() ? "" : " ") + htmlEscape(field);
            page += "<td colspan=\"6\">" + typed + "</td><td class=\"richtige\">ung\xc3\xbcltig</td></tr>\n";
            continue;
        }
        int hits = 0;
        bool bonus = false;
        for (int n : *numbers) {
            const bool hit = newest
                && std::find(std::begin(newest->Zahlen), std::end(newest->Zahlen), n) != std::end(newest->Zahlen);
            bonus = bonus || (newest && newest->Zusatzzahl != 0 && newest->Zusatzzahl == n);
            hits += hit ? 1 : 0;
            page += std::string(hit ? "<td class=\"treffer\">" : "<td>") + std::to_string(n) + "</td>";
        }
        page += "<td class=\"richtige\">" + (newest ? std::to_string(hits) + (bonus ? " + ZZ" : "") : std::string("-"))
            + "</td></tr>\n";
    }
    page += "</table>\n<p>" + std::to_string(shown) + (shown == 1 ? " Tipp" : " Tipps") + " ausgewertet.</p>\n";
    return page + pageEnd;
}

std::string resultsPage(const ResultsPage& page)
{
    // The rebuild finds everything by searching for fixed words, so each of them appears exactly
    // where it reads them and nowhere else.
    const TZiehung& first = page.front().draw;
    std::string out = pageStart("Gewinnzahlen 6 aus 49") + "<h1>Gewinnzahlen 6 aus 49</h1>\n"
        + "<p class=\"datum\">Ausspielung vom <b>" + shortDate(first.Datum) + "</b></p>\n";
    if (page.size() == 1) {
        out += "<p>Lottozahlen:</p>\n" + balls(first);
        if (page.front().hasSuperzahl)
            out += "<p>Superzahl: <b>" + std::to_string(first.Superzahl) + "</b></p>\n";
        return out + pageEnd;
    }

    const ResultDraw& a = page[0];
    const ResultDraw& b = page[1];
    out += "<p>Lottozahlen A:</p>\n" + balls(a.draw) + "<p>Lottozahlen B:</p>\n" + balls(b.draw);
    // One line for both: A before the first "&nbsp;", B after ";&nbsp;".
    if (a.hasSuperzahl || b.hasSuperzahl)
        out += "<p>Superzahl A und B: <b>" + (a.hasSuperzahl ? std::to_string(a.draw.Superzahl) : std::string())
            + "&nbsp;&nbsp;" + (b.hasSuperzahl ? std::to_string(b.draw.Superzahl) : std::string()) + "</b></p>\n";
    return out + pageEnd;
}

std::string pageWithoutDraw()
{
    return pageStart("Gewinnzahlen 6 aus 49") + "<h1>Gewinnzahlen 6 aus 49</h1>\n"
        + "<p>Zu dieser Nummer gibt es keine Ziehung.</p>\n" + pageEnd;
}

std::string noticePage()
{
    return pageStart("Mitteilung") + "<h1>Mitteilung</h1>\n"
        + "<p>Die Tippabgabe ist zurzeit nicht m\xc3\xb6glich. Bitte versuchen Sie es sp\xc3\xa4ter noch einmal.</p>\n"
        + pageEnd;
}

std::string echoPage(const std::string& path, const std::string& rawQuery)
{
    std::string page = pageStart("Tippabgabe") + "<h1>Tippabgabe (Testseite)</h1>\n<p id=\"pfad\">" + htmlEscape(path)
        + "</p>\n<table id=\"parameter\">\n";
    for (const auto& [key, val] : parseQuery(rawQuery))
        page += "<tr><td>" + htmlEscape(key) + "</td><td>" + htmlEscape(val) + "</td></tr>\n";
    return page + "</table>\n<pre id=\"anfrage\">" + htmlEscape(rawQuery) + "</pre>\n" + pageEnd;
}

std::string httpDate(std::time_t time)
{
    static const char* const days[] = { "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat" };
    static const char* const months[]
        = { "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" };
    std::tm utc {};
    gmtime_r(&time, &utc);
    char text[40];
    std::snprintf(text, sizeof text, "%s, %02d %s %04d %02d:%02d:%02d GMT", days[utc.tm_wday], utc.tm_mday,
        months[utc.tm_mon], utc.tm_year + 1900, utc.tm_hour, utc.tm_min, utc.tm_sec);
    return text;
}

std::string garbageBody()
{
    std::string body(4096, '\0');
    std::uint32_t x = 0x2545F491u;
    for (char& c : body) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = char(x & 0xFF);
    }
    return body;
}

} // namespace numora::services::Pages
