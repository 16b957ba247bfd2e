// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/types.hpp"

#include <optional>
#include <string_view>

namespace zelmora {

// The runtime's keys by the names that zelmora-script and the page give them: "tab",
// "shift+tab", "space", "enter", the arrows with or without "shift+", "escape", "delete", "r",
// "pagedown" and "pageup", with "]" and "[" for the same two.
std::optional<Key> keyNamed(std::string_view name);

} // namespace zelmora
