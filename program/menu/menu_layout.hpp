// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/form.hpp"

namespace zelmora {

// The main menu exactly as designed: the title, the six buttons one under another and the small
// box that holds the teacher's guide, in stacking order front to back.
FormLayout menuLayout();

} // namespace zelmora
