// SPDX-License-Identifier: GPL-3.0-or-later
// src/common/memory_lines.cpp: the physical lines of a text, split at "\n".
#include "common/memory_lines.h"

namespace common {

MemoryLines::MemoryLines(std::string_view text) { SetText(text); }

int MemoryLines::LineCount() const
{
    const int physicalLines = static_cast<int>(m_lines.size());
    return m_lines.back().empty() ? physicalLines - 1 : physicalLines;
}

std::string MemoryLines::Line(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_lines.size()))
        return {};
    return m_lines[index];
}

void MemoryLines::ReplaceLine(int index, std::string_view text)
{
    if (index < 0 || index >= static_cast<int>(m_lines.size()))
        return;
    m_lines[index] = std::string(text);
}

void MemoryLines::Clear() { m_lines.assign(1, std::string()); }

std::string MemoryLines::Text() const
{
    std::string text;
    for (std::size_t index = 0; index < m_lines.size(); ++index) {
        if (index > 0)
            text += '\n';
        text += m_lines[index];
    }
    return text;
}

void MemoryLines::SetText(std::string_view text)
{
    m_lines.clear();
    std::size_t start = 0;
    while (true) {
        const std::size_t lineBreak = text.find('\n', start);
        if (lineBreak == std::string_view::npos) {
            m_lines.emplace_back(text.substr(start));
            break;
        }
        m_lines.emplace_back(text.substr(start, lineBreak - start));
        start = lineBreak + 1;
    }
}

void MemoryLines::MarkUnreadLines(const std::vector<int>& indexes) { m_unreadLines = indexes; }

} // namespace common
