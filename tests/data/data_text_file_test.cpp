// tests/data/data_text_file_test.cpp: line breaks and the end of the text between data files and
// the data pane.
#include "data/data_text_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using data::FileBytesFromPaneText;
using data::PaneTextFromFileBytes;
using namespace std::string_literals;

TEST(PaneTextFromFileBytes, MakesEveryLineBreakOne)
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
        { "LF CR is two breaks", "1\n\r2", "1\n\n2" },
        { "NUL ends the text", "1 2\r\n3 4\0\r\n5 6"s, "1 2\n3 4" },
        { "NUL between CR and LF", "1 2\r\0\n3 4"s, "1 2\n" },
        { "NUL first", "\0\r\n1 2"s, "" },
        { "tabs and other bytes stay", "1\t2\x01\xE9\xC3\xA9\r\n", "1\t2\x01\xE9\xC3\xA9\n" },
        { "empty", "", "" },
    };
    for (const TextCase& textCase : cases) {
        SCOPED_TRACE(textCase.name);
        EXPECT_EQ(PaneTextFromFileBytes(textCase.bytes), textCase.text);
    }
}

TEST(FileBytesFromPaneText, JoinsLinesByCrLfWithNothingAdded)
{
    struct TextCase {
        const char* name;
        std::string text;
        std::string bytes;
    };
    const std::vector<TextCase> cases {
        { "no break after the last line", "1 2\n3 4", "1 2\r\n3 4" },
        { "final break kept as one", "1 2\n", "1 2\r\n" },
        { "empty lines", "\n\n1 2\n\n", "\r\n\r\n1 2\r\n\r\n" },
        { "other bytes stay", "1\t2\x7F\xFF", "1\t2\x7F\xFF" },
        { "empty", "", "" },
    };
    for (const TextCase& textCase : cases) {
        SCOPED_TRACE(textCase.name);
        EXPECT_EQ(FileBytesFromPaneText(textCase.text), textCase.bytes);
    }
}
