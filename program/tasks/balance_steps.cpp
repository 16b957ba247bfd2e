// SPDX-License-Identifier: GPL-3.0-or-later
#include "balance_steps.hpp"

namespace zelmora {

namespace {

bool onlyXAndNumber(Polynomial const& p)
{
    return p == Polynomial::of(Term::X, p.coefficient(Term::X)) + Polynomial::number(p.coefficient(Term::Number));
}

} // namespace

bool balancedAt(BalanceAlgebra const& balance, std::int64_t x)
{
    Polynomial const difference = balance.left - balance.right;
    Polynomial const xTerm = Polynomial::of(Term::X, difference.coefficient(Term::X));
    // Only first-degree tiles lie in the pans, so putting the value in for x leaves y and a number.
    return (difference - xTerm + Polynomial::number(xTerm.coefficient(Term::X) * x)).isZero();
}

std::optional<std::string> balanceStep(BalanceAlgebra const& balance, std::int64_t solution)
{
    if (!onlyXAndNumber(balance.left) || !onlyXAndNumber(balance.right))
        return std::nullopt;
    Polynomial const difference = balance.left - balance.right;
    if (difference.coefficient(Term::X) == 0 || !balancedAt(balance, solution))
        return std::nullopt;
    return toText(balance.left) + " = " + toText(balance.right);
}

StepRecord::StepRecord(std::vector<std::string> record, std::string goalTag)
    : m_lines(std::move(record))
{
    if (m_lines.empty() || m_lines.front() != goalTag)
        m_lines = { std::move(goalTag) };
}

std::vector<std::string> StepRecord::steps() const
{
    return { m_lines.begin() + 1, m_lines.end() };
}

void StepRecord::add(std::string const& step)
{
    if (m_lines.size() == 1 || m_lines.back() != step)
        m_lines.push_back(step);
}

} // namespace zelmora
