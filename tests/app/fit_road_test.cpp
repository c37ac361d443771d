// SPDX-License-Identifier: GPL-3.0-or-later
// tests/app/fit_road_test.cpp: from typed data through the options notebook and Show to the
// report, the curve and the messages, as the user meets them.
#include "fit/fitting_function.h"
#include "options/options_notebook.h"
#include "window_driver.h"

#include <QClipboard>
#include <QTabBar>

#include <cstdlib>
#include <set>

#include <string>
#include <vector>

namespace {

using app_test::BlackPixel;
using app_test::RedPixel;
using app_test::WhitePixel;
using app_test::WindowDriver;

const std::string Heading = "Fitting constants of least squares fit:";

class FitRoad : public WindowDriver {
protected:
    // The pixel the fitted curve passes through in a column, from the plot of the last pass.
    QPoint CurvePixel(int column) const
    {
        const app::Workbench& state = window->workbench;
        const common::Extended x = graph::PixelToX(state.graph, state.points, column);
        return { column,
            graph::YToPixel(state.graph, state.points, fit::FittingFunction(state.fit, x)) };
    }

    // A column halfway between two points, clear of their markers.
    int ColumnBetween(common::Extended left, common::Extended right) const
    {
        return (PixelOf(left, 0).x() + PixelOf(right, 0).x()) / 2;
    }

    void ClickTab(int page)
    {
        auto* tabs = TabbedNotebook1()->findChild<QTabBar*>();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page).center());
    }
};

TEST_F(FitRoad, StraightLineFromTypedDataToReportAndCurve)
{
    // Normal matrix [[4, 10], [10, 30]]: A(0) = 0.5 +/- 1.095, A(1) = 0.6 +/- 0.4.
    FitAndShow({ "1 1", "2 2", "3 2", "4 3" }, "Straight Line");
    EXPECT_EQ(ResultLine(0), Heading);
    EXPECT_EQ(ResultLine(1), "");
    EXPECT_EQ(ResultLine(2), "A(0) = 1 +/- 1  YUnits");
    EXPECT_EQ(ResultLine(3), "A(1) = 0.6 +/- 0.4  YUnits/XUnits");
    EXPECT_TRUE(window->workbench.fit.FitValid);
    EXPECT_TRUE(dialogs->informationTexts.empty());
    EXPECT_TRUE(dialogs->errorTexts.empty());
    // Show leaves the notebook open.
    EXPECT_TRUE(TabbedNotebook1()->isVisible());

    const QImage screen = Screen();
    EXPECT_EQ(Rgb(screen, PixelOf(3, 2)), RedPixel);
    const QPoint onCurve = CurvePixel(ColumnBetween(2, 3));
    EXPECT_EQ(Rgb(screen, onCurve), RedPixel);
    // Beside the curve the plot is white.
    EXPECT_EQ(Rgb(screen, onCurve + QPoint(0, 12)), WhitePixel);
}

TEST_F(FitRoad, PolynomialOfTheTypedOrderThroughItsPoints)
{
    TypeData({ "0 1.2", "1 2.9", "2 7.1", "3 13.2", "4 20.8", "5 31.3", "6 43.0", "7 57.4" });
    ChooseMenu(MenuItem("FitData1"));
    Choose("TabbedFitCombo", "Polynomial fit");
    TypeOver(Find<QAbstractSpinBox>("SpinEdit1"), "2");
    EXPECT_EQ(window->workbench.fit.FitOrder, 2);
    Press("TabbedFitShow");

    EXPECT_EQ(ResultLine(0), Heading);
    EXPECT_TRUE(ResultLine(2).starts_with("A(0) = ")) << ResultLine(2);
    EXPECT_TRUE(ResultLine(4).starts_with("A(2) = ")) << ResultLine(4);
    EXPECT_TRUE(ResultLine(4).ends_with("  YUnits/XUnits^2")) << ResultLine(4);
    EXPECT_EQ(ResultLine(5), "");

    const QImage screen = Screen();
    for (const auto& [x, y] : { std::pair { 0.0L, 1.2L }, { 3.0L, 13.2L }, { 7.0L, 57.4L } }) {
        // The curve passes within a few rows of the points it fits.
        const QPoint point = PixelOf(x, y);
        EXPECT_LE(std::abs(CurvePixel(point.x()).y() - point.y()), 3) << double(x);
    }
    EXPECT_EQ(Rgb(screen, CurvePixel(ColumnBetween(5, 6))), RedPixel);
}

