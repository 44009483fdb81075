#include "StandInServer.h"

#include "Pages.h"

#include <QDate>
#include <QString>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <sys/stat.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace numora::services {

namespace {

constexpr const char* TextType = "text/plain; charset=utf-8";
constexpr const char* HtmlType = "text/html; charset=utf-8";
constexpr const char* SessionCookie = "NUMORASESSION";

// Handlers match the path; a request through a proxy names the host in front of it.
std::string route(const std::string& pathPattern)
{
    return "(?:http://[^/]+)?" + pathPattern;
}

std::string rawQuery(const httplib::Request& req)
{
    const auto question = req.target.find('?');
    return question == std::string::npos ? std::string() : req.target.substr(question + 1);
}

// The target without "http://host" of a proxied request, as fault patterns see it.
std::string localTarget(const std::string& target)
{
    if (target.rfind("http://", 0) != 0)
        return target;
    const auto slash = target.find('/', 7);
    return slash == std::string::npos ? std::string("/") : target.substr(slash);
}

void answer(httplib::Response& res, int status, const std::string& body, const char* type = TextType)
{
    res.status = status;
    res.set_content(body, type);
}

bool isDay(const std::string& text)
{
    return text.size() == 8 && text.find_first_not_of("0123456789") == std::string::npos
        && QDate::fromString(QString::fromStdString(text), QStringLiteral("yyyyMMdd")).isValid();
}

// The socket of this request. The server library hides it from handlers; the connection's two
// ports identify it. -1 when it is gone.
int connectionSocket(const httplib::Request& req)
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd", error)) {
        int fd = -1;
        try {
            fd = std::stoi(entry.path().filename().string());
        } catch (...) {
            continue;
        }
        sockaddr_in local {}, peer {};
        socklen_t localSize = sizeof local, peerSize = sizeof peer;
        if (getsockname(fd, reinterpret_cast<sockaddr*>(&local), &localSize) != 0 || local.sin_family != AF_INET
            || getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &peerSize) != 0)
            continue;
        if (ntohs(local.sin_port) == req.local_port && ntohs(peer.sin_port) == req.remote_port)
            return fd;
    }
    return -1;
}

// Whether the client has hung up; a stalled answer then frees its worker.
bool clientGone(int fd)
{
    if (fd < 0)
        return true;
    pollfd watch { fd, POLLIN | POLLRDHUP, 0 };
    if (::poll(&watch, 1, 0) <= 0)
        return false;
    if (watch.revents & (POLLRDHUP | POLLHUP | POLLERR | POLLNVAL))
        return true;
    char byte;
    return ::recv(fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT) == 0;
}

struct Script {
    std::string text;
    std::time_t modified;
};

std::string builtinTemplate(const std::string& site)
{
    std::string text = "; Click-Skript-Vorlage " + site + " (numora-services)\r\n";
    for (int r = 1; r <= 12; ++r) {
        text += "TIPP " + std::to_string(r) + ":";
        for (int f = 1; f <= 6; ++f)
            text += " [Z" + std::to_string(f) + "_" + std::to_string(r) + "]";
        text += "\r\n";
    }
    return text
        + "MITTWOCH [MI]\r\nSAMSTAG [SA]\r\nBEIDE [MISA]\r\nGLUECKSSPIRALE [GLUECK]\r\n"
          "SPIEL77 [SPIEL77]\r\nSUPER6 [SUPER6]\r\nDATEI [TIPPDATEI]\r\nMELDUNG [MELDUNGFERTIG]\r\n";
}

const std::map<std::string, Script>& builtinScripts()
{
    // 03.06.2024 10:00:00 UTC: a fixed date, so a test can put its template before or after it.
    static const std::map<std::string, Script> scripts = {
        { "Tipp24.crs.txt", { builtinTemplate("Tipp24"), 1717408800 } },
        { "Lottery24.crs.txt", { builtinTemplate("Lottery24"), 1717408800 } },
    };
    return scripts;
}

