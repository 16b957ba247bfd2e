// SPDX-License-Identifier: GPL-3.0-or-later
// Describing what a board's tiles stand for, as a view does after every action.

#include "boards/common/tile_board.hpp"
#include "program/board_algebra.hpp"
#include "program/windows.hpp"
#include "runtime/application.hpp"

#include <array>
#include <benchmark/benchmark.h>

namespace zelmora {
namespace {

constexpr std::array<char const*, 4> boards { "frmZelmora1", "frmZelmora2", "frmZelmora4", "frmZelmora5" };

// Every tile out, spread over the board in a grid so that some lie on the factor strips, arms,
// rectangles and regions and the rest elsewhere; then the whole description with its texts.
// Target: under 20 microseconds on every board.
void describeWithEveryTileOut(benchmark::State& state)
{
    HeadlessHost host;
    Application app(host, &createWindow);
    auto& board = dynamic_cast<TileBoard&>(app.show(boards[static_cast<std::size_t>(state.range(0))]));
    for (int i = 0; i < board.traits().tileCount; ++i) {
        Control& t = board.tile(i);
        t.visible = true;
        t.left = Single(300 + (i % 12) * 800);
        t.top = Single(300 + (i / 12) * 600);
    }
    // Boards 1 and 2 measure, so that their product rectangles lie where the tiles say.
    if (board.traits().hasRotationZone)
        board.press(board.measuringButton());
    for (auto _ : state) {
        auto algebra = describeBoardAlgebra(board);
        benchmark::DoNotOptimize(algebra);
    }
    state.SetLabel(board.name());
}
BENCHMARK(describeWithEveryTileOut)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zelmora
