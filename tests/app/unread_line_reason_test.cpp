// tests/app/unread_line_reason_test.cpp: the reasons the tooltips give for data lines that do not
// read.
#include "app/unread_line_reason.h"

#include <gtest/gtest.h>

namespace {

TEST(UnreadLineReason, NamesTheFirstFault)
{
    const struct {
        const char* name;
        const char* line;
        const char* separator;
        const char* reason;
    } cases[] = {
        { "a pair reads", "1.5 2", ".", "" },
        { "a tab between", "1\t2", ".", "" },
        { "three numbers", "1 2 3", ".", "three numbers on the line" },
        { "one number", "1", ".", "one number on the line" },
        { "only spaces", "   ", ".", "no numbers on the line" },
        { "empty", "", ".", "an empty line" },
        { "many numbers", "1 2 3 4 5 6 7 8 9 10 11 12", ".", "12 numbers on the line" },
        { "comma where a point is read", "1,5 2", ".", "'1,5': the decimal separator here is '.'" },
        { "point where a comma is read", "1 2.5", ",", "'2.5': the decimal separator here is ','" },
        { "a word", "time 2", ".", "not a number: 'time'" },
        { "a word after a number", "1 two 3", ".", "not a number: 'two'" },
        { "beyond the range", "1e99999 2", ".", "'1e99999': too large a number" },
        { "a space in front", " 1 2", ".", "the line starts with a space" },
    };
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(app::UnreadLineReason(expected.line, expected.separator), expected.reason);
    }
}

} // namespace
