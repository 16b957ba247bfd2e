// SPDX-License-Identifier: GPL-3.0-or-later
// Board 1 without a display: loading the window, one drop with every tile out, and what a goal
// and a session add to it.

#include "boards/common/tile_board.hpp"
#include "program/tasks/tasks.hpp"
#include "program/window_changes.hpp"
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

struct EveryTileOut {
    HeadlessHost host;
    Application app { host, &createWindow };
    TileBoard& board = dynamic_cast<TileBoard&>(app.show("frmZelmora1"));
    Control& dragged = board.tile(111);
    bool alternate = false;

    EveryTileOut()
    {
        for (int i = 0; i <= 140; ++i)
            board.tile(i).visible = true;
    }
    void drop()
    {
        alternate = !alternate;
        Single const x = alternate ? 3000 : 300; // the mat, then the left strip
        app.mouseDownOn(board, dragged, 250, 100, MouseButton::Left);
        app.mouseUp(&board, x, 4000);
    }
};

// One drop on the board with all 141 tiles visible: the move, snapping the dropped tile against
// 142 members and measuring over 141 tiles. Target: under 20 microseconds.
void dropWithEveryTileOut(benchmark::State& state)
{
    EveryTileOut b;
    for (auto _ : state) {
        b.drop();
        benchmark::DoNotOptimize(b.dragged.left);
    }
}
BENCHMARK(dropWithEveryTileOut)->Unit(benchmark::kMicrosecond);

// The goal's check after that drop, on its own: reading the factors and the tiles inside and
// comparing them with the goal. Target: under a quarter of the drop above.
void goalCheckWithEveryTileOut(benchmark::State& state)
{
    EveryTileOut b;
    setGoal(b.board, GoalKind::Multiply, "(x+2)(x+3)");
    b.drop();
    for (auto _ : state) {
        auto check = checkOf(b.board);
        benchmark::DoNotOptimize(check);
    }
}
BENCHMARK(goalCheckWithEveryTileOut)->Unit(benchmark::kMicrosecond);

// What a session adds to every piece of input: noting which windows changed, by a fingerprint of
// every control of every open window. Target: well under the drop above, whose cost it adds to.
void windowChangesWithEveryTileOut(benchmark::State& state)
{
    EveryTileOut b;
    b.app.show("frmZelmora");
    WindowChanges changes;
    for (auto _ : state) {
        changes.look(b.app);
        benchmark::DoNotOptimize(changes);
    }
}
BENCHMARK(windowChangesWithEveryTileOut)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zelmora
