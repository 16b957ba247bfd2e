// SPDX-License-Identifier: GPL-3.0-or-later
#include "drop_outcome.hpp"

#include "boards/common/tile_board.hpp"
#include "tile_places.hpp"

#include <algorithm>
#include <cmath>

namespace zelmora {

namespace {

// Landing positions are rounded to whole twips by some boards; closer than this is "as dropped".
constexpr double sameSpot = 1;

bool isOpen(Application const& app, Form const* form)
{
    auto const& open = app.windowsFrontToBack();
    return std::find(open.begin(), open.end(), form) != open.end();
}

} // namespace

std::vector<DropWatch::TileState> DropWatch::statesOf(Form const& form)
{
    auto const& board = static_cast<TileBoard const&>(form);
    std::vector<TileState> states;
    for (int i = 0; i < board.traits().tileCount; ++i) {
        Control const& t = board.tile(i);
        states.push_back(
            { t.visible, t.left, t.top, t.width, t.height, t.left == board.homeLeft(i) && t.top == board.homeTop(i) });
    }
    return states;
}

std::optional<DropWatch> DropWatch::before(Application const& app)
{
    auto const drag = app.drag();
    if (!drag || !drag->form || !drag->control || !isTile(*drag->form, *drag->control))
        return std::nullopt;
    DropWatch watch;
    watch.m_form = drag->form;
    watch.m_dragged = drag->control;
    watch.m_landLeft = drag->pointerX - drag->grabX;
    watch.m_landTop = drag->pointerY - drag->grabY;
    watch.m_before = statesOf(*drag->form);
    return watch;
}

std::optional<std::string> DropWatch::after(Application const& app) const
{
    if (app.drag() || !isOpen(app, m_form))
        return std::nullopt;
    auto const after = statesOf(*m_form);
    // A tile leaves the board when it is hidden or sent back to its home from elsewhere.
    auto const left = [&](std::size_t i) {
        return m_before[i].visible && !m_before[i].atHome && (!after[i].visible || after[i].atHome);
    };
    auto const dragged = static_cast<std::size_t>(m_dragged->index);
    Control const& tile = *m_dragged;
    std::string const name = describeTile(*m_form, tile).value_or("");
    std::string const kind(spokenKind(tileKindOf(*m_form, tile).value_or(TileKind::One)));

    TileState const& was = m_before[dragged];
    TileState const& now = after[dragged];
    if (left(dragged) || (was.visible && !now.visible)) {
        for (std::size_t i = 0; i < after.size(); ++i)
            if (i != dragged && left(i))
                return "أُزيل زوج صفري من قطعتي " + kind;
        return "وُضعت قطعة " + kind + " في سلة المهملات";
    }
    if (now.width != was.width || now.height != was.height)
        return "دُوّرت " + name;
    if (now.left == was.left && now.top == was.top)
        return "لم تتحرك " + name;
    if (std::abs(double(now.left) - m_landLeft) < sameSpot && std::abs(double(now.top) - m_landTop) < sameSpot)
        return "نُقلت " + name;
    return "ثُبّتت " + name;
}

} // namespace zelmora
