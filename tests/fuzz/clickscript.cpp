// Click-script templates, from the Script folder or the services' update (body and
// "Last-Modified"): any template decodes and fills without a placeholder of the sheet left.
#include "FuzzCheck.h"

#include "base/WebClient.h"
#include "model/TTippSchein.h"
#include "output/ClickScript.h"

using namespace numora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzz::bytes(data, size);
    // The first line doubles as the update's Last-Modified header.
    WebResponse response;
    response.headers.append({QByteArray("Last-Modified"), bytes.left(bytes.indexOf('\n'))});
    (void)response.lastModified();

    TTippSchein sheet;
    for (int r = 0; r < TTippSchein::RowCount; ++r)
        for (int p = 0; p < TTippSchein::FieldsPerRow; ++p)
            sheet.setField(r, p, QString::number((r * 6 + p) % 49 + 1));
    SubmitOptions options;
    options.saturday = true;
    options.ticketNumber = QStringLiteral("1234567");
    const QString templateText = ClickScript::decodeTemplate(bytes);
    const QString filled = ClickScript::fill(templateText, sheet, options, QStringLiteral("/tmp/Tipps/20240306.ntp"));
    // A template without brackets has nothing to fill.
    if (!templateText.contains(QLatin1Char('[')))
        FUZZ_CHECK(filled == templateText);
    return 0;
}
