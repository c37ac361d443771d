// SPDX-License-Identifier: GPL-3.0-or-later
// tests/data/unread_line_reason_test.cpp: the reasons the tooltips give for data lines that do not
// read.
#include "data/unread_line_reason.h"

#include <gtest/gtest.h>

namespace {

TEST(UnreadLineReason, NamesTheFirstFault)
{
    const struct {
        const char* line;
        const char* separator;
        const char* reason;
    } cases[] = {
        { "1.5\t2", ".", "" },
        { "1 2 3", ".", "three numbers on the line" },
        { "1", ".", "one number on the line" },
        { "", ".", "an empty line" },
        { "1,5 2", ".", "'1,5': the decimal separator here is '.'" },
        { "1 2.5", ",", "'2.5': the decimal separator here is ','" },
        { "1 time 3", ".", "not a number: 'time'" },
        { "1e99999 2", ".", "'1e99999': too large a number" },
        { " 1 2", ".", "the line starts with a space" },
    };
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.line);
        EXPECT_EQ(data::UnreadLineReason(expected.line, expected.separator), expected.reason);
    }
}

} // namespace
