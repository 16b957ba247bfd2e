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

} // namespace

std::string algebraBandText(BoardAlgebra const& algebra)
{
    std::string text;
    for (AlgebraPart const& part : algebra.parts)
        for (BandPart const& shown : bandParts)
            if (shown.name == part.name)
                text += std::string(shown.before) + part.text;
    if (algebra.insideMakesProduct.value_or(false))
        text += " ✓";
    return text;
}

} // namespace zelmora
