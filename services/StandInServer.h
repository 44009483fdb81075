#pragma once

#include "ServiceData.h"
#include "ServicesOptions.h"

#include <httplib.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

namespace numora::services {

// The HTTP side of numora-services: routes, test faults and the records tests read back.
class StandInServer {
public:
    StandInServer(ServicesOptions options, ServiceData data);

    // Binds 127.0.0.1 on the port of the options (0: any free one); the port, or -1.
    int bind();
    // Serves until stop(); false when listening failed.
    bool run();
    // From any thread: wakes stalled answers and ends run().
    void stop();
    bool stopping() const;

private:
    using Request = httplib::Request;
    using Response = httplib::Response;

    void addRoutes();
    void addTestEndpoints();
    httplib::Server::HandlerResponse beforeRouting(const Request& req, Response& res);
    httplib::Server::HandlerResponse applyFault(const FaultRule& rule, const Request& req, Response& res);
    // True when woken by stop(); a negative wait waits for stop() alone.
    bool waitForStop(std::chrono::milliseconds wait);
    // Holds an answer back until stop() or until the client on `fd` hangs up.
    void stallWhileConnected(int fd);
    void serveScript(const std::string& name, Response& res) const;
    void serveCsv(const std::string& name, Response& res) const;

    ServicesOptions m_options;
    ServiceData m_data;
    httplib::Server m_server;
    int m_port = -1;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
    std::vector<std::string> m_requests; // raw targets, arrival order
    std::vector<std::string> m_uploads; // raw queries of the upload
    long m_sessions = 0;
};

} // namespace numora::services
