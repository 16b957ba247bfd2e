// SPDX-License-Identifier: GPL-3.0-or-later
#include "control.hpp"

namespace zelmora {

std::string Control::qualifiedName() const
{
    if (index < 0)
        return name;
    return name + "(" + std::to_string(index) + ")";
}

} // namespace zelmora
