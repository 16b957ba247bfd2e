// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/application.hpp"

#include <nlohmann/json.hpp>

namespace zelmora::web {

// What the page needs to paint one window: the window's design and its visible controls back to
// front, with every property the painter reads. Positions stay in twips; the page scales them.
nlohmann::json windowSnapshot(Form const&);

// The manual drag in progress as the page draws it, or null.
nlohmann::json dragSnapshot(std::optional<DragInProgress> const&);

} // namespace zelmora::web
