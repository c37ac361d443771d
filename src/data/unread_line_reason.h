// SPDX-License-Identifier: GPL-3.0-or-later
// src/data/unread_line_reason.h: why a line of the data pane does not read as an x/y pair, in a
// few words for its tooltip.
#pragma once

#include <string>
#include <string_view>

namespace data {

// The reason line (UTF-8, no line break) fails the data reading with decimalSeparator: the
// first word that is not a number ("not a number: 'time'", or "'1,5': the decimal separator
// here is '.'" when it reads with the other separator, or "'1e9999': too large a number"), else
// how many numbers the line holds when that is not two ("three numbers on the line"), else the
// space it starts with. Empty when the line reads. Words are separated by spaces; control
// characters count as spaces, as the reading takes them.
std::string UnreadLineReason(std::string_view line, std::string_view decimalSeparator);

// Why word does not read as a number with decimalSeparator, as UnreadLineReason words it for
// the first such word; empty when it reads.
std::string NotANumberReason(std::string_view word, std::string_view decimalSeparator);

} // namespace data
