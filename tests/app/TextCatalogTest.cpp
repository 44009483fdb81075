#include "app/LanguageFiles.h"
#include "base/TextCatalog.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <map>

namespace numora {
namespace {

class TextCatalogTest : public ::testing::Test {
protected:
    void TearDown() override { TextCatalog::clear(); }
};

TEST_F(TextCatalogTest, EmptyCatalogueGivesTheGermanText)
{
    EXPECT_EQ(tx(QStringLiteral("CSV importieren")), QStringLiteral("CSV importieren"));
    TextCatalog::load({QStringLiteral("CSV importieren\tImport CSV")});
    EXPECT_EQ(tx(QStringLiteral("CSV importieren")), QStringLiteral("Import CSV"));
    EXPECT_EQ(tx(QStringLiteral("CSV exportieren")), QStringLiteral("CSV exportieren"));
    TextCatalog::clear();
    EXPECT_EQ(tx(QStringLiteral("CSV importieren")), QStringLiteral("CSV importieren"));
}

TEST_F(TextCatalogTest, LinesOfADamagedFile)
{
    struct Case {
        const char* line;
        const char* german;
        const char* expected;
    };
    const Case cases[] = {
        {"Liste laden\tLoad list", "Liste laden", "Load list"},
        {"Liste speichern", "Liste speichern", "Liste speichern"},                    // no TAB
        {"Speichern des Tipps\t", "Speichern des Tipps", "Speichern des Tipps"},      // empty translation
        {"\tnothing", "", ""},                                                        // empty key
        {"%1 Ziehungen importiert\t%1 draws imported", "%1 Ziehungen importiert", "%1 draws imported"},
        {"%1 Ziehungen nach %2 exportiert\t%1 draws exported", "%1 Ziehungen nach %2 exportiert",
         "%1 Ziehungen nach %2 exportiert"}, // a marker lost: .arg() would fill the wrong places
        {"'%1' ist kein gültiges Datum\t'%2' is no date", "'%1' ist kein gültiges Datum", "'%1' ist kein gültiges Datum"},
        {"Die Einstellungen konnten nicht gespeichert werden.\\n%1\tThe settings were not saved.\\n%1",
         "Die Einstellungen konnten nicht gespeichert werden.\n%1", "The settings were not saved.\n%1"},
        {"Tab\\there\tTab\\tthere\\\\", "Tab\there", "Tab\tthere\\"},
        {"Liste laden\tSecond entry", "Liste laden", "Load list"}, // the first entry of a key wins
    };
    QStringList lines;
    for (const Case& c : cases)
        lines << QString::fromUtf8(c.line);
    TextCatalog::load(lines);
    for (const Case& c : cases)
        EXPECT_EQ(tx(QString::fromUtf8(c.german)), QString::fromUtf8(c.expected)) << c.line;
    EXPECT_EQ(TextCatalog::size(), 4);
}

TEST_F(TextCatalogTest, LoadReplacesTheWholeTable)
{
    TextCatalog::load({QStringLiteral("Liste laden\tLoad list"), QStringLiteral("Liste speichern\tSave list")});
    TextCatalog::load({QStringLiteral("Liste laden\tCharger la liste")});
    EXPECT_EQ(tx(QStringLiteral("Liste laden")), QStringLiteral("Charger la liste"));
    EXPECT_EQ(tx(QStringLiteral("Liste speichern")), QStringLiteral("Liste speichern"));
}

// ---- the shipped catalogues against the texts the sources ask for

QString sourceDir() { return QStringLiteral(NUMORA_SOURCE_DIR); }

QString cppUnescape(const QString& body)
{
    QString out;
    for (qsizetype i = 0; i < body.size(); ++i) {
        if (body[i] != u'\\' || i + 1 == body.size()) {
            out += body[i];
            continue;
        }
        const QChar c = body[++i];
        out += c == u'n' ? QChar(u'\n') : c == u't' ? QChar(u'\t') : c;
    }
    return out;
}

struct Use {
    QString key;
    QString where;
};

// Every key of tx(QStringLiteral("...")) in src/, in order of first use (files in path order).
std::vector<Use> usedKeys()
{
    std::vector<Use> uses;
    QStringList files;
    QDirIterator it(sourceDir() + QStringLiteral("/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    static const QRegularExpression call(QStringLiteral(R"re((?<![A-Za-z0-9_])tx\()re"));
    static const QRegularExpression literal(QStringLiteral(R"re(^QStringLiteral\((\s*"(?:[^"\\]|\\.)*")+\s*\))re"));
    static const QRegularExpression piece(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    for (const QString& path : files) {
        if (path.endsWith(QLatin1String("/src/base/TextCatalog.h")))
            continue;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        const QString relative = QDir(sourceDir()).relativeFilePath(path);
        for (auto m = call.globalMatch(text); m.hasNext();) {
            const auto found = m.next();
            const qsizetype start = found.capturedEnd();
            const QString where = QStringLiteral("%1:%2").arg(relative).arg(text.left(start).count(u'\n') + 1);
            const auto lit = literal.match(text.mid(start, 4000));
            if (!lit.hasMatch()) {
                ADD_FAILURE() << qPrintable(where) << ": tx() without a literal key cannot be checked";
                continue;
            }
            QString key;
            for (auto p = piece.globalMatch(lit.captured(0)); p.hasNext();)
                key += cppUnescape(p.next().captured(1));
            uses.push_back({key, where});
        }
    }
    return uses;
}

QString landDir() { return sourceDir() + QStringLiteral("/data/land/"); }

TEST(ShippedTextCatalogues, CoverExactlyTheKeysTheSourcesUse)
{
    const std::vector<Use> uses = usedKeys();
    ASSERT_GT(uses.size(), 50u);
    std::map<QString, QString> used; // key -> first use
    for (const Use& u : uses)
        used.emplace(u.key, u.where);

    const auto german = LanguageFiles::readLines(sourceDir() + QStringLiteral("/data/") + LanguageFiles::textFile(QStringLiteral("de")));
    ASSERT_TRUE(german.has_value()) << "data/land/texte.txt.de is missing or no text";
    // German keys stand for themselves; the technical texts keyed in English get their German
    // text there, except the status texts the program shows as they stand in every language
    // that has no translation of its own.
    const QSet<QString> keptAsTheyStand{QStringLiteral("Loading"), QStringLiteral("Failed : %1"),
                                        QStringLiteral("Failed : %1 %2"), QStringLiteral("Received %1 bytes"),
                                        QStringLiteral("Not guarantee the accuracy of the numbers!"),
                                        QStringLiteral("ERROR:"), QStringLiteral("ERROR: ")};
    QSet<QString> inGerman;
    for (const auto& [key, translation] : TextCatalog::parse(*german)) {
        EXPECT_FALSE(inGerman.contains(key)) << "texte.txt.de lists twice: " << qPrintable(key);
        if (keptAsTheyStand.contains(key))
            EXPECT_EQ(translation, key) << "texte.txt.de translates " << qPrintable(key);
        inGerman.insert(key);
    }
    EXPECT_EQ(TextCatalog::parse(*german).size(), inGerman.size());
    for (const auto& [key, translation] : TextCatalog::parse(*german))
        if (key.startsWith(QStringLiteral("line %1")) || key.endsWith(QStringLiteral(" is not a digit")))
            EXPECT_NE(translation, key) << "texte.txt.de leaves in English: " << qPrintable(key);
    for (const auto& [key, where] : used)
        EXPECT_TRUE(inGerman.contains(key)) << qPrintable(where) << ": missing from texte.txt.de: " << qPrintable(key);

    const QStringList catalogues = QDir(landDir()).entryList({QStringLiteral("texte.txt.*")}, QDir::Files, QDir::Name);
    EXPECT_TRUE(catalogues.contains(QStringLiteral("texte.txt.de")));
    for (const QString& name : catalogues) {
        const auto lines = LanguageFiles::readLines(landDir() + name);
        ASSERT_TRUE(lines.has_value()) << qPrintable(name) << " is no text";
        std::map<QString, QString> entries;
        for (const auto& [key, translation] : TextCatalog::parse(*lines)) {
            entries.emplace(key, translation);
            if (!used.count(key))
                ADD_FAILURE() << qPrintable(name) << ": the program no longer uses " << qPrintable(key);
        }
        if (name == QLatin1String("texte.txt.de"))
            continue;
        for (const auto& [key, where] : used) {
            const auto e = entries.find(key);
            if (e == entries.end())
                ADD_FAILURE() << qPrintable(name) << " lacks " << qPrintable(key);
            else if (e->second.isEmpty())
                ADD_FAILURE() << qPrintable(name) << " leaves empty: " << qPrintable(key);
            else if (TextCatalog::placeholders(e->second) != TextCatalog::placeholders(key))
                ADD_FAILURE() << qPrintable(name) << ": the markers %N differ for " << qPrintable(key);
        }
    }
}

} // namespace
} // namespace numora
