// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_queries.hpp"

#include "shell/board_algebra.hpp"

namespace zelmora {

namespace {

// frmZelmora1.algebra height="س + 1" width="2س + 3" product="..." inside="0"
std::optional<std::string> algebraLine(Form const& form)
{
    auto const algebra = describeBoardAlgebra(form);
    if (!algebra)
        return std::nullopt;
    std::string line = form.name() + ".algebra";
    for (auto const& part : algebra->parts)
        line += " " + std::string(part.name) + "=\"" + part.text + "\"";
    return line + "\n";
}

} // namespace

bool isBoardQuery(std::string_view what)
{
    return what == "algebra";
}

std::optional<std::string> boardQuery(Form const& form, std::string_view what)
{
    if (what == "algebra")
        return algebraLine(form);
    return std::nullopt;
}

} // namespace zelmora
