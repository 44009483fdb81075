#pragma once

#include "ServiceData.h"

#include <ctime>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Bodies of the stand-in's answers. Everything that came from a request is escaped before it
// goes into a page.
namespace numora::services::Pages {

using Query = std::vector<std::pair<std::string, std::string>>;

std::string htmlEscape(const std::string& text);
// Keys and values of a raw query in their order, percent escapes and "+" decoded.
Query parseQuery(const std::string& rawQuery);
// First value of `key`; empty when absent.
std::string value(const Query& query, const std::string& key);

// Day query: one "running number,n1,...,n6;spiel77;super6;" line per draw, then the extra
// lines, each ended by CR LF.
std::string dayAnswer(const std::vector<NumberedDraw>& draws, const std::vector<std::string>& extraLines);

// The twelve rows Z<r>_<f> of the query held against the newest draw.
std::string evaluationPage(const std::optional<TZiehung>& newest, const Query& query);

// A results page with the rebuild's markers; pageWithoutDraw carries none of them.
std::string resultsPage(const ResultsPage& page);
std::string pageWithoutDraw();

// The submission service's notice when it cannot take orders.
std::string noticePage();
// A broker page showing what it received.
std::string echoPage(const std::string& path, const std::string& rawQuery);

// RFC 7231 date ("Sun, 06 Nov 1994 08:49:37 GMT"), English names whatever the locale.
std::string httpDate(std::time_t time);
// The same junk every time, so a failing test can be rerun.
std::string garbageBody();

} // namespace numora::services::Pages
