// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boards/balance/balance_algebra.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zelmora {

// Whether the pans hold level when x has this value: left minus right comes to nothing, whatever y is.
bool balancedAt(BalanceAlgebra const&, std::int64_t x);

// The equation on the balance as the band writes it, "2س + 3 = 7", when it is a step towards
// the solution: of first degree in x with no other letter, and with exactly this one solution.
std::optional<std::string> balanceStep(BalanceAlgebra const&, std::int64_t solution);

// The steps a window's record holds for the goal it is tagged with: the record's first line
// names the goal it belongs to, so that steps kept for another goal (brought back by undo from
// before the goal was set) are never taken for this one's.
class StepRecord {
public:
    StepRecord(std::vector<std::string> record, std::string goalTag);

    std::vector<std::string> const& lines() const { return m_lines; }
    std::vector<std::string> steps() const;
    // Adds the step unless it is the last one already.
    void add(std::string const& step);

private:
    std::vector<std::string> m_lines;
};

} // namespace zelmora
