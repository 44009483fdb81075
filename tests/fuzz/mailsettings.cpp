// The mail settings ("numora.ini"): any text reads; what was read, written and read again is the
// same, except that a line break inside a value is written as a blank (a value is one line).
#include "FuzzCheck.h"

#include "output/MailSettings.h"

using namespace numora;

namespace {

QString oneLine(QString value)
{
    return value.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const MailSettings read = MailSettings::parse(fuzz::bytes(data, size));
    MailSettings expected = read;
    for (QString* field : {&expected.host, &expected.user, &expected.pass, &expected.from, &expected.to, &expected.cc})
        *field = oneLine(*field);
    FUZZ_CHECK(MailSettings::parse(read.serialize()) == expected);
    return 0;
}