// A template name is one plain file name: no folders, nothing hidden, nothing to escape the folder.
bool isPlainName(const std::string& name)
{
    return !name.empty() && name.front() != '.' && name.find_first_of(std::string("/\\\0", 3)) == std::string::npos
        && name.size() > 4 && name.compare(name.size() - 4, 4, ".txt") == 0;
}

} // namespace

StandInServer::StandInServer(ServicesOptions options, ServiceData data)
    : m_options(std::move(options))
    , m_data(std::move(data))
{
    // Enough workers that a few stalled answers do not hold up the rest.
    m_server.new_task_queue = [] { return new httplib::ThreadPool(16); };
    // Idle kept-alive connections would otherwise delay the end after SIGTERM.
    m_server.set_keep_alive_timeout(1);
    // The library's default adds SO_REUSEPORT, which lets a second stand-in bind the same port
    // and share its connections; a busy port must be an error instead.
    m_server.set_socket_options([](int sock) {
        int yes = 1;
        setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        // Headers and body go out in two writes; without this every kept-alive answer waits
        // for the client's delayed acknowledgement (about 40 ms).
        setsockopt(sock, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
    });
    m_server.set_tcp_nodelay(true);
    m_server.set_pre_routing_handler([this](const Request& req, Response& res) { return beforeRouting(req, res); });
    m_server.set_post_routing_handler([this](const Request& req, Response& res) {
        // Like an ASP session: the first answer hands out a cookie, later requests bring it back.
        const std::string cookies = req.get_header_value("Cookie");
        if (cookies.find(std::string(SessionCookie) + "=") == std::string::npos) {
            std::lock_guard lock(m_mutex);
            res.set_header("Set-Cookie", std::string(SessionCookie) + "=" + std::to_string(++m_sessions) + "; Path=/");
        }
    });
    m_server.set_error_handler([](const Request&, Response& res) {
        if (res.body.empty())
            res.set_content("Status " + std::to_string(res.status) + "\n", TextType);
    });
    addRoutes();
    addTestEndpoints();
}

int StandInServer::bind()
{
    if (m_options.port == 0)
        m_port = m_server.bind_to_any_port("127.0.0.1");
    else
        m_port = m_server.bind_to_port("127.0.0.1", m_options.port) ? m_options.port : -1;
    return m_port;
}

bool StandInServer::run()
{
    return m_server.listen_after_bind();
}

void StandInServer::stop()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_server.stop();
}

bool StandInServer::stopping() const
{
    std::lock_guard lock(m_mutex);
    return m_stopping;
}

bool StandInServer::waitForStop(std::chrono::milliseconds wait)
{
    std::unique_lock lock(m_mutex);
    if (wait.count() < 0)
        m_wake.wait(lock, [this] { return m_stopping; });
    else
        m_wake.wait_for(lock, wait, [this] { return m_stopping; });
    return m_stopping;
}

void StandInServer::stallWhileConnected(int fd)
{
    while (!waitForStop(std::chrono::milliseconds(100)) && !clientGone(fd)) { }
}

httplib::Server::HandlerResponse StandInServer::beforeRouting(const Request& req, Response& res)
{
    if (req.path.rfind("/numora-services/", 0) == 0)
        return httplib::Server::HandlerResponse::Unhandled;
    {
        std::lock_guard lock(m_mutex);
        m_requests.push_back(req.target);
    }
    const std::string target = localTarget(req.target);
    for (const FaultRule& rule : m_options.faults)
        if (globMatch(rule.pattern, target))
            return applyFault(rule, req, res);
    return httplib::Server::HandlerResponse::Unhandled;
}

