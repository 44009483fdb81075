#include "app/LanguageFiles.h"

#include "base/FileSystem.h"
#include "base/TextDecoding.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

namespace numora {

namespace {

constexpr Language Languages[] = {
    {"Deutsch1", "Deutsch", 0, "de"},
    {"Englisch1", "Englisch", 1, "en"},
    {"Franzsisch1", "Französisch", 2, "fr"},
    {"Spanisch1", "Spanisch", 3, "sp"},
    {"Trkisch1", "Türkisch", 4, "tr"},
    {"Russisch1", "Russisch", 5, "ru"},
    {"Polnisch1", "Polnisch", 8, "pl"},
    {"schechisch1", "Tschechisch", 7, "cz"},
    {"Niederlndisch1", "Niederländisch", 6, "nl"},
};

QString decodeText(const QByteArray& bytes, bool& isText)
{
    isText = true;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    const auto utf16 = [&bytes](QStringDecoder::Encoding encoding) {
        QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
        return QString(decoder(bytes.mid(2)));
    };
    if (bytes.startsWith("\xFF\xFE"))
        return utf16(QStringDecoder::Utf16LE);
    if (bytes.startsWith("\xFE\xFF"))
        return utf16(QStringDecoder::Utf16BE);
    // Text in an 8-bit encoding has no NUL bytes; a file with them is binary or UTF-16
    // without a mark, and reading it as text would put garbage on every button.
    if (bytes.contains('\0')) {
        isText = false;
        return {};
    }
    return decodeServiceText(bytes);
}

QByteArray joinLines(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

} // namespace

std::span<const Language> LanguageFiles::languages() { return Languages; }

const Language* LanguageFiles::languageOf(int sprache)
{
    for (const Language& language : Languages)
        if (language.sprache == sprache)
            return &language;
    return nullptr;
}

QLocale LanguageFiles::localeOf(const Language& language)
{
    const QString code = QString::fromLatin1(language.code);
    if (code == QLatin1String("cz"))
        return QLocale(QLocale::Czech);
    if (code == QLatin1String("sp"))
        return QLocale(QLocale::Spanish, QLocale::Spain);
    if (code == QLatin1String("en"))
        return QLocale(QLocale::English, QLocale::UnitedKingdom);
    return QLocale(code);
}

int LanguageFiles::forLocale(const QStringList& uiLanguages)
{
    // ISO 639 codes of the languages whose file code is not the same.
    static const QHash<QString, QString> fileCodes{ { QStringLiteral("es"), QStringLiteral("sp") },
                                                    { QStringLiteral("cs"), QStringLiteral("cz") } };
    for (const QString& name : uiLanguages) {
        QString iso = name.toLower();
        for (const QChar end : { QLatin1Char('.'), QLatin1Char('@'), QLatin1Char('_'), QLatin1Char('-') })
            iso = iso.section(end, 0, 0);
        const QString code = fileCodes.value(iso, iso);
        for (const Language& language : Languages)
            if (code == QLatin1String(language.code))
                return language.sprache;
    }
    return 0;
}

QStringList LanguageFiles::desktopLanguages()
{
    QStringList names = qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const char* variable : { "LC_ALL", "LC_MESSAGES", "LANG" }) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            names << value;
    }
    return names;
}

std::optional<QStringList> LanguageFiles::decodeLines(const QByteArray& bytes)
{
    bool isText = true;
    QString text = decodeText(bytes, isText);
    if (!isText)
        return std::nullopt;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    // The line break of the last line does not start another one.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

std::optional<QStringList> LanguageFiles::readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileBytes)
        return std::nullopt;
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (bytes.size() > MaxFileBytes)
        return std::nullopt;
    return decodeLines(bytes);
}

std::vector<BaseRecord> LanguageFiles::parseBase(const QStringList& lines)
{
    std::vector<BaseRecord> records;
    records.reserve(static_cast<std::size_t>((lines.size() + RecordLines - 1) / RecordLines));
    const auto line = [&lines](qsizetype i) { return i < lines.size() ? lines[i] : QString(); };
    for (qsizetype i = 0; i < lines.size(); i += RecordLines)
        records.push_back({line(i), line(i + 1), line(i + 2), line(i + 3), line(i + 4)});
    return records;
}

