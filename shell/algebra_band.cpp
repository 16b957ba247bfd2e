// SPDX-License-Identifier: GPL-3.0-or-later
#include "algebra_band.hpp"

#include "board_algebra.hpp"

#include <array>
#include <string_view>

namespace zelmora {

namespace {

// The word the band puts before each part; the product and Board 4's two sides read as they are.
struct PartLabel {
    std::string_view part;
    std::string_view label;
};
constexpr std::array partLabels {
    PartLabel { "height", "الارتفاع" },
    PartLabel { "width", "العرض" },
    PartLabel { "vertical", "العامل الرأسي" },
    PartLabel { "horizontal", "العامل الأفقي" },
    PartLabel { "inside", "القطع داخل المستطيل" },
    // Board 2's tiles lie in the four quadrants, each rectangle in its own.
    PartLabel { "quadrants", "القطع في الأرباع" },
    PartLabel { "positive", "الموجب" },
    PartLabel { "negative", "السالب" },
    PartLabel { "total", "المجموع" },
};

std::string labelled(AlgebraPart const& part, bool signedArea)
{
    std::string_view const key = signedArea && part.name == "inside" ? "quadrants" : part.name;
    for (auto const& [name, label] : partLabels)
        if (name == key)
            return std::string(label) + ": " + part.text;
    return part.text;
}

std::string_view textOf(BoardAlgebra const& algebra, std::string_view name)
{
    for (auto const& part : algebra.parts)
        if (part.name == name)
            return part.text;
    return {};
}

constexpr std::string_view gap = "    ";

} // namespace

std::string algebraBandText(Form const& form)
{
    auto const algebra = describeBoardAlgebra(form);
    if (!algebra)
        return {};
    auto const& parts = algebra->parts;
    // Board 4 is one equation: left side = right side.
    if (!textOf(*algebra, "left").empty())
        return std::string(textOf(*algebra, "left")) + " = " + std::string(textOf(*algebra, "right"));
    bool const signedArea = !textOf(*algebra, "vertical").empty();
    std::string first;
    std::string second;
    for (auto const& part : parts) {
        // The factors share the first row; the product and what lies inside it the second.
        bool const secondRow = part.name == "product" || part.name == "inside" || part.name == "total";
        std::string& row = secondRow ? second : first;
        if (!row.empty())
            row += gap;
        row += labelled(part, signedArea);
    }
    // An empty rectangle with nothing inside makes no product worth a check mark.
    if (algebra->insideMakesProduct.value_or(false) && textOf(*algebra, "inside") != "0")
        second += " ✓";
    return second.empty() ? first : first + "\n" + second;
}

} // namespace zelmora
