#include "app/LanguageFiles.h"
#include "app/ManualFile.h"
#include "model/Meldungen.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace numora {
namespace {

// The first start picks the first of the desktop's languages the program speaks; German when none.
TEST(LanguageFiles, TheDesktopsLanguageAtTheFirstStart)
{
    const struct {
        QStringList names;
        int sprache;
    } cases[] = {
        {{QStringLiteral("tr_TR.UTF-8")}, 4},
        {{QStringLiteral("en_GB.UTF-8")}, 1},
        {{QStringLiteral("es_ES@euro")}, 3},  // files say "sp"
        {{QStringLiteral("cs_CZ.UTF-8")}, 7}, // files say "cz"
        {{QStringLiteral("nl-BE")}, 6},
        {{QStringLiteral("pl")}, 8},
        {{QStringLiteral("fi_FI.UTF-8"), QStringLiteral("ru_RU.UTF-8")}, 5}, // the first one spoken
        {{QStringLiteral("C.UTF-8")}, 0},
        {{QStringLiteral("POSIX")}, 0},
        {{QStringLiteral("ja_JP.UTF-8")}, 0},
        {{}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LanguageFiles::forLocale(c.names), c.sprache) << c.names.join(u',').toStdString();
}

TEST(LanguageFiles, MenuOrderIndexesAndCodes)
{
    QStringList order;
    for (const Language& l : LanguageFiles::languages())
        order << QStringLiteral("%1=%2:%3").arg(QString::fromUtf8(l.caption)).arg(l.sprache).arg(QLatin1String(l.code));
    EXPECT_EQ(order.join(u' '), QStringLiteral("Deutsch=0:de Englisch=1:en Französisch=2:fr Spanisch=3:sp Türkisch=4:tr "
                                                "Russisch=5:ru Polnisch=8:pl Tschechisch=7:cz Niederländisch=6:nl"));
    EXPECT_STREQ(LanguageFiles::languageOf(6)->code, "nl");
    EXPECT_EQ(LanguageFiles::languageOf(9), nullptr);
}

// The manual is written in German, English and Turkish; every other language, and an index no
// language has, opens the German one.
TEST(LanguageFiles, ManualOfEachLanguage)
{
    QStringList names;
    for (const Language& l : LanguageFiles::languages())
        names << QStringLiteral("%1=%2").arg(QLatin1String(l.code), ManualFile::name(l.sprache));
    EXPECT_EQ(names.join(u' '), QStringLiteral("de=Numora.pdf en=Numora.en.pdf fr=Numora.pdf sp=Numora.pdf "
                                               "tr=Numora.tr.pdf ru=Numora.pdf pl=Numora.pdf cz=Numora.pdf nl=Numora.pdf"));
    EXPECT_EQ(ManualFile::name(9), QStringLiteral("Numora.pdf"));
    EXPECT_EQ(ManualFile::name(-1), QStringLiteral("Numora.pdf"));
}

TEST(LanguageFiles, DecodesByMarkElseUtf8ElseWindows1252)
{
    struct Case {
        const char* what;
        QByteArray bytes;
        QStringList lines;
    };
    const QString turkish = QStringLiteral("Çekiliş Ş");
    QByteArray utf16le("\xFF\xFE", 2), utf16be("\xFE\xFF", 2);
    for (const QChar c : turkish + QStringLiteral("\r\nb\r\n")) {
        utf16le += char(c.unicode() & 0xFF);
        utf16le += char(c.unicode() >> 8);
        utf16be += char(c.unicode() >> 8);
        utf16be += char(c.unicode() & 0xFF);
    }
    const Case cases[] = {
        {"UTF-8 with mark", QByteArray("\xEF\xBB\xBF") + turkish.toUtf8() + "\r\nb\r\n", {turkish, "b"}},
        {"UTF-16 LE", utf16le, {turkish, "b"}},
        {"UTF-16 BE", utf16be, {turkish, "b"}},
        {"UTF-8 without mark, LF", turkish.toUtf8() + "\nb", {turkish, "b"}},
        {"Windows-1252 from Windows", QByteArray("Gr\xFC\xDF" "e \x80\r\n\r\nx"), {QStringLiteral("Grüße €"), "", "x"}},
        {"old Mac line ends", QByteArray("a\rb\r"), {"a", "b"}},
        {"empty file", QByteArray(), {}},
    };
    for (const Case& c : cases) {
        const auto lines = LanguageFiles::decodeLines(c.bytes);
        ASSERT_TRUE(lines) << c.what;
        EXPECT_EQ(*lines, c.lines) << c.what;
    }
    EXPECT_FALSE(LanguageFiles::decodeLines(QByteArray("\x7F" "ELF\0\0\x01", 7))) << "binary";
}

TEST(LanguageFiles, ReadLinesRefusesMissingAndOversizedFiles)
{
    QTemporaryDir dir;
    EXPECT_FALSE(LanguageFiles::readLines(dir.filePath(QStringLiteral("missing"))));
    QFile big(dir.filePath(QStringLiteral("big")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(LanguageFiles::MaxFileBytes + 1, 'a'));
    big.close();
    EXPECT_FALSE(LanguageFiles::readLines(big.fileName()));
}

std::vector<BaseRecord> records(std::initializer_list<std::pair<const char*, const char*>> names)
{
    std::vector<BaseRecord> out;
    for (const auto& [owner, name] : names)
        out.push_back({QString::fromLatin1(owner), QString::fromLatin1(name), QStringLiteral("c ") + QLatin1String(name),
                       QStringLiteral("h ") + QLatin1String(name), QStringLiteral("162")});
    return out;
}

TEST(LanguageLookup, SearchesElevenRecordsFromTheLastMatch)
{
    // Records 0..14: Form1/A, twelve fillers, Form1/B at 13, Form1/C at 14.
    std::vector<BaseRecord> list = records({{"Form1", "A"}});
    for (int i = 0; i < 12; ++i)
        list.push_back({QStringLiteral("Form9"), QStringLiteral("X%1").arg(i), {}, {}, QStringLiteral("0")});
    for (const auto& r : records({{" Form1 ", " B "}, {"Form1", "C"}}))
        list.push_back(r);
    LanguageLookup lookup(list, std::nullopt);
    EXPECT_EQ(lookup.find(QStringLiteral("Form1"), QStringLiteral("B")), std::nullopt) << "13 lies beyond 0..10";
    EXPECT_EQ(lookup.find(QStringLiteral("Form1"), QStringLiteral("A")), 0);
    EXPECT_EQ(lookup.find(QStringLiteral("Form9"), QStringLiteral("X9")), 10);
    EXPECT_EQ(lookup.find(QStringLiteral("Form1"), QStringLiteral("A")), std::nullopt) << "no way back";
    EXPECT_EQ(lookup.find(QStringLiteral("Form1"), QStringLiteral("B")), 13) << "trimmed, within 10..20";
    EXPECT_EQ(lookup.find(QStringLiteral("Form1"), QStringLiteral("B")), 13) << "the match starts the next lookup";
    EXPECT_EQ(lookup.find(QStringLiteral("Form2"), QStringLiteral("C")), std::nullopt) << "owner must match";
    EXPECT_EQ(lookup.find(QStringLiteral("Form1"), QStringLiteral("C")), 14);
}

TEST(LanguageLookup, TranslationModeTakesLinePairsAndNoCharset)
{
    const auto list = records({{"Form1", "Label13"}, {"Form1", "BitBtn8"}, {"Form1", "Edit80"}});
    const LanguageLookup base(list, std::nullopt);
    EXPECT_FALSE(base.translationMode());
    const auto b = base.textsOf(1);
    EXPECT_EQ(b.caption, QStringLiteral("c BitBtn8"));
    EXPECT_EQ(b.hint, QStringLiteral("h BitBtn8"));
    EXPECT_EQ(b.charset, 162);

    // Three lines for three records: the last hint and the whole third record are missing.
    const LanguageLookup translated(list, QStringList{"Etiket", "İpucu", "Düğme"});
    EXPECT_TRUE(translated.translationMode());
    EXPECT_EQ(translated.textsOf(0).caption, QStringLiteral("Etiket"));
    EXPECT_EQ(translated.textsOf(0).hint, QStringLiteral("İpucu"));
    EXPECT_EQ(translated.textsOf(0).charset, std::nullopt);
    EXPECT_EQ(translated.textsOf(1).caption, QStringLiteral("Düğme"));
    EXPECT_EQ(translated.textsOf(1).hint, std::nullopt) << "a short file keeps the current hint";
    EXPECT_EQ(translated.textsOf(2).caption, std::nullopt);

    auto badCharset = list;
    badCharset[0].charset = QStringLiteral("Arial");
    EXPECT_EQ(LanguageLookup(badCharset, std::nullopt).textsOf(0).charset, std::nullopt);
    EXPECT_EQ(LanguageLookup(badCharset, std::nullopt).textsOf(0).caption, QStringLiteral("c Label13"));
}

TEST(LanguageFiles, ParseBaseFillsAnIncompleteLastRecord)
{
    const auto list = LanguageFiles::parseBase({"Form1", "Label1", "Text", "", "0", "Form1", "Label2"});
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1].name, QStringLiteral("Label2"));
    EXPECT_TRUE(list[1].caption.isEmpty());
    EXPECT_TRUE(list[1].charset.isEmpty());
}

TEST(LanguageFiles, ReadsAsNumberUnderTheProgramsFormat)
{
    for (const char* yes : {"49", "0,50", " 12 ", "-1", "+3", ",5", "1e3", "7,"})
        EXPECT_TRUE(LanguageFiles::readsAsNumber(QString::fromLatin1(yes))) << yes;
    for (const char* no : {"", " ", "12 Tipps", "0.50", "1.000", "inf", "nan", "%", "6/49", "0x10"})
        EXPECT_FALSE(LanguageFiles::readsAsNumber(QString::fromLatin1(no))) << no;
}

TEST(LanguageFiles, ExportFiltersPerKind)
{
    using K = WidgetKind;
    struct Case {
        WidgetEntry entry;
        bool written;
    };
    const auto e = [](K kind, const char* caption, const char* hint, bool visible = true) {
        return WidgetEntry{QStringLiteral("Form6"), QStringLiteral("W"), kind, QString::fromUtf8(caption),
                           QString::fromUtf8(hint), 0, visible};
    };
    const Case cases[] = {
        {e(K::CheckBox, "12", ""), false},          {e(K::CheckBox, "12", "Zahl"), false},
        {e(K::CheckBox, "Paare", ""), true},        {e(K::Label, "", ""), false},
        {e(K::Label, "0,50", ""), false},           {e(K::Label, "", "Hinweis"), true},
        {e(K::MenuItem, "Export", "", false), false}, {e(K::MenuItem, "", ""), true},
        {e(K::Panel, "", ""), false},               {e(K::BitButton, "", "Drucken"), true},
        {e(K::Window, "Form", ""), true},           {e(K::SpeedButton, "", ""), false},
        {e(K::RadioButton, "", ""), true},          {e(K::TabSheet, "", ""), true},
        {e(K::RadioGroup, "", ""), true},           {e(K::Edit, "Text", ""), false},
        {e(K::Edit, "", "80"), false},              {e(K::Edit, "", "Proxy"), true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LanguageFiles::exported(c.entry), c.written)
            << int(c.entry.kind) << " '" << c.entry.caption.toStdString() << "' '" << c.entry.hint.toStdString() << "'";
}

TEST(LanguageFiles, ExportWritesBaseAndUtf16Template)
{
    std::vector<WidgetEntry> widgets = {
        {"Form1", "Deutsch1", WidgetKind::MenuItem, "Deutsch", "", 0, true},
        {"Form1", "Edit80", WidgetKind::Edit, "ignored", "Zählerstand", 238, true},
        {"Form6", "CheckBox12", WidgetKind::CheckBox, "12", "", 0, true},
        {"Form1", "Label13", WidgetKind::Label, "Quersumme", "Summe", 0, true},
    };
    const auto files = LanguageFiles::exportTexts(widgets);
    EXPECT_EQ(files.base, QStringList({"Form1", "Deutsch1", "Deutsch", "", "1", "Form1", "Edit80", "Zählerstand",
                                       "Zählerstand", "238", "Form1", "Label13", "Quersumme", "Summe", "0"}));
    EXPECT_EQ(files.translation, QStringList({"Deutsch", "", "Zählerstand", "Zählerstand", "Quersumme", "Summe"}));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("texte.txt"));
    ASSERT_TRUE(LanguageFiles::writeExport(path, files));
    QFile trans(path + QStringLiteral(".trans"));
    ASSERT_TRUE(trans.open(QIODevice::ReadOnly));
    const QByteArray bytes = trans.readAll();
    EXPECT_TRUE(bytes.startsWith("\xFF\xFE"));
    EXPECT_TRUE(bytes.endsWith(QByteArray("\r\0\n\0", 4)));
    EXPECT_EQ(LanguageFiles::decodeLines(bytes), files.translation);
    EXPECT_EQ(LanguageFiles::readLines(path), files.base);
    // The export read back as a base file finds every record in order.
    LanguageLookup lookup(LanguageFiles::parseBase(files.base), LanguageFiles::decodeLines(bytes));
    EXPECT_EQ(lookup.find("Form1", "Deutsch1"), 0);
    EXPECT_EQ(lookup.find("Form1", "Edit80"), 1);
    EXPECT_EQ(lookup.find("Form1", "Label13"), 2);
}

TEST(LanguageFiles, MergeKeepsLinesTheReplacementLacks)
{
    EXPECT_EQ(mergeLines({"a", "b", "c"}, {"x"}), QStringList({"x", "b", "c"}));
    EXPECT_EQ(mergeLines({"a"}, {"x", "y"}), QStringList({"x", "y"}));
}

} // namespace
} // namespace numora

