// SPDX-License-Identifier: GPL-3.0-or-later
// tests/common/printable_text_test.cpp: names shown with what would act on a terminal escaped.
#include "common/printable_text.h"

#include <gtest/gtest.h>

#include <string>

TEST(PrintableText, EscapesWhatWouldActAndKeepsTheRest)
{
    const struct {
        const char* text;
        const char* shown;
    } cases[] = {
        { "/tmp/run 1.dat", "/tmp/run 1.dat" },
        { "\xe6\x95\xb0\xe6\x8d\xae.dat", "\xe6\x95\xb0\xe6\x8d\xae.dat" },
        { "a\x1b[2Jb", "a\\x1b[2Jb" },
        { "line\nbreak\ttab\rreturn\x7f", "line\\nbreak\\ttab\\rreturn\\x7f" },
        { "back\\slash", "back\\\\slash" },
        // C1 controls as the bytes of their UTF-8 form; bytes that are no UTF-8 one by one.
        { "\xc2\x9b"
          "31m",
            "\\xc2\\x9b"
            "31m" },
        { "\xff\xfe\xe6\x95", "\\xff\\xfe\\xe6\\x95" },
        // Right-to-left override and line separator.
        { "gnp.\xe2\x80\xae"
          "x\xe2\x80\xa8",
            "gnp.\\u202ex\\u2028" },
    };
    for (const auto& example : cases) {
        SCOPED_TRACE(example.text);
        EXPECT_EQ(common::PrintableText(example.text), example.shown);
    }
}
