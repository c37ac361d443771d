// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/application_cursor.h: the one cursor shape the whole application shows.
#pragma once

#include <Qt>

namespace app {

// Sets the application-wide cursor, which overrides the own cursor of every control (the
// editors' text cursor included) until it is set again. The first call installs the override;
// later calls change it in place, so the override stack never grows.
void SetApplicationCursor(Qt::CursorShape shape);

} // namespace app
