#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>

namespace numora {

// Where the mail goes: "host" (port 25) or "host:port", and the login when a user is given.
struct SmtpAccount {
    QString host;
    QString user;
    QString password;
};

struct MailMessage {
    QString fromName;
    QString fromAddress;
    QString toAddress;
    QString toName;
    QString cc;  // addresses as typed, separated by "," or ";"
    QString bcc; // likewise; they receive the mail but appear in no header
    QString subject;
    QString body;
    bool readReceipt = false; // asks the recipient's program to confirm to the sender
    QString attachmentPath;   // sent as application/octet-stream when the file exists
};

struct MailSendResult {
    bool connected = false; // the server was reached (the mail window closes afterwards)
    bool sent = false;
    QString error; // why not sent; empty when sent
};

// Sends one mail over SMTP with libcurl, blocking. STARTTLS is used whenever the server offers
// it, so a password does not travel in clear text to a server that can do better.
class SmtpMailer {
public:
    static constexpr std::chrono::milliseconds DefaultConnectTimeout { 10'000 };
    static constexpr std::chrono::milliseconds DefaultStallTimeout { 20'000 };
    static constexpr int DefaultPort = 25;

    // What happens on the way ("Connected.", "Sending message.", ...), newest last.
    std::function<void(const QString&)> onStatus;
    // The server refused a recipient; its reply line ("550 5.1.1 ... unknown").
    std::function<void(const QString&)> onRecipientRefused;

    void setTimeouts(std::chrono::milliseconds connect, std::chrono::milliseconds stall);

    MailSendResult send(const SmtpAccount& account, const MailMessage& message);

    // "a@x; b@y , c@z" -> {"a@x", "b@y", "c@z"}.
    static QStringList addressList(const QString& typed);
    // Splits "host[:port]"; false for an empty host or a port that is not 1..65535.
    static bool splitHost(const QString& text, QString& host, int& port);

private:
    std::chrono::milliseconds m_connectTimeout = DefaultConnectTimeout;
    std::chrono::milliseconds m_stallTimeout = DefaultStallTimeout;
};

} // namespace numora