httplib::Server::HandlerResponse StandInServer::applyFault(const FaultRule& rule, const Request& req, Response& res)
{
    using Kind = FaultRule::Kind;
    switch (rule.kind) {
    case Kind::Delay:
        waitForStop(std::chrono::milliseconds(rule.value));
        return httplib::Server::HandlerResponse::Unhandled;
    case Kind::Stall:
        stallWhileConnected(connectionSocket(req));
        answer(res, 503, "stopped\n");
        break;
    case Kind::StallBody: {
        res.status = 200;
        const int fd = connectionSocket(req);
        res.set_content_provider(4096, TextType, [this, fd](size_t offset, size_t, httplib::DataSink& sink) {
            if (offset == 0) {
                static const std::string start = "1,3,8,19,";
                return sink.write(start.data(), start.size());
            }
            stallWhileConnected(fd);
            return false;
        });
        break;
    }
    case Kind::Close:
        if (const int fd = connectionSocket(req); fd >= 0)
            ::shutdown(fd, SHUT_RDWR);
        answer(res, 500, "closed\n");
        break;
    case Kind::Garbage:
        answer(res, 200, Pages::garbageBody(), HtmlType);
        break;
    case Kind::Status:
        answer(res, rule.value, "Status " + std::to_string(rule.value) + "\n");
        break;
    }
    return httplib::Server::HandlerResponse::Handled;
}

void StandInServer::addRoutes()
{
    // Update service: the draws of one day.
    m_server.Get(route(R"(/zahlen/lotto_neu\.asp)"), [this](const Request& req, Response& res) {
        const auto query = Pages::parseQuery(rawQuery(req));
        const std::string day = Pages::value(query, "Datum");
        if (Pages::value(query, "Programm") != "Orbix" || !isDay(day))
            return answer(res, 400, "Programm=Orbix&Datum=yyyymmdd erwartet\n");
        const auto draws = m_data.drawsOn(day);
        const auto extra = m_options.dayLines.find(day);
        if (draws.empty() && extra == m_options.dayLines.end())
            return answer(res, 500, "Keine Ziehung an diesem Tag\n");
        answer(res, 200,
            Pages::dayAnswer(draws, extra == m_options.dayLines.end() ? std::vector<std::string>() : extra->second));
    });

    // Upload of the stored draws: kept for /numora-services/uploads.
    m_server.Get(route(R"(/zahlen/Orbix_eintragen\.asp)"), [this](const Request& req, Response& res) {
        {
            std::lock_guard lock(m_mutex);
            m_uploads.push_back(rawQuery(req));
        }
        answer(res, 200, "OK\n");
    });

    // Submission service: the broker's order address, which is this server's echo page.
    m_server.Get(route(R"(/lotto/lotto\.asp)"), [this](const Request& req, Response& res) {
        if (m_options.brokerError)
            return answer(res, 503, Pages::noticePage(), HtmlType);
        const auto query = Pages::parseQuery(rawQuery(req));
        const std::string tips = Pages::value(query, "Tipps");
        const bool tipsOk = !tips.empty() && tips.size() <= 2
            && tips.find_first_not_of("0123456789") == std::string::npos && std::stoi(tips) >= 1
            && std::stoi(tips) <= 12;
        if (Pages::value(query, "Spiel") != "Lotto" || Pages::value(query, "Wo") != "Tipp24" || !tipsOk)
            return answer(res, 400, "Spiel=Lotto&Wo=Tipp24&Tipps=1..12 erwartet\n");
        answer(res, 200, "http://127.0.0.1:" + std::to_string(m_port) + "/broker/abgabe.asp?", HtmlType);
    });

    // The broker pages the submission opens in the browser show what they received.
    const auto echo = [](const Request& req, Response& res) {
        answer(res, 200, Pages::echoPage(req.path, rawQuery(req)), HtmlType);
    };
    m_server.Get(route(R"(/broker/.*)"), echo);
    m_server.Get(route(R"(/app/extralotto/html/index\.html)"), echo);

    // Evaluation page of the e-mail link.
    m_server.Get(route(R"(/auswerten\.asp)"), [this](const Request& req, Response& res) {
        const auto query = Pages::parseQuery(rawQuery(req));
        if (Pages::value(query, "Programm") != "Orbix")
            return answer(res, 400, "Programm=Orbix erwartet\n");
        answer(res, 200, Pages::evaluationPage(m_data.newest(), query), HtmlType);
    });

    // Click-script templates.
    m_server.Get(route(R"(/scripts/([^/]+))"),
        [this](const Request& req, Response& res) { serveScript(req.matches[1].str(), res); });

    // Results CSV files, as results sites offer them for download.
    m_server.Get(route(R"(/csv/([^/]+))"), [this](const Request& req, Response& res) { serveCsv(req.matches[1].str(), res); });

    // Results site: one page per draw date.
    m_server.Get(route(R"(/layer\.php)"), [this](const Request& req, Response& res) {
        const auto query = Pages::parseQuery(rawQuery(req));
        if (Pages::value(query, "content") != "statistik/gwz_lotto.php")
            return answer(res, 404, "Unbekannter Inhalt\n");
        const std::string nr = Pages::value(query, "nr");
        if (nr.empty() || nr.size() > 9 || nr.find_first_not_of("0123456789") != std::string::npos)
            return answer(res, 400, "nr=Zahl erwartet\n");
        const ResultsPage* page = m_data.resultsPage(std::stoll(nr));
        answer(res, 200, page ? Pages::resultsPage(*page) : Pages::pageWithoutDraw(), HtmlType);
    });
}

