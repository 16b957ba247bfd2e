// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace zelmora {

// The seven kinds of algebra tile. A tile's kind follows from its index in the pool alone.
enum class TileKind { X2, X, Y2, Y, XY, Five, One };

inline constexpr std::array allTileKinds { TileKind::X2, TileKind::X, TileKind::Y2, TileKind::Y, TileKind::XY,
    TileKind::Five, TileKind::One };

// "س" is x and "ص" is y.
constexpr std::string_view captionOf(TileKind kind)
{
    switch (kind) {
    case TileKind::X2:
        return "س2";
    case TileKind::X:
        return "س";
    case TileKind::Y2:
        return "ص2";
    case TileKind::Y:
        return "ص";
    case TileKind::XY:
        return "س ص";
    case TileKind::Five:
        return "5";
    case TileKind::One:
        return "1";
    }
    return "";
}

} // namespace zelmora
