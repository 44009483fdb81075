#include "base/TextCatalog.h"

#include <QReadWriteLock>

#include <algorithm>

namespace numora {

namespace {

// Background analyses format their texts while the window may switch languages.
QReadWriteLock& tableLock()
{
    static QReadWriteLock lock;
    return lock;
}

QHash<QString, QString>& table()
{
    static QHash<QString, QString> entries;
    return entries;
}

} // namespace

QString TextCatalog::unescape(const QString& text)
{
    if (!text.contains(QLatin1Char('\\')))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\\') || i + 1 == text.size()) {
            out += c;
            continue;
        }
        const QChar next = text.at(++i);
        if (next == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else if (next == QLatin1Char('t'))
            out += QLatin1Char('\t');
        else if (next == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        else
            out += c, out += next; // not an escape: kept as written
    }
    return out;
}

QString TextCatalog::escape(const QString& text)
{
    QString out = text;
    out.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    out.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    out.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    return out;
}

QList<int> TextCatalog::placeholders(const QString& text)
{
    QList<int> found;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('%') || !text.at(i + 1).isDigit())
            continue;
        int n = text.at(i + 1).digitValue();
        if (i + 2 < text.size() && text.at(i + 2).isDigit())
            n = n * 10 + text.at(i + 2).digitValue();
        if (n > 0)
            found << n;
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

QList<std::pair<QString, QString>> TextCatalog::parse(const QStringList& lines)
{
    QList<std::pair<QString, QString>> entries;
    for (const QString& line : lines) {
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        if (tab <= 0)
            continue;
        entries.append({unescape(line.left(tab)), unescape(line.mid(tab + 1))});
    }
    return entries;
}

void TextCatalog::load(const QStringList& lines)
{
    QHash<QString, QString> entries;
    for (const auto& [german, translation] : parse(lines)) {
        if (translation.isEmpty() || entries.contains(german))
            continue;
        if (placeholders(german) != placeholders(translation))
            continue;
        entries.insert(german, translation);
    }
    QWriteLocker locker(&tableLock());
    table() = std::move(entries);
}

void TextCatalog::clear()
{
    QWriteLocker locker(&tableLock());
    table().clear();
}

int TextCatalog::size()
{
    QReadLocker locker(&tableLock());
    return static_cast<int>(table().size());
}

QString TextCatalog::lookup(const QString& german)
{
    QReadLocker locker(&tableLock());
    return table().value(german, german);
}

} // namespace numora
