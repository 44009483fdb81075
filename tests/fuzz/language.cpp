// Interface language files: a base file of five-line records and, after a line "=====", a
// translation file (read as well as a run-time text catalogue). Any bytes decode to lines or to "not text"; the lookup of the window walk
// stays inside the records; lines the export can write read back the same.
#include "FuzzCheck.h"

#include "app/LanguageFiles.h"
#include "base/TextCatalog.h"

using namespace numora;

namespace {

// Text the export writes as it is: no NUL (the base file is 8-bit text), whole UTF-16, and no
// byte-order mark where a reader takes it for the file's.
bool writable(const QStringList& lines, bool nulAllowed)
{
    if (!lines.isEmpty() && lines.first().startsWith(QChar(0xFEFF)))
        return false;
    for (const QString& line : lines)
        if (!line.isValidUtf16() || (!nulAllowed && line.contains(QChar(0))))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzz::bytes(data, size);
    const QByteArray marker("\n=====\n");
    const qsizetype split = bytes.indexOf(marker);
    const auto lines = LanguageFiles::decodeLines(split < 0 ? bytes : bytes.left(split));
    if (!lines)
        return 0;
    const std::optional<QStringList> translation =
        split < 0 ? std::nullopt : LanguageFiles::decodeLines(bytes.mid(split + marker.size()));

    const std::vector<BaseRecord> records = LanguageFiles::parseBase(*lines);
    FUZZ_CHECK(records.size() == std::size_t((lines->size() + LanguageFiles::RecordLines - 1) / LanguageFiles::RecordLines));

    // The walk asks for each record's widget in turn, and for one that is not there.
    LanguageLookup lookup(records, translation);
    for (const BaseRecord& record : records) {
        for (const auto& [owner, name] : {std::pair{record.owner, record.name}, std::pair{QStringLiteral("Form9"), QStringLiteral("Fehlt1")}}) {
            const auto found = lookup.find(owner, name);
            FUZZ_CHECK(!found || (*found >= 0 && *found < lookup.recordCount()));
            const auto texts = lookup.textsOf(found.value_or(-1));
            if (texts.charset)
                FUZZ_CHECK(*texts.charset >= 0 && *texts.charset <= 255);
            if (texts.caption)
                (void)LanguageFiles::readsAsNumber(*texts.caption);
        }
    }
    FUZZ_CHECK(!lookup.textsOf(lookup.recordCount()).caption);
    if (translation)
        FUZZ_CHECK(mergeLines(*lines, *translation).size() == std::max(lines->size(), translation->size()));

    // The same lines as a catalogue: every entry survives escaping, and a loaded entry keeps the
    // %N markers of its key.
    if (translation) {
        for (const auto& [german, text] : TextCatalog::parse(*translation)) {
            FUZZ_CHECK(TextCatalog::unescape(TextCatalog::escape(german)) == german);
            FUZZ_CHECK(TextCatalog::unescape(TextCatalog::escape(text)) == text);
        }
        TextCatalog::load(*translation);
        for (const auto& [german, text] : TextCatalog::parse(*translation)) {
            const QString shown = tx(german);
            FUZZ_CHECK(shown == german || TextCatalog::placeholders(shown) == TextCatalog::placeholders(german));
        }
        TextCatalog::clear();
    }

    if (writable(*lines, false)) {
        const auto again = LanguageFiles::decodeLines(LanguageFiles::encodeBase(*lines));
        FUZZ_CHECK(again && *again == *lines);
    }
    if (translation && writable(*translation, true)) {
        const auto again = LanguageFiles::decodeLines(LanguageFiles::encodeTemplate(*translation));
        FUZZ_CHECK(again && *again == *translation);
    }
    return 0;
}
