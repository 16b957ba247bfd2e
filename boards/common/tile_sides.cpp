// SPDX-License-Identifier: GPL-3.0-or-later
#include "tile_sides.hpp"

#include "runtime/numbers.hpp"
#include "runtime/runtime_error.hpp"

#include <algorithm>

namespace zelmora {

namespace {

Single longSide(TileSizes const& sizes, TileKind kind)
{
    auto const size = sizes[static_cast<std::size_t>(kind)];
    return std::max(size.width, size.height);
}

} // namespace

SideLengths sideLengthsOf(TileSizes const& sizes)
{
    return {
        .unit = sizes[static_cast<std::size_t>(TileKind::One)].width,
        .five = longSide(sizes, TileKind::Five),
        .x = longSide(sizes, TileKind::X),
        .y = longSide(sizes, TileKind::Y),
    };
}

Polynomial sideTerm(SideLengths const& lengths, Single length)
{
    if (length == lengths.unit)
        return Polynomial::number(1);
    if (length == lengths.five)
        return Polynomial::number(5);
    if (length == lengths.x)
        return Polynomial::of(Term::X);
    if (length == lengths.y)
        return Polynomial::of(Term::Y);
    throw RuntimeError("A side of " + singleToText(length) + " twips is no tile length on this board");
}

Polynomial areaOf(TileKind kind)
{
    switch (kind) {
    case TileKind::X2:
        return Polynomial::of(Term::X2);
    case TileKind::X:
        return Polynomial::of(Term::X);
    case TileKind::Y2:
        return Polynomial::of(Term::Y2);
    case TileKind::Y:
        return Polynomial::of(Term::Y);
    case TileKind::XY:
        return Polynomial::of(Term::XY);
    case TileKind::Five:
        return Polynomial::number(5);
    case TileKind::One:
        return Polynomial::number(1);
    }
    return {};
}

} // namespace zelmora
