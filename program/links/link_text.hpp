// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zelmora::links {

// A link's texts (goals, prompts, steps) are Arabic and Latin letters, digits and signs: packed,
// each of those takes one byte where UTF-8 takes two for an Arabic letter, which halves an
// Arabic prompt in the link. A byte below 0x7F is that ASCII character; a byte from 0x80 on is
// the character 0x80 places below it from U+0680, that is U+0600 to U+067F, the Arabic block's
// letters, marks, digits and signs; 0x7F brings any other character, as its code point in the
// link's variable-length number.
std::string packedText(std::string_view utf8);
// The UTF-8 text packed, or none when the bytes are no packed text: a character written the long
// way, a code point that is none, or the bytes ending inside a character.
std::optional<std::string> unpackedText(std::string_view packed);

} // namespace zelmora::links
