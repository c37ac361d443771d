// SPDX-License-Identifier: GPL-3.0-or-later
// src/options/layout_tab_order.h: the controls of a page in the order its layout shows them.
#pragma once

#include <vector>

class QWidget;

namespace options {

// The page's own controls that Tab can reach (visible with the page, enabled, taking the focus
// by Tab), in reading order: rows from top to bottom, left to right within a row. Controls
// whose heights overlap stand in one row, as a layout's row of differently sized controls does.
// A control added to the page takes its place by its geometry, with no order to maintain.
std::vector<QWidget*> ControlsInLayoutOrder(const QWidget& page);

} // namespace options
