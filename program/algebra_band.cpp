// SPDX-License-Identifier: GPL-3.0-or-later
#include "algebra_band.hpp"

#include <array>

namespace zelmora {

namespace {

// What goes before each part in the band. The factors are left out: the product names them.
struct BandPart {
    std::string_view name;
    std::string_view before;
};

constexpr std::array bandParts {
    BandPart { "product", "" },
    BandPart { "inside", "\nالقطع داخل المستطيل: " },
    BandPart { "positive", "الموجب: " },
    BandPart { "negative", "   السالب: " },
    BandPart { "total", "\nالمجموع: " },
    BandPart { "left", "" },
    BandPart { "right", " = " },
};
// Board 2's tiles lie in its four quadrants, each product rectangle in its own.
constexpr std::string_view quadrantsBefore = "\nالقطع في الأرباع: ";

bool has(BoardAlgebra const& algebra, std::string_view name)
{
    for (AlgebraPart const& part : algebra.parts)
        if (part.name == name)
            return true;
    return false;
}

} // namespace

std::string algebraBandText(BoardAlgebra const& algebra)
{
    bool const quadrants = has(algebra, "vertical");
    std::string text;
    std::string_view inside;
    for (AlgebraPart const& part : algebra.parts)
        for (BandPart const& shown : bandParts)
            if (shown.name == part.name) {
                bool const inQuadrants = quadrants && part.name == "inside";
                text += std::string(inQuadrants ? quadrantsBefore : shown.before) + part.text;
                if (part.name == "inside")
                    inside = part.text;
            }
    // An empty rectangle with nothing inside has no product to make.
    if (algebra.insideMakesProduct.value_or(false) && inside != "0")
        text += " ✓";
    return text;
}

std::string algebraBandText(Form const& form)
{
    auto const algebra = describeBoardAlgebra(form);
    if (!algebra)
        return {};
    if (auto const* frame = dynamic_cast<BandFrame const*>(form.companion()))
        return frame->frame(form, *algebra);
    return algebraBandText(*algebra);
}

std::string bandTextAsShown(Form const& form)
{
    return asShownInBand(algebraBandText(form));
}

std::string asShownInBand(std::string_view text)
{
    if (text.empty())
        return {};
    std::string shown = "\u200f";
    for (char const ch : text)
        shown += ch == '-' ? std::string("\u2212") : std::string(1, ch);
    return shown;
}

} // namespace zelmora
