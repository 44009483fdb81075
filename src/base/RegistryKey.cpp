#include "base/RegistryKey.h"

#include "base/FileSystem.h"
#include "base/TextCatalog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cstring>

namespace numora {

namespace {

const QString Root = QStringLiteral("HKEY_CURRENT_USER");
const QString Header = QStringLiteral("Windows Registry Editor Version 5.00");

// A store file is a few kilobytes; anything far larger is not one of ours and is not read into
// memory whole.
constexpr qint64 MaxFileSize = 16 * 1024 * 1024;
// A foreign file can have a problem on every line; the status bar shows a few, and a list of
// millions would only fill memory.
constexpr qsizetype MaxListedProblems = 100;

// A UTF-16 file may hold half of a surrogate pair. It reads as U+FFFD, which is also what a save
// in UTF-8 makes of it, so a value reads the same before and after a save.
QString withoutLoneSurrogates(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (text.at(i).isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

QString decode(const QByteArray& bytes)
{
    if (bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff") || bytes.startsWith("\xef\xbb\xbf")) {
        auto encoding = QStringConverter::encodingForData(bytes);
        QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
        return withoutLoneSurrogates(decoder.decode(bytes));
    }
    return QString::fromUtf8(bytes);
}

// Reads a quoted text starting at `pos` (on the opening quote); `pos` ends after the closing one.
std::optional<QString> unquote(const QString& line, qsizetype& pos)
{
    if (pos >= line.size() || line.at(pos) != QLatin1Char('"'))
        return std::nullopt;
    QString out;
    for (qsizetype i = pos + 1; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('\\')) {
            if (++i >= line.size())
                return std::nullopt;
            out += line.at(i);
        } else if (c == QLatin1Char('"')) {
            pos = i + 1;
            return out;
        } else {
            out += c;
        }
    }
    return std::nullopt;
}

std::optional<QByteArray> parseHexBytes(QStringView text)
{
    QByteArray out;
    const auto parts = text.split(QLatin1Char(','));
    for (QStringView part : parts) {
        part = part.trimmed();
        if (part.isEmpty() && parts.size() == 1)
            break; // "hex:" holds no bytes
        bool ok = false;
        const uint byte = part.toUInt(&ok, 16);
        if (!ok || part.size() > 2 || byte > 0xff)
            return std::nullopt;
        out.append(static_cast<char>(byte));
    }
    return out;
}

RegistryKey::Value named(const QString& name)
{
    RegistryKey::Value v;
    v.name = name;
    return v;
}

} // namespace

RegistryKey::RegistryKey(QString keyPath, QString filePath) : m_keyPath(std::move(keyPath)), m_filePath(std::move(filePath)) {}

QString RegistryKey::storeFolder()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/Veldor");
}

RegistryKey RegistryKey::userKey(const QString& keyPath)
{
    const QString leaf = keyPath.section(QLatin1Char('\\'), -1, -1, QString::SectionSkipEmpty);
    return RegistryKey(keyPath, storeFolder() + QLatin1Char('/') + leaf + QStringLiteral(".reg"));
}

Status RegistryKey::load()
{
    clear();
    m_problems.clear();
    QFile file(m_filePath);
    if (!file.exists())
        return Done{};
    if (!file.open(QIODevice::ReadOnly))
        return Error{QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(m_filePath), file.errorString())};
    if (file.size() > MaxFileSize) {
        m_problems << tx(QStringLiteral("%1: larger than %2 bytes, not read")).arg(m_filePath, QString::number(MaxFileSize));
        return Done{};
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Error{QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(m_filePath), file.errorString())};
    parse(bytes);
    return Done{};
}

