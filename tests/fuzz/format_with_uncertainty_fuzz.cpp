// SPDX-License-Identifier: GPL-3.0-or-later
// tests/fuzz/format_with_uncertainty_fuzz.cpp: a value with its uncertainty written from any
// Extended bit patterns, unnormal and NaN ones included: either a floating-point failure or a
// text of the promised shape.
// Input: 10 bytes of the value's bits, 10 of the uncertainty's (little-endian, as the x87 keeps
// them), then one byte whose lowest bit is the extra digit flag.
#include "common/failure.h"
#include "fuzz_input.h"
#include "report/format_with_uncertainty.h"

#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const common::Extended value = input.TakeExtendedBits();
    const common::Extended uncertainty = input.TakeExtendedBits();
    const int precisionFlag = input.TakeByte() & 1;
    std::string text;
    try {
        text = report::FormatWithUncertainty(value, uncertainty, precisionFlag);
    } catch (const common::FloatingPointError&) {
        return 0;
    }
    fuzz::Require(text.ends_with(' '), "the text ends in a blank");
    const std::string_view numbers = std::string_view(text).substr(0, text.size() - 1);
    const std::size_t separator = numbers.find(" +/- ");
    fuzz::Require(separator != std::string_view::npos, "the text holds \" +/- \"");
    const std::string_view valueText = numbers.substr(0, separator);
    const std::string_view uncertaintyText = numbers.substr(separator + 5);
    fuzz::Require(!valueText.empty() && !uncertaintyText.empty()
            && valueText.find(' ') == std::string_view::npos
            && uncertaintyText.find(' ') == std::string_view::npos,
        "value and uncertainty are written without blanks");
    return 0;
}
