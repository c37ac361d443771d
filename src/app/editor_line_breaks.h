// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/editor_line_breaks.h: the text a data pane shows for a text it was given.
#pragma once

#include <string>
#include <string_view>

namespace app {

// text (UTF-8, "\n" between lines) as the pane's editor holds it: U+2029, U+FDD0 and U+FDD1,
// which the editor takes for line breaks, become "\n"; everything else stays.
std::string AsTheEditorShowsIt(std::string_view text);

} // namespace app
