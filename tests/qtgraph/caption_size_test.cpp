// SPDX-License-Identifier: GPL-3.0-or-later
// tests/qtgraph/caption_size_test.cpp: caption boxes, the y legend wrapping its words.
#include "qtgraph/caption_size.h"

#include "qtgraph/qt_font.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

TEST(CaptionSize, WrapsBetweenWordsAtTheStartUpCaptionOrTheWidestWord)
{
    const QFont font = qtgraph::WindowFont();
    const QFontMetrics metrics(font);

    const QSize oneLine = qtgraph::CaptionSize(font, QStringLiteral("YAxisLabel"), true);
    EXPECT_EQ(oneLine.width(), metrics.horizontalAdvance("YAxisLabel"));
    EXPECT_LT(oneLine.height(), 2 * metrics.height());
    // Narrower captions keep the start-up width.
    EXPECT_EQ(qtgraph::CaptionSize(font, QStringLiteral("y"), true).width(), oneLine.width());

    const QSize wrapped = qtgraph::CaptionSize(
        font, QStringLiteral("Sodium concentration in the serum (mmol/l)"), true);
    EXPECT_EQ(wrapped.width(), metrics.horizontalAdvance("concentration"));
    EXPECT_GE(wrapped.height(), 3 * oneLine.height());
}

} // namespace
