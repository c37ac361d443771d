// SPDX-License-Identifier: GPL-3.0-or-later
// tests/graph/graph_file_format_test.cpp: a graph file's format told by its name.
#include "graph/graph_file_format.h"

#include <gtest/gtest.h>

TEST(GraphFileFormatOf, TellsTheFormatByTheExtension)
{
    using graph::GraphFileFormat;
    EXPECT_EQ(graph::GraphFileFormatOf("graph.png"), GraphFileFormat::Png);
    EXPECT_EQ(graph::GraphFileFormatOf("/runs/4/Graph.PnG"), GraphFileFormat::Png);
    EXPECT_EQ(graph::GraphFileFormatOf("a.b.svg"), GraphFileFormat::Svg);
    EXPECT_EQ(graph::GraphFileFormatOf("graph.PDF"), GraphFileFormat::Pdf);
    EXPECT_FALSE(graph::GraphFileFormatOf("graph.pdf.txt"));
    EXPECT_FALSE(graph::GraphFileFormatOf("runs.png/graph"));
    EXPECT_FALSE(graph::GraphFileFormatOf("graph"));
}
