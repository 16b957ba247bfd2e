// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace zelmora {

// A caption as it is drawn: "س2" is x squared, so its 2 is drawn raised and smaller after the
// letter; the caption's own text keeps the plain 2.
struct CaptionParts {
    std::string base;
    std::string exponent; // "" for a caption with none
};

// A 2 at the end of a caption, straight after an Arabic letter (the algebra's س and ص), is an
// exponent; a 2 after a space or a digit, or inside a word, is not. A tile the board counts
// negative is drawn with the band's minus before its caption ("−س"), which right to left stands
// on its right, as the band writes it.
CaptionParts splitCaptionExponent(std::string_view caption, bool negative = false);

} // namespace zelmora
