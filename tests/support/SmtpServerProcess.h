#pragma once

// A real SMTP server (aiosmtpd) on 127.0.0.1 for the life of the object. Each mail it receives is
// parsed by Python's MIME parser (tests/support/smtp_recorder.py) and left as mailN.json in a
// folder of its own, which mail() reads back.

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

#include <memory>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace numora::test {

class SmtpServerProcess {
public:
    static QString python() { return QStringLiteral("/usr/bin/python3"); }

    // With `login` ("user:password") the server takes a mail only after AUTH with it.
    explicit SmtpServerProcess(const QStringList& refused = {}, const QString& login = {})
    {
        // aiosmtpd cannot report a port it chose; a free one is taken, and taken again if another
        // program grabbed it in between.
        for (int attempt = 0; attempt < 5 && m_port == 0; ++attempt) {
            const int port = freePort();
            m_process = std::make_unique<QProcess>();
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("PYTHONPATH"), QStringLiteral(NUMORA_SOURCE_DIR "/tests/support"));
            env.insert(QStringLiteral("PYTHONDONTWRITEBYTECODE"), QStringLiteral("1"));
            if (!login.isEmpty())
                env.insert(QStringLiteral("SMTP_RECORDER_LOGIN"), login);
            m_process->setProcessEnvironment(env);
            m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            const QString listen = QStringLiteral("127.0.0.1:%1").arg(port);
            const QStringList arguments = login.isEmpty()
                ? QStringList { QStringLiteral("-m"), QStringLiteral("aiosmtpd"), QStringLiteral("-n"), QStringLiteral("-l"), listen,
                      QStringLiteral("-c"), QStringLiteral("smtp_recorder.Recorder"), m_dir.path() }
                : QStringList { QStringLiteral("-m"), QStringLiteral("smtp_recorder"), listen, m_dir.path() };
            m_process->start(python(), arguments + refused);
            if (!m_process->waitForStarted(30'000))
                continue;
            for (int wait = 0; wait < 300 && m_process->state() == QProcess::Running; ++wait) {
                if (accepts(port)) {
                    m_port = port;
                    break;
                }
                QThread::msleep(100);
            }
            if (m_port == 0)
                stop();
        }
    }

    ~SmtpServerProcess() { stop(); }

    SmtpServerProcess(const SmtpServerProcess&) = delete;
    SmtpServerProcess& operator=(const SmtpServerProcess&) = delete;

    bool isRunning() const { return m_port > 0; }
    int port() const { return m_port; }
    QString hostText() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }

    // Mail number n (1 = the first received), or an empty object when there is none.
    QJsonObject mail(int n = 1) const
    {
        QFile file(QDir(m_dir.path()).filePath(QStringLiteral("mail%1.json").arg(n)));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(file.readAll()).object();
    }
    int mailCount() const
    {
        return int(QDir(m_dir.path()).entryList({ QStringLiteral("mail*.json") }, QDir::Files).size());
    }

    // A port on which nothing listens (taken and given back at once).
    static int freePort()
    {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address = loopback(0);
        socklen_t length = sizeof address;
        int port = 0;
        if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
            && ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            port = ntohs(address.sin_port);
        ::close(fd);
        return port;
    }

private:
    static sockaddr_in loopback(int port)
    {
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_port = htons(quint16(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return address;
    }

    static bool accepts(int port)
    {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address = loopback(port);
        const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        ::close(fd);
        return ok;
    }

    void stop()
    {
        if (m_process && m_process->state() != QProcess::NotRunning) {
            m_process->terminate();
            if (!m_process->waitForFinished(30'000))
                m_process->kill();
            m_process->waitForFinished(30'000);
        }
    }

    QTemporaryDir m_dir;
    std::unique_ptr<QProcess> m_process;
    int m_port = 0;
};

} // namespace numora::test
