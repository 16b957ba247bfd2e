// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "goal.hpp"
#include "runtime/form.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace zelmora {

// What the teacher's goal dialog (desktop) or panel (browser) offers and says. The views lay it
// out; every word and every decision is here, so that both say the same.
struct GoalEditorTexts {
    std::string_view title = "هدف اللوحة";
    std::string_view kind = "نوع الهدف:";
    std::string_view expression = "المقدار:";
    // The expressions in Latin letters are isolated left to right: in a right-to-left line their
    // digits and brackets would otherwise be reordered ("(x+3)(x+2)").
    std::string_view expressionHelp = "مثل \u2066x^2+5x+6\u2069 أو س^2+5س+6، والأقواس للعوامل: \u2066(x+2)(x+3)\u2069";
    std::string_view prompt = "سؤال للمتعلم (اختياري):";
    std::string_view preview = "كما سيظهر:";
    std::string_view set = "تحديد الهدف";
    std::string_view remove = "إزالة الهدف";
    std::string_view cancel = "إلغاء";
};
inline constexpr GoalEditorTexts goalEditorTexts {};

// A kind of goal the window can hold, with its Arabic name and an example expression.
struct GoalKindChoice {
    GoalKind kind;
    std::string_view name; // as scripts and files write it
    std::string_view arabic;
    std::string_view example;
};
// The kinds that fit the board, in the order the dialog lists them; none for a window that is no
// board.
std::vector<GoalKindChoice> goalKindsFor(Form const&);

// What the dialog shows under the expression as the teacher types: the goal in Arabic words and,
// as typed, in the band's notation, once it can be set; else one short Arabic sentence saying why
// not.
struct GoalPreview {
    bool settable = false;
    std::string text;
};
GoalPreview previewGoal(Form const&, GoalKind, std::string_view expression, std::string_view prompt);

} // namespace zelmora
