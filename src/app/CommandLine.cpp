#include "app/CommandLine.h"

namespace numora {

CommandLine CommandLine::parse(const QStringList& arguments)
{
    CommandLine result;
    QStringList rest = arguments;
    result.exportTexts = rest.removeAll(QStringLiteral("--export-texts")) > 0;
    if (!rest.isEmpty() && rest.first() == QLatin1String("D")) {
        result.printMode = true;
        result.tipFile = rest.value(1);
    }
    return result;
}

} // namespace numora
