#pragma once

#include "base/Expected.h"

#include <QString>

#include <optional>

namespace numora {

// Where a secret lives outside every file of the program: the desktop's secret service. Each
// secret is found by the program's name and a key. An error's message says why the store cannot
// be used; it never holds the secret.
class SecretStore {
public:
    virtual ~SecretStore() = default;
    // Nothing under `key` is no error: an empty optional.
    virtual Expected<std::optional<QString>> read(const QString& key) = 0;
    virtual Status write(const QString& key, const QString& secret) = 0;
    // Removing what is not there is no error.
    virtual Status remove(const QString& key) = 0;
};

// The desktop's secret service (GNOME Keyring, KWallet, KeePassXC, ...) through QtKeychain. Each
// call waits for the service's answer; a locked keyring may ask the user to unlock it.
class KeychainStore final : public SecretStore {
public:
    static constexpr const char* ServiceName = "numora";

    Expected<std::optional<QString>> read(const QString& key) override;
    Status write(const QString& key, const QString& secret) override;
    Status remove(const QString& key) override;
};

} // namespace numora
