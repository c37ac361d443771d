// src/app/captions.h: the application's own title texts.
#pragma once

namespace app {

// Title of the error box.
inline constexpr char ApplicationTitle[] = "VARNEK32";
// Caption of the main window at start-up.
inline constexpr char StartCaption[] = "VARNEK32 -- 32-bit Varnekworks";
// Caption of the main window after Open, followed by the file's name without its directory.
inline constexpr char OpenedCaption[] = "VARNEK -- Varnekworks: ";

} // namespace app
