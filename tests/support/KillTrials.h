#pragma once

// Kill -9 trials of a writer: a child process rewrites a file over and over, alternating two
// contents, and is killed with SIGKILL at a random moment; after every kill the file must hold
// one content or the other, never a mix.

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <random>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace numora::test {

struct KillTrialCounts {
    int sawOld = 0;
    int sawNew = 0;
};

// `writeOld` and `writeNew` each write the whole file at `path`; they run in the child only after
// `writeOld` has run once here. The seed fixes the kill moments' spread, not the outcome.
inline KillTrialCounts killDuringWrites(const QString& path, const std::function<bool()>& writeOld,
                                        const std::function<bool()>& writeNew, int trials, std::uint32_t seed)
{
    KillTrialCounts counts;
    EXPECT_TRUE(writeNew());
    const QByteArray newBytes = readBytes(path);
    EXPECT_TRUE(writeOld());
    const QByteArray oldBytes = readBytes(path);
    EXPECT_NE(oldBytes, newBytes);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pause(200, 3200); // microseconds
    for (int trial = 0; trial < trials; ++trial) {
        EXPECT_TRUE(writeOld());
        const pid_t child = ::fork();
        EXPECT_GE(child, 0);
        if (child < 0)
            return counts;
        if (child == 0) {
            for (;;) {
                (void)writeNew();
                (void)writeOld();
            }
        }
        ::usleep(useconds_t(pause(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        const QByteArray now = readBytes(path);
        const bool whole = now == oldBytes || now == newBytes;
        EXPECT_TRUE(whole) << "trial " << trial << ": " << now.size() << " bytes in " << path.toStdString();
        if (!whole)
            return counts;
        (now == oldBytes ? counts.sawOld : counts.sawNew)++;
    }
    return counts;
}

} // namespace numora::test
