// SPDX-License-Identifier: GPL-3.0-or-later
// src/report/initial_results_text.h: the instructions the results pane holds before the first fit.
#pragma once

#include <string_view>

namespace report {

// 21 lines, each ended by a line break: eleven lines of instructions and ten empty lines.
constexpr std::string_view InitialResultsText = "Enter data in the window above in the form\n"
                                                "x1     y1\n"
                                                "x2     y2\n"
                                                "x3     y3\n"
                                                "x4     y4\n"
                                                "... \n"
                                                "OR, call up data from a file by choosing the \n"
                                                "Open item from the File menu.\n"
                                                "\n"
                                                "You can drag the corner or sides of this region \n"
                                                "to change its size.\n"
                                                "\n\n\n\n\n\n\n\n\n\n";

} // namespace report
