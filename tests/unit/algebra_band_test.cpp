// SPDX-License-Identifier: GPL-3.0-or-later
// The band under each board says its algebra in the description's own words, laid out as a
// learner reads it: no part left out, none shown twice, the mark only when it is earned.
#include "program/algebra_band.hpp"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

TEST(AlgebraBand, EachBoardReadsAsItsLearnerExpects)
{
    BoardAlgebra const area { { { "height", "س + 1" }, { "width", "2س + 3" },
                                  { "product", "(س + 1)(2س + 3) = 2س² + 5س + 3" }, { "inside", "2س² + 5س + 3" } },
        true };
    EXPECT_EQ(algebraBandText(area), "(س + 1)(2س + 3) = 2س² + 5س + 3\nالقطع داخل المستطيل: 2س² + 5س + 3 ✓");

    BoardAlgebra notYet = area;
    notYet.parts[3].text = "س";
    notYet.insideMakesProduct = false;
    EXPECT_EQ(algebraBandText(notYet), "(س + 1)(2س + 3) = 2س² + 5س + 3\nالقطع داخل المستطيل: س");

    BoardAlgebra const empty { { { "height", "0" }, { "width", "0" }, { "product", "(0)(0) = 0" }, { "inside", "0" } },
        true };
    EXPECT_EQ(algebraBandText(empty), "(0)(0) = 0\nالقطع داخل المستطيل: 0");

    BoardAlgebra const signedArea {
        { { "vertical", "س" }, { "horizontal", "-1" }, { "product", "(س)(-1) = -س" }, { "inside", "-س" } }, true
    };
    EXPECT_EQ(algebraBandText(signedArea), "(س)(-1) = -س\nالقطع في الأرباع: -س ✓");

    BoardAlgebra const addSub { { { "positive", "2س" }, { "negative", "3" }, { "total", "2س - 3" } }, std::nullopt };
    EXPECT_EQ(algebraBandText(addSub), "الموجب: 2س   السالب: 3\nالمجموع: 2س - 3");

    BoardAlgebra const balance { { { "left", "2س + 3" }, { "right", "س + 5" } }, std::nullopt };
    EXPECT_EQ(algebraBandText(balance), "2س + 3 = س + 5");
}

} // namespace
} // namespace zelmora