void RegistryKey::parse(const QByteArray& bytes)
{
    const QString text = decode(bytes);
    const QStringList lines = text.split(QLatin1Char('\n'));
    const QString ownSection = Root + m_keyPath;
    bool inSection = false;
    bool otherSectionReported = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const qsizetype lineNumber = i + 1;
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        // Long binary values continue on the next line after a trailing backslash. The line grows
        // in place: trimming it whole for every continuation would take quadratic time.
        if (line.trimmed().startsWith(QLatin1Char('"')) && line.contains(QStringLiteral("=hex"))) {
            line = line.trimmed();
            while (line.endsWith(QLatin1Char('\\')) && i + 1 < lines.size()) {
                line.chop(1);
                QString next = lines.at(++i);
                if (next.endsWith(QLatin1Char('\r')))
                    next.chop(1);
                line += next.trimmed();
                while (!line.isEmpty() && line.back().isSpace())
                    line.chop(1);
            }
        }
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')))
            continue;
        if (lineNumber == 1 || (m_values.empty() && !inSection)) {
            const QString bare = trimmed.startsWith(QChar(0xfeff)) ? trimmed.mid(1) : trimmed;
            if (bare == Header || bare == QLatin1String("REGEDIT4"))
                continue;
        }
        if (trimmed.startsWith(QLatin1Char('['))) {
            if (!trimmed.endsWith(QLatin1Char(']'))) {
                addProblem(tx(QStringLiteral("line %1: %2")).arg(lineNumber).arg(trimmed.left(80)));
                inSection = false;
                continue;
            }
            const QString name = trimmed.mid(1, trimmed.size() - 2);
            inSection = name.compare(ownSection, Qt::CaseInsensitive) == 0;
            if (!inSection && !name.startsWith(QLatin1Char('-')) && !otherSectionReported) {
                addProblem(tx(QStringLiteral("line %1: values of another key ignored")).arg(lineNumber));
                otherSectionReported = true;
            }
            continue;
        }
        if (!inSection) {
            if (!otherSectionReported)
                addProblem(tx(QStringLiteral("line %1: a value outside the key [%2]")).arg(lineNumber).arg(ownSection));
            continue;
        }
        if (!parseLine(trimmed))
            addProblem(tx(QStringLiteral("line %1: %2")).arg(lineNumber).arg(trimmed.left(80)));
    }
}

bool RegistryKey::parseLine(const QString& line)
{
    qsizetype pos = 0;
    QString name;
    if (line.startsWith(QLatin1Char('@'))) {
        pos = 1;
    } else {
        auto quoted = unquote(line, pos);
        if (!quoted)
            return false;
        name = *quoted;
    }
    while (pos < line.size() && line.at(pos).isSpace())
        ++pos;
    if (pos >= line.size() || line.at(pos) != QLatin1Char('='))
        return false;
    ++pos;
    while (pos < line.size() && line.at(pos).isSpace())
        ++pos;
    const QString data = line.mid(pos);

    if (data == QLatin1String("-")) {
        remove(name);
        return true;
    }
    if (data.startsWith(QLatin1Char('"'))) {
        qsizetype p = 0;
        auto text = unquote(data, p);
        if (!text || !data.mid(p).trimmed().isEmpty())
            return false;
        setString(name, *text);
        return true;
    }
    if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
        const QStringView digits = QStringView(data).mid(6).trimmed();
        bool ok = false;
        const uint value = digits.toUInt(&ok, 16);
        if (!ok || digits.isEmpty() || digits.size() > 8)
            return false;
        setDword(name, value);
        return true;
    }
    if (data.startsWith(QLatin1String("hex"), Qt::CaseInsensitive)) {
        int hexType = 3;
        qsizetype colon = 3;
        if (data.size() > 3 && data.at(3) == QLatin1Char('(')) {
            const qsizetype close = data.indexOf(QLatin1Char(')'), 4);
            bool ok = false;
            hexType = close > 4 ? data.mid(4, close - 4).toInt(&ok, 16) : 0;
            if (!ok || hexType < 0)
                return false;
            colon = close + 1;
        }
        if (colon >= data.size() || data.at(colon) != QLatin1Char(':'))
            return false;
        auto bytes = parseHexBytes(QStringView(data).mid(colon + 1));
        if (!bytes)
            return false;
        setBinary(name, *bytes);
        slot(name).hexType = hexType;
        return true;
    }
    return false;
}

QString RegistryKey::quote(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            out += QLatin1Char('\\');
        out += c;
    }
    return out + QLatin1Char('"');
}

QByteArray RegistryKey::serialize() const
{
    QString out = Header + QStringLiteral("\r\n\r\n[") + Root + m_keyPath + QStringLiteral("]\r\n");
    for (const Value& v : m_values) {
        out += v.name.isEmpty() ? QStringLiteral("@") : quote(v.name);
        out += QLatin1Char('=');
        switch (v.type) {
        case Type::Dword:
            out += QStringLiteral("dword:%1").arg(v.dword, 8, 16, QLatin1Char('0'));
            break;
        case Type::String:
            out += quote(v.text);
            break;
        case Type::Binary: {
            out += v.hexType == 3 ? QStringLiteral("hex:") : QStringLiteral("hex(%1):").arg(v.hexType, 0, 16);
            QStringList hex;
            for (const char b : v.bytes)
                hex << QStringLiteral("%1").arg(static_cast<unsigned char>(b), 2, 16, QLatin1Char('0'));
            out += hex.join(QLatin1Char(','));
            break;
        }
        }
        out += QStringLiteral("\r\n");
    }
    return out.toUtf8();
}

