// SPDX-License-Identifier: GPL-3.0-or-later
// src/common/printable_text.h: text from outside (file names, arguments) made safe to show on a
// terminal or in a message box.
#pragma once

#include <string>
#include <string_view>

namespace common {

// text (UTF-8 as far as it is valid) with every character that would act rather than show
// written as an escape: control characters (C0, DEL, C1) as \n, \t, \r or \xHH, bytes that are
// not valid UTF-8 as \xHH, the line and paragraph separators and the bidirectional controls as
// \uHHHH, and the backslash itself as \\. Everything else stays as it is.
std::string PrintableText(std::string_view text);

} // namespace common
