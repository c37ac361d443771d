// SPDX-License-Identifier: GPL-3.0-or-later
// src/report/report_settings.h: the settings the fit report is written with.
#pragma once

#include <string>

namespace report {

struct ReportSettings {
    // 1 when constants are written with one more digit ("Extra digit of precision?").
    int PrecisionFlag = 0;
    std::string XUnitsText = "XUnits";
    std::string YUnitsText = "YUnits";
    // The window's report is followed by the fit's statistics ("Statistics").
    bool StatisticsShown = false;
};

} // namespace report
