// SPDX-License-Identifier: GPL-3.0-or-later
#include "algebra_band.hpp"

#include <array>

namespace zelmora {

namespace {

// What goes before each part in the band. The factors are left out: the product names them.
// A part whose words begin with a line break begins a row of its own.
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

std::optional<std::string> partText(BoardAlgebra const& algebra, std::string_view name)
{
    for (AlgebraPart const& part : algebra.parts)
        if (part.name == name)
            return part.text;
    return std::nullopt;
}

// The product's row: the factors on the left, the first leftmost, as the strip that measures it
// stands left of the other (Board 1's height strip; Board 2's vertical arm reads the same way),
// and what they multiply to on the right. Plain should the product's words not start with them.
BandRow productRow(BoardAlgebra const& algebra, std::string const& product)
{
    bool const quadrants = partText(algebra, "vertical").has_value();
    auto const first = partText(algebra, quadrants ? "vertical" : "height");
    auto const second = partText(algebra, quadrants ? "horizontal" : "width");
    if (!first || !second)
        return plainRow(product);
    std::vector<std::string> factors { "(" + *first + ")", "(" + *second + ")" };
    std::string const before = factors[0] + factors[1] + " = ";
    if (!product.starts_with(before))
        return plainRow(product);
    return equationRow(std::move(factors), "=", product.substr(before.size()));
}

} // namespace

std::string withTrueMinus(std::string_view text)
{
    std::string shown;
    for (char const ch : text)
        shown += ch == '-' ? std::string("\u2212") : std::string(1, ch);
    return shown;
}

BandRow plainRow(std::string text)
{
    return { std::move(text), std::nullopt };
}

BandRow equationRow(std::vector<std::string> left, std::string relation, std::string right)
{
    std::string text;
    for (std::string const& piece : left)
        text += piece;
    text += " " + relation + " " + right;
    return { std::move(text), BandSides { std::move(left), std::move(relation), std::move(right) } };
}

std::vector<BandRow> algebraBandRows(BoardAlgebra const& algebra)
{
    bool const quadrants = partText(algebra, "vertical").has_value();
    std::vector<BandRow> rows;
    std::string_view inside;
    for (AlgebraPart const& part : algebra.parts)
        for (BandPart const& shown : bandParts) {
            if (shown.name != part.name)
                continue;
            std::string_view before = quadrants && part.name == "inside" ? quadrantsBefore : shown.before;
            if (rows.empty() || before.starts_with('\n')) {
                rows.emplace_back();
                if (before.starts_with('\n'))
                    before.remove_prefix(1);
            }
            rows.back().text += std::string(before) + part.text;
            if (part.name == "product")
                rows.back() = productRow(algebra, rows.back().text);
            if (part.name == "inside")
                inside = part.text;
        }
    // The balance's pans make one equation, each pan's side under it.
    auto const left = partText(algebra, "left");
    auto const right = partText(algebra, "right");
    if (left && right && rows.size() == 1)
        rows.front() = equationRow({ *left }, "=", *right);
    // An empty rectangle with nothing inside has no product to make.
    if (algebra.insideMakesProduct.value_or(false) && inside != "0" && !rows.empty())
        rows.back().text += " ✓";
    return rows;
}

std::vector<BandRow> algebraBandRows(Form const& form)
{
    auto const algebra = describeBoardAlgebra(form);
    if (!algebra)
        return {};
    if (auto const* frame = dynamic_cast<BandFrame const*>(form.companion()))
        return frame->frame(form, *algebra);
    return algebraBandRows(*algebra);
}

std::string joinedBandText(std::vector<BandRow> const& rows)
{
    std::string text;
    for (BandRow const& row : rows)
        text += (&row == rows.data() ? "" : "\n") + row.text;
    return text;
}

std::string algebraBandText(BoardAlgebra const& algebra)
{
    return joinedBandText(algebraBandRows(algebra));
}

std::string algebraBandText(Form const& form)
{
    return joinedBandText(algebraBandRows(form));
}

std::string bandTextAsShown(Form const& form)
{
    return bandTextAsShown(algebraBandText(form));
}

std::string bandTextAsShown(std::string_view text)
{
    if (text.empty())
        return {};
    return "\u200f" + withTrueMinus(text);
}

std::vector<BandRow> bandRowsAsShown(Form const& form)
{
    return bandRowsAsShown(algebraBandRows(form));
}

std::vector<BandRow> bandRowsAsShown(std::vector<BandRow> rows)
{
    for (BandRow& row : rows) {
        row.text = withTrueMinus(row.text);
        if (!row.sides)
            continue;
        for (std::string& piece : row.sides->left)
            piece = withTrueMinus(piece);
        row.sides->right = withTrueMinus(row.sides->right);
    }
    return rows;
}

} // namespace zelmora
