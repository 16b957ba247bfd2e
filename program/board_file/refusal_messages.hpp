// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board_file.hpp"

#include <string_view>

namespace zelmora {

// What the learner or teacher reads when a board file is not opened or not saved.
std::string_view refusalMessage(Refusal);
inline constexpr std::string_view saveFailedMessage = "تعذّر حفظ اللوحة في هذا المكان. اختر مكانًا آخر أو اسمًا آخر.";

LoadResult refusedLoad(Refusal, std::string detail);

// The same reasons said of a shared link, which a teacher pasted rather than a file: any that no
// link can have reads as a damaged link. A link cut short (as a copy of part of it is) says so.
std::string_view linkRefusalMessage(Refusal);
inline constexpr std::string_view truncatedLinkMessage
    = "هذا الرابط ناقص؛ لعله لم يُنسخ كاملًا، فلم يُفتح. انسخ الرابط كله. بقيت اللوحة كما هي.";

} // namespace zelmora
