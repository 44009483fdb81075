#include "output/SmtpMailer.h"

#include "base/TextCatalog.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUuid>

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace numora {

namespace {

void initCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// Header values come from typed fields: a line break there would start a header of its own.
QString headerSafe(const QString& text)
{
    QString safe = text;
    safe.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return safe.trimmed();
}

bool isAscii(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0x7e)
            return false;
    }
    return true;
}

// Non-ASCII header text travels as an RFC 2047 encoded word.
QByteArray encodedText(const QString& text)
{
    const QString safe = headerSafe(text);
    if (isAscii(safe))
        return safe.toLatin1();
    return "=?UTF-8?B?" + safe.toUtf8().toBase64() + "?=";
}

QByteArray mailbox(const QString& name, const QString& address)
{
    const QByteArray addr = headerSafe(address).toUtf8();
    const QString shown = headerSafe(name);
    if (shown.isEmpty())
        return "<" + addr + ">";
    if (isAscii(shown)) {
        QString quoted = shown;
        quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
        return "\"" + quoted.toLatin1() + "\" <" + addr + ">";
    }
    return encodedText(shown) + " <" + addr + ">";
}

// "Name <a@b>" typed into an address field: the envelope wants only the address.
QByteArray envelopeAddress(const QString& typed)
{
    QString address = headerSafe(typed);
    const qsizetype open = address.lastIndexOf(QLatin1Char('<'));
    const qsizetype close = address.lastIndexOf(QLatin1Char('>'));
    if (open >= 0 && close > open)
        address = address.mid(open + 1, close - open - 1).trimmed();
    return "<" + address.toUtf8() + ">";
}

QByteArray crlfText(const QString& text)
{
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return normal.replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toUtf8();
}

struct Dialogue {
    SmtpMailer* mailer = nullptr;
    bool connected = false;
    bool sending = false;
    QByteArray lastCommand;
    QByteArray failedReply; // the first reply of the server that refused something
};

void status(SmtpMailer& mailer, const QString& text)
{
    if (mailer.onStatus)
        mailer.onStatus(text);
}

int onDebug(CURL*, curl_infotype type, char* data, size_t size, void* user)
{
    auto* d = static_cast<Dialogue*>(user);
    const QByteArray text = QByteArray(data, qsizetype(size)).trimmed();
    switch (type) {
    case CURLINFO_TEXT:
        if (text.startsWith("Trying "))
            status(*d->mailer, tx(QStringLiteral("Connecting to %1.")).arg(QString::fromLatin1(text.mid(7)).remove(QStringLiteral("..."))));
        else if (text.startsWith("Connected to") && !d->connected) {
            d->connected = true;
            status(*d->mailer, tx(QStringLiteral("Connected.")));
        }
        break;
    case CURLINFO_HEADER_OUT:
        d->lastCommand = text;
        if (text.startsWith("DATA") && !d->sending) {
            d->sending = true;
            status(*d->mailer, tx(QStringLiteral("Sending message.")));
        }
        break;
    case CURLINFO_HEADER_IN: {
        if (!d->connected) {
            d->connected = true;
            status(*d->mailer, tx(QStringLiteral("Connected.")));
        }
        // A multi-line reply arrives line by line; its last line counts.
        for (const QByteArray& line : text.split('\n')) {
            const QByteArray reply = line.trimmed();
            if (reply.size() < 3)
                continue;
            const bool failed = reply.at(0) == '4' || reply.at(0) == '5';
            const bool last = reply.size() == 3 || reply.at(3) != '-';
            if (!last || !failed)
                continue;
            if (d->failedReply.isEmpty())
                d->failedReply = reply;
            if (d->lastCommand.startsWith("RCPT") && d->mailer->onRecipientRefused)
                d->mailer->onRecipientRefused(QString::fromUtf8(reply));
        }
        break;
    }
    default:
        break;
    }
    return 0;
}

struct CurlDeleter {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
};
struct MimeDeleter {
    void operator()(curl_mime* m) const { curl_mime_free(m); }
};
struct ListDeleter {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

} // namespace

void SmtpMailer::setTimeouts(std::chrono::milliseconds connect, std::chrono::milliseconds stall)
{
    m_connectTimeout = connect;
    m_stallTimeout = stall;
}

QStringList SmtpMailer::addressList(const QString& typed)
{
    QStringList list;
    for (const QString& part : typed.split(QRegularExpression(QStringLiteral("[,;]")))) {
        const QString address = headerSafe(part);
        if (!address.isEmpty())
            list << address;
    }
    return list;
}

bool SmtpMailer::splitHost(const QString& text, QString& host, int& port)
{
    const QString trimmed = text.trimmed();
    host = trimmed;
    port = DefaultPort;
    const qsizetype colon = trimmed.lastIndexOf(QLatin1Char(':'));
    // "[::1]:2525" and "mail.example.org:587"; a bare IPv6 address has more than one colon.
    const bool bracketed = trimmed.startsWith(QLatin1Char('['));
    if (colon > 0 && (bracketed ? trimmed.at(colon - 1) == QLatin1Char(']') : trimmed.indexOf(QLatin1Char(':')) == colon)) {
        bool ok = false;
        const QString portText = trimmed.mid(colon + 1);
        port = portText.toInt(&ok);
        if (!ok || port < 1 || port > 65535 || portText.startsWith(QLatin1Char('+')))
            return false;
        host = trimmed.left(colon);
    }
    return !host.isEmpty() && host != QLatin1String("[]") && (bracketed || !host.contains(QLatin1Char(':')))
        && !host.contains(QLatin1Char('/'))
        && !host.contains(QLatin1Char(' '));
}