void StandInServer::serveCsv(const std::string& name, Response& res) const
{
    std::string path;
    if (m_options.csvDir.empty()) {
        if (name == "ziehungen.csv")
            path = m_options.drawsCsv;
    } else if (!name.empty() && name.front() != '.' && name.find_first_of(std::string("/\\\0", 3)) == std::string::npos) {
        path = m_options.csvDir + "/" + name;
    }
    struct stat info { };
    std::ifstream file(path, std::ios::binary);
    if (path.empty() || ::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || !file)
        return answer(res, 404, "Keine solche Datei\n");
    std::ostringstream text;
    text << file.rdbuf();
    answer(res, 200, text.str(), "text/csv; charset=utf-8");
}

void StandInServer::serveScript(const std::string& name, Response& res) const
{
    if (!isPlainName(name))
        return answer(res, 404, "Keine solche Vorlage\n");
    Script script;
    if (m_options.scriptsDir.empty()) {
        const auto found = builtinScripts().find(name);
        if (found == builtinScripts().end())
            return answer(res, 404, "Keine solche Vorlage\n");
        script = found->second;
    } else {
        const std::string path = m_options.scriptsDir + "/" + name;
        struct stat info { };
        std::ifstream file(path, std::ios::binary);
        if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || !file)
            return answer(res, 404, "Keine solche Vorlage\n");
        std::ostringstream text;
        text << file.rdbuf();
        script = { text.str(), info.st_mtime };
    }
    res.set_header("Last-Modified", Pages::httpDate(script.modified));
    answer(res, 200, script.text);
}

void StandInServer::addTestEndpoints()
{
    // For tests: what arrived so far, one raw target or upload query per line.
    const auto lines = [this](const std::vector<std::string>& list, Response& res) {
        std::lock_guard lock(m_mutex);
        std::string body;
        for (const std::string& line : list)
            body += line + "\n";
        answer(res, 200, body);
    };
    m_server.Get("/numora-services/requests", [this, lines](const Request&, Response& res) { lines(m_requests, res); });
    m_server.Get("/numora-services/uploads", [this, lines](const Request&, Response& res) { lines(m_uploads, res); });

    // The request's headers as received, "Name: value" per line.
    m_server.Get("/numora-services/headers", [](const Request& req, Response& res) {
        std::string body;
        for (const auto& [name, value] : req.headers)
            body += name + ": " + value + "\n";
        answer(res, 200, body);
    });

    // A redirect to a path of this server.
    m_server.Get("/numora-services/redirect", [](const Request& req, Response& res) {
        const std::string to = Pages::value(Pages::parseQuery(rawQuery(req)), "to");
        if (to.empty() || to.front() != '/' || to.rfind("//", 0) == 0)
            return answer(res, 400, "to=/pfad erwartet\n");
        res.set_redirect(to, 302);
    });
}

} // namespace numora::services
