#pragma once

#include "shell/runtime/form.hpp"

namespace zelmora {

// Board 1, the area model, exactly as designed: every control in stacking order, front to back.
FormLayout areaBoardLayout();

} // namespace zelmora
