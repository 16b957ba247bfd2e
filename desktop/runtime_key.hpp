// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/types.hpp"

#include <optional>

class QKeyEvent;

namespace zelmora::qt {

// The runtime's key that a Qt key event stands for, or nothing for a key the windows ignore.
std::optional<Key> runtimeKeyOf(QKeyEvent const&);

} // namespace zelmora::qt