TEST_F(FitRoad, RefusalsAreShownInTheInformationBox)
{
    const struct {
        const char* name;
        const char* fitType;
        std::initializer_list<const char*> data;
        const char* message;
    } cases[] = {
        { "power law with a zero x", "Power Law", { "1 1", "0 2", "3 0" },
            "No zero X values allowed for this type of fit.\nA power law works with the "
            "logarithm of x; line 2 has x = 0." },
        { "exponential with a zero y", "Exponential", { "0 1", "1 0", "2 3" },
            "No zero Y values allowed for this type of fit.\nAn exponential works with the "
            "logarithm of y; line 2 has y = 0." },
    };
    for (const auto& refusal : cases) {
        SCOPED_TRACE(refusal.name);
        Memo1()->clear();
        dialogs->informationTexts.clear();
        FitAndShow(refusal.data, refusal.fitType);
        EXPECT_EQ(dialogs->informationTexts, std::vector<QString> { refusal.message });
        EXPECT_FALSE(window->workbench.fit.FitValid);
        // The results pane still shows its instructions.
        EXPECT_EQ(ResultLine(0), app_test::InstructionsFirstLine);
    }
    EXPECT_TRUE(dialogs->errorTexts.empty());
}

TEST_F(FitRoad, QuadraticThroughOneXIsRefused)
{
    TypeData({ "2 1", "2 2", "2 3", "2 4", "2 5", "2 6" });
    ChooseMenu(MenuItem("FitData1"));
    Choose("TabbedFitCombo", "Polynomial fit");
    TypeOver(Find<QAbstractSpinBox>("SpinEdit1"), "2");
    ASSERT_EQ(window->workbench.fit.FitOrder, 2);
    Press("TabbedFitShow");
    EXPECT_EQ(dialogs->informationTexts,
        std::vector<QString> { "Too few distinct X values for this type of fit.\nA polynomial "
                               "of order 2 needs at least 3 different x values." });
    EXPECT_TRUE(dialogs->errorTexts.empty());
    EXPECT_FALSE(window->workbench.fit.FitValid);
    EXPECT_EQ(ResultLine(0), app_test::InstructionsFirstLine);
}

TEST_F(FitRoad, FailingFitIsReportedAndTheWindowGoesOn)
{
    // Three points for two constants leave no degree of freedom for the uncertainty.
    FitAndShow({ "0 0", "1 3", "2 5" }, "Straight Line");
    EXPECT_EQ(dialogs->errorTexts,
        std::vector<QString> { "Floating point division by zero.\nA straight line needs at least "
                               "4 points to give uncertainties; 3 are read." });
    EXPECT_TRUE(dialogs->informationTexts.empty());
    // What the fit had done stays: its constants, and the emptied results pane.
    EXPECT_TRUE(window->workbench.fit.FitValid);
    EXPECT_EQ(ResultLine(0), app_test::InstructionsFirstLine);
    EXPECT_EQ(ResultLine(2), "");
    // The next repaint draws the curve from those constants.
    const QImage screen = Screen();
    EXPECT_EQ(Rgb(screen, CurvePixel(ColumnBetween(0, 1))), RedPixel);

    dialogs->errorTexts.clear();
    TypeData({ "3 8" });
    Press("TabbedFitShow");
    EXPECT_TRUE(dialogs->errorTexts.empty());
    EXPECT_EQ(ResultLine(0), Heading);
}

TEST_F(FitRoad, ChangingTheFitTypeDropsTheCurveAtExit)
{
    FitAndShow({ "1 1", "2 2", "3 2", "4 3" }, "Straight Line");
    const QPoint onCurve = CurvePixel(ColumnBetween(2, 3));
    ASSERT_EQ(Rgb(Shown(), onCurve), RedPixel);

    // Typed rather than picked from the list, whose closing would repaint the plot at once.
    auto* fitType = Find<QComboBox>("TabbedFitCombo");
    fitType->lineEdit()->selectAll();
    QTest::keyClicks(fitType->lineEdit(), QStringLiteral("Exponential"));
    ASSERT_EQ(window->workbench.fit.FitType, fit::Exponential);
    EXPECT_FALSE(window->workbench.fit.FitValid);
    EXPECT_EQ(Rgb(Shown(), onCurve), RedPixel);

    // Even when the panes under the notebook paint every pixel of theirs, so that hiding it
    // uncovers nothing of the drawing surface, Exit repaints without the curve.
    FitResultsWindow()->setAutoFillBackground(true);
    Press("TabbedFitExit");
    EXPECT_FALSE(TabbedNotebook1()->isVisible());
    const QImage screen = Shown();
    EXPECT_EQ(Rgb(screen, onCurve), WhitePixel);
    // The points stay; the report of the last fit too.
    EXPECT_EQ(Rgb(screen, PixelOf(3, 2)), RedPixel);
    EXPECT_EQ(ResultLine(3), "A(1) = 0.6 +/- 0.4  YUnits/XUnits");
}