MailSendResult SmtpMailer::send(const SmtpAccount& account, const MailMessage& message)
{
    MailSendResult result;
    QString host;
    int port = DefaultPort;
    if (!splitHost(account.host, host, port)) {
        result.error = tx(QStringLiteral("Ungültiger SMTP-Server: \"%1\"")).arg(account.host);
        return result;
    }
    initCurlOnce();
    std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl) {
        result.error = tx(QStringLiteral("curl_easy_init failed"));
        return result;
    }
    CURL* c = curl.get();
    char errorText[CURL_ERROR_SIZE] = {};
    const QByteArray url = "smtp://" + host.toUtf8() + ":" + QByteArray::number(port);
    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_USE_SSL, long(CURLUSESSL_TRY));
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, long(m_connectTimeout.count()));
    const long stallSeconds = std::max<long>(1, long((m_stallTimeout.count() + 999) / 1000));
    curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, stallSeconds);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, stallSeconds);
    const QByteArray user = account.user.toUtf8();
    const QByteArray password = account.password.toUtf8();
    if (!account.user.isEmpty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, password.constData());
    }

    const QByteArray from = envelopeAddress(message.fromAddress);
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, from.constData());
    QList<QByteArray> recipients;
    const QStringList to = addressList(message.toAddress);
    const QStringList cc = addressList(message.cc);
    for (const QString& address : to + cc + addressList(message.bcc))
        recipients << envelopeAddress(address);
    curl_slist* rcptRaw = nullptr;
    for (const QByteArray& r : recipients)
        rcptRaw = curl_slist_append(rcptRaw, r.constData());
    std::unique_ptr<curl_slist, ListDeleter> rcpt(rcptRaw);
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, rcpt.get());

    // Headers; the Bcc addresses stay out of them.
    QList<QByteArray> headerLines;
    headerLines << "Date: " + QDateTime::currentDateTime().toString(Qt::RFC2822Date).toLatin1();
    headerLines << "From: " + mailbox(message.fromName, message.fromAddress);
    if (to.size() == 1)
        headerLines << "To: " + mailbox(message.toName, to.front());
    else if (!to.isEmpty())
        headerLines << "To: " + headerSafe(to.join(QStringLiteral(", "))).toUtf8();
    if (!cc.isEmpty())
        headerLines << "Cc: " + cc.join(QStringLiteral(", ")).toUtf8();
    headerLines << "Subject: " + encodedText(message.subject);
    headerLines << "Message-ID: <" + QUuid::createUuid().toString(QUuid::WithoutBraces).toLatin1() + "@numora>";
    headerLines << "X-Mailer: Veldor Software";
    if (message.readReceipt)
        headerLines << "Disposition-Notification-To: " + mailbox(message.fromName, message.fromAddress);
    curl_slist* headersRaw = nullptr;
    for (const QByteArray& line : headerLines)
        headersRaw = curl_slist_append(headersRaw, line.constData());
    std::unique_ptr<curl_slist, ListDeleter> headers(headersRaw);
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());

    std::unique_ptr<curl_mime, MimeDeleter> mime(curl_mime_init(c));
    const QByteArray bodyBytes = crlfText(message.body);
    curl_mimepart* text = curl_mime_addpart(mime.get());
    curl_mime_data(text, bodyBytes.constData(), size_t(bodyBytes.size()));
    curl_mime_type(text, "text/plain; charset=UTF-8");
    curl_mime_encoder(text, "quoted-printable");

    // An attachment that is not there is left out without a word.
    QByteArray attachment;
    QByteArray attachmentName;
    const QFileInfo attachmentInfo(message.attachmentPath);
    if (!message.attachmentPath.isEmpty() && attachmentInfo.isFile()) {
        QFile file(message.attachmentPath);
        if (file.open(QIODevice::ReadOnly)) {
            attachment = file.readAll();
            attachmentName = attachmentInfo.fileName().toUtf8();
            curl_mimepart* part = curl_mime_addpart(mime.get());
            curl_mime_data(part, attachment.constData(), size_t(attachment.size()));
            curl_mime_filename(part, attachmentName.constData());
            curl_mime_type(part, "application/octet-stream");
            curl_mime_encoder(part, "base64");
        }
    }
    curl_easy_setopt(c, CURLOPT_MIMEPOST, mime.get());

    Dialogue dialogue;
    dialogue.mailer = this;
    curl_easy_setopt(c, CURLOPT_DEBUGFUNCTION, onDebug);
    curl_easy_setopt(c, CURLOPT_DEBUGDATA, &dialogue);
    curl_easy_setopt(c, CURLOPT_VERBOSE, 1L);

    status(*this, tx(QStringLiteral("Resolving hostname %1.")).arg(host));
    const CURLcode code = curl_easy_perform(c);
    result.connected = dialogue.connected;
    if (code == CURLE_OK) {
        result.sent = true;
    } else if (!dialogue.failedReply.isEmpty()) {
        result.error = QString::fromUtf8(dialogue.failedReply);
    } else {
        // libcurl's own text stays as it is, after a sentence of ours in the user's language.
        const QString detail = QString::fromUtf8(errorText[0] ? errorText : curl_easy_strerror(code));
        const QString ours = dialogue.connected ? tx(QStringLiteral("Die Nachricht konnte nicht gesendet werden:"))
                                                : tx(QStringLiteral("Keine Verbindung zum Mailserver %1:"))
                                                      .arg(host + QLatin1Char(':') + QString::number(port));
        result.error = ours + QLatin1Char(' ') + detail;
    }
    // Closes the connection: the send is over, successful or not.
    curl.reset();
    if (result.connected)
        status(*this, tx(QStringLiteral("Disconnected.")));
    return result;
}

} // namespace numora
