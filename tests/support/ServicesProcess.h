#pragma once

// Starts numora-services on 127.0.0.1 with a free port for the life of the object. A test target
// using it calls numora_test_uses_services() in CMake.

#ifndef NUMORA_SERVICES_EXE
#error "call numora_test_uses_services() for this test target"
#endif

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <signal.h>

namespace numora::test {

class ServicesProcess {
public:
    // `arguments` without --port; e.g. {"--draws", csv, "--stall", "/zahlen/*"}.
    explicit ServicesProcess(const QStringList& arguments)
    {
        m_process.start(QStringLiteral(NUMORA_SERVICES_EXE),
            QStringList { QStringLiteral("--port"), QStringLiteral("0") } + arguments);
        if (!m_process.waitForStarted(30'000))
            return;
        // The first line is the port; a process that ends before it has failed to start.
        while (!m_process.canReadLine() && m_process.state() == QProcess::Running)
            m_process.waitForReadyRead(30'000);
        if (m_process.canReadLine())
            m_port = m_process.readLine().trimmed().toInt();
    }

    ~ServicesProcess()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(30'000))
                m_process.kill();
            m_process.waitForFinished(30'000);
        }
    }

    ServicesProcess(const ServicesProcess&) = delete;
    ServicesProcess& operator=(const ServicesProcess&) = delete;

    bool isRunning() const { return m_port > 0 && m_process.state() == QProcess::Running; }
    int port() const { return m_port; }
    QString baseUrl() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }

    // Sends `signal` and waits for the end: the exit status, or -1 when it crashed or hung.
    int stop(int signal = SIGTERM)
    {
        ::kill(pid_t(m_process.processId()), signal);
        if (!m_process.waitForFinished(30'000)) {
            m_process.kill();
            m_process.waitForFinished(30'000);
            return -1;
        }
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }

    // Waits for the end of a process that is expected to give up by itself (bad arguments).
    int waitForExit()
    {
        if (m_process.state() != QProcess::NotRunning && !m_process.waitForFinished(30'000))
            return -1;
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }

    QString errorOutput() { return QString::fromUtf8(m_process.readAllStandardError()); }

private:
    QProcess m_process;
    int m_port = 0;
};

} // namespace numora::test
