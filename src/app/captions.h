// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/captions.h: the application's own title texts and fixed messages.
#pragma once

namespace app {

// Title of the error box.
inline constexpr char ApplicationTitle[] = "VARNEK32";
// Caption of the main window at start-up.
inline constexpr char StartCaption[] = "VARNEK32 -- 32-bit Varnekworks";
// Caption of the main window after Open, followed by the file's name without its directory.
inline constexpr char OpenedCaption[] = "VARNEK -- Varnekworks: ";
// What "Save changes to NAME?" calls a data pane that no file holds yet.
inline constexpr char UntitledFileName[] = "Untitled";
// The line under the report once the points differ from those of its fit.
inline constexpr char StaleFitNote[] = "The data changed since this fit: Ctrl+Return fits again.";
// Said once when Open loads a file holding U+2029, U+FDD0 or U+FDD1.
inline constexpr char LineBreakCharactersNotice[]
    = "This file holds characters that the data pane shows as line breaks (U+2029, U+FDD0 or "
      "U+FDD1). Saved unchanged, the file stays as it is; once its text is changed, Save writes "
      "line breaks in their place.";

} // namespace app
