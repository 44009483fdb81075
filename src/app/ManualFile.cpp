#include "app/ManualFile.h"

#include "app/LanguageFiles.h"

#include <QLatin1StringView>

namespace numora {

namespace {

// The languages the manual is written in besides German; the build makes one PDF for each.
constexpr const char* ManualLanguages[] = {"en", "tr"};

} // namespace

QString ManualFile::name(int sprache)
{
    if (const Language* language = LanguageFiles::languageOf(sprache))
        for (const char* code : ManualLanguages)
            if (qstrcmp(language->code, code) == 0)
                return QStringLiteral("Numora.%1.pdf").arg(QLatin1StringView(code));
    return QStringLiteral("Numora.pdf");
}

} // namespace numora
