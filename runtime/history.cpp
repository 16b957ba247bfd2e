// SPDX-License-Identifier: GPL-3.0-or-later
#include "history.hpp"

#include <utility>

namespace zelmora {

void WindowHistory::record(FormSnapshot before)
{
    m_redo.clear();
    m_undo.push_back(std::move(before));
    if (m_undo.size() > depth)
        m_undo.pop_front();
}

FormSnapshot WindowHistory::undo(FormSnapshot current)
{
    FormSnapshot back = std::move(m_undo.back());
    m_undo.pop_back();
    m_redo.push_back(std::move(current));
    return back;
}

FormSnapshot WindowHistory::redo(FormSnapshot current)
{
    FormSnapshot forward = std::move(m_redo.back());
    m_redo.pop_back();
    m_undo.push_back(std::move(current));
    return forward;
}

} // namespace zelmora
