// numora-services: a stand-in on 127.0.0.1 for the maker's web services, the results site and
// the broker pages, serving draw CSV files. See README, "Services stand-in".

#include "ServiceData.h"
#include "ServicesOptions.h"
#include "StandInServer.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <thread>

using namespace numora::services;

int main(int argc, char** argv)
{
    // A client that hangs up mid-answer must not kill the server.
    ::signal(SIGPIPE, SIG_IGN);
    // SIGTERM and SIGINT are taken by sigwait below; every thread started later inherits the mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    const ParsedOptions parsed = parseServicesOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::cerr << "numora-services: " << parsed.error << "\n" << usageText();
        return 2;
    }
    ServiceData data;
    std::string error;
    if (!data.load(parsed.options->drawsCsv, parsed.options->resultsCsv, error)) {
        std::cerr << "numora-services: " << error << "\n";
        return 2;
    }

    StandInServer server(*parsed.options, std::move(data));
    const int port = server.bind();
    if (port < 0) {
        std::cerr << "numora-services: cannot listen on 127.0.0.1:" << parsed.options->port << "\n";
        return 2;
    }
    // Whoever started us reads the port from this first line, so it must leave now.
    std::printf("%d\n", port);
    std::fflush(stdout);

    std::atomic<bool> failed = false;
    std::atomic<bool> finished = false;
    std::thread serving([&] {
        if (!server.run() && !server.stopping()) {
            failed = true;
            ::kill(::getpid(), SIGTERM); // wake the sigwait below
        }
        finished = true;
    });
    int signal = 0;
    sigwait(&stopSignals, &signal);
    // A stop that comes before the server listens is lost, so repeat it until the server ends.
    server.stop();
    while (!finished) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        server.stop();
    }
    serving.join();
    if (failed) {
        std::cerr << "numora-services: the server stopped unexpectedly\n";
        return 2;
    }
    return 0;
}
