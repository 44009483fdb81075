#include "ServicesOptions.h"

#include <cctype>
#include <charconv>

namespace numora::services {

namespace {

std::optional<int> number(const std::string& text, int low, int high)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < low || value > high)
        return std::nullopt;
    return value;
}

// "VALUE:PATTERN" -> value and pattern; the pattern may hold further colons.
bool splitAtColon(const std::string& text, std::string& left, std::string& right)
{
    const auto colon = text.find(':');
    if (colon == std::string::npos)
        return false;
    left = text.substr(0, colon);
    right = text.substr(colon + 1);
    return true;
}

bool isDayText(const std::string& text)
{
    if (text.size() != 8)
        return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
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

// "\xHH" stands for the byte HH, so that a line can carry text in any encoding; "\\" for "\".
std::optional<std::string> unescape(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == '\\') {
            out += '\\';
            ++i;
            continue;
        }
        if (i + 3 >= text.size() || text[i + 1] != 'x' || hexDigit(text[i + 2]) < 0 || hexDigit(text[i + 3]) < 0)
            return std::nullopt;
        out += static_cast<char>(hexDigit(text[i + 2]) * 16 + hexDigit(text[i + 3]));
        i += 3;
    }
    return out;
}

} // namespace

std::string usageText()
{
    return "usage: numora-services --port P --draws CSV [--results CSV] [--scripts DIR] [--csv DIR] [--broker-error]\n"
           "                       [--day-line YYYYMMDD:TEXT]... [--delay MS:PATTERN]... [--stall PATTERN]...\n"
           "                       [--stall-body PATTERN]... [--close PATTERN]... [--garbage PATTERN]...\n"
           "                       [--status CODE:PATTERN]...\n";
}

ParsedOptions parseServicesOptions(const std::vector<std::string>& arguments)
{
    ServicesOptions options;
    auto fail = [](std::string message) { return ParsedOptions { std::nullopt, std::move(message) }; };

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        if (name == "--broker-error") {
            options.brokerError = true;
            continue;
        }
        if (i + 1 >= arguments.size())
            return fail(name.rfind("--", 0) == 0 ? name + " needs a value" : "unknown argument " + name);
        const std::string& value = arguments[++i];

        if (name == "--port") {
            const auto port = number(value, 0, 65535);
            if (!port)
                return fail("--port: \"" + value + "\" is not a port number 0..65535");
            options.port = *port;
        } else if (name == "--draws") {
            options.drawsCsv = value;
        } else if (name == "--results") {
            options.resultsCsv = value;
        } else if (name == "--scripts") {
            options.scriptsDir = value;
        } else if (name == "--csv") {
            options.csvDir = value;
        } else if (name == "--day-line") {
            std::string day, text;
            const auto bytes = splitAtColon(value, day, text) && isDayText(day) ? unescape(text) : std::nullopt;
            if (!bytes)
                return fail("--day-line: \"" + value + "\" is not YYYYMMDD:TEXT");
            options.dayLines[day].push_back(*bytes);
        } else if (name == "--delay" || name == "--status") {
            std::string amount, pattern;
            const bool delay = name == "--delay";
            const auto parsed = splitAtColon(value, amount, pattern)
                ? (delay ? number(amount, 0, 3'600'000) : number(amount, 100, 599))
                : std::nullopt;
            if (!parsed || pattern.empty())
                return fail(name + ": \"" + value + "\" is not " + (delay ? "MS:PATTERN" : "CODE:PATTERN"));
            options.faults.push_back({ delay ? FaultRule::Kind::Delay : FaultRule::Kind::Status, pattern, *parsed });
        } else if (name == "--stall" || name == "--stall-body" || name == "--close" || name == "--garbage") {
            if (value.empty())
                return fail(name + " needs a pattern");
            const FaultRule::Kind kind = name == "--stall" ? FaultRule::Kind::Stall
                : name == "--stall-body"                   ? FaultRule::Kind::StallBody
                : name == "--close"                        ? FaultRule::Kind::Close
                                                           : FaultRule::Kind::Garbage;
            options.faults.push_back({ kind, value, 0 });
        } else {
            return fail("unknown argument " + name);
        }
    }
    if (options.port < 0)
        return fail("--port is missing");
    if (options.drawsCsv.empty())
        return fail("--draws is missing");
    return ParsedOptions { std::move(options), std::string() };
}

bool globMatch(const std::string& pattern, const std::string& text)
{
    // Greedy matching with one backtrack point: enough for "*" as the only wildcard.
    std::size_t p = 0, t = 0, star = std::string::npos, resume = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = t;
        } else if (p < pattern.size() && pattern[p] == text[t]) {
            ++p;
            ++t;
        } else if (star != std::string::npos) {
            p = star + 1;
            t = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

} // namespace numora::services
