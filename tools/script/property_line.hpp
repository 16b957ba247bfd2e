// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/control.hpp"

#include <string>
#include <string_view>

namespace zelmora {

// "frmZelmora1.Command1(111) Left=2750 Top=3900 Width=500 Height=500 Visible=True Appearance=0"
std::string propertyLine(std::string_view window, Control const&);

} // namespace zelmora
