// SPDX-License-Identifier: GPL-3.0-or-later
#include "caption_exponent.hpp"

#include "algebra_band.hpp"

namespace zelmora {

namespace {

// Arabic letters are two bytes in UTF-8, the first 0xD8 to 0xDB (U+0600 to U+06FF); the digits of
// that block (U+0660 to U+0669) are no letters.
bool endsWithArabicLetter(std::string_view text)
{
    if (text.size() < 2)
        return false;
    auto const lead = static_cast<unsigned char>(text[text.size() - 2]);
    auto const trail = static_cast<unsigned char>(text.back());
    unsigned const code = ((lead & 0x1Fu) << 6) | (trail & 0x3Fu);
    bool const twoBytes = (lead & 0xE0u) == 0xC0u && (trail & 0xC0u) == 0x80u;
    bool const arabicDigit = code >= 0x660 && code <= 0x669;
    return twoBytes && code >= 0x620 && code <= 0x6FF && !arabicDigit;
}

} // namespace

CaptionParts splitCaptionExponent(std::string_view caption, bool negative)
{
    std::string const sign = negative ? withTrueMinus("-") : std::string();
    if (caption.ends_with('2') && endsWithArabicLetter(caption.substr(0, caption.size() - 1)))
        return { sign + std::string(caption.substr(0, caption.size() - 1)), "2" };
    return { sign + std::string(caption), {} };
}

} // namespace zelmora
