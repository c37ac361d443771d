// src/app/run_guarded.h: the one place where a failing command is reported to the user.
#pragma once

#include <functional>

namespace app {

class TMultiform;

// Runs action; a failure it throws ends it at the failing step and is shown in the window's
// error box as its message followed by "." (running out of memory and any other standard
// exception likewise). Nothing propagates, so no exception unwinds through a Qt frame. What
// the action changed before the failure stays changed. Every handler runs through here.
void RunGuarded(TMultiform& window, const std::function<void()>& action);

} // namespace app
