// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_file_format.hpp"

namespace zelmora::board_file {

bool nestedTooDeep(std::string_view bytes)
{
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    for (char const c : bytes) {
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > maxNesting)
                return true;
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return false;
}

} // namespace zelmora::board_file
