#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace numora {

// The texts the program composes at run time outside the message table: error and question
// boxes, status texts, dialog captions, chart titles. Keys are the German texts as written in
// the code; the table of the current language maps them to its translations.
//
// A catalogue file has one entry a line: German text, TAB, translation. "\n", "\t" and "\\"
// stand for a line break, a tab and a backslash in both.
class TextCatalog {
public:
    // Replaces the table. Lines without a TAB or with an empty translation give no entry, and
    // neither does a translation whose %1..%99 markers differ from the key's, as its .arg()
    // would fill the wrong places. The first entry of a key wins.
    static void load(const QStringList& lines);
    // Back to German.
    static void clear();
    static int size();

    // The parsed entries of a file in file order, without the checks of load().
    static QList<std::pair<QString, QString>> parse(const QStringList& lines);
    static QString unescape(const QString& text);
    static QString escape(const QString& text);
    // The %N markers of a text, sorted, duplicates removed.
    static QList<int> placeholders(const QString& text);

    static QString lookup(const QString& german);
};

// The text `german` in the current language; the German text itself when it has no translation.
inline QString tx(const QString& german) { return TextCatalog::lookup(german); }

} // namespace numora
