#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

// The fuzzer's bytes as the program would meet them.
inline QByteArray fuzzBytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}
inline QString fuzzText(const uint8_t* data, size_t size) {
    return QString::fromUtf8(fuzzBytes(data, size));
}

// Stops the fuzzer with a crash report when an invariant fails.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) __builtin_trap();                                                        \
    } while (0)
