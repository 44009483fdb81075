#include "output/MailSettings.h"

#include "base/FileSystem.h"
#include "base/RegistryKey.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace numora {

namespace {

// A value is one line: a line break typed into a field must not open a new key.
QString oneLine(const QString& value)
{
    QString line = value;
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

} // namespace

QString MailSettings::defaultPath() { return RegistryKey::storeFolder() + QStringLiteral("/numora.ini"); }

MailSettings MailSettings::parse(const QByteArray& text)
{
    MailSettings settings;
    QString section;
    const QString decoded = QString::fromUtf8(text.startsWith("\xEF\xBB\xBF") ? text.mid(3) : text);
    for (QString raw : decoded.split(QLatin1Char('\n'))) {
        if (raw.endsWith(QLatin1Char('\r')))
            raw.chop(1);
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed().toUpper();
            continue;
        }
        const qsizetype eq = raw.indexOf(QLatin1Char('='));
        if (eq < 0 || raw.left(eq).trimmed().isEmpty())
            continue;
        const QString key = raw.left(eq).trimmed().toUpper();
        // The value is all after the "=": a password may begin or end with a blank.
        const QString value = raw.mid(eq + 1);
        if (section == QLatin1String("SMTP")) {
            if (key == QLatin1String("HOST"))
                settings.host = value;
            else if (key == QLatin1String("USER"))
                settings.user = value;
            else if (key == QLatin1String("PASS"))
                settings.pass = value;
            else if (key == QLatin1String("PASSINFILE"))
                settings.passInFile = value.trimmed() == QLatin1String("1");
        } else if (section == QLatin1String("MAIL")) {
            if (key == QLatin1String("FROM"))
                settings.from = value;
            else if (key == QLatin1String("TO"))
                settings.to = value;
            else if (key == QLatin1String("CC"))
                settings.cc = value;
        }
    }
    return settings;
}

QByteArray MailSettings::serialize() const
{
    QStringList lines {
        QStringLiteral("[SMTP]"),
        QStringLiteral("Host=") + oneLine(host),
        QStringLiteral("User=") + oneLine(user),
        QStringLiteral("Pass=") + oneLine(pass),
        QString(),
        QStringLiteral("[MAIL]"),
        QStringLiteral("From=") + oneLine(from),
        QStringLiteral("To=") + oneLine(to),
        QStringLiteral("CC=") + oneLine(cc),
    };
    if (passInFile)
        lines.insert(4, QStringLiteral("PassInFile=1"));
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

MailSettings MailSettings::load(const QString& path)
{
    const auto bytes = FileSystem::readWhole(path, MaxFileBytes);
    return bytes ? parse(*bytes) : MailSettings{};
}

Status MailSettings::save(const QString& path) const
{
    if (auto made = FileSystem::makeFolder(QFileInfo(path).absolutePath(), 0700); !made)
        return made;
    return FileSystem::real().replaceFile(path, path + QLatin1Char('~'), serialize(),
                                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

} // namespace numora
