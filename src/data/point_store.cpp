// src/data/point_store.cpp: comparing the points of two readings.
#include "data/point_store.h"

namespace data {

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
