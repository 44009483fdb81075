// numora-cli mail-password: the mail window's SMTP password in the desktop's keyring.
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "output/MailPassword.h"

#include <iostream>
#include <optional>
#include <string>

#include <termios.h>
#include <unistd.h>

namespace numora::cli {

namespace {

// One line of standard input; at a terminal it is not echoed.
std::optional<QString> readPassword(QTextStream& err)
{
    const bool terminal = ::isatty(STDIN_FILENO) == 1;
    termios shown {};
    if (terminal && ::tcgetattr(STDIN_FILENO, &shown) == 0) {
        err << "Password: ";
        err.flush();
        termios hidden = shown;
        hidden.c_lflag &= ~tcflag_t(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &hidden);
    }
    std::string line;
    const bool read = bool(std::getline(std::cin, line));
    if (terminal) {
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &shown);
        err << '\n';
        err.flush();
    }
    if (!read && line.empty())
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    const QString password = QString::fromUtf8(line);
    line.assign(line.size(), '\0');
    return password;
}

} // namespace

int mailPassword(const ProgramFolders&, QStringList args, QTextStream& out, QTextStream& err)
{
    if (args.size() != 1 || (args.first() != QLatin1String("--set") && args.first() != QLatin1String("--clear")))
        return fail(err, QStringLiteral("mail-password takes --set (the password on standard input) or --clear"));
    const QString path = MailSettings::defaultPath();
    const MailSettings settings = MailSettings::load(path);
    if (settings.host.trimmed().isEmpty())
        return fail(err, QStringLiteral("%1 names no SMTP server: fill in the mail window first").arg(path));
    const QString key = MailPassword::key(settings);
    KeychainStore store;

    if (args.first() == QLatin1String("--clear")) {
        // The program keeps no password afterwards, wherever it was.
        if (const Status removed = MailPassword::removeFromFile(path); !removed)
            return fail(err, removed.error().message);
        if (const Status removed = store.remove(key); !removed)
            return fail(err, removed.error().message);
        out << "The password for " << key << " is no longer kept.\n";
        out.flush();
        return Ok;
    }

    const std::optional<QString> password = readPassword(err);
    if (!password || password->isEmpty())
        return fail(err, QStringLiteral("no password on standard input"));
    if (const Status kept = store.write(key, *password); !kept)
        return fail(err, kept.error().message);
    // The keyring holds it now: an older copy in the file goes.
    if (const Status removed = MailPassword::removeFromFile(path); !removed)
        return fail(err, removed.error().message);
    out << "The password for " << key << " is kept in the desktop's keyring.\n";
    out.flush();
    return Ok;
}

} // namespace numora::cli
