// SPDX-License-Identifier: GPL-3.0-or-later
// tests/data/point_store_test.cpp: room for more points than the window holds.
#include "data/point_store.h"

#include <gtest/gtest.h>

namespace {

TEST(PointSlotsTest, ResizeKeepsTheSlotsItKeepsAndZeroesNewOnes)
{
    // Past a huge page (2 MiB) the new room is given as large pages: the values stay.
    struct Case {
        int slotCount;
        int expectedSlots;
    };
    for (const Case& sized : { Case { 300000, 300000 }, Case { 1000, 1000 },
             Case { 10, data::MaxPoints }, Case { 200000, 200000 } }) {
        SCOPED_TRACE(sized.slotCount);
        data::PointSlots slots;
        for (int slot = 1; slot <= data::MaxPoints; ++slot)
            slots[slot] = slot + 0.5L;
        slots.Resize(sized.slotCount);
        ASSERT_EQ(slots.SlotCount(), sized.expectedSlots);
        for (int slot = 1; slot <= sized.expectedSlots; ++slot)
            ASSERT_EQ(slots[slot], slot <= data::MaxPoints ? slot + 0.5L : 0) << slot;
    }
}

} // namespace
