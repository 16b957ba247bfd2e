// SPDX-License-Identifier: GPL-3.0-or-later
#include "link_tab_order.hpp"

#include <algorithm>
#include <numeric>

namespace zelmora::links {

namespace {

// The tiles in the order their places give.
std::vector<std::size_t> inTabOrder(std::vector<int> const& places)
{
    std::vector<std::size_t> order(places.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return places[a] < places[b]; });
    return order;
}

std::vector<int> sorted(std::vector<int> places)
{
    std::sort(places.begin(), places.end());
    return places;
}

} // namespace

std::optional<std::vector<std::size_t>> tabLeaders(std::vector<int> const& fresh, std::vector<int> const& live)
{
    if (sorted(live) != sorted(fresh))
        return std::nullopt;
    std::vector<std::size_t> const order = inTabOrder(live);
    // The followers are the longest tail of the order that keeps the fresh order.
    std::size_t leaders = order.size();
    while (leaders > 0 && (leaders == order.size() || fresh[order[leaders - 1]] < fresh[order[leaders]]))
        --leaders;
    return std::vector<std::size_t>(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(leaders));
}

std::optional<std::vector<int>> tabPlacesLedBy(std::vector<int> const& fresh, std::vector<std::size_t> const& leaders)
{
    std::vector<bool> leads(fresh.size(), false);
    for (std::size_t tile : leaders) {
        if (tile >= fresh.size() || leads[tile])
            return std::nullopt;
        leads[tile] = true;
    }
    std::vector<std::size_t> order = leaders;
    for (std::size_t tile : inTabOrder(fresh))
        if (!leads[tile])
            order.push_back(tile);
    std::vector<int> const places = sorted(fresh);
    std::vector<int> live(fresh.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        live[order[k]] = places[k];
    return live;
}

} // namespace zelmora::links
