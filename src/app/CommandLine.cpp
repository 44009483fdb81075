#include "app/CommandLine.h"

namespace numora {

CommandLine CommandLine::parse(const QStringList& arguments)
{
    CommandLine result;
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("D")) {
        result.printMode = true;
        result.tipFile = arguments.value(1);
    }
    return result;
}

} // namespace numora