bool LanguageFiles::readsAsNumber(const QString& text)
{
    static const QRegularExpression number(QStringLiteral(R"(^\s*[+-]?(\d+(,\d*)?|,\d+)([eE][+-]?\d+)?\s*$)"));
    return number.match(text).hasMatch();
}

bool LanguageFiles::exported(const WidgetEntry& entry)
{
    const bool blank = entry.caption.isEmpty() && entry.hint.isEmpty();
    switch (entry.kind) {
    case WidgetKind::MenuItem:
        return entry.visible;
    case WidgetKind::Label:
    case WidgetKind::CheckBox:
        return !blank && !readsAsNumber(entry.caption);
    case WidgetKind::Panel:
    case WidgetKind::BitButton:
    case WidgetKind::Button:
    case WidgetKind::SpeedButton:
    case WidgetKind::Window:
        return !blank;
    case WidgetKind::RadioButton:
    case WidgetKind::TabSheet:
    case WidgetKind::RadioGroup:
        return true;
    case WidgetKind::Edit:
        return !entry.hint.isEmpty() && !readsAsNumber(entry.hint);
    }
    return false;
}

LanguageFiles::ExportFiles LanguageFiles::exportTexts(const std::vector<WidgetEntry>& widgets)
{
    ExportFiles files;
    for (const WidgetEntry& entry : widgets) {
        if (!exported(entry))
            continue;
        // One line per text: a line break inside a caption is layout and becomes a blank.
        const auto oneLine = [](QString text) {
            text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
            text.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
            return text;
        };
        const QString hint = oneLine(entry.hint);
        const QString caption = entry.kind == WidgetKind::Edit ? hint : oneLine(entry.caption);
        const int charset = entry.kind == WidgetKind::MenuItem ? 1 : entry.charset;
        files.base << entry.owner << entry.name << caption << hint << QString::number(charset);
        files.translation << caption << hint;
    }
    return files;
}

QByteArray LanguageFiles::encodeBase(const QStringList& lines) { return joinLines(lines); }

QByteArray LanguageFiles::encodeTemplate(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    QByteArray utf16("\xFF\xFE", 2);
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        utf16.append(static_cast<char>(u & 0xFF));
        utf16.append(static_cast<char>(u >> 8));
    }
    return utf16;
}

Status LanguageFiles::writeExport(const QString& path, const ExportFiles& files)
{
    FileSystem& fs = FileSystem::real();
    if (Status written = fs.replaceFile(path, path + QStringLiteral(".tmp"), encodeBase(files.base)); !written)
        return written;
    const QString templatePath = path + QStringLiteral(".trans");
    return fs.replaceFile(templatePath, templatePath + QStringLiteral(".tmp"), encodeTemplate(files.translation));
}

LanguageLookup::LanguageLookup(std::vector<BaseRecord> records, std::optional<QStringList> translation)
    : m_records(std::move(records)), m_translation(std::move(translation))
{
}

std::optional<int> LanguageLookup::find(const QString& owner, const QString& name)
{
    const QString wantedOwner = owner.trimmed();
    const QString wantedName = name.trimmed();
    const int end = std::min(recordCount(), m_start + LanguageFiles::LookupWindow);
    for (int k = m_start; k < end; ++k) {
        const BaseRecord& r = m_records[static_cast<std::size_t>(k)];
        if (r.owner.trimmed() == wantedOwner && r.name.trimmed() == wantedName) {
            m_start = k;
            return k;
        }
    }
    return std::nullopt;
}

LanguageLookup::Texts LanguageLookup::textsOf(int record) const
{
    Texts texts;
    if (record < 0 || record >= recordCount())
        return texts;
    if (m_translation) {
        const qsizetype line = 2 * static_cast<qsizetype>(record);
        if (line < m_translation->size())
            texts.caption = m_translation->at(line);
        if (line + 1 < m_translation->size())
            texts.hint = m_translation->at(line + 1);
        return texts;
    }
    const BaseRecord& r = m_records[static_cast<std::size_t>(record)];
    texts.caption = r.caption;
    texts.hint = r.hint;
    bool ok = false;
    const int charset = r.charset.trimmed().toInt(&ok);
    if (ok && charset >= 0 && charset <= 255)
        texts.charset = charset;
    return texts;
}

QStringList mergeLines(const QStringList& current, const QStringList& replacement)
{
    QStringList merged = replacement;
    for (qsizetype i = replacement.size(); i < current.size(); ++i)
        merged << current[i];
    return merged;
}

} // namespace numora
