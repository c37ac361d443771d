// src/app/captions.h: the application's own title texts.
#pragma once

namespace app {

// Title of the error box.
inline constexpr char ApplicationTitle[] = "VARNEK32";
// Caption of the main window at start-up.
inline constexpr char StartCaption[] = "VARNEK32 -- 32-bit Varnekworks";

} // namespace app
