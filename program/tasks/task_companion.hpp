// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "goal.hpp"
#include "program/algebra_band.hpp"
#include "runtime/form.hpp"

#include <string>

namespace zelmora {

// A goal set on a board window, kept with the window for as long as it is open (never in its
// undo history): after every learner action it records the balance's steps into the window's
// record and tells the host when the goal is first reached; it frames the band with the goal and
// the feedback.
class TaskCompanion final : public FormCompanion, public BandFrame {
public:
    TaskCompanion(Goal, std::string prompt);

    Goal const& goal() const { return m_goal; }
    std::string const& prompt() const { return m_prompt; }
    // The first line of the window's record while this goal's steps are kept there.
    std::string recordTag() const;

    // Takes the window as it stands as where the task begins: its equation is the first step, and
    // a goal that the tiles answer already is not one the learner has reached.
    void begin(Form&);
    void afterAction(Form&) override;
    std::vector<BandRow> frame(Form const&, BoardAlgebra const&) const override;
    // The task in one line, as a screen reader says it when it is set: the prompt and the goal.
    std::string statement() const;
    // "✓ أحسنت" once the board answers the goal, else the hint, as the band ends.
    std::string feedback(Form const&) const;

private:
    void recordStep(Form&) const;

    Goal m_goal;
    std::string m_prompt;
    // Until begin() has seen the starting board, nothing counts as reached by the learner.
    bool m_reached = true;
};

} // namespace zelmora
