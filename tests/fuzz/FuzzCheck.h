#pragma once

// What a fuzz target checks beyond "no crash": a broken promise aborts like a crash, so libFuzzer
// keeps the input and the replay fails.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                   \
    do {                                                                                        \
        if (!(condition)) {                                                                     \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                       \
        }                                                                                       \
    } while (false)

namespace numora::fuzz {

inline QByteArray bytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

} // namespace numora::fuzz
