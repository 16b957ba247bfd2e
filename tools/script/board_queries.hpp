// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/form.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace zelmora {

// The queries about what a window stands for: `algebra`, the `band` a view shows under the board,
// and `names` as a screen reader reads them.
bool isBoardQuery(std::string_view what);

// The query's lines, each ending in a newline; none when the window has nothing to say (the
// menu has no algebra).
std::optional<std::string> boardQuery(Form const&, std::string_view what);

} // namespace zelmora
