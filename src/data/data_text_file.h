// src/data/data_text_file.h: the bytes of a data file and the data pane's text, each way.
#pragma once

#include <string>
#include <string_view>

namespace data {

// The mark some editors put in front of a UTF-8 text; it is not part of the data and would
// spoil the first line's number.
constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

// The text a data file puts into the data pane: CR LF, a lone LF and a lone CR each become one
// line break "\n", and a byte of value 0 ends the text (what follows it is dropped). Every
// other byte is kept as it is, so the result has the bytes' character encoding.
std::string PaneTextFromFileBytes(std::string_view bytes);

// The bytes of a data file holding text: each "\n" becomes CR LF, nothing else changes, and
// no line break is added after the last line. A text read by PaneTextFromFileBytes from a
// file whose breaks are all CR LF comes back as that file's bytes.
std::string FileBytesFromPaneText(std::string_view text);

} // namespace data
