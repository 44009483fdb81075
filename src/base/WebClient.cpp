#include "base/WebClient.h"

#include "base/Formatting.h"
#include "base/TextCatalog.h"

#include <curl/curl.h>

#include <algorithm>
#include <mutex>

namespace numora {

namespace {

constexpr long MaxRedirects = 20;

void initCurlOnce()
{
    // curl_global_init is not thread-safe; do it once, before the first handle.
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Transfer {
    WebResponse* response = nullptr;
    qsizetype maxBody = 0;
    bool tooLarge = false;
    const std::function<bool(qint64)>* progress = nullptr;
    bool stopped = false;
};

int onProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    auto* transfer = static_cast<Transfer*>(user);
    if ((*transfer->progress)(transfer->response->body.size()))
        return 0;
    transfer->stopped = true;
    return 1; // makes curl abort the transfer
}

size_t onBody(char* data, size_t size, size_t count, void* user)
{
    auto* transfer = static_cast<Transfer*>(user);
    const size_t bytes = size * count;
    if (transfer->response->body.size() + qsizetype(bytes) > transfer->maxBody) {
        transfer->tooLarge = true;
        return 0; // makes curl abort with a write error
    }
    transfer->response->body.append(data, qsizetype(bytes));
    return bytes;
}

size_t onHeader(char* data, size_t size, size_t count, void* user)
{
    auto* response = static_cast<Transfer*>(user)->response;
    const size_t bytes = size * count;
    const QByteArray line = QByteArray(data, qsizetype(bytes)).trimmed();
    if (line.startsWith("HTTP/")) {
        // Every answer of a redirect chain starts anew; only the last one counts.
        response->headers.clear();
        response->body.clear();
        // "HTTP/1.1 404 Not Found": the reason phrase is everything after the code.
        const qsizetype afterVersion = line.indexOf(' ');
        const qsizetype afterCode = afterVersion < 0 ? -1 : line.indexOf(' ', afterVersion + 1);
        response->statusText = afterCode < 0 ? QString() : QString::fromLatin1(line.mid(afterCode + 1)).trimmed();
        return bytes;
    }
    const qsizetype colon = line.indexOf(':');
    if (colon > 0)
        response->headers.append({ line.left(colon).trimmed(), line.mid(colon + 1).trimmed() });
    return bytes;
}

WebResponse::Failure failureOf(CURLcode code)
{
    switch (code) {
    case CURLE_OPERATION_TIMEDOUT:
        return WebResponse::Failure::TimedOut;
    case CURLE_COULDNT_CONNECT:
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_URL_MALFORMAT:
    case CURLE_UNSUPPORTED_PROTOCOL:
        return WebResponse::Failure::NoConnection;
    default:
        return WebResponse::Failure::Broken;
    }
}

} // namespace

QByteArray WebResponse::header(const QByteArray& name) const
{
    for (const auto& [key, value] : headers)
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return QByteArray();
}

std::optional<QDateTime> WebResponse::lastModified() const
{
    const QByteArray text = header("Last-Modified");
    if (text.isEmpty())
        return std::nullopt;
    // curl reads all three HTTP date forms with English names, whatever the locale.
    const time_t seconds = curl_getdate(text.constData(), nullptr);
    if (seconds == -1)
        return std::nullopt;
    return QDateTime::fromSecsSinceEpoch(qint64(seconds), Qt::UTC);
}

struct WebClient::Impl {
    CURL* curl = nullptr;
    curl_slist* requestHeaders = nullptr;
    char errorText[CURL_ERROR_SIZE] = {};
    QByteArray proxyHost;
    long proxyPort = 0;
    bool followRedirects = true;
    std::chrono::milliseconds connectTimeout = DefaultConnectTimeout;
    std::chrono::milliseconds stallTimeout = DefaultStallTimeout;
    qsizetype maxBody = DefaultMaxBodyBytes;
    std::function<bool(qint64)> progress;
};

WebClient::WebClient()
    : d(std::make_unique<Impl>())
{
    initCurlOnce();
    d->curl = curl_easy_init();
    d->requestHeaders = curl_slist_append(d->requestHeaders, "Accept: text/html, */*");
    CURL* c = d->curl;
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, d->requestHeaders);
    curl_easy_setopt(c, CURLOPT_USERAGENT, "Mozilla/3.0 (compatible; Indy Library)");
    curl_easy_setopt(c, CURLOPT_COOKIEFILE, ""); // in-memory cookie engine, no file
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L); // time-outs without SIGALRM: safe in any thread
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, MaxRedirects);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, d->errorText);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, onBody);
    curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, onHeader);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    // An empty no-proxy list stops curl from reading no_proxy from the environment.
    curl_easy_setopt(c, CURLOPT_NOPROXY, "");
}

