#include "eval/RtfText.h"

#include "base/FileSystem.h"

namespace numora::RtfText {

namespace {

void appendEscaped(QByteArray& out, const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += char(u);
        } else if (u == u'\t') {
            out += "\\tab ";
        } else if (u >= 0x20 && u < 0x80) {
            out += char(u);
        } else if (u >= 0xA0 && u <= 0xFF) {
            // Latin-1 and code page 1252 agree here.
            out += "\\'" + QByteArray::number(int(u), 16).rightJustified(2, '0');
        } else if (u >= 0x80) {
            // RTF's \u takes a signed 16-bit value; '?' is what readers without Unicode show.
            out += "\\u" + QByteArray::number(int(std::int16_t(u))) + '?';
        }
    }
}

} // namespace

QByteArray document(const QStringList& lines)
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fswiss Arial;}}\r\n\\f0\\fs20 ";
    for (const QString& line : lines) {
        appendEscaped(out, line);
        out += "\\par\r\n";
    }
    out += "}\r\n";
    return out;
}

Status write(const QString& path, const QStringList& lines)
{
    return FileSystem::real().replaceFile(path, path + QLatin1Char('~'), document(lines));
}

} // namespace numora::RtfText
