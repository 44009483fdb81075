#pragma once

#include "model/TZiehung.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace numora::services {

// A draw of the update service's history with its running number (1 = first line of the CSV).
struct NumberedDraw {
    int number = 0;
    TZiehung draw;
};

// One draw as the results site shows it; the CSV tells an empty Superzahl from a 0.
struct ResultDraw {
    TZiehung draw;
    bool hasSuperzahl = false;
};

// One results page: a single draw, or draws A and B of one date.
using ResultsPage = std::vector<ResultDraw>;

// Everything the stand-in serves, read once at start-up and never changed afterwards.
class ServiceData {
public:
    // Reads the draws CSV and the optional results CSV; an error names the file and the line.
    bool load(const std::string& drawsCsv, const std::string& resultsCsv, std::string& error);

    // Draws of a day ("yyyymmdd"), in file order.
    std::vector<NumberedDraw> drawsOn(const std::string& day) const;
    // The last draw of the draws CSV.
    std::optional<TZiehung> newest() const;
    // Page nr (1-based); nothing beyond the last page.
    const ResultsPage* resultsPage(long long nr) const;

private:
    std::map<std::string, std::vector<NumberedDraw>> m_byDay;
    std::optional<TZiehung> m_newest;
    std::vector<ResultsPage> m_pages;
};

} // namespace numora::services
