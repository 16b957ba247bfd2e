// SPDX-License-Identifier: GPL-3.0-or-later
#include "tile_pool.hpp"

#include "runtime/layout_builder.hpp"
#include "runtime/runtime_error.hpp"

#include <map>

namespace zelmora {

std::optional<TileKind> kindOfMember(std::span<IndexRun const> runs, int index)
{
    for (auto const& run : runs)
        if (index >= run.first && index <= run.last)
            return run.kind;
    return std::nullopt;
}

std::vector<Control> makeTiles(TileSetDesign const& design)
{
    int const count = design.runs.back().last + 1;
    std::map<int, std::pair<float, float>> homeOf;
    for (auto const& spot : design.homes)
        for (auto const& [first, last] : spot.members)
            for (int i = first; i <= last; ++i)
                if (!homeOf.emplace(i, std::pair { spot.left, spot.top }).second)
                    throw RuntimeError("Tile " + std::to_string(i) + " has two homes");

    std::vector<Control> tiles;
    tiles.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        auto const kind = *kindOfMember(design.runs, i);
        auto const home = homeOf.find(i);
        if (home == homeOf.end())
            throw RuntimeError("Tile " + std::to_string(i) + " has no home");
        auto const size = design.sizes[static_cast<std::size_t>(kind)];
        Control tile = button("Command1", std::string(captionOf(kind)),
            { home->second.first, home->second.second, size.width, size.height })
                           .member(i)
                           .back(0x30AFFC);
        tile.visible = design.visible;
        tile.appearance = design.appearance;
        tiles.push_back(std::move(tile));
    }
    return tiles;
}

std::vector<int> indexSequence(std::initializer_list<std::pair<int, int>> stretches)
{
    std::vector<int> order;
    for (auto const& [from, to] : stretches) {
        int const step = from <= to ? 1 : -1;
        for (int i = from;; i += step) {
            order.push_back(i);
            if (i == to)
                break;
        }
    }
    return order;
}

std::vector<int> const& paletteCheckOrder(TileKind kind)
{
    static std::map<TileKind, std::vector<int>> const orders = [] {
        std::map<TileKind, std::vector<int>> table;
        for (auto const& run : paletteBoardRuns)
            for (int i = run.first; i <= run.last; ++i)
                table[run.kind].push_back(i);
        // The unit squares are looked for in an order of their own: 111 and 112 before 110,
        // and 129 kept for last.
        table[TileKind::One] = indexSequence({ { 111, 112 }, { 110, 110 }, { 113, 128 }, { 130, 140 }, { 129, 129 } });
        return table;
    }();
    return orders.at(kind);
}

} // namespace zelmora
