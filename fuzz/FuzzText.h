#pragma once
// Turns fuzzer bytes into text. The first byte picks UTF-8 or raw UTF-16, so
// lone surrogates and other malformed text reach the functions too.

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

inline QString FuzzText(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return {};
    const bool utf16 = data[0] & 1;
    ++data;
    --size;
    if (utf16) {
        // Copied, not cast: the bytes after the selector are not 2-aligned.
        QString s(qsizetype(size / 2), Qt::Uninitialized);
        std::memcpy(s.data(), data, std::size_t(s.size()) * 2);
        return s;
    }
    return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A broken property is a finding just like a crash.
#define FUZZ_CHECK(cond)                                                                          \
    do {                                                                                          \
        if (!(cond)) {                                                                            \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__);   \
            std::abort();                                                                         \
        }                                                                                         \
    } while (0)
