// src/app/editor_line_breaks.cpp: the characters the editor turns into line breaks.
#include "app/editor_line_breaks.h"

#include <array>

namespace app {

std::string AsTheEditorShowsIt(std::string_view text)
{
    // UTF-8 of U+2029 (paragraph separator), U+FDD0 and U+FDD1 (the document's frame marks).
    static constexpr std::array<std::string_view, 3> Breaks { "\xE2\x80\xA9", "\xEF\xB7\x90",
        "\xEF\xB7\x91" };
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        bool isBreak = false;
        for (const std::string_view lineBreak : Breaks) {
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
