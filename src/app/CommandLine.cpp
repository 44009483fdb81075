#include "app/CommandLine.h"

#include <QFileInfo>

namespace numora {

CommandLine CommandLine::parse(const QStringList& arguments)
{
    CommandLine result;
    QStringList rest = arguments;
    result.exportTexts = rest.removeAll(QStringLiteral("--export-texts")) > 0;
    if (!rest.isEmpty() && rest.first() == QLatin1String("D")) {
        result.printMode = true;
        result.tipFile = rest.value(1);
    } else if (rest.size() == 1) {
        const QFileInfo file(rest.first());
        if (file.isFile() && file.suffix().compare(QLatin1String("ntp"), Qt::CaseInsensitive) == 0)
            result.openFile = file.absoluteFilePath();
    }
    return result;
}

} // namespace numora
