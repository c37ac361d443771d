// SPDX-License-Identifier: GPL-3.0-or-later
// tests/options/whole_number_spin_box_test.cpp: the rules of the order spin box.
#include "options/whole_number_spin_box.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class WholeNumberSpinBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        box.SetMinValue(0);
        box.SetMaxValue(25);
        box.show();
        box.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    }

    // Writes the text as a handler or the user could leave it, with no limit applied.
    void SetText(const QString& text) { box.findChild<QLineEdit*>()->setText(text); }

    void SetBounds(int lower, int upper)
    {
        box.SetMinValue(lower);
        box.SetMaxValue(upper);
    }

    options::WholeNumberSpinBox box;
};

TEST_F(WholeNumberSpinBoxTest, ReadsTheWholeNumberInItsTextUnlimited)
{
    struct Case {
        const char* Text;
        int Value;
    };
    // Bounds 3 to 25: a text that is no whole number reads as 3.
    const Case cases[] = { { "40", 40 }, { "-2", -2 }, { "0", 0 }, { "", 3 }, { "-", 3 } };
    SetBounds(3, 25);
    for (const Case& item : cases) {
        SCOPED_TRACE(item.Text);
        SetText(QString::fromLatin1(item.Text));
        EXPECT_EQ(box.Value(), item.Value);
    }
}

TEST_F(WholeNumberSpinBoxTest, SetsNumbersLimitedToBoundsThatDiffer)
{
    struct Case {
        const char* Name;
        int Lower;
        int Upper;
        int Set;
        const char* Text;
    };
    const Case cases[] = {
        { "inside", 1, 16, 7, "7" },
        { "below", 1, 16, 0, "1" },
        { "above", 1, 16, 17, "16" },
        { "equal bounds, below", 1, 1, 0, "0" },
        { "equal bounds, above", 1, 1, 7, "7" },
        // Fewer than five points: the upper bound lies below the lower one.
        { "crossed bounds, below", 1, 0, -3, "1" },
        { "crossed bounds, at lower", 1, 0, 1, "0" },
    };
    for (const Case& item : cases) {
        SCOPED_TRACE(item.Name);
        SetBounds(item.Lower, item.Upper);
        box.SetValue(item.Set);
        EXPECT_EQ(box.text(), QString::fromLatin1(item.Text));
    }
}

TEST_F(WholeNumberSpinBoxTest, ChangingTheBoundsKeepsTheText)
{
    box.SetValue(20);
    SetBounds(1, 4);
    EXPECT_EQ(box.text(), "20");
    EXPECT_EQ(box.Value(), 20);
}

TEST_F(WholeNumberSpinBoxTest, ReportsOnlyChangesOfItsText)
{
    QSignalSpy changes(&box, &options::WholeNumberSpinBox::TextChanged);
    box.SetValue(0);
    EXPECT_EQ(changes.count(), 0);
    box.SetValue(5);
    EXPECT_EQ(changes.count(), 1);
    box.SetValue(30);
    EXPECT_EQ(changes.count(), 2);
    box.SetValue(25);
    EXPECT_EQ(changes.count(), 2);

    box.selectAll();
    QTest::keyClicks(&box, "12");
    EXPECT_EQ(changes.count(), 4);
    EXPECT_EQ(box.text(), "12");
}

TEST_F(WholeNumberSpinBoxTest, TakesOnlyWholeNumbersFromTheKeyboard)
{
    box.selectAll();
    QTest::keyClicks(&box, "-1x.5");
    EXPECT_EQ(box.text(), "-15");
}

TEST_F(WholeNumberSpinBoxTest, ArrowsStepByOneWithinTheBounds)
{
    SetBounds(1, 6);
    box.SetValue(5);
    QTest::keyClick(&box, Qt::Key_Up);
    EXPECT_EQ(box.text(), "6");
    QTest::keyClick(&box, Qt::Key_Up);
    EXPECT_EQ(box.text(), "6");
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(box.text(), "5");

    // The arrow buttons drawn at the right of the box do the same.
    QStyleOptionSpinBox option;
    option.initFrom(&box);
    option.subControls = QStyle::SC_SpinBoxUp;
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    const QRect upArrow
        = box.style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, &box);
    QTest::mouseClick(&box, Qt::LeftButton, {}, upArrow.center());
    EXPECT_EQ(box.text(), "6");
}

TEST_F(WholeNumberSpinBoxTest, ArrowsOnATextOutsideTheBoundsLimitIt)
{
    SetBounds(1, 6);
    SetText("40");
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(box.text(), "6");
}

TEST_F(WholeNumberSpinBoxTest, LeavingTheBoxKeepsItsText)
{
    for (const char* typed : { "30", "-4", "12", "" }) {
        SCOPED_TRACE(typed);
        box.setFocus();
        box.selectAll();
        QTest::keyClick(&box, Qt::Key_Delete);
        QTest::keyClicks(&box, typed);
        box.clearFocus();
        EXPECT_EQ(box.text(), QString::fromLatin1(typed));
    }
}

} // namespace
