#include "output/SecretStore.h"

#include "base/TextCatalog.h"

#include <QEventLoop>

#include <qt6keychain/keychain.h>

namespace numora {

namespace {

// Runs a QtKeychain job to its end; its answer comes through the event loop.
void runToEnd(QKeychain::Job& job)
{
    job.setAutoDelete(false);
    // A fallback would put the secret into a plain settings file.
    job.setInsecureFallback(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

Error unavailable(const QKeychain::Job& job)
{
    const QString reason = job.errorString().trimmed();
    return Error { tx(QStringLiteral("Der Schlüsselbund des Desktops ist nicht erreichbar: %1"))
                       .arg(reason.isEmpty() ? QString::number(int(job.error())) : reason) };
}

} // namespace

Expected<std::optional<QString>> KeychainStore::read(const QString& key)
{
    QKeychain::ReadPasswordJob job(QString::fromLatin1(ServiceName));
    job.setKey(key);
    runToEnd(job);
    if (job.error() == QKeychain::EntryNotFound)
        return std::optional<QString>();
    if (job.error() != QKeychain::NoError)
        return unavailable(job);
    return std::optional<QString>(job.textData());
}

Status KeychainStore::write(const QString& key, const QString& secret)
{
    QKeychain::WritePasswordJob job(QString::fromLatin1(ServiceName));
    job.setKey(key);
    job.setTextData(secret);
    runToEnd(job);
    if (job.error() != QKeychain::NoError)
        return unavailable(job);
    return Done {};
}

Status KeychainStore::remove(const QString& key)
{
    QKeychain::DeletePasswordJob job(QString::fromLatin1(ServiceName));
    job.setKey(key);
    runToEnd(job);
    if (job.error() != QKeychain::NoError && job.error() != QKeychain::EntryNotFound)
        return unavailable(job);
    return Done {};
}

} // namespace numora
