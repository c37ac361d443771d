// SPDX-License-Identifier: GPL-3.0-or-later
// tests/fuzz/fuzz_input.h: a fuzzer's bytes taken apart (choices from the front, the rest as
// data), and the check that turns a broken promise into a finding.
#pragma once

#include "common/extended.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace fuzz {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : m_bytes(reinterpret_cast<const char*>(data), size)
    {
    }

    // The next byte; 0 once every byte is taken.
    std::uint8_t TakeByte()
    {
        if (m_bytes.empty())
            return 0;
        const auto byte = static_cast<std::uint8_t>(m_bytes.front());
        m_bytes.remove_prefix(1);
        return byte;
    }

    // An Extended of any bit pattern from the next 10 bytes (its sign and exponent last), the
    // missing ones 0.
    common::Extended TakeExtendedBits()
    {
        constexpr std::size_t ExtendedBytes = 10;
        common::Extended value = 0;
        unsigned char bits[sizeof(common::Extended)] {};
        const std::size_t count = std::min(ExtendedBytes, m_bytes.size());
        std::memcpy(bits, m_bytes.data(), count);
        m_bytes.remove_prefix(count);
        std::memcpy(&value, bits, sizeof value);
        return value;
    }

    std::string_view Rest() const { return m_bytes; }

private:
    std::string_view m_bytes;
};

// Aborts with what when a promise does not hold, so that libFuzzer keeps the input.
inline void Require(bool holds, const char* what)
{
    if (holds)
        return;
    std::fprintf(stderr, "Broken promise: %s\n", what);
    std::abort();
}

// The same 80 bits: equal values of the same sign, or both NaN with the same payload.
inline bool SameBits(common::Extended first, common::Extended second)
{
    return std::memcmp(&first, &second, 10) == 0;
}

} // namespace fuzz