namespace numora {
namespace {

QStringList shipped(const QString& name)
{
    return LanguageFiles::readLines(QStringLiteral(NUMORA_SOURCE_DIR "/data/land/") + name).value_or(QStringList());
}

// Texts that read the same in every language: names, symbols, numbers and abbreviations.
bool sameEverywhere(const QString& text)
{
    static const QStringList names{"Sprache/Language/Langue", "Numora Sayisal Loto im Internet", "Spiel 77", "Super 6",
                                   "Tipp24", "ZAHL1", "ZAHL2", "TEXT1", "TEXT2", "Veldors Numora Sayisal Loto 6/49",
                                   "Veldors Numora Email-Client", "Veldors Click-Script File", "Glücksspirale", "Extra",
                                   "&Online", "Online", "OK", "E-Mail", "Proxy", "Links", "Export nach Text"};
    QString t = text.trimmed();
    if (t.endsWith(QLatin1Char(':')))
        t.chop(1);
    return t.isEmpty() || names.contains(t) || LanguageFiles::readsAsNumber(t) || t.startsWith(QLatin1String("http"))
        || !t.contains(QRegularExpression(QStringLiteral("[A-Za-zÄÖÜäöüß]{3}")));
}

// Every shipped language is complete: a caption or hint wherever the German has one, all 56
// messages, every radio item; and a translated window keeps no German text but names.
TEST(ShippedLanguages, AreCompleteAndTranslated)
{
    const auto records = LanguageFiles::parseBase(shipped(QStringLiteral("bezeich.txt")));
    const QStringList german = shipped(QStringLiteral("bezeich.txt.de"));
    ASSERT_EQ(german.size(), 2 * qsizetype(records.size()));
    for (std::size_t k = 0; k < records.size(); ++k) {
        EXPECT_EQ(german[2 * qsizetype(k)], records[k].caption) << k;
        EXPECT_EQ(german[2 * qsizetype(k) + 1], records[k].hint) << k;
    }
    for (const Language& language : LanguageFiles::languages()) {
        const QString code = QString::fromLatin1(language.code);
        SCOPED_TRACE(language.code);
        const QStringList lines = shipped(QStringLiteral("bezeich.txt.") + code);
        ASSERT_EQ(lines.size(), german.size());
        int untranslated = 0;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (!german[i].trimmed().isEmpty())
                EXPECT_FALSE(lines[i].trimmed().isEmpty()) << "line " << i + 1 << ": " << german[i].toStdString();
            // Words the German design shares with a language.
            const bool sameWord = (code == QLatin1String("en") && german[i] == QLatin1String("Password"))
                || (code == QLatin1String("nl") && german[i] == QLatin1String("Russisch"));
            if (code != QLatin1String("de") && lines[i] == german[i] && !sameEverywhere(german[i]) && !sameWord) {
                ADD_FAILURE() << "line " << i + 1 << " still German: " << german[i].toStdString();
                ++untranslated;
            }
        }
        EXPECT_EQ(untranslated, 0);
        const QStringList messages = shipped(QStringLiteral("meldungen.txt.") + code);
        ASSERT_EQ(messages.size(), Meldungen::GermanCount);
        for (int n = 0; n < Meldungen::GermanCount; ++n)
            EXPECT_EQ(messages[n].isEmpty(), Meldungen::germanTexts()[n].isEmpty()) << "message " << n;
        for (const auto& [file, items] : {std::pair{1, 3}, std::pair{2, 5}, std::pair{3, 2}}) {
            const QStringList radio = shipped(QStringLiteral("Radio%1.txt.").arg(file) + code);
            EXPECT_EQ(radio.size(), items) << "Radio" << file;
            EXPECT_FALSE(radio.contains(QString())) << "Radio" << file;
        }
    }
}

} // namespace
} // namespace numora