WebClient::~WebClient()
{
    if (d->curl)
        curl_easy_cleanup(d->curl);
    curl_slist_free_all(d->requestHeaders);
}

Status WebClient::setProxy(const QString& host, const QString& portText)
{
    const QString trimmedHost = host.trimmed();
    if (trimmedHost.isEmpty()) {
        d->proxyHost.clear();
        d->proxyPort = 0;
        return Done {};
    }
    const auto port = parseInteger(portText);
    if (!port)
        return Error { tx(QStringLiteral("Proxy port \"%1\" is not a decimal number")).arg(portText) };
    if (*port < 1 || *port > 65535)
        return Error { tx(QStringLiteral("Proxy port %1 is outside 1..65535")).arg(*port) };
    d->proxyHost = trimmedHost.toUtf8();
    d->proxyPort = *port;
    return Done {};
}

void WebClient::setFollowRedirects(bool follow)
{
    d->followRedirects = follow;
}

void WebClient::setTimeouts(std::chrono::milliseconds connect, std::chrono::milliseconds stall)
{
    d->connectTimeout = std::max(connect, std::chrono::milliseconds(1));
    d->stallTimeout = stall;
}

void WebClient::setMaxBodyBytes(qsizetype maxBytes)
{
    d->maxBody = std::max<qsizetype>(maxBytes, 0);
}

void WebClient::setProgress(std::function<bool(qint64)> progress)
{
    d->progress = std::move(progress);
}

WebResponse WebClient::get(const QString& url)
{
    WebResponse response;
    if (!d->curl) {
        response.failure = WebResponse::Failure::NoConnection;
        response.error = tx(QStringLiteral("The HTTP client could not be set up"));
        return response;
    }
    Transfer transfer { &response, d->maxBody, false, &d->progress, false };
    CURL* c = d->curl;
    const QByteArray address = url.toUtf8();
    d->errorText[0] = '\0';
    curl_easy_setopt(c, CURLOPT_URL, address.constData());
    curl_easy_setopt(c, CURLOPT_HTTPGET, 1L);
    // An empty proxy switches off the environment's proxy as well.
    curl_easy_setopt(c, CURLOPT_PROXY, d->proxyHost.constData());
    curl_easy_setopt(c, CURLOPT_PROXYPORT, d->proxyPort);
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, d->followRedirects ? 1L : 0L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, long(d->connectTimeout.count()));
    const auto stallSeconds = std::max<long>(1, long((d->stallTimeout.count() + 999) / 1000));
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, stallSeconds);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(c, CURLOPT_HEADERDATA, &transfer);
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, d->progress ? 0L : 1L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, d->progress ? onProgress : nullptr);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, &transfer);

    const CURLcode code = curl_easy_perform(c);
    if (code == CURLE_OK) {
        long status = 0;
        curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
        response.status = int(status);
        return response;
    }

    WebResponse failed;
    failed.failure = transfer.stopped ? WebResponse::Failure::Stopped : failureOf(code);
    if (transfer.stopped)
        failed.error = tx(QStringLiteral("Stopped"));
    else if (transfer.tooLarge)
        failed.error = tx(QStringLiteral("The answer is larger than %1 bytes")).arg(d->maxBody);
    else if (d->errorText[0] != '\0')
        failed.error = QString::fromUtf8(d->errorText);
    else
        failed.error = QString::fromUtf8(curl_easy_strerror(code));
    return failed;
}

} // namespace numora
