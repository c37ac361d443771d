// SPDX-License-Identifier: GPL-3.0-or-later
// src/graph/graph_file_format.h: the kinds of file a graph is drawn into, told by the file name.
#pragma once

#include <optional>
#include <string_view>

namespace graph {

// A raster image, or a drawing whose lines and text stay sharp at any zoom.
enum class GraphFileFormat { Png, Svg, Pdf };

// The format of a graph file named fileName by its extension, in any letter case: ".png",
// ".svg" or ".pdf"; nothing for any other name.
std::optional<GraphFileFormat> GraphFileFormatOf(std::string_view fileName);

} // namespace graph
