// SPDX-License-Identifier: GPL-3.0-or-later
// Board 1 without a display: loading the window, and one drop with every tile out.

#include "boards/common/tile_board.hpp"
#include "program/windows.hpp"
#include "runtime/application.hpp"

#include <benchmark/benchmark.h>

namespace zelmora {
namespace {

// Loading Board 1 with all its controls, Load included. Target: under 1 ms.
void loadAreaBoard(benchmark::State& state)
{
    HeadlessHost host;
    Application app(host, &createWindow);
    for (auto _ : state) {
        Form& form = app.show("frmZelmora1");
        benchmark::DoNotOptimize(&form);
        app.unload(form);
    }
}
BENCHMARK(loadAreaBoard)->Unit(benchmark::kMicrosecond);

// One drop on the board with all 141 tiles visible: the move, snapping the dropped tile against
// 142 members and measuring over 141 tiles. Target: under 20 microseconds.
void dropWithEveryTileOut(benchmark::State& state)
{
    HeadlessHost host;
    Application app(host, &createWindow);
    auto& board = dynamic_cast<TileBoard&>(app.show("frmZelmora1"));
    for (int i = 0; i <= 140; ++i)
        board.tile(i).visible = true;
    Control& dragged = board.tile(111);
    bool alternate = false;
    for (auto _ : state) {
        alternate = !alternate;
        Single const x = alternate ? 3000 : 300; // the mat, then the left strip
        app.mouseDownOn(board, dragged, 250, 100, MouseButton::Left);
        app.mouseUp(&board, x, 4000);
        benchmark::DoNotOptimize(dragged.left);
    }
}
BENCHMARK(dropWithEveryTileOut)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zelmora
