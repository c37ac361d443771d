// src/cli/data_file.cpp: line breaks of a loaded file, and reading a stream whole.
#include "cli/data_file.h"

#include <iterator>

namespace cli {

std::string DataTextOf(std::string_view bytes)
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

std::string ReadAll(std::istream& stream)
{
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

} // namespace cli
