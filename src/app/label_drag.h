// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/label_drag.h: dragging a label of the window with the mouse.
#pragma once

class QLabel;
class QMimeData;

namespace app {

// The MIME type a dragged label travels as; its data is the label's object name in UTF-8.
inline constexpr char LabelMimeType[] = "application/x-varnek32-label";

// The dragged object is a label of this program.
bool CarriesLabel(const QMimeData* data);

// Drags label until it is dropped or the drag is cancelled; runs a nested event loop. The
// picture under the pointer is the label with its top-left corner at the pointer's tip, where a
// drop puts it.
void DragLabel(QLabel& label);

} // namespace app
