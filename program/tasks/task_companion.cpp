// SPDX-License-Identifier: GPL-3.0-or-later
#include "task_companion.hpp"

#include "balance_steps.hpp"
#include "board_reading.hpp"
#include "goal_check.hpp"
#include "runtime/application.hpp"

namespace zelmora {

namespace {

constexpr std::string_view goalBefore = "الهدف: ";
constexpr std::string_view praise = "✓ أحسنت";

std::string partText(BoardAlgebra const& algebra, std::string_view name)
{
    for (auto const& part : algebra.parts)
        if (part.name == name)
            return part.text;
    return {};
}

bool solvesOnBalance(Goal const& goal, Form const& form)
{
    return goal.kind == GoalKind::Solve && boardKindOf(form) == BoardKind::Balance;
}

} // namespace

TaskCompanion::TaskCompanion(Goal goal, std::string prompt)
    : m_goal(std::move(goal))
    , m_prompt(std::move(prompt))
{ }

std::string TaskCompanion::recordTag() const
{
    return std::string(kindName(m_goal.kind)) + " " + goalText(m_goal);
}

void TaskCompanion::begin(Form& form)
{
    recordStep(form);
    m_reached = checkGoal(m_goal, form).done;
}

void TaskCompanion::afterAction(Form& form)
{
    recordStep(form);
    if (m_reached || !checkGoal(m_goal, form).done)
        return;
    m_reached = true;
    form.app().host().goalReached(form);
}

void TaskCompanion::recordStep(Form& form) const
{
    if (!solvesOnBalance(m_goal, form))
        return;
    StepRecord record(form.record(), recordTag());
    if (auto const step = balanceStep(describeBalance(static_cast<TileBoard const&>(form)), m_goal.solution))
        record.add(*step);
    if (record.lines() != form.record())
        form.setRecord(record.lines());
}

std::vector<BandRow> TaskCompanion::frame(Form const& form, BoardAlgebra const& algebra) const
{
    std::vector<BandRow> rows;
    if (!m_prompt.empty())
        rows.push_back(plainRow(m_prompt));
    rows.push_back(plainRow(std::string(goalBefore) + goalWords(m_goal)));
    // A balance that would tip with x at the goal's value is shown as no equation at all.
    bool const uneven = solvesOnBalance(m_goal, form)
        && !balancedAt(describeBalance(static_cast<TileBoard const&>(form)), m_goal.solution);
    if (uneven)
        rows.push_back(equationRow({ partText(algebra, "left") }, "≠", partText(algebra, "right")));
    else
        for (BandRow& row : algebraBandRows(algebra))
            rows.push_back(std::move(row));
    rows.push_back(plainRow(feedback(form)));
    return rows;
}

std::string TaskCompanion::statement() const
{
    return (m_prompt.empty() ? std::string() : m_prompt + " ") + std::string(goalBefore) + goalWords(m_goal);
}

std::string TaskCompanion::feedback(Form const& form) const
{
    GoalCheck const check = checkGoal(m_goal, form);
    return check.done ? std::string(praise) : check.hint;
}

} // namespace zelmora
