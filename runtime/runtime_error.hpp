// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace zelmora {

// A failing control operation. Nothing in the boards catches it: the host shows the message
// and ends the program, the script driver prints it and exits 1.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(const std::string& message)
        : std::runtime_error(message)
    { }
};

} // namespace zelmora
