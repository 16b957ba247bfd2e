// SPDX-License-Identifier: GPL-3.0-or-later
#include "goal_check.hpp"

#include "balance_steps.hpp"
#include "board_reading.hpp"
#include "boards/add_sub/add_sub_algebra.hpp"
#include "boards/area/area_algebra.hpp"
#include "boards/balance/balance_algebra.hpp"
#include "boards/signed_area/signed_area_algebra.hpp"

#include <algorithm>

namespace zelmora {

namespace {

GoalCheck open(std::string_view hint)
{
    return { false, std::string(hint) };
}

GoalCheck done()
{
    return { true, {} };
}

// Whether every term inside lies between 0 and the product's, so that tiles are only missing.
bool onlyMissing(Polynomial const& inside, Polynomial const& product)
{
    return std::all_of(allTerms.begin(), allTerms.end(), [&](Term t) {
        std::int64_t const in = inside.coefficient(t);
        std::int64_t const whole = product.coefficient(t);
        return whole >= 0 ? in >= 0 && in <= whole : in <= 0 && in >= whole;
    });
}

// Boards 1 and 2: the factors along the sides and the tiles inside the product rectangle(s).
GoalCheck checkRectangle(Goal const& goal, Polynomial const& a, Polynomial const& b, Polynomial const& inside)
{
    Polynomial const product = multiplyLinear(a, b);
    // Nothing along the sides yet: the first thing to do is to lay out the factors.
    if (a.isZero() && b.isZero())
        return open("ابدأ بوضع العاملين على ضلعي المستطيل");
    if (goal.kind == GoalKind::Multiply) {
        bool const given = a == goal.first && b == goal.second;
        bool const swapped = a == goal.second && b == goal.first;
        if (!given && !swapped)
            return open("أحد العاملين على الضلعين لا يطابق المطلوب");
    } else if (a.isZero() || b.isZero() || product != goal.target) {
        return open("حاصل ضرب العاملين على الضلعين لا يساوي المطلوب");
    }
    if (inside == product)
        return done();
    if (inside.isZero())
        return open("املأ المستطيل بالقطع");
    if (onlyMissing(inside, product))
        return open("في المستطيل مكان لقطع أخرى");
    return open("في المستطيل قطع زائدة أو في غير مكانها");
}

GoalCheck checkSimplified(Goal const& goal, AddSubAlgebra const& algebra)
{
    if (algebra.total() != goal.target)
        return open("مجموع القطع لا يساوي المطلوب");
    if (algebra.holdsZeroPair())
        return open("بقي زوج صفري لتزيله");
    return done();
}

bool share(std::set<TileKind> const& a, std::set<TileKind> const& b)
{
    return std::any_of(a.begin(), a.end(), [&](TileKind k) { return b.contains(k); });
}

// One pan holds a single x tile in its white region and nothing else.
bool xAlone(BalanceAlgebra::Region const& white, BalanceAlgebra::Region const& grey)
{
    return white.sum == Polynomial::of(Term::X) && grey.kinds.empty();
}

// The other pan's tiles lie in one region and come to the solution.
bool holdsValue(BalanceAlgebra::Region const& white, BalanceAlgebra::Region const& grey, std::int64_t value)
{
    return (white.kinds.empty() || grey.kinds.empty()) && white.sum - grey.sum == Polynomial::number(value);
}

GoalCheck checkSolved(Goal const& goal, BalanceAlgebra const& balance)
{
    auto const& lw = balance.region(PanRegion::LeftWhite);
    auto const& lg = balance.region(PanRegion::LeftGrey);
    auto const& rw = balance.region(PanRegion::RightWhite);
    auto const& rg = balance.region(PanRegion::RightGrey);
    if ((xAlone(lw, lg) && holdsValue(rw, rg, goal.solution)) || (xAlone(rw, rg) && holdsValue(lw, lg, goal.solution)))
        return done();
    if (lw.kinds.empty() && lg.kinds.empty() && rw.kinds.empty() && rg.kinds.empty())
        return open("ضع المعادلة على الكفتين");
    if (share(lw.kinds, lg.kinds) || share(rw.kinds, rg.kinds))
        return open("بقي زوج صفري في إحدى الكفتين لتزيله");
    if (share(lw.kinds, rw.kinds) || share(lg.kinds, rg.kinds))
        return open("أزل القطع نفسها من الكفتين معًا");
    if (!balancedAt(balance, goal.solution))
        return open("الكفتان غير متوازنتين: ما تفعله بكفة افعله بالأخرى");
    return open("اجعل قطعة س واحدة وحدها في إحدى الكفتين");
}

} // namespace

GoalCheck checkGoal(Goal const& goal, Form const& form)
{
    if (auto const misfit = goalMisfit(goal, form); !misfit.empty())
        return open(misfit);
    auto const& board = static_cast<TileBoard const&>(form);
    switch (*boardKindOf(form)) {
    case BoardKind::Area: {
        auto const a = describeArea(board);
        return checkRectangle(goal, a.height, a.width, a.inside);
    }
    case BoardKind::SignedArea: {
        auto const a = describeSignedArea(board);
        return checkRectangle(goal, a.vertical, a.horizontal, a.inside);
    }
    case BoardKind::AddSub:
        return checkSimplified(goal, describeAddSub(board));
    case BoardKind::Balance:
        return checkSolved(goal, describeBalance(board));
    }
    return open({});
}

} // namespace zelmora
