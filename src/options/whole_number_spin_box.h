// SPDX-License-Identifier: GPL-3.0-or-later
// src/options/whole_number_spin_box.h: a whole-number edit box with arrows and two bounds.
#pragma once

#include <QAbstractSpinBox>

namespace options {

// Unlike QSpinBox, the text is the state: it is never fixed up while typed or when the box loses
// the focus, and changing the bounds leaves it alone. Only setting the number (directly or by an
// arrow) limits it to the bounds, and only when they differ.
// TextChanged is emitted whenever the text changes, whoever changes it, and never otherwise.
class WholeNumberSpinBox : public QAbstractSpinBox {
    Q_OBJECT

public:
    explicit WholeNumberSpinBox(QWidget* parent = nullptr);

    // The whole number in the text, not limited to the bounds; the lower bound when the text
    // is not a whole number.
    int Value() const;
    // Writes value limited to the bounds (the lower bound first, then the upper one); when the
    // bounds are equal it is written as it is.
    void SetValue(int value);

    int MinValue() const { return m_minValue; }
    int MaxValue() const { return m_maxValue; }
    // Neither changes the text.
    void SetMinValue(int value) { m_minValue = value; }
    void SetMaxValue(int value) { m_maxValue = value; }

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& position) const override;
    QSize sizeHint() const override;

signals:
    void TextChanged();

protected:
    StepEnabled stepEnabled() const override;

private:
    int Limited(int value) const;

    int m_minValue = 0;
    int m_maxValue = 0;
};

} // namespace options
