#pragma once

#include "output/MailSettings.h"
#include "output/SecretStore.h"

namespace numora {

// Where the SMTP password of the mail window lives. It belongs in the desktop's keyring under the
// server and user it is for; the settings file holds it only when the player asks for that.
enum class PasswordPlace {
    Unread,  // the keyring was not asked yet
    Keyring, // kept in the keyring
    File,    // kept in the settings file, as the player chose
    OldFile, // still in the file of an older version: the keyring did not take it
    Session, // no keyring to keep it: asked when sending, forgotten at the end
};

struct MailLogin {
    MailSettings settings; // settings.pass is the password in use, wherever it comes from
    PasswordPlace place = PasswordPlace::Unread;
    QString keyRead;       // the keyring entry settings.pass came from
    QString notice;        // what the window says about the password; empty when all is well
};

class MailPassword {
public:
    // "user@host": a password belongs to a server and a user.
    static QString key(const QString& host, const QString& user);
    static QString key(const MailSettings& s) { return key(s.host, s.user); }

    // The settings file; a password an older version left in it moves into the keyring and out
    // of the file, which keeps everything else byte for byte. The keyring is asked only then.
    static MailLogin open(const QString& path, SecretStore& store);
    // Reads the password of an Unread login from the keyring.
    static void fetch(MailLogin& login, SecretStore& store);
    // Keeps `now` (what the window holds): the password into the keyring (or the file when
    // now.passInFile), the rest into the file. `login` follows. An error says what could not be
    // kept; the rest is kept all the same.
    static Status keep(const QString& path, SecretStore& store, MailLogin& login, const MailSettings& now);

    // The text of a settings file without the password lines of [SMTP] and the choice to keep it
    // there; every other byte stays.
    static QByteArray withoutPassword(const QByteArray& text);
    // Rewrites the file without them; nothing to do is no error.
    static Status removeFromFile(const QString& path);
};

} // namespace numora
