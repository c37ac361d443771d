// SPDX-License-Identifier: GPL-3.0-or-later
// src/options/whole_number_spin_box.cpp: a whole-number edit box with arrows and two bounds.
#include "options/whole_number_spin_box.h"

#include <QLineEdit>
#include <QRegularExpression>

#include <algorithm>
#include <limits>

namespace options {

namespace {

    // Long enough for every 32-bit number with its sign.
    constexpr int MaxTextLength = 11;

} // namespace

WholeNumberSpinBox::WholeNumberSpinBox(QWidget* parent)
    : QAbstractSpinBox(parent)
{
    lineEdit()->setMaxLength(MaxTextLength);
    lineEdit()->setText(QStringLiteral("0"));
    connect(lineEdit(), &QLineEdit::textChanged, this, &WholeNumberSpinBox::TextChanged);
}

int WholeNumberSpinBox::Value() const
{
    bool isWholeNumber = false;
    const int value = text().toInt(&isWholeNumber);
    return isWholeNumber ? value : m_minValue;
}

void WholeNumberSpinBox::SetValue(int value)
{
    // QLineEdit reports no change when the text stays the same.
    lineEdit()->setText(QString::number(Limited(value)));
}

int WholeNumberSpinBox::Limited(int value) const
{
    if (m_minValue == m_maxValue)
        return value;
    if (value < m_minValue)
        return m_minValue;
    if (value > m_maxValue)
        return m_maxValue;
    return value;
}

void WholeNumberSpinBox::stepBy(int steps)
{
    const long long next = static_cast<long long>(Value()) + steps;
    SetValue(static_cast<int>(std::clamp<long long>(
        next, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())));
}

QAbstractSpinBox::StepEnabled WholeNumberSpinBox::stepEnabled() const
{
    if (isReadOnly())
        return StepNone;
    return StepUpEnabled | StepDownEnabled;
}

QValidator::State WholeNumberSpinBox::validate(QString& input, int& position) const
{
    Q_UNUSED(position);
    // Only what can grow into a whole number may be typed; an empty box or a lone sign waits.
    static const QRegularExpression wholeNumber(QStringLiteral("^-?[0-9]*$"));
    if (!wholeNumber.match(input).hasMatch())
        return QValidator::Invalid;
    if (input.isEmpty() || input == QStringLiteral("-"))
        return QValidator::Intermediate;
    return QValidator::Acceptable;
}

QSize WholeNumberSpinBox::sizeHint() const
{
    // The base class measures no text of its own; leave room for four digits and the arrows.
    QSize hint = QAbstractSpinBox::sizeHint();
    hint.setWidth(std::max(hint.width(),
        fontMetrics().horizontalAdvance(QStringLiteral("-0000")) + 2 * hint.height()));
    return hint;
}

} // namespace options
