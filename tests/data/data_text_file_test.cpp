// SPDX-License-Identifier: GPL-3.0-or-later
// tests/data/data_text_file_test.cpp: data file bytes and the data pane's text, each way: the
// encodings, the line breaks, the refusals and the byte for byte round trip.
#include "data/data_text_file.h"

#include "common/failure.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using data::FileBytesFromPaneText;
using data::PaneTextFromFileBytes;
using data::TextEncoding;
using namespace std::string_literals;

TEST(DataTextFile, ReadsEachEncodingAndWritesItBack)
{
    struct FileCase {
        const char* name;
        std::string bytes;
        std::string text;
        TextEncoding encoding;
        // What is written back when that is not bytes.
        std::string saved;
    };
    const std::vector<FileCase> cases {
        { "CR LF, empty lines, no final break", "1 2\r\n\r\n3\t4 \r\nnote\r\n\r\n5 6",
            "1 2\n\n3\t4 \nnote\n\n5 6", TextEncoding::Utf8, {} },
        { "lone LF", "1 2\n3 4\n", "1 2\n3 4\n", TextEncoding::Utf8, "1 2\r\n3 4\r\n" },
        { "lone CR", "1 2\r3 4", "1 2\n3 4", TextEncoding::Utf8, "1 2\r\n3 4" },
        { "CR CR LF and LF CR are two breaks each", "1 2\r\r\n3 4\n\r5 6", "1 2\n\n3 4\n\n5 6",
            TextEncoding::Utf8, "1 2\r\n\r\n3 4\r\n\r\n5 6" },
        { "UTF-8 with control characters", "1\xC2\xA0 2 \xE2\x82\xAC\r\n\x01\x0B\x0C\x7F",
            "1\xC2\xA0 2 \xE2\x82\xAC\n\x01\x0B\x0C\x7F", TextEncoding::Utf8, {} },
        { "byte order mark, kept out of the text",
            "\xEF\xBB\xBF"
            "1 2\r\n",
            "1 2\n", TextEncoding::Utf8WithByteOrderMark, {} },
        { "only a byte order mark", "\xEF\xBB\xBF", "", TextEncoding::Utf8WithByteOrderMark, {} },
        { "two byte order marks",
            "\xEF\xBB\xBF\xEF\xBB\xBF"
            "1 2",
            "\xEF\xBB\xBF"
            "1 2",
            TextEncoding::Utf8WithByteOrderMark, {} },
        { "not UTF-8: Latin-1", "1\xE9 2\xA0\r\n\xFF\x80", "1\xC3\xA9 2\xC2\xA0\n\xC3\xBF\xC2\x80",
            TextEncoding::Latin1, {} },
        { "Latin-1 after a byte order mark", "\xEF\xBB\xBF\xE9", "\xC3\xAF\xC2\xBB\xC2\xBF\xC3\xA9",
            TextEncoding::Latin1, {} },
        { "UTF-16 little-endian beyond the BMP",
            "\xFF\xFE"
            "1\0 \0\x3D\xD8\x00\xDE\r\0\n\0"s,
            "1 \xF0\x9F\x98\x80\n", TextEncoding::Utf16LittleEndian, {} },
        { "UTF-16 big-endian, lone LF",
            "\xFE\xFF\0"
            "1\0\n\x20\xAC"s,
            "1\n\xE2\x82\xAC", TextEncoding::Utf16BigEndian,
            "\xFE\xFF\0"
            "1\0\r\0\n\x20\xAC"s },
        { "only a UTF-16 mark", "\xFF\xFE", "", TextEncoding::Utf16LittleEndian, {} },
        { "a UTF-16 mark before no UTF-16: Latin-1",
            "\xFF\xFE"
            "1",
            "\xC3\xBF\xC3\xBE"
            "1",
            TextEncoding::Latin1, {} },
        { "empty", "", "", TextEncoding::Utf8, {} },
    };
    for (const FileCase& file : cases) {
        SCOPED_TRACE(file.name);
        const data::DataFileText read = PaneTextFromFileBytes(file.bytes);
        EXPECT_EQ(read.Text, file.text);
        EXPECT_EQ(read.Encoding, file.encoding);
        EXPECT_EQ(FileBytesFromPaneText(read.Text, read.Encoding),
            file.saved.empty() ? file.bytes : file.saved);
    }
}

