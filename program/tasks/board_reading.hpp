// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/form.hpp"

#include <optional>

namespace zelmora {

// Which of the four boards a window is: a goal fits only some of them.
enum class BoardKind { Area, SignedArea, AddSub, Balance };

std::optional<BoardKind> boardKindOf(Form const&);

} // namespace zelmora
