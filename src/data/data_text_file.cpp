// src/data/data_text_file.cpp: line breaks and the end of the text in data files.
#include "data/data_text_file.h"

namespace data {

std::string PaneTextFromFileBytes(std::string_view bytes)
{
    const std::size_t end = bytes.find('\0');
    if (end != std::string_view::npos)
        bytes = bytes.substr(0, end);

    std::string text;
    text.reserve(bytes.size());
    for (std::size_t position = 0; position < bytes.size(); ++position) {
        const char byte = bytes[position];
        if (byte == '\r') {
            text += '\n';
            if (position + 1 < bytes.size() && bytes[position + 1] == '\n')
                ++position;
        } else {
            text += byte;
        }
    }
    return text;
}

std::string FileBytesFromPaneText(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16);
    for (const char character : text) {
        if (character == '\n')
            bytes += '\r';
        bytes += character;
    }
    return bytes;
}

} // namespace data
