// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_queries.hpp"

#include "program/accessible_names.hpp"
#include "program/algebra_band.hpp"
#include "program/board_algebra.hpp"

#include <algorithm>

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

// frmZelmora1.Command10 name="رجوع" role=button, one line per control a screen reader lists.
std::string namesLines(Form const& form)
{
    std::string lines;
    for (Control const* c : accessibleControls(form))
        lines += form.name() + "." + c->qualifiedName() + " name=\"" + accessibleNameOf(form, *c)
            + "\" role=" + std::string(roleToken(accessibleRoleOf(*c))) + "\n";
    return lines;
}

// frmZelmora1.band="…", one line per row of the band under the board, as every view shows it.
std::optional<std::string> bandLines(Form const& form)
{
    std::string const text = algebraBandText(form);
    if (text.empty())
        return std::nullopt;
    std::string lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t const end = std::min(text.find('\n', start), text.size());
        lines += form.name() + ".band=\"" + text.substr(start, end - start) + "\"\n";
        start = end + 1;
    }
    return lines;
}

} // namespace

bool isBoardQuery(std::string_view what)
{
    return what == "algebra" || what == "names" || what == "band";
}

std::optional<std::string> boardQuery(Form const& form, std::string_view what)
{
    if (what == "algebra")
        return algebraLine(form);
    if (what == "names")
        return namesLines(form);
    if (what == "band")
        return bandLines(form);
    return std::nullopt;
}

} // namespace zelmora
