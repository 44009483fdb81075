#include "output/MailPassword.h"

#include "base/FileSystem.h"
#include "base/TextCatalog.h"

#include <QFileInfo>

namespace numora {

namespace {

Status writeFile(const QString& path, const QByteArray& bytes)
{
    if (auto made = FileSystem::makeFolder(QFileInfo(path).absolutePath(), 0700); !made)
        return made;
    return FileSystem::real().replaceFile(path, path + QLatin1Char('~'), bytes,
                                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

QString cannotKeep(const QString& reason)
{
    return tx(QStringLiteral("Das Passwort kann nicht gespeichert werden (%1). Es wird beim Senden erfragt, nur für diese Sitzung."))
        .arg(reason);
}

} // namespace

QString MailPassword::key(const QString& host, const QString& user)
{
    return user.trimmed() + QLatin1Char('@') + host.trimmed();
}

QByteArray MailPassword::withoutPassword(const QByteArray& text)
{
    QByteArray result;
    result.reserve(text.size());
    QByteArray section;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        end = end < 0 ? text.size() : end + 1;
        const QByteArray line = text.mid(start, end - start);
        start = end;
        QByteArray bare = line.trimmed();
        if (result.isEmpty() && bare.startsWith("\xEF\xBB\xBF"))
            bare = bare.mid(3).trimmed();
        if (bare.startsWith('[') && bare.endsWith(']')) {
            section = bare.mid(1, bare.size() - 2).trimmed().toUpper();
        } else if (section == "SMTP") {
            const qsizetype eq = bare.indexOf('=');
            const QByteArray name = eq < 0 ? QByteArray() : bare.left(eq).trimmed().toUpper();
            if (name == "PASS" || name == "PASSINFILE")
                continue;
        }
        result += line;
    }
    return result;
}

Status MailPassword::removeFromFile(const QString& path)
{
    if (!QFileInfo::exists(path))
        return Done {};
    const auto bytes = FileSystem::readWhole(path, MailSettings::MaxFileBytes);
    if (!bytes)
        return bytes.error();
    const QByteArray stripped = withoutPassword(*bytes);
    if (stripped == *bytes)
        return Done {};
    return writeFile(path, stripped);
}

MailLogin MailPassword::open(const QString& path, SecretStore& store)
{
    MailLogin login;
    login.settings = MailSettings::load(path);
    if (login.settings.passInFile) {
        login.place = PasswordPlace::File;
        return login;
    }
    if (login.settings.pass.isEmpty())
        return login;
    // An older version kept it in the file.
    const QString entry = key(login.settings);
    if (const Status moved = store.write(entry, login.settings.pass); !moved) {
        login.place = PasswordPlace::OldFile;
        login.notice = tx(QStringLiteral("Das Passwort steht noch in der Datei %1: der Schlüsselbund nahm es nicht an (%2)."))
                           .arg(QFileInfo(path).fileName(), moved.error().message);
        return login;
    }
    login.place = PasswordPlace::Keyring;
    login.keyRead = entry;
    // The keyring holds it now; a file that cannot be rewritten is tried again at the next start.
    if (const Status removed = removeFromFile(path); !removed)
        login.notice = removed.error().message;
    return login;
}

void MailPassword::fetch(MailLogin& login, SecretStore& store)
{
    if (login.place != PasswordPlace::Unread)
        return;
    const QString entry = key(login.settings);
    const auto read = store.read(entry);
    if (!read) {
        login.place = PasswordPlace::Session;
        login.notice = cannotKeep(read.error().message);
        return;
    }
    login.place = PasswordPlace::Keyring;
    login.keyRead = entry;
    login.settings.pass = read->value_or(QString());
}

Status MailPassword::keep(const QString& path, SecretStore& store, MailLogin& login, const MailSettings& now)
{
    MailSettings file = now;
    std::optional<Error> failed;
    if (now.passInFile) {
        login.place = PasswordPlace::File;
        login.notice.clear();
    } else {
        file.pass.clear();
        const QString entry = key(now);
        const bool changed = entry != login.keyRead || now.pass != login.settings.pass;
        switch (login.place) {
        case PasswordPlace::Unread:   // never shown: the keyring keeps what it has
        case PasswordPlace::Session:  // nothing to keep it in
            break;
        case PasswordPlace::Keyring:
        case PasswordPlace::File:
        case PasswordPlace::OldFile: {
            const bool fromFile = login.place != PasswordPlace::Keyring;
            if (!changed && !fromFile)
                break;
            Status kept = Done {};
            if (!now.pass.isEmpty())
                kept = store.write(entry, now.pass);
            else if (entry == login.keyRead)
                kept = store.remove(entry);
            if (kept) {
                login.place = PasswordPlace::Keyring;
                login.keyRead = entry;
                login.notice.clear();
            } else if (login.place == PasswordPlace::OldFile) {
                // Stays where it was until the keyring takes it.
                file.pass = now.pass;
            } else {
                login.place = PasswordPlace::Session;
                login.notice = cannotKeep(kept.error().message);
                failed = Error { login.notice };
            }
            break;
        }
        }
    }
    login.settings = now;
    if (const Status written = writeFile(path, file.serialize()); !written)
        return written;
    if (failed)
        return *failed;
    return Done {};
}

} // namespace numora
