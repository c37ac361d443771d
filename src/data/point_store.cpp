// SPDX-License-Identifier: GPL-3.0-or-later
// src/data/point_store.cpp: room for the points, and comparing the points of two readings.
#include "data/point_store.h"

#include "common/large_pages.h"

namespace data {

void PointSlots::Resize(int slotCount)
{
    const std::size_t size = static_cast<std::size_t>(std::max(slotCount, MaxPoints)) + 1;
    std::vector<Extended> values;
    values.reserve(size);
    // A million points fill 16 MB a coordinate.
    common::PreferLargePages(values.data(), size * sizeof(Extended));
    values.assign(m_values.begin(), m_values.begin() + std::min(size, m_values.size()));
    values.resize(size);
    m_values = std::move(values);
}

bool HoldsSamePoints(const PointStore& left, const PointStore& right)
{
    if (left.PointCount != right.PointCount)
        return false;
    for (int i = 1; i <= left.PointCount; ++i)
        if (left.XData[i] != right.XData[i] || left.YData[i] != right.YData[i])
            return false;
    return true;
}

} // namespace data
