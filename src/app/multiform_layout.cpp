// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/multiform_layout.cpp: the layout pass that places the panes.
#include "app/multiform.h"

#include "app/client_surface.h"
#include "app/qt_text_lines.h"

#include <QPlainTextEdit>

#include <algorithm>

namespace app {

void TMultiform::Reallocate()
{
    const int paneOffset = workbench.layout.PaneOffset;
    workbench.graph.YLabelMoved = false;
    DataWindow->move(paneOffset, paneOffset);
    Memo1->setGeometry(0, 0, DataWindow->width(), DataWindow->height());
    // The results pane hangs below the data pane, as wide as it, down to the client bottom.
    const int resultsTop = DataWindow->y() + DataWindow->height();
    FitResultsWindow->setGeometry(DataWindow->x(), resultsTop, DataWindow->width(),
        std::max(0, ClientArea->height() - resultsTop));
    Memo2->setGeometry(0, 0, FitResultsWindow->width(), FitResultsWindow->height());
    FormPaint();
}

} // namespace app
