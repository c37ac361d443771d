// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/application_cursor.cpp: the application-wide cursor over Qt's override cursor.
#include "app/application_cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace app {

void SetApplicationCursor(Qt::CursorShape shape)
{
    const QCursor* current = QGuiApplication::overrideCursor();
    if (current == nullptr)
        QGuiApplication::setOverrideCursor(QCursor(shape));
    else if (current->shape() != shape)
        QGuiApplication::changeOverrideCursor(QCursor(shape));
}

} // namespace app