TEST_F(FitRoad, ExtraDigitRefitsBothWays)
{
    FitAndShow({ "1 1", "2 2", "3 2", "4 3" }, "Straight Line");
    Tick("PrecisionFlagBox");
    EXPECT_EQ(ResultLine(2), "A(0) = 0.50 +/- 1.10  YUnits");
    EXPECT_EQ(ResultLine(3), "A(1) = 0.60 +/- 0.40  YUnits/XUnits");
    Tick("PrecisionFlagBox");
    EXPECT_EQ(ResultLine(2), "A(0) = 1 +/- 1  YUnits");
}

TEST_F(FitRoad, SuppressZeroRedrawsAtOnce)
{
    FitAndShow({ "10 100", "11 103", "12 105", "13 108" }, "Straight Line");
    Screen();
    ASSERT_LE(window->workbench.points.XMin, 0);

    Tick("ZeroSuppressBox");
    EXPECT_GT(window->workbench.points.XMin, 0);
    EXPECT_GT(window->workbench.points.YMin, 0);
    // The image is drawn with the new ranges by the click itself, curve included.
    const QImage& image = GraphImage();
    EXPECT_EQ(Rgb(image, PixelOf(10, 100)), RedPixel);
    EXPECT_EQ(Rgb(image, CurvePixel(ColumnBetween(11, 12))), RedPixel);
}

TEST_F(FitRoad, BackgroundColourRecoloursTheLegendsAtOnce)
{
    TypeData({ "1 1", "2 2" });
    Screen();
    ChooseMenu(MenuItem("Format1"));
    ClickTab(options::OptionsNotebook::ColorsPage);
    const auto legendBackground
        = [](QLabel* legend) { return legend->palette().color(QPalette::Window).rgb() & RGB_MASK; };

    Choose("BackColorCombo", "Red");
    for (QLabel* legend : { TitleLabel(), XAxisLabel(), YAxisLabel() })
        EXPECT_EQ(legendBackground(legend), RedPixel) << legend->objectName().toStdString();
    const QPoint titleCorner = TitleLabel()->geometry().topRight();
    EXPECT_EQ(Rgb(Screen(), titleCorner), RedPixel);

    // Light Gray is the button face of the platform, not a fixed grey.
    Choose("BackColorCombo", "Light Gray");
    for (QLabel* legend : { TitleLabel(), XAxisLabel(), YAxisLabel() })
        EXPECT_EQ(legendBackground(legend), ColorOf(common::ButtonFaceColor))
            << legend->objectName().toStdString();
    EXPECT_EQ(window->workbench.graph.BackgroundColor, common::ButtonFaceColor);
}

TEST_F(FitRoad, TitlesPageRenamesTheLegends)
{
    TypeData({ "1 1", "2 2" });
    ChooseMenu(MenuItem("Format1"));
    EXPECT_EQ(TabbedNotebook1()->currentIndex(), options::OptionsNotebook::TitlesPage);
    EXPECT_EQ(Find<QLineEdit>("TabbedTitleEdit")->text(), "Title");

    TypeOver(Find<QLineEdit>("TabbedTitleEdit"), "Braking distance");
    TypeOver(Find<QLineEdit>("TabbedY1"), "Distance in metres on dry road");
    EXPECT_EQ(TitleLabel()->text(), "Braking distance");
    EXPECT_EQ(YAxisLabel()->text(), "Distance in metres on dry road");
    // The y legend wraps its words: several lines, as wide as its default caption.
    EXPECT_GT(YAxisLabel()->height(), 2 * TitleLabel()->height());

    Screen();
    const graph::GraphState& graph = window->workbench.graph;
    EXPECT_EQ(TitleLabel()->x(), graph.PlotLeft + (graph.PlotWidth - TitleLabel()->width()) / 2);
    EXPECT_EQ(YAxisLabel()->y(), graph.PlotTop + (graph.PlotHeight - YAxisLabel()->height()) / 2);
}

TEST_F(FitRoad, PolynomialOrderControlsAreHiddenUntilChosen)
{
    ChooseMenu(MenuItem("FitData1"));
    EXPECT_TRUE(TabbedNotebook1()->isVisible());
    EXPECT_EQ(TabbedNotebook1()->pos(), QPoint(0, 0));
    EXPECT_TRUE(Find<QLabel>("PolyOrderLabel")->isHidden());
    EXPECT_TRUE(Find<QAbstractSpinBox>("SpinEdit1")->isHidden());
    Choose("TabbedFitCombo", "Polynomial fit");
    EXPECT_TRUE(Find<QAbstractSpinBox>("SpinEdit1")->isVisible());
}

