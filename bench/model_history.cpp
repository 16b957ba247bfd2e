// SPDX-License-Identifier: GPL-3.0-or-later
// Undo, redo, saving and opening Board 1 with every tile out, without a display.

#include "boards/common/tile_board.hpp"
#include "program/board_file/board_file.hpp"
#include "program/windows.hpp"
#include "runtime/application.hpp"

#include <benchmark/benchmark.h>

namespace zelmora {
namespace {

// Board 1 with all 141 tiles out and one drop made, so that there is an action to take back.
struct FullBoard {
    HeadlessHost host;
    Application app { host, &createWindow };
    TileBoard& board = dynamic_cast<TileBoard&>(app.show("frmZelmora1"));

    FullBoard()
    {
        for (int i = 0; i <= 140; ++i)
            board.tile(i).visible = true;
        app.mouseDownOn(board, board.tile(111), 250, 100, MouseButton::Left);
        app.mouseUp(&board, 3000, 4000);
    }
};

// One undo or one redo, alternately. Target: under 50 microseconds.
void undoOrRedoWithEveryTileOut(benchmark::State& state)
{
    FullBoard full;
    bool undo = true;
    for (auto _ : state) {
        bool const done = undo ? full.app.undo(full.board) : full.app.redo(full.board);
        benchmark::DoNotOptimize(done);
        undo = !undo;
    }
}
BENCHMARK(undoOrRedoWithEveryTileOut)->Unit(benchmark::kMicrosecond);

// Saving the full board to its file's text. Target: under 2 ms.
void saveFullBoard(benchmark::State& state)
{
    FullBoard full;
    for (auto _ : state)
        benchmark::DoNotOptimize(saveBoard(full.board));
}
BENCHMARK(saveFullBoard)->Unit(benchmark::kMicrosecond);

// Opening that text into the window: every value checked, then put back as one action. Target:
// under 2 ms.
void openFullBoard(benchmark::State& state)
{
    FullBoard full;
    std::string const file = saveBoard(full.board);
    for (auto _ : state)
        benchmark::DoNotOptimize(loadBoard(full.app, full.board, file).loaded());
}
BENCHMARK(openFullBoard)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zelmora
