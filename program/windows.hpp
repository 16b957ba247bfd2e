// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/form.hpp"

#include <memory>
#include <string_view>
#include <vector>

namespace zelmora {

// Every window the program has, freshly laid out, by its designer name; null for other names.
std::unique_ptr<Form> createWindow(std::string_view name);
std::vector<std::string_view> windowNames();

// The window the program shows when it starts.
std::string_view startWindowName();

} // namespace zelmora
