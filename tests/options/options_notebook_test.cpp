// SPDX-License-Identifier: GPL-3.0-or-later
// tests/options/options_notebook_test.cpp: the options notebook as the user drives it.
#include "options/options_notebook.h"
#include "options/whole_number_spin_box.h"
#include "recording_host.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using options::LegendLabel;
using options::OptionsNotebook;
using options::WholeNumberSpinBox;
using options_test::RecordingHost;

class OptionsNotebookTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(800, 600);
        notebook = new OptionsNotebook(points, fit, report, graph, host, &window);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    template <typename Control> Control* Find(const char* name)
    {
        auto* control = notebook->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QComboBox* Combo(const char* name) { return Find<QComboBox>(name); }
    QCheckBox* CheckBox(const char* name) { return Find<QCheckBox>(name); }
    WholeNumberSpinBox* Spin() { return Find<WholeNumberSpinBox>("SpinEdit1"); }

    // Picks the item from the open list with the mouse, as the user does.
    void Choose(const char* comboName, const QString& item)
    {
        QComboBox* box = Combo(comboName);
        const int index = box->findText(item);
        ASSERT_GE(index, 0) << item.toStdString();
        box->showPopup();
        QAbstractItemView* list = box->view();
        const QRect place = list->visualRect(list->model()->index(index, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
        ASSERT_FALSE(list->isVisible());
    }

    // Types over the whole text of a box, one keystroke at a time.
    void Type(QWidget* box, const QString& text)
    {
        if (auto* combo = qobject_cast<QComboBox*>(box))
            combo->lineEdit()->selectAll();
        else if (auto* edit = qobject_cast<QLineEdit*>(box))
            edit->selectAll();
        else if (auto* spin = qobject_cast<QAbstractSpinBox*>(box))
            spin->selectAll();
        QTest::keyClicks(box, text);
    }

    // Clicks the tick square: a check box takes clicks on its square and caption only.
    void Tick(const char* name)
    {
        QCheckBox* box = CheckBox(name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }

    // The user has data of the given size in the pane and chose the polynomial.
    void ChoosePolynomialWith(int pointCount)
    {
        host.PointsInPane = pointCount;
        points.PointCount = pointCount;
        notebook->ShowFitDataPage();
        Choose("TabbedFitCombo", "Polynomial fit");
    }

    data::PointStore points;
    fit::FitState fit;
    report::ReportSettings report;
    graph::GraphState graph;
    RecordingHost host { points };
    QWidget window;
    OptionsNotebook* notebook = nullptr;
};

TEST_F(OptionsNotebookTest, StartsHiddenWithTheDesignPagesAndSettings)
{
    EXPECT_FALSE(notebook->isVisible());
    EXPECT_EQ(notebook->objectName(), "TabbedNotebook1");
    EXPECT_EQ(notebook->size(), QSize(321, 233));
    ASSERT_EQ(notebook->count(), 4);
    const char* tabs[] = { "Fit &Data", "&Colors", "&Titles", "&Markers" };
    for (int page = 0; page < 4; ++page)
        EXPECT_EQ(notebook->tabText(page), tabs[page]);

    EXPECT_EQ(Combo("TabbedFitCombo")->currentText(), "Straight Line");
    EXPECT_EQ(Combo("MarkerTypeComboBox1")->currentText(), "Circle");
    for (const char* name :
        { "BackColorCombo", "GraphCombo", "TickColorCombo", "MarkerColorCombo" }) {
        SCOPED_TRACE(name);
        EXPECT_EQ(Combo(name)->currentText(), "");
        EXPECT_EQ(Combo(name)->count(), 7);
    }
    EXPECT_EQ(Spin()->text(), "0");
    EXPECT_TRUE(Spin()->isHidden());
    EXPECT_TRUE(Find<QLabel>("PolyOrderLabel")->isHidden());
    EXPECT_TRUE(Find<QPushButton>("TabbedFitCancel")->isHidden());
    EXPECT_FALSE(CheckBox("ZeroForceBox")->isHidden());
    for (const char* name : { "ZeroForceBox", "PrecisionFlagBox", "ZeroSuppressBox" })
        EXPECT_FALSE(CheckBox(name)->isChecked()) << name;
    // Building the pages ran no handler.
    EXPECT_TRUE(host.Calls.empty());
    EXPECT_EQ(graph.BackgroundColor, common::ButtonFaceColor);
}

TEST_F(OptionsNotebookTest, MenuCommandsShowTheirPageAtTheTopLeftCorner)
{
    notebook->ShowTitlesPage();
    EXPECT_TRUE(notebook->isVisible());
    EXPECT_EQ(notebook->pos(), QPoint(0, 0));
    EXPECT_EQ(notebook->currentIndex(), OptionsNotebook::TitlesPage);

    notebook->ShowFitDataPage();
    EXPECT_EQ(notebook->currentIndex(), OptionsNotebook::FitDataPage);
}

TEST_F(OptionsNotebookTest, TitlesPageShowsTheStartUpCaptionsAndUnitsFirstTime)
{
    notebook->ShowTitlesPage();
    const std::pair<const char*, const char*> boxes[]
        = { { "TabbedTitleEdit", "Title" }, { "TabbedX1", "XAxisLabel" }, { "TabbedX2", "XUnits" },
              { "TabbedY1", "YAxisLabel" }, { "TabbedY2", "YUnits" } };
    for (const auto& [name, text] : boxes)
        EXPECT_EQ(Find<QLineEdit>(name)->text(), text) << name;
    EXPECT_EQ(host.Captions[LegendLabel::Title], "Title");
    EXPECT_EQ(report.XUnitsText, "XUnits");
}

TEST_F(OptionsNotebookTest, TitlesBoxesChangeCaptionsAndUnitsAtEveryKeystroke)
{
    notebook->ShowTitlesPage();
    auto* title = Find<QLineEdit>("TabbedTitleEdit");
    Type(title, "Dec");
    EXPECT_EQ(host.Captions[LegendLabel::Title], "Dec");
    QTest::keyClick(title, Qt::Key_A);
    EXPECT_EQ(host.Captions[LegendLabel::Title], "Deca");
    title->clear();
    EXPECT_EQ(host.Captions[LegendLabel::Title], "");

    Type(Find<QLineEdit>("TabbedX1"), "Time");
    EXPECT_EQ(host.Captions[LegendLabel::XAxis], "Time");
    Type(Find<QLineEdit>("TabbedY1"), "Length");
    EXPECT_EQ(host.Captions[LegendLabel::YAxis], "Length");
    Type(Find<QLineEdit>("TabbedX2"), "s");
    EXPECT_EQ(report.XUnitsText, "s");
    Type(Find<QLineEdit>("TabbedY2"), "m");
    EXPECT_EQ(report.YUnitsText, "m");
    Find<QLineEdit>("TabbedY2")->clear();
    EXPECT_EQ(report.YUnitsText, "");
    EXPECT_TRUE(host.Calls.empty());

    // Shown again, the page reads what the user left.
    notebook->ShowTitlesPage();
    EXPECT_EQ(Find<QLineEdit>("TabbedX1")->text(), "Time");
}

TEST_F(OptionsNotebookTest, PolynomialRightAfterStartUpTakesOrderZeroFromTheBox)
{
    notebook->ShowFitDataPage();
    Choose("TabbedFitCombo", "Polynomial fit");
    EXPECT_EQ(fit.FitType, fit::Polynomial);
    EXPECT_EQ(fit.FitOrder, 0);
    EXPECT_EQ(Spin()->text(), "0");
    EXPECT_TRUE(Spin()->isVisible());
    EXPECT_TRUE(Find<QLabel>("PolyOrderLabel")->isVisible());
    // Only the bounds changed, so the order handler did not run.
    EXPECT_EQ(host.CountOf("ReadDataPane"), 0);
}

TEST_F(OptionsNotebookTest, OrderBoundIsSixteenAfterChoosingAndFifteenAfterAChange)
{
    ChoosePolynomialWith(20);
    EXPECT_EQ(Spin()->MinValue(), 1);
    EXPECT_EQ(Spin()->MaxValue(), 16);

    Type(Spin(), "15");
    EXPECT_EQ(Spin()->MaxValue(), 15);
    EXPECT_EQ(fit.FitOrder, 15);

    // Chosen again, the bound is 16 once more: the arrow reaches 16 and the handler returns
    // the box and the order to 15.
    Choose("TabbedFitCombo", "Straight Line");
    Choose("TabbedFitCombo", "Polynomial fit");
    EXPECT_EQ(Spin()->MaxValue(), 16);
    host.Calls.clear();
    QTest::keyClick(Spin(), Qt::Key_Up);
    EXPECT_EQ(Spin()->text(), "15");
    EXPECT_EQ(fit.FitOrder, 15);
    EXPECT_EQ(Spin()->MaxValue(), 15);
    EXPECT_EQ(host.CountOf("ReadDataPane"), 2);
}

TEST_F(OptionsNotebookTest, OrderGoesUpToPointCountLessFour)
{
    ChoosePolynomialWith(10);
    for (int press = 0; press < 10; ++press)
        QTest::keyClick(Spin(), Qt::Key_Up);
    EXPECT_EQ(Spin()->text(), "6");
    EXPECT_EQ(fit.FitOrder, 6);
}

TEST_F(OptionsNotebookTest, OrderHandlerCountsTheDataPaneAsItNowStands)
{
    ChoosePolynomialWith(20);
    Type(Spin(), "9");
    // The user deleted lines: the next change reads the pane first.
    host.PointsInPane = 10;
    QTest::keyClick(Spin(), Qt::Key_Up);
    EXPECT_EQ(points.PointCount, 10);
    EXPECT_EQ(Spin()->text(), "6");
    EXPECT_EQ(fit.FitOrder, 6);
}

TEST_F(OptionsNotebookTest, TypingZeroEndsAtOneWithSixPointsOrMore)
{
    for (int pointCount : { 6, 20 }) {
        SCOPED_TRACE(pointCount);
        ChoosePolynomialWith(pointCount);
        Type(Spin(), "2");
        host.Calls.clear();
        Type(Spin(), "0");
        EXPECT_EQ(Spin()->text(), "1");
        EXPECT_EQ(fit.FitOrder, 1);
        // Once for the typed 0, once more after the handler set the box to 1.
        EXPECT_EQ(host.CountOf("ReadDataPane"), 2);
    }
}

TEST_F(OptionsNotebookTest, WithFivePointsTheBoxAppliesNoLimitButTheOrderStaysAtOne)
{
    ChoosePolynomialWith(5);
    Type(Spin(), "7");
    EXPECT_EQ(Spin()->text(), "1");
    EXPECT_EQ(fit.FitOrder, 1);
    Type(Spin(), "0");
    EXPECT_EQ(Spin()->text(), "0");
    EXPECT_EQ(fit.FitOrder, 0);
}

TEST_F(OptionsNotebookTest, LogarithmicFitsUntickAndHideTheForcing)
{
    for (const char* type : { "Power Law", "Exponential" }) {
        SCOPED_TRACE(type);
        notebook->ShowFitDataPage();
        QCheckBox* forcing = CheckBox("ZeroForceBox");
        Tick("ZeroForceBox");
        EXPECT_TRUE(fit.ZeroForce);

        Choose("TabbedFitCombo", type);
        EXPECT_FALSE(forcing->isVisible());
        EXPECT_FALSE(forcing->isChecked());
        EXPECT_FALSE(fit.ZeroForce);

        Choose("TabbedFitCombo", "Straight Line");
        EXPECT_TRUE(forcing->isVisible());
        EXPECT_FALSE(forcing->isChecked());
        EXPECT_EQ(fit.FitType, fit::StraightLine);
    }
    Choose("TabbedFitCombo", "Exponential");
    Choose("TabbedFitCombo", "Polynomial fit");
    EXPECT_TRUE(CheckBox("ZeroForceBox")->isVisible());
}

TEST_F(OptionsNotebookTest, ChangingTheFitTypeDropsTheFittedCurveWithoutRedrawing)
{
    notebook->ShowFitDataPage();
    fit.FitValid = true;
    Choose("TabbedFitCombo", "Exponential");
    EXPECT_EQ(fit.FitType, fit::Exponential);
    EXPECT_FALSE(fit.FitValid);

    // A typed text that names no fit keeps the type, yet the curve still goes.
    fit.FitValid = true;
    Type(Combo("TabbedFitCombo"), "Spline");
    EXPECT_EQ(fit.FitType, fit::Exponential);
    EXPECT_FALSE(fit.FitValid);
    // Typed in full, a name chooses its fit.
    Type(Combo("TabbedFitCombo"), "Power Law");
    EXPECT_EQ(fit.FitType, fit::PowerLaw);
    EXPECT_TRUE(host.Calls.empty());
}

TEST_F(OptionsNotebookTest, LightGrayBackgroundIsTheButtonFaceAndRecoloursTheLabelsAtOnce)
{
    notebook->ShowTitlesPage();
    Choose("BackColorCombo", "Black");
    host.Calls.clear();
    Choose("BackColorCombo", "Light Gray");
    EXPECT_EQ(graph.BackgroundColor, 0x8000000Fu);
    const std::vector<std::string> expected { "XAxis background 2147483663",
        "YAxis background 2147483663", "Title background 2147483663" };
    EXPECT_EQ(host.Calls, expected);
}

TEST_F(OptionsNotebookTest, ColourBoxesSetTheirColourOnlyForAnItem)
{
    struct Case {
        const char* Box;
        common::ColorValue graph::GraphState::*Colour;
    };
    const Case cases[] = { { "BackColorCombo", &graph::GraphState::BackgroundColor },
        { "GraphCombo", &graph::GraphState::GraphColor },
        { "TickColorCombo", &graph::GraphState::TickColor },
        { "MarkerColorCombo", &graph::GraphState::MarkerColor } };
    notebook->ShowTitlesPage();
    for (const Case& item : cases) {
        SCOPED_TRACE(item.Box);
        Choose(item.Box, "Green");
        EXPECT_EQ(graph.*item.Colour, 0x00008000u);
        host.Calls.clear();
        Type(Combo(item.Box), "Purple");
        EXPECT_EQ(graph.*item.Colour, 0x00008000u);
        EXPECT_TRUE(host.Calls.empty());
        Type(Combo(item.Box), "Yellow");
        EXPECT_EQ(graph.*item.Colour, 0x0000FFFFu);
    }
    EXPECT_EQ(host.CountOf("RedrawGraph"), 0);
}

TEST_F(OptionsNotebookTest, MarkerBoxSetsTheShapeOnlyForAnItem)
{
    notebook->ShowTitlesPage();
    Choose("MarkerTypeComboBox1", "Diamond");
    EXPECT_EQ(graph.MarkerType, graph::Diamond);
    Type(Combo("MarkerTypeComboBox1"), "Star");
    EXPECT_EQ(graph.MarkerType, graph::Diamond);
    Type(Combo("MarkerTypeComboBox1"), "Square");
    EXPECT_EQ(graph.MarkerType, graph::Square);
    EXPECT_TRUE(host.Calls.empty());
}

TEST_F(OptionsNotebookTest, ExitRedrawsOnlyWhileTheFitIsValid)
{
    const char* exits[]
        = { "TabbedFitExit", "TabbedColorsExit", "TabbedTitleExit", "TabbedMarkersExit" };
    for (int page = 0; page < 4; ++page) {
        SCOPED_TRACE(exits[page]);
        for (bool valid : { false, true }) {
            notebook->ShowFitDataPage();
            notebook->setCurrentIndex(page);
            fit.FitValid = valid;
            host.Calls.clear();
            QTest::mouseClick(Find<QPushButton>(exits[page]), Qt::LeftButton);
            EXPECT_FALSE(notebook->isVisible());
            EXPECT_EQ(host.CountOf("RedrawGraph"), valid ? 1 : 0);
        }
    }
}

TEST_F(OptionsNotebookTest, EveryShowButtonRunsTheFitAndKeepsTheNotebook)
{
    const char* shows[]
        = { "TabbedFitShow", "TabbedColorsShow", "TabbedTitlesShow", "TabbedMarkersShow" };
    notebook->ShowFitDataPage();
    for (int page = 0; page < 4; ++page) {
        notebook->setCurrentIndex(page);
        QTest::mouseClick(Find<QPushButton>(shows[page]), Qt::LeftButton);
        EXPECT_EQ(host.CountOf("ShowFit"), page + 1) << shows[page];
    }
    EXPECT_TRUE(notebook->isVisible());
}

TEST_F(OptionsNotebookTest, ExtraDigitRefitsWhenTickedAndUnticked)
{
    notebook->ShowFitDataPage();
    Tick("PrecisionFlagBox");
    EXPECT_EQ(report.PrecisionFlag, 1);
    EXPECT_EQ(host.Calls, std::vector<std::string> { "ShowFit" });
    Tick("PrecisionFlagBox");
    EXPECT_EQ(report.PrecisionFlag, 0);
    EXPECT_EQ(host.CountOf("ShowFit"), 2);
}

TEST_F(OptionsNotebookTest, SuppressZeroRereadsAndRedrawsAtOnce)
{
    notebook->ShowFitDataPage();
    Tick("ZeroSuppressBox");
    EXPECT_TRUE(points.SuppressZero);
    EXPECT_EQ(host.Calls, (std::vector<std::string> { "ReadDataPane", "RedrawGraph" }));
    Tick("ZeroSuppressBox");
    EXPECT_FALSE(points.SuppressZero);
}

TEST_F(OptionsNotebookTest, BandsAndResidualsRedrawAValidFitAndStatisticsRefit)
{
    notebook->ShowFitDataPage();
    EXPECT_EQ(Combo("BandLevelCombo")->currentText(), "95%");
    // Without a valid fit there is nothing to draw them on.
    Tick("ConfidenceBandBox");
    EXPECT_TRUE(graph.ConfidenceBandShown);
    EXPECT_TRUE(host.Calls.empty());

    fit.FitValid = true;
    Tick("PredictionBandBox");
    Tick("ResidualsBox");
    Choose("BandLevelCombo", "68.27%");
    EXPECT_TRUE(graph.PredictionBandShown);
    EXPECT_TRUE(graph.ResidualsShown);
    EXPECT_EQ(graph.BandLevel, 68.27L);
    EXPECT_EQ(host.CountOf("RedrawGraph"), 3);
    Tick("ConfidenceBandBox");
    EXPECT_FALSE(graph.ConfidenceBandShown);

    Tick("StatisticsBox");
    EXPECT_TRUE(report.StatisticsShown);
    EXPECT_EQ(host.Calls.back(), "ShowFit");
}

TEST_F(OptionsNotebookTest, AFailureEndsTheHandlerAtTheFailingStep)
{
    notebook->ShowFitDataPage();
    host.ReadingFails = true;
    Tick("ZeroSuppressBox");
    EXPECT_TRUE(points.SuppressZero);
    EXPECT_EQ(host.Calls, std::vector<std::string> { "ReadDataPane" });
    EXPECT_EQ(host.Errors, std::vector<std::string> { "Floating point overflow" });
}

TEST_F(OptionsNotebookTest, KeysGoRoundEachPageInTheOrderOfItsLayout)
{
    struct Case {
        OptionsNotebook::Page Page;
        std::vector<const char*> Order;
    };
    // Row by row, left to right; the hidden Cancel button is skipped.
    const Case cases[] = {
        { OptionsNotebook::FitDataPage,
            { "TabbedFitCombo", "ZeroForceBox", "SpinEdit1", "TabbedFitShow", "TabbedFitExit",
                "PrecisionFlagBox", "StatisticsBox", "ZeroSuppressBox", "ResidualsBox",
                "ConfidenceBandBox", "BandLevelCombo", "PredictionBandBox" } },
        { OptionsNotebook::ColorsPage,
            { "BackColorCombo", "GraphCombo", "TickColorCombo", "MarkerColorCombo",
                "TabbedColorsShow", "TabbedColorsExit" } },
        { OptionsNotebook::TitlesPage,
            { "TabbedTitleEdit", "TabbedX1", "TabbedX2", "TabbedY1", "TabbedY2", "TabbedTitlesShow",
                "TabbedTitleExit" } },
        { OptionsNotebook::MarkersPage,
            { "MarkerTypeComboBox1", "TabbedMarkersShow", "TabbedMarkersExit" } },
    };
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ChoosePolynomialWith(10);
    notebook->setCurrentIndex(OptionsNotebook::MarkersPage);
    const auto hasFocus = [&](const char* name) {
        QWidget* focus = QApplication::focusWidget();
        const QWidget* control = Find<QWidget>(name);
        return focus != nullptr && (focus == control || control->isAncestorOf(focus));
    };
    for (const Case& item : cases) {
        SCOPED_TRACE(item.Order.front());
        // The page that comes up gives its first control the focus.
        notebook->setCurrentIndex(item.Page);
        ASSERT_TRUE(hasFocus(item.Order.front()));
        // Round the page and back to its first control, then back again to its last.
        for (std::size_t step = 1; step <= item.Order.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_TRUE(hasFocus(item.Order[step % item.Order.size()])) << "step " << step;
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_TRUE(hasFocus(item.Order.back()));
    }
    // Passing through the order box left its number as it was, below its lower bound.
    EXPECT_EQ(Spin()->text(), "0");
    EXPECT_EQ(fit.FitOrder, 0);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(notebook->isVisible());
}

TEST_F(OptionsNotebookTest, FocusEnteringTheNotebookRefillsTheTitlesPage)
{
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* outside = new QLineEdit(&window);
    outside->move(400, 400);
    outside->show();
    notebook->ShowTitlesPage();
    outside->setFocus();
    host.Captions[LegendLabel::Title] = "Dropped";
    Find<QLineEdit>("TabbedX1")->setFocus();
    EXPECT_EQ(Find<QLineEdit>("TabbedTitleEdit")->text(), "Dropped");
}

} // namespace
