#include "base/TextDecoding.h"

#include <gtest/gtest.h>

namespace numora {
namespace {

TEST(DecodeServiceText, Utf8WhenValidElseWindows1252)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        QString text;
    };
    const Case cases[] = {
        {"ascii", "Bitte laden Sie die neue Version.", QStringLiteral("Bitte laden Sie die neue Version.")},
        {"utf8", "Gr\xc3\xbc\xc3\x9f" "e \xe2\x82\xac", QStringLiteral("Grüße €")},
        {"utf8 with bom", "\xef\xbb\xbf" "f\xc3\xa4llt", QStringLiteral("fällt")},
        {"latin letters", "f\xe4llt \xfc" "ber Stra\xdf" "e", QStringLiteral("fällt über Straße")},
        // The bytes 0x80..0x9F are what sets Windows-1252 apart from Latin-1.
        {"windows 1252 range", "\x80 \x84\x93\x94 \x96\x97 \x8a\x9a\x9f", QStringLiteral("€ „“” –— ŠšŸ")},
        {"unassigned bytes", "\x81\x8d\x8f\x90\x9d", QString::fromUtf16(u"\u0081\u008d\u008f\u0090\u009d")},
        // One invalid sequence makes the whole text Windows-1252, valid UTF-8 parts included.
        {"mixed", "\xc3\xa4 \xe4", QStringLiteral("Ã¤ ä")},
        {"cut utf8 sequence", "ab\xc3", QStringLiteral("abÃ")},
        {"empty", QByteArray(), QString()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(decodeServiceText(c.bytes), c.text) << c.name;
        EXPECT_FALSE(decodeServiceText(c.bytes).contains(QChar::ReplacementCharacter)) << c.name;
    }
}

} // namespace
} // namespace numora
