#pragma once

#include "base/Expected.h"

#include <QByteArray>
#include <QHash>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>
#include <vector>

namespace numora {

// One interface language: its menu item, caption, stored index and the code its files end in.
struct Language {
    const char* menuItem;
    const char* caption; // UTF-8
    int sprache;
    const char* code;
};

// One widget of the base file "bezeich.txt": five lines per record.
struct BaseRecord {
    QString owner;   // the window that owns the widget, "Form1"
    QString name;    // its component name, "BitBtn8"
    QString caption; // an edit field's hint
    QString hint;
    QString charset; // the font's character set as a decimal number
};

// The kinds of widget the language files address; anything else keeps its texts.
enum class WidgetKind { MenuItem, Label, Panel, BitButton, Button, SpeedButton, Window, CheckBox, RadioButton,
                        TabSheet, RadioGroup, Edit };

// A widget as the export sees it.
struct WidgetEntry {
    QString owner;
    QString name;
    WidgetKind kind;
    QString caption;
    QString hint;
    int charset = 1;
    bool visible = true;
};

// The language files in the folder "land" of the program, and the rules that apply them.
class LanguageFiles {
public:
    static constexpr int RecordLines = 5;
    // The windows carry a few hundred widgets; a file far beyond that is not a language file.
    static constexpr qint64 MaxFileBytes = 4 * 1024 * 1024;
    // A lookup tests the record after the last match and the ten after it.
    static constexpr int LookupWindow = 11;

    // The nine languages in menu order.
    static std::span<const Language> languages();
    static const Language* languageOf(int sprache);
    // The language of the first of the desktop's languages ("tr-TR", "en_GB", "es") the program
    // speaks; German when none.
    static int forLocale(const QStringList& uiLanguages);
    // How the language writes numbers ("cz" is Czech, "sp" Spanish).
    static QLocale localeOf(const Language& language);
    // The desktop's languages in the order the system's message catalogues look at them:
    // LANGUAGE, LC_ALL, LC_MESSAGES, LANG ("tr_TR.UTF-8").
    static QStringList desktopLanguages();

    // The files' paths below the program's folders ("land/…"); ProgramFolders::find() picks the
    // user's own copy over the shipped one.
    static QString folder() { return QStringLiteral("land/"); }
    static QString baseFile() { return folder() + QStringLiteral("bezeich.txt"); }
    static QString translationFile(const QString& code) { return baseFile() + QLatin1Char('.') + code; }
    static QString radioFile(int group, const QString& code) { return folder() + QStringLiteral("Radio%1.txt.").arg(group) + code; }
    static QString messageFile(const QString& code) { return folder() + QStringLiteral("meldungen.txt.") + code; }
    static QString textFile(const QString& code) { return folder() + QStringLiteral("texte.txt.") + code; }

    // The lines of a text file: in the encoding of its byte-order mark, else UTF-8, else
    // Windows-1252 (files written on Windows). CR LF, LF and CR all end a line. A file with NUL
    // bytes outside UTF-16 is not text and gives nothing.
    static std::optional<QStringList> decodeLines(const QByteArray& bytes);
    // nullopt when the file is missing, unreadable, too large or not text.
    static std::optional<QStringList> readLines(const QString& path);

    // Groups of five lines; a last, incomplete group gets empty lines for the missing ones.
    static std::vector<BaseRecord> parseBase(const QStringList& lines);

    // "49", "0,50" and "-1" read as numbers, "12 Tipps" and "" do not.
    static bool readsAsNumber(const QString& text);

    // Whether the export writes a widget (the filter of its kind).
    static bool exported(const WidgetEntry& entry);
    struct ExportFiles {
        QStringList base;        // five lines per written widget
        QStringList translation; // caption and hint per written widget
    };
    static ExportFiles exportTexts(const std::vector<WidgetEntry>& widgets);
    // The base file in UTF-8, the template as `path` + ".trans" in UTF-16 LE with byte-order
    // mark; both with CR LF.
    static Status writeExport(const QString& path, const ExportFiles& files);
    // The bytes writeExport writes: the base file, and the template.
    static QByteArray encodeBase(const QStringList& lines);
    static QByteArray encodeTemplate(const QStringList& lines);
};

// A language being applied: the base file's records with, in translation mode, the caption and
// hint lines of the translation file.
class LanguageLookup {
public:
    LanguageLookup(std::vector<BaseRecord> records, std::optional<QStringList> translation);

    bool translationMode() const { return m_translation.has_value(); }
    int recordCount() const { return static_cast<int>(m_records.size()); }

    // Looks up the next widget of the walk: the record after the last match and the ten after it
    // are tested, owner and name compared after trimming. Unmatched: nullopt, start unchanged.
    std::optional<int> find(const QString& owner, const QString& name);
    // Texts of record k. Lines the translation file lacks stay unset, so that the widget keeps
    // its current text instead of going blank.
    struct Texts {
        std::optional<QString> caption;
        std::optional<QString> hint;
        std::optional<int> charset;
    };
    Texts textsOf(int record) const;

private:
    std::vector<BaseRecord> m_records;
    std::optional<QStringList> m_translation;
    int m_start = 0;
};

// Replaces the first lines of `current` by `replacement`; lines past its end keep their text.
QStringList mergeLines(const QStringList& current, const QStringList& replacement);

} // namespace numora
