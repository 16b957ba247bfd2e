// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boards/common/tile_kind.hpp"
#include "runtime/form.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace zelmora {

// How a kind is read aloud: its caption "س2" would be read as "seen two".
std::string_view spokenKind(TileKind);

// Whether a control is one of a board's tiles, not the special member of Command1.
bool isTile(Form const&, Control const&);

// The kind of a tile; none for a control that is no tile.
std::optional<TileKind> tileKindOf(Form const&, Control const&);

// A tile as a learner hears it: "قطعة س موجبة، في الكفة اليسرى، المنطقة الموجبة". Where it lies
// comes from the same region rules that measuring, marking and the algebra use. None for a
// control that is no tile.
std::optional<std::string> describeTile(Form const&, Control const&);

} // namespace zelmora
