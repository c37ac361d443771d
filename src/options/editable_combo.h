// SPDX-License-Identifier: GPL-3.0-or-later
// src/options/editable_combo.h: combo boxes with an editable text, as the notebook's pages use
// them.
#pragma once

#include <QComboBox>
#include <QStringList>

namespace options {

// An editable combo box holding items with text as its initial text (empty: no item chosen).
// Typed text is taken as it is: no completion, and Return never adds an item.
QComboBox* MakeEditableCombo(const QStringList& items, const QString& text, QWidget* parent);

// The index of the item whose text is exactly the box's text, or -1 when none is. A match
// also becomes the box's current item, so its list opens on it.
int ChosenIndex(QComboBox& box);

} // namespace options
