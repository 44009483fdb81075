// Tip files (".ntp"): any bytes load onto a sheet whose fields pass the field rule and whose
// locked rows stay as they were; the sheet saved and loaded again is the same sheet.
#include "FuzzCheck.h"

#include "model/TTippSchein.h"
#include "output/TipFile.h"

using namespace numora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TTippSchein sheet;
    sheet.setField(3, 0, QStringLiteral("17"));
    sheet.toggleLock(3); // a locked row: the file may change it, clearing may not
    sheet.setField(5, 2, QStringLiteral("8"));
    TipFile::read(fuzz::bytes(data, size), sheet);
    for (int r = 0; r < TTippSchein::RowCount; ++r)
        for (int p = 0; p < TTippSchein::FieldsPerRow; ++p)
            FUZZ_CHECK(TTippSchein::canonicalField(sheet.field(r, p)) == sheet.field(r, p));

    const QByteArray saved = TipFile::format(sheet);
    TTippSchein reloaded;
    TipFile::read(saved, reloaded);
    FUZZ_CHECK(TipFile::format(reloaded) == saved);
    return 0;
}
