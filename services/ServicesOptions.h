#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace numora::services {

// A misbehaviour a test asks for, applied to every request whose target matches `pattern`.
struct FaultRule {
    enum class Kind {
        Delay, // wait `value` milliseconds, then answer normally
        Stall, // read the request and never answer
        StallBody, // send the status line, headers and a few body bytes, then nothing more
        Close, // read the request and close the connection without a byte of answer
        Garbage, // answer 200 with a body of binary junk
        Status, // answer with status `value` and a short text body
    };

    Kind kind = Kind::Delay;
    // Glob over the request target (path and query, "http://host" of a proxied request left
    // off); "*" stands for any run of characters, everything else matches itself.
    std::string pattern;
    int value = 0;
};

struct ServicesOptions {
    int port = -1;
    std::string drawsCsv;
    std::string resultsCsv;
    std::string scriptsDir;
    // Results CSV files served as /csv/NAME; empty: only /csv/ziehungen.csv, the draws CSV.
    std::string csvDir;
    bool brokerError = false;
    // Extra lines of the day query, keyed by day "yyyymmdd"; such a day answers 200.
    std::map<std::string, std::vector<std::string>> dayLines;
    // In command-line order; the first matching rule wins.
    std::vector<FaultRule> faults;
};

struct ParsedOptions {
    std::optional<ServicesOptions> options; // nothing when the command line is wrong
    std::string error;
};

ParsedOptions parseServicesOptions(const std::vector<std::string>& arguments);
std::string usageText();

// Whole-string match of `text` against a glob whose only wildcard is "*".
bool globMatch(const std::string& pattern, const std::string& text);

} // namespace numora::services
