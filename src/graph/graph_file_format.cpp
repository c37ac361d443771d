// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/graph_file_format.cpp: a graph file's format from its extension.
#include "graph/graph_file_format.h"

#include <array>
#include <cctype>
#include <string>

namespace graph {

std::optional<GraphFileFormat> GraphFileFormatOf(std::string_view fileName)
{
    struct Extension {
        std::string_view text;
        GraphFileFormat format;
    };
    constexpr std::array<Extension, 3> Extensions { {
        { "png", GraphFileFormat::Png },
        { "svg", GraphFileFormat::Svg },
        { "pdf", GraphFileFormat::Pdf },
    } };
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos)
        return std::nullopt;
    std::string extension;
    for (const char character : fileName.substr(dot + 1))
        extension += static_cast<char>(std::tolower(static_cast<unsigned char>(character)));
    for (const Extension& known : Extensions)
        if (known.text == extension)
            return known.format;
    return std::nullopt;
}

} // namespace graph
