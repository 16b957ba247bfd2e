// SPDX-License-Identifier: GPL-3.0-or-later
#include "stacking_list.hpp"

#include "runtime/runtime_error.hpp"

namespace zelmora {

StackingList::StackingList(std::vector<Control> members)
{
    for (auto& member : members) {
        int const index = member.index;
        m_unplaced.emplace(index, std::move(member));
    }
}

StackingList& StackingList::add(Control control)
{
    if (control.index >= 0 && control.name == "Command1")
        m_unplaced.erase(control.index);
    m_controls.push_back(std::move(control));
    return *this;
}

StackingList& StackingList::addMembers(std::vector<int> const& order)
{
    for (int index : order) {
        auto node = m_unplaced.extract(index);
        if (node.empty())
            throw RuntimeError("Member " + std::to_string(index) + " is placed twice or does not exist");
        m_controls.push_back(std::move(node.mapped()));
    }
    return *this;
}

std::vector<Control> StackingList::finish()
{
    if (!m_unplaced.empty())
        throw RuntimeError(
            "Member " + std::to_string(m_unplaced.begin()->first) + " has no place in the stacking order");
    return std::move(m_controls);
}

} // namespace zelmora
