// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/editor_line_breaks.cpp: a text with the editor's line-break characters made line breaks.
#include "app/editor_line_breaks.h"

#include "data/data_text_file.h"

namespace app {

std::string AsTheEditorShowsIt(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        bool isBreak = false;
        for (const std::string_view lineBreak : data::EditorLineBreakCharacters) {
            if (text.substr(at).starts_with(lineBreak)) {
                shown += '\n';
                at += lineBreak.size();
                isBreak = true;
                break;
            }
        }
        if (!isBreak)
            shown += text[at++];
    }
    return shown;
}

} // namespace app
