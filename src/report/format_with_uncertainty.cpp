// SPDX-License-Identifier: GPL-3.0-or-later
// src/report/format_with_uncertainty.cpp: the five written forms of a value with its uncertainty.
#include "report/format_with_uncertainty.h"

#include "common/fixed_text.h"
#include "common/floating_point_step.h"
#include "common/integer_conversions.h"
#include "common/number_reader.h"

#include <algorithm>
#include <cmath>

namespace report {

using common::Extended;

namespace {

    // ln 10 rounded to Extended, so t(x) does not depend on how the compiler folds log(10).
    constexpr Extended Ln10 = 2.302585092994045684017991454684364208L;

    // Last digits kept when the uncertainty is 0: 15 significant digits of the value.
    constexpr int ExactFitDigits = 14;

    // t(x): the integer part of log10|x| towards zero, taken as ln|x| / ln 10. x is not 0.
    int DecimalExponent(Extended x)
    {
        common::ClearFloatingPointFlags();
        Extended quotient = std::log(std::fabs(x)) / Ln10;
        common::EndFloatingPointStep(quotient);
        return common::Trunc(quotient);
    }

    std::string ExponentSuffix(int exponent)
    {
        std::string suffix = "E";
        suffix += std::to_string(exponent);
        return suffix;
    }

    // How one number of the pair is written, once the display exponent and the last-digit
    // position are known.
    class NumberWriter {
    public:
        NumberWriter(int displayExponent, int lastDigit, bool exactFit)
            : m_displayExponent(displayExponent)
            , m_lastDigit(lastDigit)
            , m_exactFit(exactFit)
        {
            // Both from the text "1.00E<n>", read with "." whatever the locale; 10^E first.
            m_tenToE = common::PowerOfTen(displayExponent);
            m_tenToC = common::PowerOfTen(lastDigit);
        }

        std::string Write(Extended x) const
        {
            if (m_lastDigit >= 1 && m_displayExponent >= 4) {
                // Coarse scientific: whole steps of 10^c, shown in units of 10^E.
                Extended steps = x / m_tenToC;
                common::EndFloatingPointStep(steps);
                // The step count is a 32-bit integer; an exact fit's 15 digits exceed that range
                // and are rounded in Extended instead.
                const Extended whole = m_exactFit ? common::RoundHalfEven(steps)
                                                  : static_cast<Extended>(common::Nearest(steps));
                Extended shown = whole / (m_tenToE / m_tenToC);
                common::EndFloatingPointStep(shown);
                return common::FixedText(shown, 0, m_displayExponent - m_lastDigit)
                    + ExponentSuffix(m_displayExponent);
            }
            if (m_lastDigit >= 1) {
                // Rounded whole number, ties to even steps; a value that rounds to no step at
                // all is written "0".
                const Extended steps = static_cast<Extended>(common::Nearest(x / m_tenToC));
                Extended rounded = steps * m_tenToC;
                common::EndFloatingPointStep(rounded);
                return std::to_string(common::Nearest(rounded));
            }
            if (m_lastDigit >= -3)
                return common::FixedText(x, 0, -m_lastDigit);
            // Fine scientific: no suffix when the display exponent is 0.
            Extended shown = x / m_tenToE;
            common::EndFloatingPointStep(shown);
            std::string text = common::FixedText(shown, 0, m_displayExponent - m_lastDigit);
            if (m_displayExponent != 0)
                text += ExponentSuffix(m_displayExponent);
            return text;
        }

    private:
        int m_displayExponent;
        int m_lastDigit;
        bool m_exactFit;
        Extended m_tenToE = 1;
        Extended m_tenToC = 1;
    };

} // namespace

std::string FormatWithUncertainty(Extended value, Extended uncertainty, int precisionFlag)
{
    if (value == 0 && uncertainty == 0)
        return "0 +/- 0 ";
    // An exact 0 is written unsigned whatever its sign bit.
    if (value == 0)
        value = 0;

    const bool exactFit = uncertainty == 0;
    int displayExponent = 0;
    int lastDigit = 0;
    if (exactFit) {
        const int valueExponent = DecimalExponent(value);
        displayExponent = valueExponent;
        lastDigit = valueExponent - ExactFitDigits;
    } else {
        const int uncertaintyExponent = DecimalExponent(uncertainty);
        displayExponent = value == 0 ? uncertaintyExponent
                                     : std::max(uncertaintyExponent, DecimalExponent(value));
        // The threshold moves with the precision flag: 1 for one significant digit, 10 for two.
        const Extended threshold = precisionFlag == 0 ? 1 : 10;
        if (std::fabs(uncertainty) > threshold) {
            lastDigit = uncertaintyExponent - precisionFlag;
        } else {
            common::ClearFloatingPointFlags();
            Extended reciprocal = 1 / uncertainty;
            common::EndFloatingPointStep(reciprocal);
            lastDigit = -DecimalExponent(reciprocal) - 1 - precisionFlag;
        }
    }
    if (displayExponent < 0)
        displayExponent = displayExponent - 1;

    common::ClearFloatingPointFlags();
    const NumberWriter writer(displayExponent, lastDigit, exactFit);
    std::string text = writer.Write(value);
    text += " +/- ";
    text += writer.Write(uncertainty);
    text += ' ';
    return text;
}

} // namespace report
