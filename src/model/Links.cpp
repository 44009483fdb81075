#include "model/Links.h"

namespace numora::Links {

QString productPage() { return QStringLiteral("https://www.numora.example/sayisal-loto"); }
QString makerHomePage() { return QStringLiteral("https://www.numora.example/"); }
QString resultsPage() { return QStringLiteral("https://ergebnisse.numora.example/sayisal-loto"); }
QString brokerPage() { return QStringLiteral("https://www.lottobay.example/"); }
QString affiliatePage() { return QStringLiteral("https://www.lottobay.example/?partner=numora"); }

QString targetOf(const QString& caption)
{
    if (caption.contains(QLatin1String("lottobay")))
        return affiliatePage();
    return caption;
}

} // namespace numora::Links
