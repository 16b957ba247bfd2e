// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>

#include <string_view>

namespace zelmora::qt {

// The picture an image control names ("bin-empty", "bin-full", "balance"); a null image for
// "none" or a name the program has no picture for.
QImage const& picture(std::string_view name);

// The red pencil of the program's windows, at 16 and 32 pixels.
QIcon windowIcon();

} // namespace zelmora::qt
