// SPDX-License-Identifier: GPL-3.0-or-later
// src/data/table_rows.cpp: rows and fields of a delimited text, quotes and line numbers kept.
#include "data/table_rows.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace data {

TableRowReader::TableRowReader(
    std::string_view text, TableDelimiter delimiter, char commentCharacter)
    : m_text(text)
    , m_delimiter(delimiter)
    , m_commentCharacter(commentCharacter)
{
    m_classes[static_cast<unsigned char>('\r')] = LineBreakClass;
    m_classes[static_cast<unsigned char>('\n')] = LineBreakClass;
    m_classes[static_cast<unsigned char>(' ')] = BlankClass;
    m_classes[static_cast<unsigned char>('\t')] = BlankClass;
    switch (delimiter) {
    case TableDelimiter::Comma:
        m_delimiterByte = m_otherDelimiterByte = ',';
        break;
    case TableDelimiter::Semicolon:
        m_delimiterByte = m_otherDelimiterByte = ';';
        break;
    case TableDelimiter::Tab:
        m_delimiterByte = m_otherDelimiterByte = '\t';
        m_classes[static_cast<unsigned char>('\t')] = 0;
        break;
    case TableDelimiter::Blanks:
        m_delimiterByte = ' ';
        m_otherDelimiterByte = '\t';
        break;
    }
    m_classes[static_cast<unsigned char>(m_delimiterByte)] |= DelimiterClass;
    m_classes[static_cast<unsigned char>(m_otherDelimiterByte)] |= DelimiterClass;
}

std::size_t TableRowReader::NextStop(std::size_t at) const
{
    const char* text = m_text.data();
    const std::size_t end = m_text.size();
#if defined(__SSE2__)
    // Sixteen bytes at a time: the scan passes over every byte of the file.
    const __m128i delimiter = _mm_set1_epi8(m_delimiterByte);
    const __m128i otherDelimiter = _mm_set1_epi8(m_otherDelimiterByte);
    const __m128i lineFeed = _mm_set1_epi8('\n');
    const __m128i carriageReturn = _mm_set1_epi8('\r');
    for (; at + 16 <= end; at += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at));
        const __m128i stops = _mm_or_si128(
            _mm_or_si128(_mm_cmpeq_epi8(bytes, delimiter), _mm_cmpeq_epi8(bytes, otherDelimiter)),
            _mm_or_si128(_mm_cmpeq_epi8(bytes, lineFeed), _mm_cmpeq_epi8(bytes, carriageReturn)));
        if (const int found = _mm_movemask_epi8(stops))
            return at + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(found)));
    }
#endif
    while (at < end && !Is(text[at], DelimiterClass | LineBreakClass))
        ++at;
    return at;
}

void TableRowReader::PassLineBreak()
{
    if (m_position < m_text.size() && m_text[m_position] == '\r')
        ++m_position;
    if (m_position < m_text.size() && m_text[m_position] == '\n')
        ++m_position;
    ++m_line;
}

bool TableRowReader::SkipToRow()
{
    while (m_position < m_text.size()) {
        std::size_t first = m_position;
        while (first < m_text.size() && (m_text[first] == ' ' || m_text[first] == '\t'))
            ++first;
        if (first == m_text.size())
            return false;
        const bool comment = m_commentCharacter != '\0' && m_text[first] == m_commentCharacter;
        if (!comment && !IsLineBreak(m_text[first]))
            return true;
        while (first < m_text.size() && !IsLineBreak(m_text[first]))
            ++first;
        m_position = first;
        PassLineBreak();
    }
    return false;
}

bool TableRowReader::SplitRow(TableRow& row, bool quotesSpanLines)
{
    const std::string_view text = m_text;
    const std::size_t end = text.size();
    std::size_t at = m_position;
    int line = m_line;
    row.Fields.clear();
    for (;;) {
        while (at < end && IsBlank(text[at]))
            ++at;
        if (m_delimiter == TableDelimiter::Blanks && (at == end || IsLineBreak(text[at])))
            break; // blanks at the end of a row end no field
        const std::size_t fieldIndex = row.Fields.size();
        if (at < end && text[at] == '"') {
            // Quoted: up to the next quote that is not doubled.
            std::size_t start = ++at;
            bool unescaped = false;
            std::string* buffer = nullptr;
            std::string_view content;
            for (;;) {
                std::size_t stop = at;
                while (stop < end && text[stop] != '"'
                    && (quotesSpanLines || !IsLineBreak(text[stop]))) {
                    if (text[stop] == '\r' || text[stop] == '\n') {
                        // CR LF is one line break.
                        if (text[stop] == '\n' || stop + 1 == end || text[stop + 1] != '\n')
                            ++line;
                    }
                    ++stop;
                }
                if (stop == end && quotesSpanLines)
                    return false;
                const bool doubled = stop + 1 < end && text[stop] == '"' && text[stop + 1] == '"';
                if (!doubled && !unescaped) {
                    content = text.substr(start, stop - start);
                } else {
                    if (!unescaped) {
                        if (m_unescaped.size() <= fieldIndex)
                            m_unescaped.resize(fieldIndex + 1);
                        buffer = &m_unescaped[fieldIndex];
                        buffer->clear();
                        unescaped = true;
                    }
                    buffer->append(text.substr(start, stop - start));
                    if (doubled)
                        buffer->push_back('"');
                }
                if (!doubled) {
                    at = stop < end && text[stop] == '"' ? stop + 1 : stop;
                    break;
                }
                at = start = stop + 2;
            }
            // Text between the closing quote and the delimiter stays with the field.
            std::size_t rest = at;
            while (rest < end && !IsDelimiter(text[rest]) && !IsLineBreak(text[rest]))
                ++rest;
            std::size_t restEnd = rest;
            while (restEnd > at && IsBlank(text[restEnd - 1]))
                --restEnd;
            if (restEnd > at) {
                if (!unescaped) {
                    if (m_unescaped.size() <= fieldIndex)
                        m_unescaped.resize(fieldIndex + 1);
                    buffer = &m_unescaped[fieldIndex];
                    buffer->assign(content);
                    unescaped = true;
                }
                buffer->append(text.substr(at, restEnd - at));
            }
            at = rest;
            row.Fields.push_back(unescaped ? std::string_view(*buffer) : content);
        } else {
            const std::size_t start = at;
            at = NextStop(at);
            std::size_t fieldEnd = at;
            while (fieldEnd > start && IsBlank(text[fieldEnd - 1]))
                --fieldEnd;
            row.Fields.push_back(text.substr(start, fieldEnd - start));
        }
        if (at < end && IsDelimiter(text[at])) {
            if (m_delimiter != TableDelimiter::Blanks)
                ++at;
            continue;
        }
        break;
    }
    m_position = at;
    m_line = line;
    if (m_position < end)
        PassLineBreak();
    return true;
}

bool TableRowReader::Next(TableRow& row)
{
    if (!SkipToRow())
        return false;
    row.Line = m_line;
    row.UnclosedQuote = !SplitRow(row, true);
    if (row.UnclosedQuote)
        SplitRow(row, false);
    return true;
}

} // namespace data
