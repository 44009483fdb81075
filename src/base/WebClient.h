#pragma once

#include "base/Expected.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace numora {

// What one GET brought back: either an answer with any status (500 included), or a failure
// before a whole answer arrived. A failure is a value, never an exception: the update skips the
// day, the rebuild shows `error`.
struct WebResponse {
    enum class Failure {
        None,
        NoConnection, // refused, unknown host, unreachable proxy, malformed address
        TimedOut, // no connection within the connect time-out, or the answer stalled
        Broken, // connected, but the answer was cut off, not HTTP, or larger than allowed
        Stopped, // the progress function asked to stop
    };

    Failure failure = Failure::None;
    QString error; // why, when failure != None; empty otherwise
    int status = 0; // status of the final answer (after redirects); 0 on failure
    QString statusText; // its reason phrase, e.g. "Not Found"; may be empty
    QByteArray body; // empty on failure
    QList<QPair<QByteArray, QByteArray>> headers; // of the final answer, in arrival order

    bool answered() const { return failure == Failure::None; }
    // Value of the first header of that name (case-insensitive); empty when absent.
    QByteArray header(const QByteArray& name) const;
    // The "Last-Modified" date in UTC; nothing when absent or unreadable.
    std::optional<QDateTime> lastModified() const;
};

// The program's one HTTP client. Every request is a blocking GET with
//   Accept: text/html, */*
//   User-Agent: Mozilla/3.0 (compatible; Indy Library)
// Cookies the servers set are kept in memory for the life of the client and sent back; nothing is
// shared between two clients. Connections are reused between requests.
//
// The main window keeps one client for the update, the rebuild and the submission (they share its
// proxy: the rebuild uses whatever the last update applied); the click-script update makes its own
// with setFollowRedirects(false) and no proxy.
//
// Proxy settings of the environment (http_proxy, no_proxy) are ignored: only setProxy counts.
class WebClient {
public:
    static constexpr std::chrono::milliseconds DefaultConnectTimeout { 10'000 };
    static constexpr std::chrono::milliseconds DefaultStallTimeout { 20'000 };
    static constexpr qsizetype DefaultMaxBodyBytes = 16 * 1024 * 1024;

    WebClient();
    ~WebClient();
    WebClient(const WebClient&) = delete;
    WebClient& operator=(const WebClient&) = delete;

    // Proxy of the "Internet-Optionen" fields. An empty (or blank) host means no proxy; the port
    // text is then not looked at. Otherwise the port is read like a number field (blanks before,
    // decimal digits) and must be 1..65535; any other text is a conversion error naming it, and the
    // proxy in force stays as it was.
    Status setProxy(const QString& host, const QString& portText);
    // Redirects are followed by default (at most 20 in a row).
    void setFollowRedirects(bool follow);
    // connect: how long to wait for the connection. stall: an answer that delivers no byte for this
    // long (waiting for the status line included) ends as TimedOut; counted in whole seconds, at
    // least one. Defaults: DefaultConnectTimeout, DefaultStallTimeout.
    void setTimeouts(std::chrono::milliseconds connect, std::chrono::milliseconds stall);
    // A body beyond this size ends the request as Broken instead of filling memory.
    void setMaxBodyBytes(qsizetype maxBytes);

    // Called while a request runs (at least about once a second, and as bytes arrive) with the
    // body bytes received so far; returning false ends the request as Stopped. A long download
    // lets the window repaint and hear its stop button here. Empty: no calls.
    void setProgress(std::function<bool(qint64 received)> progress);

    // `url` is a complete, already percent-encoded address ("http://host:port/path?query").
    WebResponse get(const QString& url);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace numora
