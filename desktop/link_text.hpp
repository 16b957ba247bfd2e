// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace zelmora::qt {

// Whether text given where a saved board is asked for (the command line, the open dialog's file
// name) is a shared link rather than a file: a web or file address, or a board's fragment
// ("#zelmora=…", or "zelmora=…" alone as some mail programs cut it), that names no file on this
// computer. A file that exists is always opened as a file, whatever its name looks like.
bool isLinkText(std::string_view text);

} // namespace zelmora::qt
