// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board_file.hpp"

#include <string_view>

namespace zelmora {

// What the learner or teacher reads when a board file is not opened or not saved.
std::string_view refusalMessage(Refusal);
inline constexpr std::string_view saveFailedMessage = "تعذّر حفظ اللوحة في هذا المكان. اختر مكانًا آخر أو اسمًا آخر.";

LoadResult refusedLoad(Refusal, std::string detail);

} // namespace zelmora
