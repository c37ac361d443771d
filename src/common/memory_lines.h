// SPDX-License-Identifier: GPL-3.0-or-later
// src/common/memory_lines.h: TextLines held in memory, for the command-line fitter and for tests.
#pragma once

#include "common/text_lines.h"

namespace common {

class MemoryLines : public TextLines {
public:
    MemoryLines() = default;
    explicit MemoryLines(std::string_view text);

    int LineCount() const override;
    std::string Line(int index) const override;
    void ReplaceLine(int index, std::string_view text) override;
    void Clear() override;
    std::string Text() const override;
    void SetText(std::string_view text) override;
    void MarkUnreadLines(const std::vector<int>& indexes) override;
    void MarkUnusedLines(int firstIndex) override { m_firstUnusedLine = firstIndex; }

    // The lines marked by the last MarkUnreadLines.
    const std::vector<int>& UnreadLines() const { return m_unreadLines; }
    // The first line of the last MarkUnusedLines.
    int FirstUnusedLine() const { return m_firstUnusedLine; }

private:
    std::vector<std::string> m_lines { std::string() }; // physical lines, at least one
    std::vector<int> m_unreadLines;
    int m_firstUnusedLine = NoLine;
};

} // namespace common
