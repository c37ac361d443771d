// SPDX-License-Identifier: GPL-3.0-or-later
// tests/app/qt_label_test.cpp: legend labels sized to their captions and placed once.
#include "app/qt_label.h"

#include "qtgraph/qt_font.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

TEST(QtLabel, SizesItselfToItsCaptionAndMovesOverItsParent)
{
    QWidget surface;
    QLabel label(&surface);
    label.setFont(qtgraph::WindowFont());
    label.hide();
    app::QtLabel legend(label);
    legend.SetCaption("Concentration");
    const QFontMetrics metrics(qtgraph::WindowFont());
    EXPECT_EQ(legend.Width(), metrics.horizontalAdvance("Concentration"));
    EXPECT_GE(legend.Height(), metrics.height());
    EXPECT_LT(legend.Height(), 2 * metrics.height());
    EXPECT_EQ(legend.Caption(), "Concentration");

    EXPECT_FALSE(legend.Visible());
    legend.SetVisible(true);
    legend.SetLeft(1);
    legend.SetLeft(30);
    legend.SetTop(40);
    EXPECT_EQ(legend.Left(), 30);
    EXPECT_EQ(legend.Top(), 40);
    // The label itself takes only the final place and visibility, when they are applied.
    EXPECT_TRUE(label.isHidden());
    EXPECT_EQ(label.pos(), QPoint(0, 0));
    legend.Apply();
    EXPECT_EQ(label.pos(), QPoint(30, 40));
    // Shown, even while its window is not.
    EXPECT_TRUE(legend.Visible());
    EXPECT_FALSE(label.isHidden());
}

TEST(QtLabel, MovesItsLabelOnlyWhenThePlaceChanged)
{
    QWidget surface;
    QLabel label(&surface);
    label.move(30, 40);
    int moves = 0;
    struct MoveCounter : QObject {
        int& count;
        explicit MoveCounter(int& counter)
            : count(counter)
        {
        }
        bool eventFilter(QObject*, QEvent* event) override
        {
            count += event->type() == QEvent::Move ? 1 : 0;
            return false;
        }
    } counter(moves);
    // Shown first: a widget moved while hidden gets its move event when it is shown.
    surface.show();
    label.installEventFilter(&counter);

    app::QtLabel legend(label);
    legend.SetLeft(1);
    legend.SetLeft(30);
    legend.Apply();
    EXPECT_EQ(moves, 0);
    legend.SetTop(41);
    legend.Apply();
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(label.pos(), QPoint(30, 41));
}

} // namespace
