// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boards/common/tile_board.hpp"
#include "runtime/form.hpp"

#include <functional>
#include <string>

namespace zelmora::testing {

struct RandomRun {
    std::string window;
    unsigned seed = 1;
    int actions = 3000;
};

// Called after every action with the window as it now stands and a description of the action.
using InvariantCheck = std::function<void(Form&, std::string const& step)>;

// Starts the program, opens the window and drives it with seeded random learner actions through
// the runtime's pointer and key input: presses anywhere (hidden and special controls included),
// moves, releases inside and outside the window, drags aimed at tiles and edges, clicks on the
// window's buttons, Tab and Space. Back is pressed now and then; the window is opened again.
// A runtime error fails the test. The same seed gives the same run.
void runRandomActions(RandomRun const&, InvariantCheck const&);

// What holds on every board with a palette: tiles 0 to 140 keep their index and caption, and a
// hidden tile stands at its home. Fails the test with the step otherwise.
void expectReserveAtHome(TileBoard const&, std::string const& step);

} // namespace zelmora::testing
