// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/help_texts.h: what the Help menu shows: the keys of the window and the About box.
#pragma once

#include <QString>

namespace app {

// The window's keys and what they do, one row a key group, as rich text (the README's table).
QString KeysText();

// The program's name and version, its licence, and the libraries it runs on with the versions
// it runs with (Qt as loaded, the others as built against or loaded), as rich text.
QString AboutText();

} // namespace app
