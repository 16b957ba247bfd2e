// SPDX-License-Identifier: GPL-3.0-or-later
#include "scripted_session.hpp"

#include <gtest/gtest.h>

#include <cstdio>

namespace zelmora::testing {

ScriptedSession::ScriptedSession()
    : m_runner(m_out, m_errors)
{ }

std::string ScriptedSession::run(std::string const& line)
{
    m_script += line + "\n";
    m_out.str("");
    if (m_runner.runLine(line, ++m_lines) != ScriptRunner::Ran)
        ADD_FAILURE() << m_errors.str() << "in the script:\n" << m_script;
    return m_out.str();
}

TileBoard& ScriptedSession::board(std::string const& window)
{
    return dynamic_cast<TileBoard&>(*m_runner.application()->window(window));
}

std::string scriptNumber(Single value)
{
    // Nine significant digits read back as the same Single.
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

} // namespace zelmora::testing
