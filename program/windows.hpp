// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/form.hpp"

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace zelmora {

// Every window the program has, freshly laid out, by its designer name; null for other names.
std::unique_ptr<Form> createWindow(std::string_view name);
std::vector<std::string_view> windowNames();

// The window the program shows when it starts.
std::string_view startWindowName();

bool isKnownWindow(std::string_view name);
// Boards are numbered 1 to 4 as the menu lists them; every other window has no number and is no
// board (it gets no toolbar, no band and no board files).
std::optional<int> boardNumber(std::string_view name);
bool isBoardWindow(std::string_view name);

} // namespace zelmora
