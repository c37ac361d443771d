// SPDX-License-Identifier: GPL-3.0-or-later
// src/options/layout_tab_order.cpp: reading order of a page's controls from their geometry.
#include "options/layout_tab_order.h"

#include <QWidget>

#include <algorithm>

namespace options {

std::vector<QWidget*> ControlsInLayoutOrder(const QWidget& page)
{
    std::vector<QWidget*> controls;
    for (QWidget* child : page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if ((child->focusPolicy() & Qt::TabFocus) && child->isVisibleTo(&page)
            && child->isEnabled())
            controls.push_back(child);
    }
    std::sort(controls.begin(), controls.end(), [](const QWidget* left, const QWidget* right) {
        return left->geometry().center().y() < right->geometry().center().y();
    });
    // Rows from the top: a control belongs to the row above while it starts above that row's
    // bottom; then each row from left to right.
    auto rowStart = controls.begin();
    while (rowStart != controls.end()) {
        int rowBottom = (*rowStart)->geometry().bottom();
        auto rowEnd = std::next(rowStart);
        while (rowEnd != controls.end() && (*rowEnd)->geometry().top() <= rowBottom) {
            rowBottom = std::max(rowBottom, (*rowEnd)->geometry().bottom());
            ++rowEnd;
        }
        std::stable_sort(rowStart, rowEnd,
            [](const QWidget* left, const QWidget* right) { return left->x() < right->x(); });
        rowStart = rowEnd;
    }
    return controls;
}

} // namespace options
