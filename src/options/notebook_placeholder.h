// src/options/notebook_placeholder.h: the options notebook's frame, until its pages are built.
#pragma once

class QTabWidget;
class QWidget;

namespace options {

// Creates TabbedNotebook1 on parent: four empty pages "Fit &Data", "&Colors", "&Titles" and
// "&Markers", 321 x 233 pixels at (48, 24), hidden.
QTabWidget* CreateNotebookPlaceholder(QWidget* parent);

} // namespace options
