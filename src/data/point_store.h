// SPDX-License-Identifier: GPL-3.0-or-later
// src/data/point_store.h: the points read from the data pane and their plotted range.
#pragma once

#include "common/extended.h"

#include <algorithm>
#include <cassert>
#include <vector>

namespace data {

using common::Extended;

constexpr int MaxPoints = 600;

// One coordinate of the points, slots from 1 (slot 0 unused): MaxPoints slots, all 0 at first,
// as the window has them; a reading that keeps every point (the fitter's --all-points) makes
// room for more with Resize.
class PointSlots {
public:
    PointSlots()
        : m_values(MaxPoints + 1)
    {
    }

    Extended& operator[](int slot)
    {
        assert(slot >= 0 && slot <= SlotCount());
        return m_values[static_cast<std::size_t>(slot)];
    }
    const Extended& operator[](int slot) const
    {
        assert(slot >= 0 && slot <= SlotCount());
        return m_values[static_cast<std::size_t>(slot)];
    }
    int SlotCount() const { return static_cast<int>(m_values.size()) - 1; }
    // Slots 1..slotCount, never fewer than MaxPoints: new ones read 0, those kept keep theirs.
    void Resize(int slotCount);

private:
    std::vector<Extended> m_values;
};

// Slots count from 1: slot i belongs to line i of the data pane; slot 0 is unused.
// Points in use are slots 1..PointCount; slots above keep what an earlier reading left.
struct PointStore {
    PointSlots XData;
    PointSlots YData;
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
    // The last reading found more points than the store's slots and kept only the first ones.
    bool LinesLeftUnread = false;

    // The points the store holds: MaxPoints unless Reserve gave it more.
    int Capacity() const { return XData.SlotCount(); }
    // Room for pointCount points (at least MaxPoints) in both coordinates.
    void Reserve(int pointCount)
    {
        XData.Resize(pointCount);
        YData.Resize(pointCount);
    }
};

// Both hold the same points in use: the same PointCount and equal values in slots
// 1..PointCount. Ranges and settings are not compared.
bool HoldsSamePoints(const PointStore& left, const PointStore& right);

} // namespace data
