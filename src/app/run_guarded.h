// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/run_guarded.h: the one place where a failing command is reported to the user.
#pragma once

#include <functional>

class QWidget;

namespace app {

class Dialogs;

// Runs action; a failure it throws ends it at the failing step and is shown by dialogs' error box
// over parent as its message followed by "." (running out of memory and any other standard
// exception likewise). Nothing propagates, so no exception unwinds through a Qt frame. What
// the action changed before the failure stays changed. Every handler runs through here.
void RunGuarded(Dialogs& dialogs, QWidget* parent, const std::function<void()>& action);

} // namespace app