TEST_F(FitRoad, UndoInTheResultsPaneNeverReachesAnEarlierReport)
{
    FitAndShow({ "1 1", "2 3", "3 4", "4 6", "5 7" }, "Straight Line");
    Memo1()->clear();
    TypeData({ "1 10", "2 20", "3 31", "4 40", "5 50", "6 61" });
    Press("TabbedFitShow");
    const std::string secondReport = ResultLines().Text();
    // A note typed under the report is undone, and nothing before it.
    Memo2()->setFocus();
    Memo2()->moveCursor(QTextCursor::End);
    QTest::keyClicks(Memo2(), QStringLiteral("note"));
    for (int undo = 0; undo < 3; ++undo)
        QTest::keyClick(Memo2(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ResultLines().Text(), secondReport);
    EXPECT_FALSE(Memo2()->document()->isUndoAvailable());
}

TEST_F(FitRoad, CurveOfChangedDataIsDrawnDashedAndLighterAndSaysSo)
{
    FitAndShow({ "1 1", "2 2", "3 3", "4 4", "5 5.5" }, "Straight Line");
    // The line under the report: constants on lines 2 and 3, an empty line, then the note.
    const int noteLine = 5;
    EXPECT_EQ(ResultLine(noteLine), "");
    // Pasted data: the fit no longer belongs to the points.
    QApplication::clipboard()->setText(QStringLiteral("6 9"));
    Memo1()->moveCursor(QTextCursor::End);
    Memo1()->paste();
    window->FormPaint();
    EXPECT_EQ(ResultLine(noteLine), "The data changed since this fit: Ctrl+Return fits again.");
    // Between two points the curve shows only in the lighter colour, with gaps.
    const QRgb lighter = 0xFF8080;
    std::set<QRgb> curveColours;
    for (int column = ColumnBetween(2, 3) - 10; column < ColumnBetween(2, 3) + 10; ++column)
        curveColours.insert(Rgb(GraphImage(), CurvePixel(column)));
    EXPECT_EQ(curveColours, (std::set<QRgb> { lighter, WhitePixel }));

    QTest::keyClick(Memo1(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_NE(ResultLine(noteLine - 2).find("A(1)"), std::string::npos);
    EXPECT_EQ(ResultLine(noteLine), "");
    EXPECT_EQ(Rgb(GraphImage(), CurvePixel(ColumnBetween(2, 3))), RedPixel);
}

TEST_F(FitRoad, StatisticsFollowTheReportAndBandsAndResidualsJoinTheGraph)
{
    // y = -0.1 + 0.9 x; residuals 0.2, 0.3, -0.6, -0.5, 0.6: R = 1.1, S = 9.2.
    TypeData({ "1 1", "2 2", "3 2", "4 3", "5 5" });
    ChooseMenu(MenuItem("FitData1"));
    Tick("StatisticsBox");
    const std::vector<std::string> statistics { "points used\t5", "constants fitted\t2",
        "degrees of freedom\t3", "residual sum of squares\t1.1000000e+00",
        "residual standard deviation\t6.0553007e-01", "R^2\t8.8043478e-01",
        "adjusted R^2\t8.4057971e-01" };
    for (int index = 0; index < 7; ++index)
        EXPECT_EQ(ResultLine(4 + index), statistics[std::size_t(index)]);
    const QFontMetrics metrics(Memo2()->font());
    EXPECT_GT(Memo2()->tabStopDistance(),
        metrics.horizontalAdvance(QStringLiteral("residual standard deviation")));

    const QPoint onCurve = CurvePixel(ColumnBetween(2, 3));
    Tick("ConfidenceBandBox");
    Tick("ResidualsBox");
    EXPECT_GT(window->workbench.graph.StripHeight, 0);
    // Beside the curve, inside the band, the plot takes a tint of the curve's red.
    const QRgb tinted = Rgb(GraphImage(), CurvePixel(onCurve.x()) + QPoint(0, 12));
    EXPECT_EQ(qRed(tinted), 255);
    EXPECT_LT(qGreen(tinted), 255);

    // The note of a changed fit stands under the statistics, after an empty line.
    QApplication::clipboard()->setText(QStringLiteral("6 9"));
    Memo1()->moveCursor(QTextCursor::End);
    Memo1()->paste();
    window->FormPaint();
    EXPECT_EQ(ResultLine(11), "");
    EXPECT_EQ(ResultLine(12), "The data changed since this fit: Ctrl+Return fits again.");
}

} // namespace
