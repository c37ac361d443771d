// SPDX-License-Identifier: GPL-3.0-or-later
// src/common/xml_text.h: captions made fit to stand in an XML document.
#pragma once

#include <string>
#include <string_view>

namespace common {

// text (UTF-8) without the characters an XML 1.0 document cannot carry: control characters
// other than tab, line feed and carriage return, U+FFFE, U+FFFF, and bytes that are not valid
// UTF-8 (surrogates among them). Everything else stays, in order.
std::string XmlCharacters(std::string_view text);

// XmlCharacters(text) with &, <, >, " and ' written as entities and tab, line feed and carriage
// return as character references, so that it stands as the content of an element or the value
// of an attribute and a parser gives back exactly XmlCharacters(text).
std::string EscapedXmlText(std::string_view text);

} // namespace common
