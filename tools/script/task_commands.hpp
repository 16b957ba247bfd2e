// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/form.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace zelmora {

// The queries about a window's task: `goal`, `check` and `steps`.
bool isTaskQuery(std::string_view what);
// The query's lines, each ending in a newline; none for a window that is no board.
std::optional<std::string> taskQuery(Form const&, std::string_view what);

} // namespace zelmora