TEST(DataTextFile, RefusesWhatCouldNotBeSavedBackWhole)
{
    struct RefusedCase {
        const char* name;
        std::string bytes;
        std::string_view message;
    };
    const std::vector<RefusedCase> cases {
        { "NUL inside", "1 2\r\n3 4\0\r\n5 6"s, data::NotTextMessage },
        { "NUL first", "\0\r\n1 2"s, data::NotTextMessage },
        { "NUL in Latin-1", "\xE9\0\xE9"s, data::NotTextMessage },
        { "NUL after a byte order mark", "\xEF\xBB\xBF\0"s, data::NotTextMessage },
        { "UTF-16 little-endian without a mark",
            "1\0 \0"
            "2\0"s,
            data::Utf16WithoutByteOrderMarkMessage },
        { "UTF-16 big-endian without a mark",
            "\0"
            "1\0 \0"
            "2"s,
            data::Utf16WithoutByteOrderMarkMessage },
        { "U+0000 in UTF-16",
            "\xFF\xFE"
            "1\0\0\0"s,
            data::NotTextMessage },
        { "UTF-16 of an odd length",
            "\xFF\xFE"
            "1\0 "s,
            data::BrokenUtf16Message },
        { "UTF-16 with a lone surrogate",
            "\xFE\xFF\xD8\x3D\0"
            "1"s,
            data::BrokenUtf16Message },
        { "one byte beyond the capacity", std::string(data::MemoCapacity + 1, '1'),
            data::TextTooLongMessage },
    };
    for (const RefusedCase& refused : cases) {
        SCOPED_TRACE(refused.name);
        try {
            PaneTextFromFileBytes(refused.bytes);
            ADD_FAILURE() << "not refused";
        } catch (const common::Failure& failure) {
            EXPECT_EQ(failure.what(), refused.message);
        }
    }
    EXPECT_EQ(PaneTextFromFileBytes(std::string(data::MemoCapacity, '1')).Text.size(),
        data::MemoCapacity);
}

TEST(DataTextFile, WritesLatin1OnlyWhereItOpensAsTheSameText)
{
    const struct {
        const char* name;
        std::string text;
        std::string bytes;
    } cases[] = {
        { "within Latin-1", "1 \xC3\xBF\n", "1 \xFF\r\n" },
        { "a character beyond it", "\xC3\xA9\n\xE2\x82\xAC", "\xC3\xA9\r\n\xE2\x82\xAC" },
        // As Latin-1, C3 A9: one character in UTF-8.
        { "bytes that would read as UTF-8", "\xC3\x83\xC2\xA9", "\xC3\x83\xC2\xA9" },
        // As Latin-1, FF FE 31 0D 0A 32: marked UTF-16 that decodes.
        { "bytes that would read as UTF-16",
            "\xC3\xBF\xC3\xBE"
            "1\n2",
            "\xC3\xBF\xC3\xBE"
            "1\r\n2" },
    };
    for (const auto& text : cases) {
        SCOPED_TRACE(text.name);
        EXPECT_EQ(FileBytesFromPaneText(text.text, TextEncoding::Latin1), text.bytes);
    }
    // Opened from FF FE 31 0D 32 (odd, so no UTF-16), and saved with CR LF as above.
    const data::DataFileText opened = PaneTextFromFileBytes("\xFF\xFE"
                                                            "1\r2");
    EXPECT_EQ(opened.Encoding, TextEncoding::Latin1);
    EXPECT_EQ(PaneTextFromFileBytes(FileBytesFromPaneText(opened.Text, opened.Encoding)).Text,
        opened.Text);
}

TEST(DataTextFile, TellsCharactersTheEditorTakesForLineBreaks)
{
    const struct {
        const char* name;
        std::string text;
        bool breaks;
    } cases[] = {
        { "paragraph separator U+2029", "1 2\xE2\x80\xA9", true },
        { "U+FDD0", "\xEF\xB7\x90", true },
        { "U+FDD1", "1\xEF\xB7\x91 2", true },
        { "line separator U+2028", "1\xE2\x80\xA8", false },
        { "neighbours U+FDCF and U+FDD2", "\xEF\xB7\x8F\xEF\xB7\x92", false },
        { "plain", "1 2\n3 4", false },
    };
    for (const auto& text : cases) {
        SCOPED_TRACE(text.name);
        EXPECT_EQ(data::HoldsEditorLineBreakCharacters(text.text), text.breaks);
    }
}

TEST(DataTextFile, ReadsAStreamNoFurtherThanOneByteBeyondTheCapacity)
{
    std::istringstream small("1 2\r\n3 4");
    EXPECT_EQ(data::ReadDataFileBytes(small), "1 2\r\n3 4");
    std::istringstream endless(std::string(data::MemoCapacity + 100000, '7'));
    EXPECT_EQ(data::ReadDataFileBytes(endless).size(), data::MemoCapacity + 1);
}
