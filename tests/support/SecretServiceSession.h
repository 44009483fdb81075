#pragma once

// A D-Bus session of its own with gnome-keyring-daemon as the secret service, for the life of the
// object: the keyring's files live in a temporary home, and nothing of the desktop's own session
// is touched. The bus activates no service, so a missing or locked keyring cannot start a prompt.
//
// libsecret keeps the first session bus a process met, so a process enters one session only
// (enterThisProcess); other sessions serve child processes through environment().

#include <QDBusConnection>
#include <QDirIterator>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

#include <memory>

namespace numora::test {

// The files under `folder` that hold `secret` as plain text.
inline QStringList filesHolding(const QString& folder, const QByteArray& secret)
{
    QStringList found;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        const QString file = it.next();
        QFile f(file);
        if (f.open(QIODevice::ReadOnly) && f.readAll().contains(secret))
            found << file;
    }
    return found;
}

class SecretServiceSession {
public:
    enum class Keyring { Unlocked, Locked, Absent };
    static constexpr const char* UnlockPassword = "keyring test password";

    explicit SecretServiceSession(Keyring keyring = Keyring::Unlocked)
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("home/.local/share"));
        QDir(m_dir.path()).mkpath(QStringLiteral("run"));
        QFile::setPermissions(m_dir.filePath(QStringLiteral("run")), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        if (!startBus())
            return;
        if (keyring == Keyring::Absent) {
            m_ready = true;
            return;
        }
        if (!startKeyring(true))
            return;
        if (keyring == Keyring::Locked) {
            // A keyring made and left with a password is locked when its daemon starts again.
            if (secretTool({ QStringLiteral("store"), QStringLiteral("--label=first"), QStringLiteral("server"),
                               QStringLiteral("first") }, "first") != 0)
                return;
            stop(m_keyring);
            if (!startKeyring(false))
                return;
        }
        m_ready = true;
    }

    ~SecretServiceSession()
    {
        stop(m_keyring);
        stop(m_bus);
    }

    SecretServiceSession(const SecretServiceSession&) = delete;
    SecretServiceSession& operator=(const SecretServiceSession&) = delete;

    bool isRunning() const { return m_ready; }
    QString home() const { return m_dir.filePath(QStringLiteral("home")); }

    // For a child process: this bus, and no desktop that would choose another keyring.
    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.filePath(QStringLiteral("run")));
        for (const char* name : { "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID", "DISPLAY" })
            env.remove(QString::fromLatin1(name));
        return env;
    }

    // This process talks to this session from now on; call it before anything uses D-Bus.
    void enterThisProcess() const
    {
        const QProcessEnvironment env = environment();
        for (const QString& name : { QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("XDG_RUNTIME_DIR") })
            qputenv(name.toLatin1().constData(), env.value(name).toUtf8());
        for (const char* name : { "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID" })
            qunsetenv(name);
    }

    // secret-tool as a user would run it; its exit status, its output in `out`.
    int secretTool(const QStringList& arguments, const QByteArray& input = {}, QByteArray* out = nullptr,
                   QProcess::ProcessChannelMode channels = QProcess::SeparateChannels) const
    {
        QProcess tool;
        tool.setProcessChannelMode(channels);
        tool.setProcessEnvironment(environment());
        tool.start(QStringLiteral("secret-tool"), arguments);
        if (!tool.waitForStarted(30'000))
            return -1;
        tool.write(input);
        tool.closeWriteChannel();
        tool.waitForFinished(60'000);
        if (out)
            *out = tool.readAllStandardOutput();
        return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
    }

    // What "secret-tool search" prints of the program's entries, attributes and secrets ("" when none).
    QByteArray search() const
    {
        QByteArray out;
        secretTool({ QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("server"), QStringLiteral("numora") }, {}, &out,
                   QProcess::MergedChannels);
        return out;
    }
    // The secret of one entry of the program ("" when none).
    QByteArray lookup(const QString& key) const
    {
        QByteArray out;
        secretTool({ QStringLiteral("lookup"), QStringLiteral("server"), QStringLiteral("numora"), QStringLiteral("user"), key }, {}, &out);
        return out;
    }

private:
    bool startBus()
    {
        const QString config = m_dir.filePath(QStringLiteral("bus.conf"));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                   " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                   "<busconfig><type>session</type><listen>unix:dir=" + m_dir.path().toUtf8() + "</listen>\n"
                   "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                   "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n");
        file.close();
        m_bus = std::make_unique<QProcess>();
        m_bus->setProcessChannelMode(QProcess::SeparateChannels);
        m_bus->start(QStringLiteral("dbus-daemon"), { QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                                                       QStringLiteral("--print-address=1") });
        if (!m_bus->waitForStarted(30'000))
            return false;
        while (!m_bus->canReadLine() && m_bus->state() == QProcess::Running)
            m_bus->waitForReadyRead(1000);
        m_address = QString::fromUtf8(m_bus->readLine()).trimmed();
        return !m_address.isEmpty();
    }

    bool startKeyring(bool unlock)
    {
        m_keyring = std::make_unique<QProcess>();
        QProcessEnvironment env = environment();
        env.insert(QStringLiteral("HOME"), home());
        env.insert(QStringLiteral("XDG_DATA_HOME"), home() + QStringLiteral("/.local/share"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home() + QStringLiteral("/.config"));
        m_keyring->setProcessEnvironment(env);
        m_keyring->setProcessChannelMode(QProcess::MergedChannels);
        QStringList arguments { QStringLiteral("--foreground"), QStringLiteral("--components=secrets") };
        if (unlock)
            arguments << QStringLiteral("--unlock");
        m_keyring->start(QStringLiteral("gnome-keyring-daemon"), arguments);
        if (!m_keyring->waitForStarted(30'000))
            return false;
        if (unlock) {
            m_keyring->write(UnlockPassword);
            m_keyring->waitForBytesWritten(30'000);
        }
        m_keyring->closeWriteChannel();
        // Ready once it owns the service's name on our bus.
        const QString probe = QStringLiteral("keyring-probe-%1").arg(++m_probes);
        bool owned = false;
        {
            QDBusConnection bus = QDBusConnection::connectToBus(m_address, probe);
            for (int wait = 0; wait < 300 && !owned && m_keyring->state() == QProcess::Running; ++wait) {
                owned = bus.isConnected() && bus.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.secrets"));
                if (!owned)
                    QThread::msleep(50);
            }
        }
        QDBusConnection::disconnectFromBus(probe);
        return owned;
    }

    static void stop(std::unique_ptr<QProcess>& process)
    {
        if (process && process->state() != QProcess::NotRunning) {
            process->terminate();
            if (!process->waitForFinished(30'000))
                process->kill();
            process->waitForFinished(30'000);
        }
        process.reset();
    }

    QTemporaryDir m_dir;
    std::unique_ptr<QProcess> m_bus;
    std::unique_ptr<QProcess> m_keyring;
    QString m_address;
    int m_probes = 0;
    bool m_ready = false;
};

} // namespace numora::test
