// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/decimal_separator.cpp: the decimal separator from the system locale.
#include "app/decimal_separator.h"

#include <QLocale>

namespace app {

std::string SystemDecimalSeparator() { return QLocale::system().decimalPoint().toStdString(); }

} // namespace app
