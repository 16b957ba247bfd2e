// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boards/common/tile_board.hpp"
#include "tools/script/script_runner.hpp"

#include <sstream>
#include <string>

namespace zelmora::testing {

// A program driven line by line through the script driver, as a behaviour script drives it, that
// remembers its lines: a test that fails can show the script that makes the failure again.
class ScriptedSession {
public:
    ScriptedSession();

    // Runs one line and gives what it printed; a line that does not run fails the test.
    std::string run(std::string const& line);
    // The lines run so far, one a line.
    std::string const& script() const { return m_script; }
    TileBoard& board(std::string const& window);
    Application& application() { return *m_runner.application(); }

private:
    std::ostringstream m_out;
    std::ostringstream m_errors;
    ScriptRunner m_runner;
    std::string m_script;
    int m_lines = 0;
};

// A number of twips as a script writes it, exactly the Single given.
std::string scriptNumber(Single);

} // namespace zelmora::testing
