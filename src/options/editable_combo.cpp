// SPDX-License-Identifier: GPL-3.0-or-later
// src/options/editable_combo.cpp: combo boxes with an editable text, as the notebook's pages use
// them.
#include "options/editable_combo.h"

#include <QLineEdit>

namespace options {

QComboBox* MakeEditableCombo(const QStringList& items, const QString& text, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    // Inline completion would turn a typed "P" into "Polynomial fit" and choose it at once.
    box->setCompleter(nullptr);
    box->addItems(items);
    box->setCurrentIndex(static_cast<int>(items.indexOf(text)));
    box->setEditText(text);
    return box;
}

int ChosenIndex(QComboBox& box)
{
    const int index = box.findText(box.currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0 && index != box.currentIndex())
        box.setCurrentIndex(index);
    return index;
}

} // namespace options
