// src/data/point_store.h: the points read from the data pane and their plotted range.
#pragma once

#include "common/extended.h"

#include <array>

namespace data {

using common::Extended;

constexpr int MaxPoints = 600;

// Slots count from 1: slot i belongs to line i of the data pane; slot 0 is unused.
// Points in use are slots 1..PointCount; slots above keep what an earlier reading left.
struct PointStore {
    std::array<Extended, MaxPoints + 1> XData {};
    std::array<Extended, MaxPoints + 1> YData {};
    int PointCount = 0;
    // At the last reading the pane held at least one line with a character in it.
    bool DataPresent = false;
    // Plotted ranges, margins and zero stretching included.
    Extended XMin = 0;
    Extended XMax = 0;
    Extended YMin = 0;
    Extended YMax = 0;
    int MarginPercent = 10;
    bool SuppressZero = false;
    // The last reading found more than MaxPoints data lines and read only the first MaxPoints.
    bool LinesLeftUnread = false;
};

// Both hold the same points in use: the same PointCount and equal values in slots
// 1..PointCount. Ranges and settings are not compared.
bool HoldsSamePoints(const PointStore& left, const PointStore& right);

} // namespace data
