// tests/cli/data_file_test.cpp: line breaks and the end of a loaded data file.
#include "cli/data_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace std::string_literals;

TEST(DataTextOf, MakesEveryLineBreakOne)
{
    struct TextCase {
        const char* name;
        std::string bytes;
        std::string text;
    };
    const std::vector<TextCase> cases {
        { "CR LF", "1 2\r\n3 4\r\n", "1 2\n3 4\n" },
        { "lone LF", "1 2\n3 4", "1 2\n3 4" },
        { "lone CR", "1 2\r3 4\r", "1 2\n3 4\n" },
        { "mixed, CR CR LF is two breaks", "1 2\r\r\n3 4\n\r5 6", "1 2\n\n3 4\n\n5 6" },
        { "NUL ends the text", "1 2\r\n3 4\0\r\n5 6"s, "1 2\n3 4" },
        { "tabs and other bytes stay", "1\t2\x01\xE9\r\n", "1\t2\x01\xE9\n" },
        { "empty", "", "" },
    };
    for (const TextCase& textCase : cases) {
        SCOPED_TRACE(textCase.name);
        EXPECT_EQ(cli::DataTextOf(textCase.bytes), textCase.text);
    }
}
