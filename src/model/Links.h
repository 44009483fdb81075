#pragma once

#include <QString>

namespace numora {

// Web addresses the window opens in the user's browser.
namespace Links {

QString productPage();
QString makerHomePage();
QString resultsPage();
QString brokerPage();
QString affiliatePage();

// What a link label opens: its caption, or the fixed affiliate address for the broker link.
QString targetOf(const QString& caption);

} // namespace Links
} // namespace numora
