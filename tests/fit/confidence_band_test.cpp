// SPDX-License-Identifier: GPL-3.0-or-later
// tests/fit/confidence_band_test.cpp: the Student t quantile, and the bands against the exact
// least-squares reference of the data as read.
#include "fit/confidence_band.h"

#include "fit/lsq_routine.h"
#include "support/exact_least_squares.h"
#include "support/points.h"
#include "support/reference_set.h"
#include "support/tolerance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace {

using common::Extended;
using fit::BandKind;
using test_support::Point;

class ConfidenceBandTest : public ::testing::Test {
protected:
    ConfidenceBandTest() { fit::AllocateWorkingStorage(m_fit); }
    ~ConfidenceBandTest() override { fit::ReleaseWorkingStorage(m_fit); }

    void Fit(const std::vector<Point>& list, fit::FitModel fitType, int order, bool zeroForce)
    {
        m_fit.FitType = fitType;
        m_fit.FitOrder = order;
        m_fit.ZeroForce = zeroForce;
        fit::LsqRoutine(test_support::PointsOf(list), m_fit);
        m_fit.FitValid = true;
    }

    fit::FitState m_fit;
};

// The x of every pixel column of a plot 1000 pixels wide over the plotted range of the points:
// the data's range widened by a tenth of it on each side and stretched to take in 0.
std::vector<Extended> PlottedAbscissae(const std::vector<Point>& list)
{
    const auto [low, high] = std::minmax_element(list.begin(), list.end());
    Extended xMin = low->first;
    Extended xMax = high->first;
    const Extended span = xMax - xMin;
    xMin = std::min<Extended>(xMin - span / 10, 0);
    xMax = std::max<Extended>(xMax + span / 10, 0);
    std::vector<Extended> abscissae;
    constexpr int Width = 1000;
    for (int column = 0; column <= Width; ++column)
        abscissae.push_back((xMax - xMin) * column / Width + xMin);
    return abscissae;
}

} // namespace

TEST(StudentTQuantile, MatchesTheClosedFormsOfOneAndTwoDegreesOfFreedom)
{
    // One degree of freedom: t = tan(pi L / 2); two: t = L sqrt(2 / (1 - L^2)), L the level.
    for (const Extended level : { 50.0L, 68.27L, 90.0L, 95.0L, 99.0L, 99.99L }) {
        SCOPED_TRACE(static_cast<double>(level));
        const Extended fraction = level / 100;
        EXPECT_TRUE(test_support::IsNear(fit::StudentTQuantile(level, 1),
            std::tan(std::numbers::pi_v<Extended> * fraction / 2), 1e-15L));
        EXPECT_TRUE(test_support::IsNear(fit::StudentTQuantile(level, 2),
            fraction * std::sqrt(2 / (1 - fraction * fraction)), 1e-15L));
    }
    EXPECT_TRUE(std::isnan(fit::StudentTQuantile(95, 0)));
    EXPECT_TRUE(std::isnan(fit::StudentTQuantile(100, 5)));
}

TEST_F(ConfidenceBandTest, HalfWidthsAgreeWithExactLeastSquaresOnCertifiedSets)
{
    // Filip and Wampler1-5 take the wide road; their bands come from the wide result.
    struct CertifiedCase {
        const char* file;
        int order;
        bool zeroForce;
    };
    const CertifiedCase cases[] = {
        { "Norris.dat", 1, false },
        { "Pontius.dat", 2, false },
        { "NoInt1.dat", 1, true },
        { "NoInt2.dat", 1, true },
        { "Filip.dat", 10, false },
        { "Wampler1.dat", 5, false },
        { "Wampler2.dat", 5, false },
        { "Wampler3.dat", 5, false },
        { "Wampler4.dat", 5, false },
        { "Wampler5.dat", 5, false },
    };
    for (const CertifiedCase& certified : cases) {
        SCOPED_TRACE(certified.file);
        const test_support::ReferenceSet set = test_support::LoadReferenceSet(
            test_support::FixturePath(std::string("nist/") + certified.file));
        ASSERT_FALSE(set.x.empty());
        std::vector<Point> list;
        for (std::size_t index = 0; index < set.x.size(); ++index)
            list.emplace_back(set.x[index], set.y[index]);
        Fit(list, certified.order == 1 ? fit::StraightLine : fit::Polynomial, certified.order,
            certified.zeroForce);
        const test_support::ExactFit exact
            = test_support::ExactLeastSquares(list, certified.order, certified.zeroForce);
        const auto bands = fit::FitBands::Of(m_fit, 95);
        ASSERT_TRUE(bands.has_value());
        const Extended t = bands->Quantile();

        for (const Extended x : PlottedAbscissae(list)) {
            const Extended leverage = exact.leverage(x);
            const Extended confidence = t * std::sqrt(exact.residualVariance * leverage);
            const Extended prediction = t * std::sqrt(exact.residualVariance * (1 + leverage));
            ASSERT_TRUE(
                test_support::IsNear(bands->HalfWidth(x, BandKind::Confidence), confidence, 1e-10L))
                << "x = " << static_cast<double>(x);
            ASSERT_TRUE(
                test_support::IsNear(bands->HalfWidth(x, BandKind::Prediction), prediction, 1e-10L))
                << "x = " << static_cast<double>(x);
        }
    }
}

TEST_F(ConfidenceBandTest, PowerLawBandIsTheLogarithmicBandMappedBack)
{
    // y near 3 x^1.5, fitted as a straight line through (ln x, ln y): the band is that line's,
    // through exp, so the curve stands at the geometric mean of its limits.
    std::vector<Point> list;
    for (int k = 1; k <= 12; ++k)
        list.emplace_back(k, 3 * std::pow(Extended(k), 1.5L) * (1 + 0.02L * ((k * 7) % 5 - 2)));
    Fit(list, fit::PowerLaw, 1, false);
    std::vector<Point> logarithms;
    for (int point = 1; point <= m_fit.FitPointCount; ++point)
        logarithms.emplace_back(m_fit.FitX[point], m_fit.FitY[point]);
    const test_support::ExactFit exact = test_support::ExactLeastSquares(logarithms, 1, false);
    const auto bands = fit::FitBands::Of(m_fit, 90);
    ASSERT_TRUE(bands.has_value());
    EXPECT_EQ(bands->DegreesOfFreedom(), 10);

    for (const Extended x : { 0.5L, 1.0L, 6.5L, 20.0L }) {
        SCOPED_TRACE(static_cast<double>(x));
        const Extended logCentre = m_fit.FitConstants[0] + m_fit.FitConstants[1] * std::log(x);
        const Extended halfWidth = bands->Quantile()
            * std::sqrt(exact.residualVariance * (1 + exact.leverage(std::log(x))));
        const auto limits = bands->At(x, BandKind::Prediction);
        ASSERT_TRUE(limits.has_value());
        EXPECT_TRUE(test_support::IsNear(limits->Lower, std::exp(logCentre - halfWidth), 1e-15L));
        EXPECT_TRUE(test_support::IsNear(limits->Upper, std::exp(logCentre + halfWidth), 1e-15L));
        EXPECT_TRUE(test_support::IsNear(
            std::sqrt(limits->Lower * limits->Upper), std::exp(logCentre), 1e-15L));
    }
    // No band where the power law has no logarithm.
    EXPECT_FALSE(bands->At(0, BandKind::Confidence).has_value());
}
