// SPDX-License-Identifier: GPL-3.0-or-later
// src/common/text_lines.h: the seam to a multi-line text editor (the data pane and the results
// pane).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace common {

// A multi-line editor without word wrap, addressed by line index from 0 (the editor's own
// numbering; the data reading's line i is index i - 1). Text is UTF-8, lines are split at "\n".
// The text always has (number of line breaks + 1) physical lines; LineCount does not count a
// final empty line, so "a\nb\n" and "a\nb" both have 2 lines and "" has 0.
class TextLines {
public:
    virtual ~TextLines() = default;

    virtual int LineCount() const = 0;
    // The number of lines up to and including the last one that holds a character; 0 when none
    // does. Line by line here; an editor that finds it faster overrides it.
    virtual int LinesToLastText() const
    {
        int count = LineCount();
        while (count > 0 && Line(count - 1).empty())
            --count;
        return count;
    }
    // The text of line index; empty for an index that does not exist.
    virtual std::string Line(int index) const = 0;
    // Replaces the text of line index in place; a line that does not exist is left alone (nothing
    // is appended). The number of lines does not change.
    virtual void ReplaceLine(int index, std::string_view text) = 0;
    virtual void Clear() = 0;
    virtual std::string Text() const = 0;
    virtual void SetText(std::string_view text) = 0;
    // Marks exactly these lines as not read (a view-only highlight; the text never changes).
    // Editors without such a mark ignore it.
    virtual void MarkUnreadLines(const std::vector<int>& indexes) { (void)indexes; }
    // Marks every line from firstIndex on as unused (NoLine: none), a view-only mark apart from
    // that of MarkUnreadLines: the data end before them, so nothing reads them. Editors without
    // such a mark ignore it.
    virtual void MarkUnusedLines(int firstIndex) { (void)firstIndex; }

    // An index that names no line.
    static constexpr int NoLine = -1;
};

} // namespace common