Status RegistryKey::save() const
{
    if (auto s = FileSystem::makeFolder(QFileInfo(m_filePath).absolutePath(), 0700); !s)
        return s;
    return FileSystem::real().replaceFile(m_filePath, m_filePath + QLatin1Char('~'), serialize(),
                                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

const RegistryKey::Value* RegistryKey::find(const QString& name) const
{
    const auto it = m_index.constFind(name.toCaseFolded());
    return it == m_index.constEnd() ? nullptr : &m_values[*it];
}

void RegistryKey::remove(const QString& name)
{
    const auto it = m_index.constFind(name.toCaseFolded());
    if (it == m_index.constEnd())
        return;
    m_values.erase(m_values.begin() + qsizetype(*it));
    reindex();
}

void RegistryKey::clear()
{
    m_values.clear();
    m_index.clear();
}

void RegistryKey::reindex()
{
    m_index.clear();
    for (std::size_t i = 0; i < m_values.size(); ++i)
        m_index.insert(m_values[i].name.toCaseFolded(), i);
}

void RegistryKey::addProblem(const QString& problem)
{
    if (m_problems.size() < MaxListedProblems)
        m_problems << problem;
    else if (m_problems.size() == MaxListedProblems)
        m_problems << tx(QStringLiteral("further lines that could not be read are not listed"));
}

// Names compare case-insensitively: the index maps each case-folded name to its value, so that
// a key of many values is read and written in linear time.
RegistryKey::Value& RegistryKey::slot(const QString& name)
{
    const QString folded = name.toCaseFolded();
    if (const auto it = m_index.constFind(folded); it != m_index.constEnd())
        return m_values[*it];
    Value fresh;
    fresh.name = name;
    m_values.push_back(fresh);
    m_index.insert(folded, m_values.size() - 1);
    return m_values.back();
}

void RegistryKey::setDword(const QString& name, std::uint32_t value)
{
    Value& v = slot(name);
    v = named(v.name);
    v.type = Type::Dword;
    v.dword = value;
}

void RegistryKey::setString(const QString& name, const QString& value)
{
    Value& v = slot(name);
    v = named(v.name);
    v.type = Type::String;
    v.text = value;
}

void RegistryKey::setBinary(const QString& name, const QByteArray& value)
{
    Value& v = slot(name);
    v = named(v.name);
    v.type = Type::Binary;
    v.bytes = value;
}

void RegistryKey::setDouble(const QString& name, double value)
{
    static_assert(sizeof(double) == 8);
    QByteArray bytes(8, '\0');
    std::memcpy(bytes.data(), &value, 8); // little-endian on every platform we build for
    setBinary(name, bytes);
}

RegistryKey::Read RegistryKey::readInt(const QString& name, std::int32_t& out) const
{
    const Value* v = find(name);
    if (!v)
        return Read::Absent;
    if (v->type != Type::Dword)
        return Read::WrongType;
    out = static_cast<std::int32_t>(v->dword);
    return Read::Ok;
}

RegistryKey::Read RegistryKey::readBool(const QString& name, bool& out) const
{
    std::int32_t value = 0;
    const Read r = readInt(name, value);
    if (r == Read::Ok)
        out = value != 0;
    return r;
}

RegistryKey::Read RegistryKey::readString(const QString& name, QString& out) const
{
    const Value* v = find(name);
    if (!v)
        return Read::Absent;
    if (v->type != Type::String)
        return Read::WrongType;
    out = v->text;
    return Read::Ok;
}

RegistryKey::Read RegistryKey::readBinary(const QString& name, QByteArray& out) const
{
    const Value* v = find(name);
    if (!v)
        return Read::Absent;
    if (v->type != Type::Binary)
        return Read::WrongType;
    out = v->bytes;
    return Read::Ok;
}

RegistryKey::Read RegistryKey::readDouble(const QString& name, double& out) const
{
    QByteArray bytes;
    const Read r = readBinary(name, bytes);
    if (r != Read::Ok)
        return r;
    if (bytes.size() != 8)
        return Read::WrongType;
    std::memcpy(&out, bytes.constData(), 8);
    return Read::Ok;
}

} // namespace numora
