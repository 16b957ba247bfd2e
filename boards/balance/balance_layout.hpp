// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/form.hpp"

namespace zelmora {

// Board 4, the equation balance, exactly as designed: every control in stacking order, front to back.
FormLayout balanceBoardLayout();

} // namespace zelmora
