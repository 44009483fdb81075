#pragma once

#include "base/Expected.h"

#include <QByteArray>
#include <QString>

namespace numora {

// What the mail window keeps between runs: "numora.ini" beside the settings store,
//   [SMTP]            [MAIL]
//   Host=...          From=...
//   User=...          To=...
//   Pass=...          CC=...
//   PassInFile=1
// The password belongs in the desktop's keyring (output/MailPassword); the file holds it only
// when the player chose so (PassInFile=1), or when an older version left it there. Only its
// owner may read the file.
struct MailSettings {
    QString host;
    QString user;
    QString pass;
    QString from;
    QString to;
    QString cc;
    bool passInFile = false;

    static QString defaultPath(); // RegistryKey::storeFolder() + "/numora.ini"

    // A missing file or key leaves that field empty; unknown sections and keys are skipped.
    static MailSettings parse(const QByteArray& text);
    QByteArray serialize() const;

    // Six short lines; a larger file is not ours and reads as nothing.
    static constexpr qint64 MaxFileBytes = 1024 * 1024;
    // Nothing to read is no error: the fields come back empty.
    static MailSettings load(const QString& path);
    // Atomic, mode 0600; creates the folder when missing.
    Status save(const QString& path) const;

    bool operator==(const MailSettings&) const = default;
};

} // namespace numora
